// Functions of the system's DLLs that gridlet needs only now and then: the file and colour
// dialogs, dropped files, the known folders, COM and the imaging component behind PNG. They are
// loaded on first use, not imported, so that the program starts with the DLLs a bare window
// loads; each is looked up once.
#pragma once

#include <windows.h>

namespace toolkit::windows {

// The function, or nullptr when the DLL or the function is missing. Only from the system folder.
FARPROC system_function(const wchar_t* dll, const char* name);

template <typename Function> Function* system_function(const wchar_t* dll, const char* name) {
    // Through the one function type a cast from FARPROC may take without a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(system_function(dll, name)));
}

// COM started on this thread for what needs it (the dialogs, the imaging component), once; ended
// with the process.
bool start_com();

} // namespace toolkit::windows
