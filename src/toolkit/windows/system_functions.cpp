#include "toolkit/windows/system_functions.h"

#include <objbase.h>

namespace toolkit::windows {

FARPROC system_function(const wchar_t* dll, const char* name) {
    const HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, name) : nullptr;
}

bool start_com() {
    // Per thread: the thread of background saves never needs it, the program's thread may.
    thread_local const bool started = [] {
        static const auto initialize =
            system_function<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        return initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }();
    return started;
}

} // namespace toolkit::windows
