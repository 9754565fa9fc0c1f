// The program's command line and text console, for the commands it runs without a window.
#pragma once

#include <string>
#include <vector>

namespace toolkit {

// The parameters the program was started with, after its own name, in UTF-8 whatever the
// system's code page.
std::vector<std::string> program_arguments(int argc, char** argv);

// Lets a program that the system starts without a console (a Windows program of windows) write
// its standard output and error to the console of the program that started it, where they go
// nowhere else. Elsewhere there is nothing to do.
void attach_to_parent_console();

} // namespace toolkit
