#include "toolkit/desktop_program.h"

#include <QApplication>

#include "toolkit/qt/qt_binding.h"

namespace toolkit {

// The application object takes Qt's own options out of the command line.
int run_desktop_program(int argc, char** argv, const Program& program) {
    qt::prepare_application();
    QApplication application(argc, argv);
    // Lets desktop shells match the windows to the installed launcher and its icon.
    QApplication::setDesktopFileName("io.github.gridlet.Gridlet");
    qt::QtBinding binding;
    return program(binding, std::vector<std::string>(argv + 1, argv + argc));
}

} // namespace toolkit
