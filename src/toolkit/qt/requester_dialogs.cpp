#include "toolkit/qt/requester_dialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>

#include "toolkit/qt/qt_text.h"
#include "toolkit/requesters.h"

namespace toolkit::qt {
namespace {

QColor qt_color(int color) {
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

int program_color(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

// The part of a filter before its mask: what the dialog shows with the details hidden.
QString filter_label(const QString& filter) {
    return filter.left(filter.lastIndexOf(QLatin1Char('('))).trimmed();
}

} // namespace

bool qt_dialogs_wanted() {
    return QGuiApplication::platformName() == QLatin1String("offscreen") ||
           !qEnvironmentVariableIsEmpty("GRIDLET_QT_DIALOGS");
}

QString name_filter(const FilePattern& pattern) {
    QString mask = qt_text(pattern.mask).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
    if (mask.isEmpty()) mask = QStringLiteral("*");
    return qt_text(pattern.description) + QStringLiteral(" (") + mask + QLatin1Char(')');
}

int filter_index(const QStringList& filters, const QString& selected, int preset) {
    if (const qsizetype index = filters.indexOf(selected); index >= 0) return int(index);
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filter_label(filters[i]) == selected) return int(i);
    return preset;
}

FileChoice run_file_requester(const FileRequest& request, QWidget* owner) {
    QFileDialog dialog(owner, qt_text(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The chosen file need not exist, saving asks nothing and adds no extension.
    dialog.setFileMode(QFileDialog::AnyFile);
    QFileDialog::Options options =
        QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails;
    if (qt_dialogs_wanted()) options |= QFileDialog::DontUseNativeDialog;
    dialog.setOptions(options);
    QStringList filters;
    for (const FilePattern& pattern : request.patterns) filters << name_filter(pattern);
    dialog.setNameFilters(filters);
    // Without a valid preset the dialog shows its first filter.
    const int preset = request.pattern_index >= 0 && request.pattern_index < filters.size()
                           ? request.pattern_index
                           : (filters.isEmpty() ? -1 : 0);
    if (preset >= 0) dialog.selectNameFilter(filters[preset]);
    if (!request.folder.empty()) dialog.setDirectory(qt_path(request.folder));
    if (!request.name.empty()) dialog.selectFile(qt_path(request.name));
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().constFirst();
        if (requester_folder_exists(byte_path(chosen)))
            return {byte_path(chosen), filter_index(filters, dialog.selectedNameFilter(), preset)};
        // The requester complains and comes back where the user left it.
        QMessageBox::warning(&dialog, dialog.windowTitle(),
                             QFileInfo(chosen).path() +
                                 QStringLiteral("\nThis folder does not exist. Please choose a "
                                                "folder that exists."));
    }
    return {};
}

int run_color_requester(int start_color, std::array<int, 16>& custom_colors, QWidget* owner) {
    for (int i = 0; i < int(custom_colors.size()); ++i)
        QColorDialog::setCustomColor(i, qt_color(custom_colors[i]));
    QColorDialog dialog(qt_color(start_color), owner);
    if (qt_dialogs_wanted()) dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < int(custom_colors.size()); ++i)
        custom_colors[i] = program_color(QColorDialog::customColor(i));
    return chosen ? program_color(dialog.selectedColor()) : -1;
}

int run_message_requester(const std::string& title, const std::string& text, int flags,
                          QWidget* owner) {
    const bool question = flags == message_yes_no;
    QMessageBox box(QMessageBox::NoIcon, qt_text(title), qt_text(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (!question) return message_result_ok;
    return answer == QMessageBox::Yes ? message_result_yes : message_result_no;
}

int run_list_requester(const std::string& title, const std::string& text,
                       const std::vector<std::string>& items, QWidget* owner) {
    QDialog dialog(owner);
    dialog.setWindowTitle(qt_text(title));
    auto* label = new QLabel(qt_text(text), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMinimumWidth(1); // not the width of its longest word: see the dialog's size below
    auto* list = new QListWidget(&dialog);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true); // a thousand items lay out at once
    for (const std::string& item : items) list->addItem(qt_text(item));
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    list->setFocus();
    // A long text without spaces cannot wrap: it is cut, and a long one that wraps is cut at the
    // bottom, rather than the dialog grow off the screen.
    if (const QScreen* screen = dialog.screen())
        dialog.setMaximumSize(screen->availableGeometry().size() * 9 / 10);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return list->currentRow();
}

} // namespace toolkit::qt
