#include "views/charset_view.h"

#include <span>

#include "toolkit/requesters.h"
#include "views/doubled_glyph.h"
#include "views/glyph_editor_view.h"

namespace {

constexpr int cellSize = 16;
constexpr int tableCells = 16;
constexpr int imageSize = tableCells * cellSize;
constexpr toolkit::Color cursorColor = 0x7FFF00;

void drawCharsetImage(const AppState& state) {
    toolkit::draw_box(0, 0, imageSize, imageSize, state.paperColor);
    for (int row = 0; row < tableCells; ++row) {
        for (int column = 0; column < tableCells; ++column) {
            const int code = row * tableCells + column;
            drawDoubledGlyph(GlyphRows(state.charset.data() + code * 8, 8), column * cellSize,
                             row * cellSize, state.inkColor);
        }
    }
}

} // namespace

void drawCharsetView(const AppState& state) {
    if (toolkit::start_drawing(toolkit::image_output(charsetImage))) {
        drawCharsetImage(state);
        toolkit::stop_drawing();
    } else {
        // The canvas is still refreshed, from the image as it was.
        toolkit::message_requester("gridlet", "draw image char error!", toolkit::message_ok);
    }
    if (!toolkit::start_drawing(toolkit::canvas_output(charsetView))) {
        toolkit::message_requester("gridlet", "draw cursor error!", toolkit::message_ok);
        return;
    }
    toolkit::draw_image(toolkit::image_handle(charsetImage), 0, 0);
    drawCursorPattern(state);
    toolkit::stop_drawing();
}

void drawCursorPattern(const AppState& state) {
    const int left = state.cursorColumn * cellSize;
    const int top = state.cursorRow * cellSize;
    for (int dy = 0; dy < cellSize; ++dy) {
        for (int dx = 0; dx < cellSize; ++dx) {
            if ((dx ^ dy) & 1) toolkit::draw_box(left + dx, top + dy, 1, 1, cursorColor);
        }
    }
}

void refreshCharset(const AppState& state) {
    drawCharsetView(state);
    drawGlyphEditor(state);
}
