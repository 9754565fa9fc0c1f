// Runs a program on the desktop binding built for this system: Qt on Linux, Win32 on Windows.
// Free of platform headers, so that the program's main needs none.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

class Binding;

using Program = std::function<int(Binding& binding, std::vector<std::string> parameters)>;

// Sets up the platform (which may take its own options out of the command line), then runs the
// program on the binding with the remaining parameters; returns its exit code.
int run_desktop_program(int argc, char** argv, const Program& program);

} // namespace toolkit
