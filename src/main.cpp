// The desktop program: the logic on the binding of the system it was built for; or, asked for a
// conversion, the help or the version, that alone, with no window and no display.
#include <cstdio>
#include <string>
#include <vector>

#include "app/convert_arguments.h"
#include "app/convert_command.h"
#include "app/program.h"
#include "toolkit/console.h"
#include "toolkit/desktop_program.h"
#include "toolkit/windows.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = toolkit::program_arguments(argc, argv);
    if (isCommandLineConversion(arguments)) {
        toolkit::attach_to_parent_console();
        toolkit::start_toolkit(); // the files it reads and writes; no window
        const ConversionRun run = runConversion(arguments);
        toolkit::shut_down_toolkit();
        std::fwrite(run.printed.data(), 1, run.printed.size(), stdout);
        std::fwrite(run.said.data(), 1, run.said.size(), stderr);
        return run.status;
    }
    return toolkit::run_desktop_program(argc, argv, runProgram);
}
