#include "toolkit/qt/qt_text.h"

#include <algorithm>

#include <QFile>
#include <QStringDecoder>

namespace toolkit::qt {

QString qt_text(const std::string& bytes) {
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(view);
}

std::string byte_text(const QString& text) {
    const bool latin1 =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    return latin1 ? text.toLatin1().toStdString() : text.toStdString();
}

QString without_mnemonics(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString qt_path(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string byte_path(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace toolkit::qt
