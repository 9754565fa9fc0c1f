#include "toolkit/windows/command_line.h"

#include "toolkit/windows/wide_text.h"

namespace toolkit::windows {

namespace {

bool is_blank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

} // namespace

std::vector<std::string> command_line_words(const std::wstring& line) {
    size_t at = 0;
    if (!line.empty() && line[0] == L'"') {
        at = line.find(L'"', 1);
        at = at == std::wstring::npos ? line.size() : at + 1;
    }
    while (at < line.size() && !is_blank(line[at])) ++at;
    std::vector<std::string> parameters;
    while (true) {
        while (at < line.size() && is_blank(line[at])) ++at;
        if (at >= line.size()) return parameters;
        std::wstring word;
        bool quoted = false;
        for (; at < line.size() && (quoted || (!is_blank(line[at]))); ++at) {
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
                if (!quoted && is_blank(line[at])) break;
                word += line[at];
            }
        }
        parameters.push_back(windows::utf8_text(word));
    }
}

} // namespace toolkit::windows
