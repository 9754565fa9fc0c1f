// The document: everything a user makes and would want to undo or keep, in one value that can
// be copied and compared. Windows, cursors and requesters are not part of it.
#pragma once

#include <algorithm>
#include <cstdint>

#include "model/character_map.h"
#include "model/charset.h"
#include "model/machine_colors.h"
#include "model/text_encoding.h"

// 0x00BBGGRR: red in the low byte.
using Color = uint32_t;

// The codes that the range commands and a ticked range box act on: begin to end, in either
// order.
struct Range {
    int32_t begin = 0;
    int32_t end = 0;
    bool enabled = false;

    int low() const { return std::min(begin, end); }
    int high() const { return std::max(begin, end); }
    bool operator==(const Range&) const = default;
};

// What a glyph dragged onto another does: exchange the two, or copy over the target.
enum class DragMode { swap, copy };

struct Document {
    Charset charset{};
    MapCells mapCells{};
    int32_t mapWidth = 40;
    int32_t mapHeight = 24;
    Color paperColor = 0x000000;
    Color inkColor = 0xFFFFFF;
    Range range;
    DragMode dragMode = DragMode::swap;
    bool gridOnMap = true; // a setting of the map's look, kept with the work
    ColorMode colorMode = ColorMode::twoColors;
    MachineColors machineColors;
    uint8_t c64Border = 14; // $D020, which the views do not show but the machine's programs set
    MapColors mapColors = filledMapColors(startCellColor);
    Pen pen = 3; // a setting of the painting, kept with the work
    TextEncoding textEncoding = latinEncoding();

    Glyph glyph(int code) { return glyphOf(charset, code); }
    GlyphRows glyph(int code) const { return glyphOf(charset, code); }
    bool operator==(const Document&) const = default;
};
