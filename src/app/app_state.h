// The program's state: the document the user makes, and the state of the windows that show it.
// The toolkit owns the windows, gadgets, menus and images; the state holds only their numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/shown_views.h"
#include "editing/glyph_transforms.h"
#include "files/code_pages.h"
#include "files/recent_files.h"
#include "files/session_file.h"
#include "model/document.h"
#include "model/undo_history.h"
#include "views/cells.h"

// Window numbers.
enum WindowNumber : int { mainWindow = 0, mapWindow = 1 };

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
};

// Menu numbers.
enum MenuNumber : int { mainMenu = 0, rangePopupMenu = 2, mapPopupMenu = 3 };

// Image numbers: the charset picture the views show, and the one a command-line conversion
// draws to save it.
enum ImageNumber : int { charsetImage = 0, convertedImage = 1 };

// dragSource of a drag that began outside the table of glyphs.
constexpr int32_t noDragSource = -1;

// What the next refresh redraws, asked for by the handlers of an event (app/refresh.h).
enum Redraw : unsigned {
    redrawCharsetView = 1,  // image 0 and the charset view
    redrawGlyphEditor = 2,  // the glyph editor and the data field, then the map
    redrawMap = 4,          // the map view
    redrawStatusTitle = 8,  // the main window's title
    redrawRangeLabels = 16, // the labels above the range trackbars
    redrawMapTitle = 32,    // the map window's title: the cell under the pointer
};

struct AppState {
    Document document;

    uint8_t currentChar = 0;
    int32_t cursorColumn = 0;
    int32_t cursorRow = 0;
    bool gridOnMap = true;
    bool atariCodes = false;
    bool mapWindowAvailable = false;
    bool dragActive = false;
    int32_t dragSource = 0;
    int32_t popupColumn = -1;
    int32_t popupRow = -1;
    std::string lastFolder;
    std::string mapFileName;
    std::string baseTitle;
    int32_t mapMargin = 10;
    BitReverseTable bitReverse{};
    RotateBuffer rotateBuffer{};
    bool quitting = false; // "Quit" was chosen: the loop ends after this event
    // The IBM PC code page of the built-in set the glyphs came from, for console fonts.
    CodePage codePage = CodePage::none;

    // The undo steps, and the document as of the last one. A painting stroke on the glyph
    // editor or the map, from button down to button up, becomes one step when it ends.
    UndoHistory history;
    Document undoBase;
    bool stroking = false;

    // The session as last kept on disk (or as at start), the one the last run kept (none when
    // there was no file), and the fonts and maps opened or saved last.
    bool keepingSession = false;     // from the end of start-up on
    bool keepingFailureTold = false; // a failed keep is told once a run
    Session keptSession;
    Session seenSession; // as after the last event: a change starts the two seconds anew
    std::optional<SessionReading> lastSession;
    std::vector<RecentFile> recentFiles;

    // Feedback over the views until they are next redrawn, and the cell the map's title names.
    CharsetFeedback charsetFeedback;
    std::optional<Cell> mapOutline;
    Cell mapTitleCell;

    unsigned redraw = 0;
    ShownViews shown;

    Glyph glyph(int code) { return document.glyph(code); }
    GlyphRows glyph(int code) const { return document.glyph(code); }
    GlyphRows currentGlyph() const { return document.glyph(currentChar); }
};
