// The desktop program: the logic on the binding of the system it was built for.
#include "app/program.h"
#include "toolkit/desktop_program.h"

int main(int argc, char** argv) {
    return toolkit::run_desktop_program(argc, argv, runProgram);
}
