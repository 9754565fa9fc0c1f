// Texts, numbers as texts and the process facts. Texts are UTF-8; every operation returns a new
// text and counts in bytes.
#pragma once

#include <cstdint>
#include <string>

namespace toolkit {

std::string decimal_string(int64_t value);
// Upper-case hexadecimal without leading zeros; negative values give 16 digits (two's complement).
std::string hex_string(int64_t value);
// Exactly width characters: the text right-aligned, filled with the first character of fill;
// a longer text is cut to its first width characters.
std::string pad_left(const std::string& text, int width, const std::string& fill = " ");
std::string right_part(const std::string& text, int count);
std::string lower_case(const std::string& text);
// The character of that code; 128..255 are those of Windows-1252, written in UTF-8.
std::string char_string(int code);
std::string trim_spaces(const std::string& text);
// Everything up to and including the last "/" or "\"; "" when there is none.
std::string path_part(const std::string& path);

// The process's current directory, ending in "/".
std::string current_directory();
int count_program_parameters();
std::string program_parameter(int index);

} // namespace toolkit
