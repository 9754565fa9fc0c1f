// Glyphs and maps as source code for the programs they go into: C arrays, assembler lines for
// the 6502 and the Z80, and BASIC DATA lines.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/document.h"

enum class Assembler { ca65, acme, z80Defb, z80Db };

// A C identifier made of a file's name: "my font.c" gives my_font.
std::string identifierOf(std::string_view fileName);

// static const unsigned char name[N][8], a comment on each glyph with its code and, where it is
// printable, its character.
std::string encodeCSource(std::span<const uint8_t> glyphs, int firstCode, std::string_view name);
// The glyphs under a label, one line a glyph, in the assembler's own syntax.
std::string encodeAssembler(std::span<const uint8_t> glyphs, int firstCode, std::string_view name,
                            Assembler dialect);
// Numbered DATA lines, one a glyph, after a REM line that says what they are.
std::string encodeBasicData(std::span<const uint8_t> glyphs, int firstCode, std::string_view name);
// static const unsigned char name[height][width]: the visible cells' codes, row by row; in the
// modes where cells have colours, name_colors[height][width] after it holds their colour bytes.
std::string encodeMapCSource(const Document& document, std::string_view name);
