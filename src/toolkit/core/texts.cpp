#include "toolkit/texts.h"

#include <algorithm>
#include <vector>

#include "toolkit/core/toolkit_state.h"

namespace toolkit {

namespace {

// Windows-1252 puts printable characters into 0x80..0x9F where Latin-1 has C1 controls; the five
// codes it leaves undefined keep their control character.
constexpr char32_t windows1252_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string utf8(char32_t code_point) {
    std::string out;
    if (code_point < 0x80) {
        out += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
        out += static_cast<char>(0xC0 | (code_point >> 6));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code_point >> 12));
        out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code_point & 0x3F));
    }
    return out;
}

int length_of(const std::string& text) {
    return static_cast<int>(text.size());
}

} // namespace

std::string decimal_string(int64_t value) {
    return std::to_string(value);
}

std::string hex_string(int64_t value) {
    auto bits = static_cast<uint64_t>(value);
    std::string digits;
    do {
        digits += "0123456789ABCDEF"[bits & 0xF];
        bits >>= 4;
    } while (bits != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string pad_left(const std::string& text, int width, const std::string& fill) {
    width = std::max(width, 0);
    if (length_of(text) >= width) return text.substr(0, width);
    const char fill_char = fill.empty() ? ' ' : fill[0];
    return std::string(width - length_of(text), fill_char) + text;
}

std::string right_part(const std::string& text, int count) {
    if (count <= 0) return "";
    if (count >= length_of(text)) return text;
    return text.substr(text.size() - count);
}

std::string lower_case(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string char_string(int code) {
    if (code < 0 || code > 255) return "";
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    if (code < 0xA0) return utf8(windows1252_high[code - 0x80]);
    return utf8(static_cast<char32_t>(code));
}

std::string trim_spaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string path_part(const std::string& path) {
    std::string name = path.starts_with('"') ? path.substr(1) : path;
    name = name.substr(0, name.find('|'));
    const auto last_separator = name.find_last_of("/\\");
    if (last_separator == std::string::npos) return "";
    return name.substr(0, last_separator + 1);
}

int count_program_parameters() {
    return static_cast<int>(detail::program_parameters().size());
}

std::string program_parameter(int index) {
    if (index < 0 || index >= count_program_parameters()) return "";
    std::string parameter = detail::program_parameters()[index];
    if (parameter.starts_with('"')) {
        parameter.erase(0, 1);
        if (parameter.ends_with('"')) parameter.pop_back();
    }
    return parameter;
}

} // namespace toolkit
