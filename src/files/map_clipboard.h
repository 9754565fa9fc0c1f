// Map cells in the clipboard's forms: gridlet's own (codes and colours exactly), text through
// the set's encoding, and a picture as the machine shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/picture.h"
#include "model/document.h"
#include "model/map_block.h"
#include "model/text_encoding.h"

// Width, height, then the codes and the colours row by row, a byte each.
std::vector<uint8_t> encodeMapBlock(const MapBlock& block);
// Nothing unless the bytes are exactly such a block of at most 80 x 50 cells.
std::optional<MapBlock> decodeMapBlock(const std::vector<uint8_t>& bytes);

// A line a row; a code that stands for no character is U+FFFD.
std::string encodeMapText(const MapBlock& block, const TextEncoding& encoding);

struct MapTextReading {
    MapBlock block;       // without colours; -1 past a line's end and for missing characters
    char32_t missing = 0; // the first character the set has no code for, 0 when none
};
// Lines of UTF-8 as cells, the longest line wide, no more than the largest map holds; "\r\n"
// ends a line as "\n" does.
MapTextReading decodeMapText(const std::string& text, const TextEncoding& encoding);

// The box's cells one pixel a pixel, each in its own colours.
Picture encodeMapBoxPicture(const Document& document, CellBox box);
