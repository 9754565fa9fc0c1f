#include "toolkit/desktop_program.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <commctrl.h>

#include "toolkit/win32/win32_binding.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit {
namespace {

// The parameters as the user typed them, whatever the system's code page: argv holds them
// converted to it, so they are read again from the UTF-16 command line, split as the C runtime
// splits it (CommandLineToArgvW would load the shell at start for this alone). The program's own
// name, first, ends at the next space or, when quoted, at the next quote.
std::vector<std::string> command_line_parameters() {
    const std::wstring line = GetCommandLineW();
    size_t at = 0;
    if (!line.empty() && line[0] == L'"') {
        at = line.find(L'"', 1);
        at = at == std::wstring::npos ? line.size() : at + 1;
    }
    while (at < line.size() && line[at] != L' ' && line[at] != L'\t') ++at;
    std::vector<std::string> parameters;
    while (true) {
        while (at < line.size() && (line[at] == L' ' || line[at] == L'\t')) ++at;
        if (at >= line.size()) return parameters;
        std::wstring word;
        bool quoted = false;
        for (; at < line.size() && (quoted || (line[at] != L' ' && line[at] != L'\t')); ++at) {
            size_t backslashes = 0;
            while (at < line.size() && line[at] == L'\\') ++backslashes, ++at;
            if (at < line.size() && line[at] == L'"') {
                // 2n backslashes and a quote: n of them and the quote opens or closes; 2n + 1: n
                // of them and a quote. "" inside quotes is a quote.
                word.append(backslashes / 2, L'\\');
                if (backslashes % 2) {
                    word += L'"';
                } else if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
                    word += L'"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
            } else {
                word.append(backslashes, L'\\');
                if (at >= line.size()) break;
                if (!quoted && (line[at] == L' ' || line[at] == L'\t')) break;
                word += line[at];
            }
        }
        parameters.push_back(windows::utf8_text(word));
    }
}

} // namespace

bool win32::prepare_process() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const INITCOMMONCONTROLSEX controls{.dwSize = sizeof controls,
                                        .dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls);
}

int run_desktop_program(int, char**, const Program& program) {
    win32::prepare_process();
    win32::Win32Binding binding;
    return program(binding, command_line_parameters());
}

} // namespace toolkit
