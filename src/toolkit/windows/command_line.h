// A Windows command line split into its words.
#pragma once

#include <string>
#include <vector>

namespace toolkit::windows {

// The words after the program's own name, in UTF-8, split as the C runtime splits them:
// spaces and tabs part words outside quotes; 2n backslashes before a quote give n and the quote
// opens or closes, 2n + 1 give n and a quote; "" inside quotes is a quote. The program's name,
// first, ends at the next space or, when quoted, at the next quote. (CommandLineToArgvW would
// load the shell at start for this alone.)
std::vector<std::string> command_line_words(const std::wstring& line);

} // namespace toolkit::windows
