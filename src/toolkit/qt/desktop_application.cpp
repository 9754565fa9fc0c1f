#include "toolkit/qt/desktop_application.h"

#include <QApplication>

#include "toolkit/qt/qt_binding.h"

namespace toolkit::qt {

int run_desktop_program(int argc, char** argv, const Program& program) {
    prepare_application();
    QApplication application(argc, argv);
    // Lets desktop shells match the windows to the installed launcher and its icon.
    QApplication::setDesktopFileName("io.github.gridlet.Gridlet");
    QtBinding binding;
    return program(binding, std::vector<std::string>(argv + 1, argv + argc));
}

} // namespace toolkit::qt
