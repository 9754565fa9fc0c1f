// What the views show now, kept by the refresh so that it redraws only what changed: the glyphs
// and cells edited since each view was drawn, as the editor recorded them, and the few values
// that decide a whole redraw.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/changes.h"
#include "model/document.h"
#include "model/glyph_look.h"
#include "model/map_block.h"
#include "views/cells.h"

// Feedback over the charset view: the cell under the pointer outlined, or the glyph being
// dragged shown at the pointer over the outlined cell it would land on.
struct CharsetFeedback {
    enum class Kind { none, hover, drag } kind = Kind::none;
    Cell cell;
    int source = 0;   // drag: the glyph carried
    int x = 0, y = 0; // drag: the pointer

    bool operator==(const CharsetFeedback&) const = default;
};

struct ShownViews {
    // Image 0.
    bool imageDrawn = false;
    std::bitset<glyphCount> imageUnshown; // glyphs edited since it was drawn
    GlyphLook charsetLook;

    // The charset view.
    bool charsetViewDrawn = false;
    Cell cursor;
    CharsetFeedback feedback;

    // The glyph editor.
    bool editorDrawn = false;
    std::array<uint8_t, glyphBytes> editorGlyph{};
    GlyphLook editorLook;

    // The map view.
    bool mapDrawn = false;
    Changes mapUnshown; // glyphs and cells edited since it was drawn
    int32_t mapWidth = 0, mapHeight = 0;
    Color mapPaper = 0, mapInk = 0;
    ColorMode mapMode = ColorMode::twoColors;
    MachineColors mapColors;
    bool mapGrid = false;
    std::optional<Cell> mapOutline;
    std::optional<Cell> textCursor;
    std::optional<CellBox> mapSelection;

    // The Colours window.
    bool colorsDrawn = false;
    ColorMode colorsMode = ColorMode::twoColors;
    MachineColors colorsColors;
    Pen colorsPen = 0;

    // The range gadgets and the check marks. They are set only when the state they show
    // changes: a trackbar moved by the user holds its new value until its event is handled.
    bool gadgetsShown = false;
    Range range;
    DragMode dragMode = DragMode::swap;
    bool grid = false;
    bool typingText = false;
    bool canUndo = false, canRedo = false, canRestore = false;
    ColorMode colorMode = ColorMode::twoColors;

    // Buffers of the texts rewritten while editing, reused so that editing allocates nothing.
    std::string title;
    std::string dataText;
};
