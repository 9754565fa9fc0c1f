#include "files/data_numbers.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t none = std::string_view::npos;

// Case does not matter: DB, db, .BYTE, Data.
constexpr std::string_view directiveNames[] = {".byte", ".byt", "!byte", "!by",  "byte",  "defb",
                                               ".defb", "db",   ".db",   "dc.b", ".dc.b", "data"};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The characters of a statement's words: labels, directives, numbers.
bool isStatementChar(char c) {
    return isAlnum(c) || c == '_' || c == '.' || c == '!' || c == '@' || c == '$' || c == '&' ||
           c == '%';
}

// The characters of a number or of a word between numbers.
bool isNumberChar(char c) {
    return isAlnum(c) || c == '_' || c == '.' || c == '$' || c == '&' || c == '%';
}

size_t skipSpaces(std::string_view line, size_t at) {
    while (at < line.size() && isSpace(line[at])) ++at;
    return at;
}

size_t wordEnd(std::string_view line, size_t at) {
    while (at < line.size() && isStatementChar(line[at])) ++at;
    return at;
}

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == y;
           });
}

// A data directive standing as one: its name alone, then a space or nothing. A "=", "{" or "["
// after it makes a declaration ("byte font[8] = {" in C, "data[i] = 0"), and operands parted by
// spaces alone are no assembler's or BASIC's: "DB 66 6E" is a hex dump that starts with $DB.
bool isDirective(std::string_view line, size_t begin, size_t end) {
    const std::string_view name = line.substr(begin, end - begin);
    if (std::none_of(std::begin(directiveNames), std::end(directiveNames),
                     [&](std::string_view known) { return sameLetters(name, known); }))
        return false;
    if (end < line.size() && !isSpace(line[end])) return false;
    const std::string_view rest = line.substr(end, line.find(':', end) - end);
    if (rest.find_first_of("={[") != none) return false;
    const size_t first = skipSpaces(rest, 0);
    const size_t afterFirst = rest.find_first_of(" \t", first);
    return rest.find(',') != none ||
           skipSpaces(rest, std::min(afterFirst, rest.size())) == rest.size();
}

// Where a line's data starts, just after its directive, or none when its statement is none.
// The directive may follow a BASIC line number, or a label: with a colon, or without one at
// the line's very start ("font db 1,2").
size_t dataStart(std::string_view line) {
    size_t at = skipSpaces(line, 0);
    size_t digits = at;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    if (digits > at && digits < line.size() && isSpace(line[digits])) at = skipSpaces(line, digits);
    const size_t firstEnd = wordEnd(line, at);
    if (isDirective(line, at, firstEnd)) return firstEnd;
    const std::string_view first = line.substr(at, firstEnd - at);
    const bool startsAsName = !first.empty() && !std::isdigit(static_cast<unsigned char>(first[0]));
    size_t next = none;
    if (startsAsName && firstEnd < line.size() && line[firstEnd] == ':')
        next = firstEnd + 1;
    else if (startsAsName && at == 0 && !sameLetters(first, "rem"))
        next = firstEnd;
    if (next == none) return none;
    const size_t second = skipSpaces(line, next);
    const size_t secondEnd = wordEnd(line, second);
    return isDirective(line, second, secondEnd) ? secondEnd : none;
}

// The words of part of a line, but none in "[...]".
void collectWords(std::string_view part, std::vector<NumberWord>& out) {
    size_t at = 0;
    while (at < part.size()) {
        if (part[at] == '[') {
            at = std::min(part.find(']', at), part.size());
            continue;
        }
        if (!isNumberChar(part[at])) {
            ++at;
            continue;
        }
        const size_t start = at;
        while (at < part.size() && isNumberChar(part[at])) ++at;
        // "-1" is minus one, "a-1" a difference.
        const bool negative =
            start > 0 && part[start - 1] == '-' && (start < 2 || !isNumberChar(part[start - 2]));
        out.push_back({part.substr(start, at - start), negative});
    }
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> out;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// "#include", "#define": the preprocessor's numbers are no glyph's.
bool isPreprocessorLine(std::string_view line) {
    const size_t at = skipSpaces(line, 0);
    return at + 1 < line.size() && line[at] == '#' &&
           std::isalpha(static_cast<unsigned char>(line[at + 1]));
}

} // namespace

std::string withoutComments(std::string_view text) {
    std::string out(text);
    size_t at = 0;
    // Blanks up to end, the line ends kept so that lines stay lines.
    const auto blankTo = [&](size_t end) {
        for (end = std::min(end, out.size()); at < end; ++at)
            if (out[at] != '\n') out[at] = ' ';
    };
    while (at < out.size()) {
        const char c = text[at];
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (c == '/' && next == '*') {
            const size_t close = text.find("*/", at + 2);
            blankTo(close == none ? none : close + 2);
        } else if (c == ';' || (c == '/' && next == '/')) {
            blankTo(text.find('\n', at));
        } else if (c == '"' || c == '\'') {
            // An open quote ends with its line.
            const size_t close = text.find_first_of(c == '"' ? "\"\n" : "'\n", at + 1);
            blankTo(close == none || text[close] == '\n' ? close : close + 1);
        } else {
            ++at;
        }
    }
    return out;
}

DataWords dataWords(std::string_view uncommented) {
    const std::vector<std::string_view> lines = linesOf(uncommented);
    std::vector<size_t> starts(lines.size());
    DataWords found;
    for (size_t i = 0; i < lines.size(); ++i) {
        starts[i] = dataStart(lines[i]);
        found.directives |= starts[i] != none;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!found.directives) {
            if (!isPreprocessorLine(lines[i])) collectWords(lines[i], found.words);
        } else if (starts[i] != none) {
            // A colon ends the statement: "DATA 1,2:PRINT 3".
            const std::string_view data = lines[i].substr(starts[i]);
            collectWords(data.substr(0, data.find(':')), found.words);
        }
    }
    return found;
}
