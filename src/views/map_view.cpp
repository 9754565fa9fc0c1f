#include "views/map_view.h"

#include "toolkit/requesters.h"
#include "views/doubled_glyph.h"

namespace {

constexpr int cellSize = 16;

GlyphRows glyphOf(const AppState& state, int code) {
    return GlyphRows(state.charset.data() + (code & 0xFF) * 8, 8);
}

// The top edge alternates ink and paper from the left, the left edge paper and ink from the
// top; the left edge comes last, so the corner pixel ends as paper.
void drawCellEdges(int left, int top, toolkit::Color paper, toolkit::Color ink) {
    for (int t = 0; t < cellSize - 1; t += 2) {
        toolkit::draw_box(left + t, top, 1, 1, ink);
        toolkit::draw_box(left + t + 1, top, 1, 1, paper);
        toolkit::draw_box(left, top + t, 1, 1, paper);
        toolkit::draw_box(left, top + t + 1, 1, 1, ink);
    }
}

} // namespace

void drawMap(const AppState& state) {
    if (!state.mapWindowAvailable) return;
    if (!toolkit::start_drawing(toolkit::canvas_output(mapView))) {
        toolkit::message_requester("gridlet", "draw char map error!", toolkit::message_ok);
        return;
    }
    toolkit::draw_box(0, 0, state.mapWidth * cellSize, state.mapHeight * cellSize,
                      state.paperColor);
    for (int row = 0; row < state.mapHeight; ++row) {
        for (int column = 0; column < state.mapWidth; ++column) {
            drawDoubledGlyph(glyphOf(state, state.mapCells[column][row]), column * cellSize,
                             row * cellSize, state.inkColor);
        }
    }
    if (state.gridOnMap) {
        for (int row = 0; row < state.mapHeight; ++row) {
            for (int column = 0; column < state.mapWidth; ++column) {
                drawCellEdges(column * cellSize, row * cellSize, state.paperColor, state.inkColor);
            }
        }
    }
    toolkit::stop_drawing();
}
