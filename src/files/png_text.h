// A text of gridlet's own in a PNG file, as a tEXt chunk after the header chunk: read and
// written on the file's bytes, so that libpng and the Windows codec share it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The PNG with the text under the keyword (Latin-1, 1 to 79 characters) after its header chunk.
std::vector<uint8_t> withPngText(std::vector<uint8_t> png, std::string_view keyword,
                                 std::string_view text);
// The text of the first whole tEXt chunk under the keyword; "" when there is none.
std::string pngText(std::span<const uint8_t> png, std::string_view keyword);
