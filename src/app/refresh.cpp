#include "app/refresh.h"

#include <bitset>
#include <cstring>
#include <utility>

#include "app/menu_ids.h"
#include "toolkit/drawing.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"
#include "views/charset_view.h"
#include "views/glyph_editor_view.h"
#include "views/map_view.h"
#include "views/status_texts.h"

using namespace toolkit;

namespace {

using CodeSet = std::bitset<glyphCount>;

void reportDrawingFailure(const char* text) {
    message_requester("gridlet", text, message_ok);
}

bool sameGlyph(const Charset& a, const Charset& b, int code) {
    return std::memcmp(glyphOf(a, code).data(), glyphOf(b, code).data(), glyphBytes) == 0;
}

CodeSet changedGlyphs(const Charset& shown, const Charset& now) {
    CodeSet changed;
    for (int code = 0; code < glyphCount; ++code)
        if (!sameGlyph(shown, now, code)) changed.set(size_t(code));
    return changed;
}

// Image 0, cell by changed cell. Returns the codes whose cells it redrew; when it cannot draw,
// the view is still refreshed from the image as it was, in full.
CodeSet refreshCharsetImage(AppState& state, bool& whole) {
    const Document& document = state.document;
    ShownViews& shown = state.shown;
    whole = !shown.imageDrawn || shown.charsetPaper != document.paperColor ||
            shown.charsetInk != document.inkColor;
    const CodeSet changed =
        whole ? CodeSet().set() : changedGlyphs(shown.charset, document.charset);
    if (!start_drawing(image_output(charsetImage))) {
        reportDrawingFailure("draw image char error!");
        whole = true;
        return {};
    }
    for (int code = 0; code < glyphCount; ++code)
        if (changed[size_t(code)])
            drawCharsetImageCell(document.charset, code, document.paperColor, document.inkColor);
    stop_drawing();
    shown.imageDrawn = true;
    shown.charset = document.charset;
    shown.charsetPaper = document.paperColor;
    shown.charsetInk = document.inkColor;
    return changed;
}

// What feedback covers on the charset view, to be drawn over again when it goes.
void eraseCharsetFeedback(const CharsetFeedback& feedback, ImageHandle picture, Cell cursor) {
    if (feedback.kind == CharsetFeedback::Kind::none) return;
    drawCharsetViewArea(picture, cellArea(feedback.cell), cursor);
    if (feedback.kind == CharsetFeedback::Kind::drag)
        drawCharsetViewArea(picture, draggedGlyphArea(feedback.x, feedback.y), cursor);
}

void drawCharsetFeedback(const CharsetFeedback& feedback, ImageHandle picture) {
    switch (feedback.kind) {
    case CharsetFeedback::Kind::hover:
        drawHoverOutline(feedback.cell);
        break;
    case CharsetFeedback::Kind::drag:
        drawDraggedGlyph(picture, feedback.source, feedback.x, feedback.y, feedback.cell);
        break;
    case CharsetFeedback::Kind::none:
        break;
    }
}

void refreshCharsetView(AppState& state) {
    bool wholeImage = false;
    const CodeSet changed = refreshCharsetImage(state, wholeImage);
    ShownViews& shown = state.shown;
    if (!start_drawing(canvas_output(charsetView))) {
        reportDrawingFailure("draw cursor error!");
        return;
    }
    const ImageHandle picture = image_handle(charsetImage);
    const Cell cursor{state.cursorColumn, state.cursorRow};
    if (wholeImage || !shown.charsetViewDrawn) {
        drawCharsetViewArea(picture, {0, 0, charsetImageSize, charsetImageSize}, cursor);
    } else {
        for (int code = 0; code < glyphCount; ++code)
            if (changed[size_t(code)])
                drawCharsetViewArea(picture, cellArea(charsetCell(code)), cursor);
        if (shown.cursor != cursor) {
            drawCharsetViewArea(picture, cellArea(shown.cursor), cursor);
            drawCharsetViewArea(picture, cellArea(cursor), cursor);
        }
        eraseCharsetFeedback(shown.feedback, picture, cursor);
    }
    drawCharsetFeedback(state.charsetFeedback, picture);
    stop_drawing();
    shown.charsetViewDrawn = true;
    shown.cursor = cursor;
    shown.feedback = state.charsetFeedback;
}

// False when the editor could not be drawn; the data field then keeps its text.
bool refreshGlyphEditor(AppState& state) {
    if (!start_drawing(canvas_output(glyphEditor))) {
        reportDrawingFailure("draw character error!");
        return false;
    }
    const Document& document = state.document;
    ShownViews& shown = state.shown;
    const GlyphRows glyph = state.currentGlyph();
    if (!shown.editorDrawn || shown.editorPaper != document.paperColor ||
        shown.editorInk != document.inkColor) {
        drawGlyphEditor(glyph, document.paperColor, document.inkColor);
    } else {
        for (int row = 0; row < glyphBytes; ++row) {
            for (int column = 0; column < 8; ++column) {
                if (((glyph[row] ^ shown.editorGlyph[row]) & (128 >> column)) == 0) continue;
                clipTo(cellArea({column, row}));
                drawGlyphEditor(glyph, document.paperColor, document.inkColor);
            }
        }
    }
    stop_drawing();
    shown.editorDrawn = true;
    std::copy(glyph.begin(), glyph.end(), shown.editorGlyph.begin());
    shown.editorPaper = document.paperColor;
    shown.editorInk = document.inkColor;
    writeDataFieldText(shown.dataText, glyph);
    set_gadget_text(dataField, shown.dataText);
    return true;
}

bool visible(const Document& document, Cell cell) {
    return cell.column >= 0 && cell.row >= 0 && cell.column < document.mapWidth &&
           cell.row < document.mapHeight;
}

void drawMapCell(const AppState& state, Cell cell) {
    clipTo(cellArea(cell));
    drawMapCells(state.document, state.gridOnMap, cell, 1, 1);
}

// The cells whose code or glyph changed, and the cell the old outline covered.
void redrawChangedMapCells(const AppState& state) {
    const Document& document = state.document;
    const Document& was = state.shown.map;
    const CodeSet glyphs = changedGlyphs(was.charset, document.charset);
    if (glyphs.any() || document.mapCells != was.mapCells) {
        for (int row = 0; row < document.mapHeight; ++row) {
            for (int column = 0; column < document.mapWidth; ++column) {
                const int32_t code = document.mapCells[column][row];
                if (code != was.mapCells[column][row] || glyphs[size_t(code & 0xFF)])
                    drawMapCell(state, {column, row});
            }
        }
    }
    if (state.shown.mapOutline && visible(document, *state.shown.mapOutline))
        drawMapCell(state, *state.shown.mapOutline);
}

void refreshMapView(AppState& state) {
    if (!state.mapWindowAvailable) return;
    if (!start_drawing(canvas_output(mapView))) {
        reportDrawingFailure("draw char map error!");
        return;
    }
    const Document& document = state.document;
    ShownViews& shown = state.shown;
    const bool whole =
        !shown.mapDrawn || shown.mapGrid != state.gridOnMap ||
        shown.map.mapWidth != document.mapWidth || shown.map.mapHeight != document.mapHeight ||
        shown.map.paperColor != document.paperColor || shown.map.inkColor != document.inkColor;
    if (whole) {
        set_drawing_clip(0, 0, document.mapWidth * cellSize, document.mapHeight * cellSize);
        drawMapCells(document, state.gridOnMap, {0, 0}, document.mapWidth, document.mapHeight);
    } else {
        redrawChangedMapCells(state);
    }
    if (state.mapOutline) drawMapOutline(*state.mapOutline);
    stop_drawing();
    shown.mapDrawn = true;
    shown.map = document;
    shown.mapGrid = state.gridOnMap;
    shown.mapOutline = state.mapOutline;
}

void refreshRangeLabels(const AppState& state) {
    set_gadget_text(beginRangeLabel, beginRangeText(state.document.range.begin));
    set_gadget_text(endRangeLabel, endRangeText(state.document.range.end));
}

// The trackbars, the range box and the check marks show the document and the grid setting;
// Undo and Redo are greyed out when there is nothing to undo or redo, and "Restore last session"
// when no session was kept.
void showStateInGadgets(AppState& state) {
    const Range& range = state.document.range;
    ShownViews& shown = state.shown;
    const bool canUndo = state.history.canUndo(), canRedo = state.history.canRedo();
    const bool canRestore = state.lastSession.has_value();
    if (shown.gadgetsShown && shown.range == range && shown.dragMode == state.document.dragMode &&
        shown.grid == state.gridOnMap && shown.canUndo == canUndo && shown.canRedo == canRedo &&
        shown.canRestore == canRestore)
        return;
    for (const auto& [gadget, value] : {std::pair{int(beginRangeTrackbar), range.begin},
                                        std::pair{int(endRangeTrackbar), range.end},
                                        std::pair{int(rangeCheckbox), int(range.enabled)}}) {
        if (get_gadget_state(gadget) != value) set_gadget_state(gadget, value);
    }
    const bool swap = state.document.dragMode == DragMode::swap;
    for (const auto& [item, checked] :
         {std::pair{int(dragSwapId), swap}, std::pair{int(dragCopyId), !swap},
          std::pair{int(gridOnMapId), state.gridOnMap}}) {
        if (get_menu_item_checked(mainMenu, item) != int(checked))
            set_menu_item_checked(mainMenu, item, checked);
    }
    for (const auto& [item, enabled] :
         {std::pair{int(undoId), canUndo}, std::pair{int(redoId), canRedo},
          std::pair{int(restoreSessionId), canRestore}}) {
        if (get_menu_item_enabled(mainMenu, item) != int(enabled))
            set_menu_item_enabled(mainMenu, item, enabled);
    }
    shown.gadgetsShown = menu_exists(mainMenu) != 0; // until the menus exist, again
    shown.range = range;
    shown.dragMode = state.document.dragMode;
    shown.grid = state.gridOnMap;
    shown.canUndo = canUndo;
    shown.canRedo = canRedo;
    shown.canRestore = canRestore;
}

} // namespace

void requestRedraw(AppState& state, unsigned views) {
    state.redraw |= views;
    if (views & redrawCharsetView) state.charsetFeedback = {};
    if (views & (redrawGlyphEditor | redrawMap)) state.mapOutline.reset();
}

void refresh(AppState& state) {
    const unsigned asked = std::exchange(state.redraw, 0u);
    if (asked & redrawCharsetView) refreshCharsetView(state);
    // The map shows the same glyphs as the editor, so it follows the editor's redraw.
    bool mapWanted = asked & redrawMap;
    if (asked & redrawGlyphEditor) mapWanted = refreshGlyphEditor(state) || mapWanted;
    if (mapWanted) refreshMapView(state);
    if (asked & redrawStatusTitle) {
        writeStatusTitle(state.shown.title, state.baseTitle, state.currentChar, state.atariCodes);
        set_window_title(mainWindow, state.shown.title);
    }
    if (asked & redrawRangeLabels) refreshRangeLabels(state);
    if (asked & redrawMapTitle) {
        const Cell cell = state.mapTitleCell;
        set_window_title(mapWindow, mapHoverTitle(cell.column, cell.row,
                                                  state.document.mapCells[cell.column][cell.row]));
    }
    showStateInGadgets(state);
}
