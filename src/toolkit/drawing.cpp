// Drawing passes, outlined boxes and the number conversion the input handlers use.
#include "toolkit/drawing.h"

#include <algorithm>
#include <cstdint>

#include "toolkit/detail.h"

namespace toolkit {

namespace {

// Each run of an outline is clipped by itself: a run on a row or column outside the target is
// dropped whole, otherwise its ends are cut at the target's edges.
void draw_row_run(PixelBuffer& target, int64_t row, int64_t from, int64_t length, Pixel pixel) {
    if (row < 0 || row >= target.height) return;
    const int64_t start = std::max<int64_t>(from, 0);
    const int64_t end = std::min<int64_t>(from + length, target.width);
    if (end <= start) return;
    std::fill(target.row(int(row)) + start, target.row(int(row)) + end, pixel);
}

void draw_column_run(PixelBuffer& target, int64_t column, int64_t from, int64_t length,
                     Pixel pixel) {
    if (column < 0 || column >= target.width) return;
    const int64_t start = std::max<int64_t>(from, 0);
    const int64_t end = std::min<int64_t>(from + length, target.height);
    for (int64_t row = start; row < end; ++row) target.row(int(row))[column] = pixel;
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

void detail::draw_outline(int64_t left, int64_t top, int64_t width, int64_t height, Color color) {
    PixelBuffer& target = *pass.buffer;
    const Pixel pixel = pixel_of(color);
    draw_row_run(target, top, left, width, pixel);
    draw_row_run(target, top + height - 1, left, width, pixel);
    draw_column_run(target, left, top + 1, height - 2, pixel);
    draw_column_run(target, left + width - 1, top + 1, height - 2, pixel);
}

// The conversion truncates toward zero by definition, whatever the floating rounding mode.
int truncate_to_int(double value) {
    return static_cast<int>(value);
}

} // namespace toolkit
