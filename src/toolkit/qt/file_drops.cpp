#include "toolkit/qt/file_drops.h"

#include <QUrl>

#include "toolkit/binding.h"
#include "toolkit/qt/qt_text.h"

namespace toolkit::qt {

std::vector<std::string> local_files(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    std::vector<std::string> names;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        names.push_back(byte_path(url.toLocalFile()));
    }
    return names;
}

void offer_copy_of_files(int gadget, QDropEvent& event) {
    if (!gadget_accepts_files(gadget) || local_files(event.mimeData()).empty()) {
        event.ignore();
        return;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
}

void take_dropped_files(int gadget, QDropEvent& event) {
    const std::vector<std::string> names = local_files(event.mimeData());
    if (!gadget_accepts_files(gadget) || names.empty()) {
        event.ignore();
        return;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    files_dropped(gadget, names);
}

} // namespace toolkit::qt
