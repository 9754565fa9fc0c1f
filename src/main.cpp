// The desktop program: the logic on the Qt binding.
#include <QApplication>
#include <string>
#include <vector>

#include "app/program.h"
#include "toolkit/qt/qt_binding.h"

int main(int argc, char** argv) {
    toolkit::qt::prepare_application();
    QApplication application(argc, argv);
    // Lets desktop shells match the windows to the installed launcher and its icon.
    QApplication::setDesktopFileName("io.github.gridlet.Gridlet");
    toolkit::qt::QtBinding binding;
    std::vector<std::string> parameters(argv + 1, argv + argc);
    return runProgram(binding, std::move(parameters));
}
