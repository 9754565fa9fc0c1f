// Drawing passes, outlined boxes and the number conversion the input handlers use.
#include "toolkit/drawing.h"

#include <algorithm>

#include "toolkit/detail.h"

namespace toolkit {

namespace {

// Each run of an outline is clipped by itself: a run on a row or column outside the target is
// dropped whole, otherwise its ends are cut at the target's edges.
void draw_row_run(PixelBuffer& target, int row, int from, int length, Pixel pixel) {
    if (row < 0 || row >= target.height) return;
    const int start = std::max(from, 0);
    const int end = std::min(from + length, target.width);
    if (end <= start) return;
    std::fill(target.row(row) + start, target.row(row) + end, pixel);
}

void draw_column_run(PixelBuffer& target, int column, int from, int length, Pixel pixel) {
    if (column < 0 || column >= target.width) return;
    const int start = std::max(from, 0);
    const int end = std::min(from + length, target.height);
    for (int row = start; row < end; ++row) target.row(row)[column] = pixel;
}

} // namespace

DrawingTarget canvas_output(int gadget) {
    PixelBuffer* buffer = detail::canvas_buffer(gadget);
    if (!buffer) return {};
    return {buffer, gadget};
}

int start_drawing(DrawingTarget target) {
    if (!target.buffer) return 0;
    if (detail::pass.buffer) stop_drawing();
    detail::pass = {target.buffer, target.canvas, false};
    return 1;
}

void stop_drawing() {
    const detail::DrawingPass ended = detail::pass;
    detail::pass = {};
    if (ended.buffer && ended.canvas >= 0) detail::canvas_drawn(ended.canvas);
}

void set_drawing_mode(int mode) {
    detail::pass.outline = mode == mode_outline;
}

void detail::draw_outline(int x, int y, int width, int height, Color color) {
    PixelBuffer& target = *pass.buffer;
    const Pixel pixel = pixel_of(color);
    draw_row_run(target, y, x, width, pixel);
    draw_row_run(target, y + height - 1, x, width, pixel);
    draw_column_run(target, x, y + 1, height - 2, pixel);
    draw_column_run(target, x + width - 1, y + 1, height - 2, pixel);
}

// The conversion truncates toward zero by definition, whatever the floating rounding mode.
int truncate_to_int(double value) {
    return static_cast<int>(value);
}

} // namespace toolkit
