// The conformance suite on the Win32 binding, in a process prepared as the program's is.
#include <gtest/gtest.h>

#include "toolkit/win32/win32_binding.h"

int main(int argc, char** argv) {
    toolkit::win32::prepare_process();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
