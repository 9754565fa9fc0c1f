// Glyphs in pictures: a strip of them side by side, or a sheet of 16 a row, at any whole scale.
// gridlet's own picture of the set is a sheet at scale 2, in the colour mode's look; the
// clipboard carries a strip, ink on paper.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/font_reading.h"
#include "files/picture.h"
#include "model/glyph_look.h"

constexpr int sheetColumns = 16;
constexpr int largestScale = 8;

// The glyphs side by side, 8 x 8 pixels each, ink on paper.
Picture encodeGlyphStrip(std::span<const uint8_t> glyphs, Color paper, Color ink);
// The glyphs 16 a row at the scale, ink on paper; what a last row lacks is paper.
Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, Color paper, Color ink, int scale);
// The same in the look's colours: in a wide look each bit pair is one pixel of twice the width.
Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, const GlyphLook& look, int scale);
// Draws the glyph's 8 x 8 pixels, each scale x scale, with its top left corner at (left, top).
void paintGlyph(Picture& picture, GlyphRows glyph, int left, int top, const GlyphLook& look,
                int scale);

// The glyphs of the picture's 8 x 8 cells, left to right and top to bottom; a pixel is set when
// its colour is nearer the ink than the paper. Nothing for a picture smaller than a cell.
std::vector<uint8_t> decodeGlyphCells(const Picture& picture, Color paper, Color ink);
// A sheet 128 * s pixels wide of at least two rows gives codes from 0 on; a strip 8 * s pixels
// high gives glyphs from the current char on (s = 1..8). Each pixel of the look (in a wide look
// a bit pair, twice as wide) takes the bits of the look's colour nearest its square's colour.
FontReading decodeGlyphPicture(const Picture& picture, const GlyphLook& look);

// What gridlet says in the pictures of glyphs it writes, so that they read back to the same
// bytes whatever their colours: the colour mode, whether a pixel is a bit pair, and the colour
// of each bit or bit pair.
std::string lookNote(ColorMode mode, const GlyphLook& look);
// The keyword of the note in a PNG file.
constexpr std::string_view pictureNoteKeyword = "gridlet";
// The look a note names; nothing when it is no such note.
std::optional<GlyphLook> lookOfNote(std::string_view note);
