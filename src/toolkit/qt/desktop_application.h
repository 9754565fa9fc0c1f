// Runs a program on the desktop binding. Free of Qt headers, so that the program's main needs
// none.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace toolkit {
class Binding;
}

namespace toolkit::qt {

using Program = std::function<int(Binding& binding, std::vector<std::string> parameters)>;

// Makes the application object (which takes Qt's own options out of the command line), then
// runs the program on a Qt binding with the remaining parameters; returns its exit code.
int run_desktop_program(int argc, char** argv, const Program& program);

} // namespace toolkit::qt
