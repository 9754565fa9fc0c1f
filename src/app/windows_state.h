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

struct WindowsState {
    std::string baseTitle;
    int32_t mapMargin = 10;
    bool mapWindowAvailable = false;
    bool colorsWindowAvailable = false;
    bool quitting = false; // "Quit" was chosen: the loop ends after this event

    // The last built-in set loaded was the Atari's: its codes in the title until the next menu
    // event.
    bool atariCodes = false;
    StatusTitle statusTitle;

    // "Type text" on the map: the text cursor, the cells the left button selected, the cell a
    // selection is drawn from, whether a run of typing goes on (one undo step), and what the
    // map's title says instead of the cell until the next key.
    bool typingText = false;
    Cell textCursor;
    std::optional<CellBox> mapSelection;
    std::optional<Cell> selectionAnchor;
    bool typingRun = false;
    std::string mapTitleNote;
    // The window whose menu or shortcut chose the command being run.
    int commandWindow = mainWindow;

    // Where the file requesters start, and the map file's name.
    std::string lastFolder;
    std::string mapFileName;

    // A glyph dragged on the charset view, and the map cell of the last right click.
    bool dragActive = false;
    int32_t dragSource = 0;
    Cell popupCell{-1, -1};

    // Feedback over the views until what lies beneath changes, and the cell the map's title
    // names once the pointer was over the map.
    CharsetFeedback charsetFeedback;
    std::optional<Cell> mapOutline;
    std::optional<MapTitle> mapTitle;

    // What follows the refresh: a popup menu, a message.
    int popupAfterRefresh = -1;
    std::optional<Telling> tellAfterRefresh;
    ShownViews shown;
};
