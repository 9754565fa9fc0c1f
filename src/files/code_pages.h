// The IBM PC code pages of the built-in sets, as Unicode: what a console font made from them
// stands for.
#pragma once

#include <array>

enum class CodePage { none, cp437, cp866 };

// The character of each code, the graphic characters of codes 0..31 and 127 included.
const std::array<char32_t, 256>& unicodeOf(CodePage page);
