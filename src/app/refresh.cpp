#include "app/refresh.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <utility>

#include "app/glyph_commands.h"
#include "app/main_window.h"
#include "app/map_commands.h"
#include "app/menu_ids.h"
#include "app/program_title.h"
#include "charmap/map_blocks.h"
#include "editing/glyph_transforms.h"
#include "model/glyph_look.h"
#include "toolkit/drawing.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"
#include "views/charset_view.h"
#include "views/colors_view.h"
#include "views/glyph_editor_view.h"
#include "views/map_view.h"
#include "views/status_texts.h"

using namespace toolkit;

namespace {

using CodeSet = std::bitset<glyphCount>;

void reportDrawingFailure(const char* text) {
    message_requester("gridlet", text, message_ok);
}

// Image 0, cell by edited cell. Returns the codes whose cells it redrew; when it cannot draw,
// the view is still refreshed from the image as it was, in full.
CodeSet refreshCharsetImage(const Document& document, ShownViews& shown, bool& whole) {
    const GlyphLook look = glyphLook(document);
    whole = !shown.imageDrawn || shown.charsetLook != look;
    const CodeSet changed = whole ? CodeSet().set() : shown.imageUnshown;
    if (!start_drawing(image_output(charsetImage))) {
        reportDrawingFailure("draw image char error!");
        whole = true;
        return {};
    }
    for (int code = 0; code < glyphCount; ++code)
        if (changed[size_t(code)]) drawCharsetImageCell(document.charset, code, look);
    stop_drawing();
    shown.imageDrawn = true;
    shown.imageUnshown.reset();
    shown.charsetLook = look;
    return changed;
}

// What feedback covers on the charset view, to be drawn over again when it goes.
void eraseCharsetFeedback(const CharsetFeedback& feedback, ImageHandle picture, Cell cursor,
                          int height) {
    if (feedback.kind == CharsetFeedback::Kind::none) return;
    drawCharsetViewArea(picture, cellArea(feedback.cell, height), cursor, height);
    if (feedback.kind == CharsetFeedback::Kind::drag)
        drawCharsetViewArea(picture, draggedGlyphArea(feedback.x, feedback.y, height), cursor,
                            height);
}

void drawCharsetFeedback(const CharsetFeedback& feedback, ImageHandle picture, int height) {
    switch (feedback.kind) {
    case CharsetFeedback::Kind::hover:
        drawHoverOutline(feedback.cell, height);
        break;
    case CharsetFeedback::Kind::drag:
        drawDraggedGlyph(picture, feedback.source, feedback.x, feedback.y, feedback.cell, height);
        break;
    case CharsetFeedback::Kind::none:
        break;
    }
}

// Feedback lasts while what lies beneath it stays: a change of the glyphs, their look or the
// cursor ends it, unless the same event gave new feedback.
void refreshCharsetView(const Editor& editor, WindowsState& windows) {
    ShownViews& shown = windows.shown;
    const Document& document = editor.document();
    const Cell cursor = charsetCell(editor.currentChar());
    const bool lookChanged = shown.charsetLook != glyphLook(document);
    const bool beneathChanged = shown.charsetViewDrawn &&
                                (shown.imageUnshown.any() || lookChanged || shown.cursor != cursor);
    if (beneathChanged && windows.feedback.charset == shown.feedback) windows.feedback.charset = {};
    const bool imageStale = !shown.imageDrawn || lookChanged || shown.imageUnshown.any();
    if (shown.charsetViewDrawn && !imageStale && shown.cursor == cursor &&
        windows.feedback.charset == shown.feedback)
        return;
    bool wholeImage = false;
    const CodeSet changed =
        imageStale ? refreshCharsetImage(document, shown, wholeImage) : CodeSet();
    if (!start_drawing(canvas_output(charsetView))) {
        reportDrawingFailure("draw cursor error!");
        return;
    }
    const ImageHandle picture = image_handle(charsetImage);
    const int height = glyphCellHeight(document.charset.height);
    if (wholeImage || !shown.charsetViewDrawn) {
        const Area all{0, 0, charsetImageWidth, charsetImageHeight(document.charset.height)};
        drawCharsetViewArea(picture, all, cursor, height);
    } else {
        for (int code = 0; code < glyphCount; ++code)
            if (changed[size_t(code)])
                drawCharsetViewArea(picture, cellArea(charsetCell(code), height), cursor, height);
        if (shown.cursor != cursor) {
            drawCharsetViewArea(picture, cellArea(shown.cursor, height), cursor, height);
            drawCharsetViewArea(picture, cellArea(cursor, height), cursor, height);
        }
        eraseCharsetFeedback(shown.feedback, picture, cursor, height);
    }
    drawCharsetFeedback(windows.feedback.charset, picture, height);
    stop_drawing();
    shown.charsetViewDrawn = true;
    shown.cursor = cursor;
    shown.feedback = windows.feedback.charset;
}

// False when the editor was to be drawn and could not be; the data field then keeps its text.
bool refreshGlyphEditor(const Editor& editor, ShownViews& shown) {
    const Document& document = editor.document();
    const GlyphRows glyph = editor.currentGlyph();
    const GlyphLook look = glyphLook(document);
    const bool whole =
        !shown.editorDrawn || shown.editorLook != look || shown.editorRows != glyph.size();
    if (!whole && std::equal(glyph.begin(), glyph.end(), shown.editorGlyph.begin())) return true;
    if (!start_drawing(canvas_output(glyphEditor))) {
        reportDrawingFailure("draw character error!");
        return false;
    }
    if (whole) {
        drawGlyphEditor(glyph, look);
    } else {
        // A wide pixel spans the cells of both its bits: redrawn as one.
        const int span = look.wide ? 2 : 1, leftmostBits = look.wide ? 0xC0 : 0x80;
        const int square = editorSquare(int(glyph.size()));
        for (size_t row = 0; row < glyph.size(); ++row) {
            const int changed = glyph[row] ^ shown.editorGlyph[row];
            for (int column = 0; column < 8; column += span) {
                if ((changed & (leftmostBits >> column)) == 0) continue;
                clipTo({column * square, int(row) * square, square * span, square});
                drawGlyphEditor(glyph, look);
            }
        }
    }
    stop_drawing();
    shown.editorDrawn = true;
    std::copy(glyph.begin(), glyph.end(), shown.editorGlyph.begin());
    shown.editorRows = glyph.size();
    shown.editorLook = look;
    writeDataFieldText(shown.dataText, glyph);
    set_gadget_text(dataField, shown.dataText);
    return true;
}

bool visible(const Document& document, Cell cell) {
    return cell.column >= 0 && cell.row >= 0 && cell.column < document.mapWidth &&
           cell.row < document.mapHeight;
}

int mapCellHeight(const Document& document) {
    return glyphCellHeight(document.charset.height);
}

void drawMapCell(const Document& document, Cell cell) {
    clipTo(cellArea(cell, mapCellHeight(document)));
    drawMapCells(document, document.gridOnMap, cell, 1, 1);
}

// In two colours every cell has the document's look: its rows are made once for all cells.
const GlyphRowTable* sharedRows(const Document& document, ShownViews& shown) {
    if (document.colorMode != ColorMode::twoColors) return nullptr;
    shown.mapRows.prepare(glyphLook(document));
    return &shown.mapRows;
}

// The cells whose code or glyph was edited, and the cell the old outline covered. Cells are
// drawn in runs down a column, the order the map is kept in, each run shown anew at once.
void redrawChangedMapCells(const Document& document, ShownViews& shown) {
    const Changes& unshown = shown.mapUnshown;
    if (unshown.any()) {
        // Asked of every visible cell after each edit: a byte a code rather than the bitset's
        // bit, and the cells' marks only when there are any.
        std::array<bool, glyphCount> glyphChanged{};
        for (size_t code = 0; code < glyphCount; ++code) glyphChanged[code] = unshown.glyphs[code];
        const bool cellsChanged = unshown.cells.any();
        const int codeMask = mapCodeMask(document.colorMode);
        const GlyphRowTable* rowTable = sharedRows(document, shown);
        for (int column = 0; column < document.mapWidth; ++column) {
            const auto& codes = document.mapCells[size_t(column)];
            const auto changed = [&](int row) {
                return glyphChanged[size_t(codes[size_t(row)] & codeMask)] ||
                       (cellsChanged && unshown.cell(column, row));
            };
            for (int row = 0; row < document.mapHeight; ++row) {
                if (!changed(row)) continue;
                const int first = row;
                while (row + 1 < document.mapHeight && changed(row + 1)) ++row;
                const int rows = row - first + 1;
                const int height = mapCellHeight(document);
                clipTo({column * cellSize, first * height, cellSize, rows * height});
                drawMapCells(document, document.gridOnMap, {column, first}, 1, rows, rowTable);
            }
        }
    }
    if (shown.mapOutline && visible(document, *shown.mapOutline))
        drawMapCell(document, *shown.mapOutline);
}

std::optional<Cell> shownCursor(const Document& document, const WindowsState& windows) {
    if (!windows.typing.on || !visible(document, windows.typing.cursor)) return std::nullopt;
    return windows.typing.cursor;
}

// The old text cursor and the old selection's edge cells give way to the cells beneath.
void eraseTypingMarks(const Document& document, const WindowsState& windows,
                      const ShownViews& shown) {
    if (shown.textCursor && shown.textCursor != shownCursor(document, windows) &&
        visible(document, *shown.textCursor))
        drawMapCell(document, *shown.textCursor);
    if (!shown.mapSelection || shown.mapSelection == windows.typing.selection) return;
    const CellBox old = visiblePart(document, *shown.mapSelection);
    for (int row = old.top; row < old.top + old.height; ++row) {
        const bool edgeRow = row == old.top || row == old.top + old.height - 1;
        for (int column = old.left; column < old.left + old.width;
             column += edgeRow || old.width == 1 ? 1 : old.width - 1)
            drawMapCell(document, {column, row});
    }
}

void drawTypingMarks(const Document& document, WindowsState& windows) {
    ShownViews& shown = windows.shown;
    shown.textCursor = shownCursor(document, windows);
    shown.mapSelection = windows.typing.selection;
    const int height = mapCellHeight(document);
    if (shown.mapSelection)
        drawSelectionOutline(visiblePart(document, *shown.mapSelection), height);
    if (shown.textCursor) drawTextCursor(*shown.textCursor, height);
}

// The hover outline, like the charset view's feedback, lasts while the map beneath stays.
void refreshMapView(const Document& document, WindowsState& windows) {
    ShownViews& shown = windows.shown;
    // Hidden from start-up until a map size shows it: its first drawing waits for that, so that
    // start-up neither fills nor keeps the largest map's pixels.
    if (!windows.mapWindowAvailable || (!shown.mapDrawn && !window_visible(mapWindow))) return;
    const bool lookChanged =
        shown.mapGrid != document.gridOnMap || shown.mapWidth != document.mapWidth ||
        shown.mapHeight != document.mapHeight || shown.mapPaper != document.paperColor ||
        shown.mapInk != document.inkColor || shown.mapMode != document.colorMode ||
        shown.mapColors != document.machineColors;
    const bool marksChanged = shown.textCursor != shownCursor(document, windows) ||
                              shown.mapSelection != windows.typing.selection;
    const bool beneathChanged = lookChanged || marksChanged || shown.mapUnshown.any();
    if (shown.mapDrawn && beneathChanged && windows.feedback.mapOutline == shown.mapOutline)
        windows.feedback.mapOutline.reset();
    if (shown.mapDrawn && !beneathChanged && windows.feedback.mapOutline == shown.mapOutline)
        return;
    if (!start_drawing(canvas_output(mapView))) {
        reportDrawingFailure("draw char map error!");
        return;
    }
    const bool whole = !shown.mapDrawn || lookChanged;
    if (whole) {
        set_drawing_clip(0, 0, document.mapWidth * cellSize,
                         document.mapHeight * mapCellHeight(document));
        drawMapCells(document, document.gridOnMap, {0, 0}, document.mapWidth, document.mapHeight,
                     sharedRows(document, shown));
    } else {
        redrawChangedMapCells(document, shown);
        eraseTypingMarks(document, windows, shown);
    }
    drawTypingMarks(document, windows);
    if (windows.feedback.mapOutline)
        drawMapOutline(*windows.feedback.mapOutline, mapCellHeight(document));
    stop_drawing();
    shown.mapDrawn = true;
    shown.mapUnshown = {};
    shown.mapWidth = document.mapWidth;
    shown.mapHeight = document.mapHeight;
    shown.mapPaper = document.paperColor;
    shown.mapInk = document.inkColor;
    shown.mapMode = document.colorMode;
    shown.mapColors = document.machineColors;
    shown.mapGrid = document.gridOnMap;
    shown.mapOutline = windows.feedback.mapOutline;
}

// Glyphs of a new height change every cell of the charset view and the map, and the windows'
// sizes: all is drawn anew, and feedback at the old cells goes.
void layOutAnew(const Document& document, WindowsState& windows) {
    ShownViews& shown = windows.shown;
    layOutForGlyphHeight(document.charset.height);
    shown.glyphHeight = document.charset.height;
    // The height's check mark and the rotations' greying too.
    shown.imageDrawn = shown.charsetViewDrawn = shown.editorDrawn = shown.gadgetsShown = false;
    shown.feedback = windows.feedback.charset = {};
    // A map shown, or drawn before its window was hidden, takes the new size at once; one never
    // shown takes it from the map size that first shows it.
    if (windows.mapWindowAvailable && (shown.mapDrawn || window_visible(mapWindow))) {
        fitMapWindow(document);
        shown.mapDrawn = false;
        shown.mapOutline = windows.feedback.mapOutline = std::nullopt;
    }
}

// The Colours window follows the document however its colours changed: a click, a key, undo, a
// restored session. A new mode resizes it to its rows; the rows below stand outside it.
void refreshColorsWindow(const Document& document, ShownViews& shown) {
    // Hidden from start-up until "Colours..." shows it, as the map is.
    if (!shown.colorsDrawn && !window_visible(colorsWindow)) return;
    const bool modeChanged = !shown.colorsDrawn || shown.colorsMode != document.colorMode;
    if (!modeChanged && shown.colorsColors == document.machineColors &&
        shown.colorsPen == document.pen && shown.colorsBorder == document.c64Border)
        return;
    const std::span<const ColorChoice> rows = colorChoices(document.colorMode);
    if (modeChanged)
        resize_window(colorsWindow, keep_value, keep_value, colorsWindowWidth,
                      colorsWindowHeight(int(rows.size())));
    for (int row = 0; row < colorRowCount; ++row) {
        const bool used = size_t(row) < rows.size();
        set_gadget_text(colorRowLabels + row, used       ? colorRowText(document, rows[size_t(row)])
                                              : row == 0 ? twoColorsNote
                                                         : "");
        if (!start_drawing(canvas_output(colorRowSwatches + row))) {
            reportDrawingFailure("draw colours error!");
            return;
        }
        if (used)
            drawColorRow(document, rows[size_t(row)]);
        else
            drawEmptyColorRow();
        stop_drawing();
    }
    shown.colorsDrawn = true;
    shown.colorsMode = document.colorMode;
    shown.colorsColors = document.machineColors;
    shown.colorsPen = document.pen;
    shown.colorsBorder = document.c64Border;
}

// The title is rewritten only when the cursor moves (a font load leaves it as it was).
void refreshStatusTitle(WindowsState& windows) {
    ShownViews& shown = windows.shown;
    const StatusTitle& title = windows.feedback.statusTitle;
    if (title == shown.statusTitle || title.code < 0) return;
    writeStatusTitle(shown.title, programTitle, title.code, title.atariCodes);
    set_window_title(mainWindow, shown.title);
    shown.statusTitle = title;
}

// The labels keep their texts of creation until the range first changes.
void refreshRangeLabels(const Range& range, ShownViews& shown) {
    if (range.begin != shown.labelBegin)
        set_gadget_text(beginRangeLabel, beginRangeText(range.begin));
    if (range.end != shown.labelEnd) set_gadget_text(endRangeLabel, endRangeText(range.end));
    shown.labelBegin = range.begin;
    shown.labelEnd = range.end;
}

// A note of the typing instead of the cell, or the cell the pointer was last over; the title
// stays when the pointer leaves the map.
void refreshMapTitle(WindowsState& windows) {
    ShownViews& shown = windows.shown;
    if (shown.mapTitleNote == windows.typing.titleNote &&
        shown.mapTitle == windows.feedback.mapTitle)
        return;
    shown.mapTitleNote = windows.typing.titleNote;
    shown.mapTitle = windows.feedback.mapTitle;
    if (!windows.typing.titleNote.empty())
        set_window_title(mapWindow, windows.typing.titleNote);
    else if (const std::optional<MapTitle>& title = windows.feedback.mapTitle)
        set_window_title(mapWindow,
                         mapHoverTitle(title->cell.column, title->cell.row, title->code));
    else
        set_window_title(mapWindow, mapWindowTitle);
}

// The trackbars, the range box and the check marks show the document and the grid setting;
// Undo and Redo are greyed out when there is nothing to undo or redo, and "Restore last session"
// when no session was kept.
void showStateInGadgets(const Editor& editor, bool canRestore, bool typingText, ShownViews& shown) {
    const Document& document = editor.document();
    const Range& range = document.range;
    const bool canUndo = editor.history().canUndo(), canRedo = editor.history().canRedo();
    if (shown.gadgetsShown && shown.range == range && shown.dragMode == document.dragMode &&
        shown.grid == document.gridOnMap && shown.typingText == typingText &&
        shown.canUndo == canUndo && shown.canRedo == canRedo && shown.canRestore == canRestore &&
        shown.colorMode == document.colorMode)
        return;
    for (const auto& [gadget, value] : {std::pair{int(beginRangeTrackbar), range.begin},
                                        std::pair{int(endRangeTrackbar), range.end},
                                        std::pair{int(rangeCheckbox), int(range.enabled)}}) {
        if (get_gadget_state(gadget) != value) set_gadget_state(gadget, value);
    }
    const bool swap = document.dragMode == DragMode::swap;
    for (const auto& [item, checked] :
         {std::pair{int(dragSwapId), swap}, std::pair{int(dragCopyId), !swap},
          std::pair{int(gridOnMapId), document.gridOnMap},
          std::pair{int(typeTextId), typingText}}) {
        if (get_menu_item_checked(mainMenu, item) != int(checked))
            set_menu_item_checked(mainMenu, item, checked);
    }
    for (int mode = 0; mode < colorModeCount; ++mode) {
        const bool checked = int(document.colorMode) == mode;
        if (get_menu_item_checked(mainMenu, colorModeId + mode) != int(checked))
            set_menu_item_checked(mainMenu, colorModeId + mode, checked);
    }
    for (int i = 0; i < int(std::size(commonGlyphHeights)); ++i) {
        const bool checked = document.charset.height == commonGlyphHeights[i];
        if (get_menu_item_checked(mainMenu, glyphHeightId + i) != int(checked))
            set_menu_item_checked(mainMenu, glyphHeightId + i, checked);
    }
    // Wide pixels do not rotate, nor do glyphs that are not square.
    const bool rotations =
        transforms(rotateClockwiseMode, widePixels(document.colorMode), document.charset.height);
    for (const auto& [item, enabled] :
         {std::pair{int(undoId), canUndo}, std::pair{int(redoId), canRedo},
          std::pair{int(restoreSessionId), canRestore},
          std::pair{int(rotateClockwiseId), rotations},
          std::pair{int(rotateAnticlockwiseId), rotations}}) {
        if (get_menu_item_enabled(mainMenu, item) != int(enabled))
            set_menu_item_enabled(mainMenu, item, enabled);
    }
    shown.gadgetsShown = menu_exists(mainMenu) != 0; // until the menus exist, again
    shown.range = range;
    shown.dragMode = document.dragMode;
    shown.grid = document.gridOnMap;
    shown.typingText = typingText;
    shown.canUndo = canUndo;
    shown.canRedo = canRedo;
    shown.canRestore = canRestore;
    shown.colorMode = document.colorMode;
}

} // namespace

void refresh(AppState& state) {
    const Editor& editor = state.editor;
    const Document& document = editor.document();
    WindowsState& windows = state.windows;
    ShownViews& shown = windows.shown;
    // What the editor recorded waits, view by view, until the view is next drawn.
    const Changes edited = state.editor.takeUnshownChanges();
    shown.imageUnshown |= edited.glyphs;
    shown.mapUnshown |= edited;
    if (shown.glyphHeight != document.charset.height) layOutAnew(document, windows);
    refreshCharsetView(editor, windows);
    // The map shows the same glyphs as the editor: it waits while the editor cannot be drawn.
    if (refreshGlyphEditor(editor, shown)) refreshMapView(document, windows);
    refreshStatusTitle(windows);
    refreshRangeLabels(document.range, shown);
    if (windows.colorsWindowAvailable) refreshColorsWindow(document, shown);
    refreshMapTitle(windows);
    showStateInGadgets(editor, state.session.lastSession.has_value(), windows.typing.on, shown);
}
