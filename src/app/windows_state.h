// The windows' state: what the windows show beside the document, the feedback over the views,
// the transients of the pointer (a drag, the cell of a popup menu), where the file requesters
// start, and what the views show now. The toolkit owns the windows, gadgets, menus and images;
// this holds only their numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/shown_views.h"
#include "model/map_block.h"
#include "views/cells.h"

// Window numbers.
enum WindowNumber : int { mainWindow = 0, mapWindow = 1, colorsWindow = 2 };

// Gadget numbers.
enum GadgetNumber : int {
    charsetView = 0,
    glyphEditor = 1,
    mapView = 2,
    dataField = 3,
    rangeCheckbox = 4,
    beginRangeTrackbar = 5,
    endRangeTrackbar = 6,
    beginRangeLabel = 7,
    endRangeLabel = 8,
    shiftLeftButton = 9,
    shiftRightButton = 10,
    shiftUpButton = 11,
    shiftDownButton = 12,
    colorRowLabels = 13,   // the Colours window: the first of colorRowCount labels,
    colorRowSwatches = 19, // and the first of colorRowCount canvases, one under each label
};
// The most rows a mode has: the Atari's five registers and the pen.
constexpr int colorRowCount = 6;

// Menu numbers.
enum MenuNumber : int { mainMenu = 0, rangePopupMenu = 2, mapPopupMenu = 3 };

// Image numbers: the charset picture the views show.
enum ImageNumber : int { charsetImage = 0 };

// dragSource of a drag that began outside the table of glyphs.
constexpr int32_t noDragSource = -1;

// A message told after the refresh, over the views it follows.
struct Telling {
    std::string title, text;
};

// What an event leaves for after the refresh: a popup menu over the view it was asked on, a
// message over the views it follows. It lives for one event, never in the state.
struct FollowUp {
    int popupMenu = -1;
    std::optional<Telling> telling;
};

// "Type text" on the map: the text cursor, the cells the left button selected, the cell a
// selection is drawn from, whether a run of typing goes on (one undo step), and what the map's
// title says instead of the cell until the next key.
struct MapTyping {
    bool on = false;
    Cell cursor;
    std::optional<CellBox> selection;
    std::optional<Cell> anchor;
    bool run = false;
    std::string titleNote;
};

// The pointer's transients: a glyph dragged on the charset view, and the map cell of the last
// right click, which the map's popup commands act on.
struct PointerState {
    bool dragActive = false;
    int32_t dragSource = 0;
    Cell popupCell{-1, -1};
};

// Feedback over the views until what lies beneath changes, the cell the map's title names once
// the pointer was over the map, and the code the main window's title describes.
struct Feedback {
    CharsetFeedback charset;
    std::optional<Cell> mapOutline;
    std::optional<MapTitle> mapTitle;
    StatusTitle statusTitle;
};

// Where the file requesters start, and the map file's name.
struct FilePlaces {
    std::string lastFolder;
    std::string mapFileName;
};

struct WindowsState {
    bool mapWindowAvailable = false;
    bool colorsWindowAvailable = false;
    // The last built-in set loaded was the Atari's: its codes in the title until the next menu
    // event.
    bool atariCodes = false;

    MapTyping typing;
    PointerState pointer;
    Feedback feedback;
    FilePlaces files;
    ShownViews shown; // the refresh's own: what the views show now
};
