// The binding's modal requesters, owned by the program's foreground window.
#include <QApplication>

#include "toolkit/qt/qt_binding.h"
#include "toolkit/qt/requester_dialogs.h"

namespace toolkit::qt {

FileChoice QtBinding::file_requester(const FileRequest& request) {
    return run_file_requester(request, QApplication::activeWindow());
}

int QtBinding::color_requester(int start_color, std::array<int, 16>& custom_colors) {
    return run_color_requester(start_color, custom_colors, QApplication::activeWindow());
}

int QtBinding::message_requester(const std::string& title, const std::string& text, int flags) {
    return run_message_requester(title, text, flags, QApplication::activeWindow());
}

int QtBinding::list_requester(const std::string& title, const std::string& text,
                              const std::vector<std::string>& items) {
    return run_list_requester(title, text, items, QApplication::activeWindow());
}

} // namespace toolkit::qt
