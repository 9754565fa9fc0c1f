// CharPad projects (.ctm), the C64 scene's editor of characters, tiles and maps, whose files
// build tools such as c64lib's Gradle plugin read. Versions 5 to 9 of the format are read: the
// first 256 characters, the screen mode, the shared colours, and the map laid out in characters
// (tiles expanded) with each cell's colour as the project's colouring method gives it.
//
// A project is written in version 5, the oldest that c64lib's reader takes and that CharPad
// still opens: 256 characters, the colours, hires or multicolour, and the visible map. The cells'
// colours come back as they were: coloured per character when every character of the map shows
// in one colour, otherwise through 1 x 1 tiles coloured per tile, one tile for each pair of
// character and colour the map uses. Version 5 keeps no border colour, and neither does any
// later version, so the border is not written and reading leaves the base's.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "files/foreign_work.h"
#include "model/document.h"

constexpr std::string_view charpadExtension = ".ctm";

// The file starts with CharPad's "CTM" mark, whatever its version.
bool isCharpadProject(std::span<const uint8_t> file);
// The base document with the project's set, mode, colours and map put in; a file that is not
// read leaves the base as it was and says why in the problem.
WorkReading decodeCharpadProject(std::span<const uint8_t> file, const Document& base);
// The document as a version 5 project; any mode but the C64's multicolour is written as hires,
// and outside the C64's modes every cell takes the C64 ink colour.
std::vector<uint8_t> encodeCharpadProject(const Document& document);
