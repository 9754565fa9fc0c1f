#include "app/undo_commands.h"

#include "app/cursor.h"
#include "app/map_commands.h"
#include "app/refresh.h"
#include "views/charset_image.h"

namespace {

void record(AppState& state) {
    if (state.history.record(state.undoBase, state.document)) state.undoBase = state.document;
}

// A stroke still going on when the user undoes ends there, as one step of its own.
void showStep(AppState& state, int glyph) {
    if (state.document.mapWidth != state.undoBase.mapWidth ||
        state.document.mapHeight != state.undoBase.mapHeight)
        fitMapWindow(state.document);
    state.undoBase = state.document;
    state.stroking = false;
    requestRedraw(state, redrawGlyphViews | redrawMap);
    if (glyph >= 0) selectCell(state, charsetCell(glyph));
}

} // namespace

void recordUndoStep(AppState& state) {
    if (!state.stroking) record(state);
}

void undo(AppState& state) {
    record(state);
    if (state.history.canUndo()) showStep(state, state.history.undo(state.document));
}

void redo(AppState& state) {
    record(state);
    if (state.history.canRedo()) showStep(state, state.history.redo(state.document));
}
