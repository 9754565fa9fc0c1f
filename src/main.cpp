// The desktop program: the logic on the Qt binding.
#include "app/program.h"
#include "toolkit/qt/desktop_application.h"

int main(int argc, char** argv) {
    return toolkit::qt::run_desktop_program(argc, argv, runProgram);
}
