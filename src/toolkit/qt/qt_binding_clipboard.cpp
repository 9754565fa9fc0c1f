// The binding's clipboard: every form at once in one set of MIME data, so that other programs
// find the picture as PNG and the text as plain text.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "toolkit/qt/qt_binding.h"
#include "toolkit/qt/qt_text.h"

namespace toolkit::qt {
namespace {

QImage qt_image(const PixelBuffer& picture) {
    // A copy: the clipboard keeps the image after the buffer is gone.
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, qsizetype(picture.width) * 4, QImage::Format_RGB32)
        .copy();
}

PixelBuffer pixel_buffer(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelBuffer picture(rgb.width(), rgb.height(), 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const Pixel*>(rgb.constScanLine(y));
        std::copy(line, line + rgb.width(), picture.row(y));
    }
    return picture;
}

} // namespace

bool QtBinding::set_clipboard(const ClipboardData& data) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto* mime = new QMimeData;
    if (!data.text.empty()) mime->setText(qt_text(data.text));
    if (!data.picture.pixels.empty()) mime->setImageData(qt_image(data.picture));
    if (!data.own_type.empty())
        mime->setData(QString::fromStdString(data.own_type),
                      QByteArray(reinterpret_cast<const char*>(data.own_bytes.data()),
                                 qsizetype(data.own_bytes.size())));
    clipboard->setMimeData(mime);
    return true;
}

ClipboardData QtBinding::get_clipboard(const std::string& own_type) {
    ClipboardData held{.own_type = own_type};
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!mime) return held;
    const QString type = QString::fromStdString(own_type);
    if (mime->hasFormat(type)) {
        const QByteArray bytes = mime->data(type);
        held.own_bytes.assign(bytes.begin(), bytes.end());
    }
    if (mime->hasText()) held.text = byte_text(mime->text());
    if (mime->hasImage()) held.picture = pixel_buffer(qvariant_cast<QImage>(mime->imageData()));
    return held;
}

} // namespace toolkit::qt
