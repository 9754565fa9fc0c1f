// Glyphs of 8 x N pixels in pictures: a strip of them side by side, or a sheet of 16 a row, at
// any whole scale.
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

// The glyphs of `height` rows side by side, 8 x height pixels each, ink on paper.
Picture encodeGlyphStrip(std::span<const uint8_t> glyphs, Color paper, Color ink,
                         int height = machineGlyphHeight);
// The glyphs 16 a row at the scale, ink on paper; what a last row lacks is paper.
Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, Color paper, Color ink, int scale,
                         int height = machineGlyphHeight);
// The same in the look's colours: in a wide look each bit pair is one pixel of twice the width.
Picture encodeGlyphSheet(std::span<const uint8_t> glyphs, const GlyphLook& look, int scale,
                         int height);
// Draws the glyph's 8 x rows pixels, each scale x scale, with its top left corner at (left, top).
void paintGlyph(Picture& picture, GlyphRows glyph, int left, int top, const GlyphLook& look,
                int scale);

// The glyphs of the picture's 8 x height cells, left to right and top to bottom; a pixel is set
// when its colour is nearer the ink than the paper. Nothing for a picture smaller than a cell.
std::vector<uint8_t> decodeGlyphCells(const Picture& picture, Color paper, Color ink, int height);
// Glyphs of `height` rows: a sheet 128 * s pixels wide of at least two rows gives codes from 0
// on; a strip height * s pixels high gives glyphs from the current char on (s = 1..8). Each pixel
// of the look (in a wide look a bit pair, twice as wide) takes the bits of the look's colour
// nearest its square's colour.
FontReading decodeGlyphPicture(const Picture& picture, const GlyphLook& look, int height);

// What gridlet says in the pictures of glyphs it writes, so that they read back to the same
// bytes whatever their colours: the colour mode, the glyphs' rows, whether a pixel is a bit pair,
// and the colour of each bit or bit pair.
std::string lookNote(ColorMode mode, const GlyphLook& look, int height);
// The keyword of the note in a PNG file.
constexpr std::string_view pictureNoteKeyword = "gridlet";
// The look a note names; nothing when it is no such note.
std::optional<GlyphLook> lookOfNote(std::string_view note);
// The rows of the glyphs of a note: 8 when it says none, as gridlet's first ones did; 0 for a
// number that is no height.
int heightOfNote(std::string_view note);
