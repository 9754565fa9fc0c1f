// What the views show now, kept by the refresh so that it redraws only what changed: the glyphs
// and cells edited since each view was drawn, as the editor recorded them, and every other value
// a view shows. The refresh compares them with the state after each event; nothing else asks for
// a redraw.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/changes.h"
#include "model/document.h"
#include "model/glyph_look.h"
#include "model/map_block.h"
#include "views/cells.h"
#include "views/doubled_glyph.h"

// Feedback over the charset view: the cell under the pointer outlined, or the glyph being
// dragged shown at the pointer over the outlined cell it would land on.
struct CharsetFeedback {
    enum class Kind { none, hover, drag } kind = Kind::none;
    Cell cell;
    int source = 0;   // drag: the glyph carried
    int x = 0, y = 0; // drag: the pointer

    bool operator==(const CharsetFeedback&) const = default;
};

// What the main window's title describes: the current char and the kind of codes when the cursor
// last moved. Other changes of the current char (a font load) leave the title as it was.
struct StatusTitle {
    int code = -1; // none yet: the title is the base title alone
    bool atariCodes = false;
    bool operator==(const StatusTitle&) const = default;
};

// The cell the map window's title names, with the code it held when the pointer was last over
// it: the title is written by the pointer, not by later edits.
struct MapTitle {
    Cell cell;
    int32_t code = 0;
    bool operator==(const MapTitle&) const = default;
};

struct ShownViews {
    // The height of the glyphs the windows are laid out for: the charset view's and the map's
    // cells and the data field's lines.
    int glyphHeight = machineGlyphHeight;

    // Image 0.
    bool imageDrawn = false;
    std::bitset<glyphCount> imageUnshown; // glyphs edited since it was drawn
    GlyphLook charsetLook;

    // The charset view.
    bool charsetViewDrawn = false;
    Cell cursor;
    CharsetFeedback feedback;

    StatusTitle statusTitle;
    // The labels above the range trackbars, which start as the range at its start.
    int32_t labelBegin = 0, labelEnd = 0;

    // The glyph editor and the data field under it.
    bool editorDrawn = false;
    std::array<uint8_t, maxGlyphHeight> editorGlyph{};
    size_t editorRows = 0;
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
    // The rows of the look all cells share, in the modes where they share one.
    GlyphRowTable mapRows;

    // The map window's title: the note, or the cell under the pointer and its code.
    std::string mapTitleNote;
    std::optional<MapTitle> mapTitle;

    // The Colours window.
    bool colorsDrawn = false;
    ColorMode colorsMode = ColorMode::twoColors;
    MachineColors colorsColors;
    Pen colorsPen = 0;
    uint8_t colorsBorder = 0;

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
