// Glyphs and maps as source code for the programs they go into: C arrays, assembler lines for
// the 6502 and the Z80, and BASIC DATA lines.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "files/source_name.h"
#include "model/document.h"

enum class Assembler { ca65, acme, z80Defb, z80Db };

// The language whose words the dialect's labels keep clear of; both Z80 forms are z80asm's.
SourceLanguage languageOf(Assembler dialect);

// Glyphs of `height` rows; one of more than 8 takes a line for each 8 of them.
//
// static const unsigned char name[N][height], a comment on each glyph with its code and, where
// it prints as one, the character the set's encoding gives it. The first comment says why the
// name is not the file's, if it is not.
std::string encodeCSource(std::span<const uint8_t> glyphs, int firstCode, const SourceName& name,
                          const TextEncoding& encoding, int height = machineGlyphHeight);
// The glyphs under a label, one line a glyph, in the assembler's own syntax; the comments as in
// C.
std::string encodeAssembler(std::span<const uint8_t> glyphs, int firstCode, const SourceName& name,
                            Assembler dialect, const TextEncoding& encoding,
                            int height = machineGlyphHeight);
// Numbered DATA lines, one a glyph, after a REM line that says what they are.
std::string encodeBasicData(std::span<const uint8_t> glyphs, int firstCode, std::string_view name,
                            int height = machineGlyphHeight);
// static const unsigned char name[height][width]: the visible cells' codes, row by row; in the
// modes where cells have colours, name_colors[height][width] after it holds their colour bytes;
// the first comment as for the glyphs.
std::string encodeMapCSource(const Document& document, const SourceName& name);
