// Drawing passes, boxes and the number conversion the input handlers use.
#include "toolkit/drawing.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "toolkit/core/gadgets.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {

namespace {

// Each run of an outline is clipped by itself: a run on a row or column outside the clip is
// dropped whole, otherwise its ends are cut at the clip's edges.
void draw_row_run(detail::DrawingPass& pass, int64_t row, int64_t from, int64_t length,
                  Pixel pixel) {
    const Area& clip = pass.clip;
    if (row < clip.y || row >= clip.y + clip.height) return;
    const int64_t start = std::max<int64_t>(from, clip.x);
    const int64_t end = std::min<int64_t>(from + length, clip.x + clip.width);
    if (end <= start) return;
    pass.drew = true;
    std::fill(pass.buffer->row(int(row)) + start, pass.buffer->row(int(row)) + end, pixel);
}

void draw_column_run(detail::DrawingPass& pass, int64_t column, int64_t from, int64_t length,
                     Pixel pixel) {
    const Area& clip = pass.clip;
    if (column < clip.x || column >= clip.x + clip.width) return;
    const int64_t start = std::max<int64_t>(from, clip.y);
    const int64_t end = std::min<int64_t>(from + length, clip.y + clip.height);
    if (end > start) pass.drew = true;
    for (int64_t row = start; row < end; ++row) pass.buffer->row(int(row))[column] = pixel;
}

// The canvas shows what the pass drew in its clip.
void show_drawn(const detail::DrawingPass& pass) {
    if (pass.buffer && pass.canvas >= 0 && pass.drew) detail::canvas_drawn(pass.canvas, pass.clip);
}

} // namespace

void detail::draw_outline(int64_t left, int64_t top, int64_t width, int64_t height, Color color) {
    DrawingPass& pass = drawing_pass();
    const Pixel pixel = pixel_of(color);
    draw_row_run(pass, top, left, width, pixel);
    draw_row_run(pass, top + height - 1, left, width, pixel);
    draw_column_run(pass, left, top + 1, height - 2, pixel);
    draw_column_run(pass, left + width - 1, top + 1, height - 2, pixel);
}

DrawingTarget canvas_output(int gadget) {
    PixelBuffer* buffer = detail::canvas_buffer(gadget);
    if (!buffer) return {};
    return {buffer, gadget};
}

int start_drawing(DrawingTarget target) {
    if (!target.buffer) return 0;
    if (detail::drawing_pass().buffer) stop_drawing();
    detail::drawing_pass() = {
        target.buffer, target.canvas, false, {0, 0, target.buffer->width, target.buffer->height}};
    return 1;
}

void stop_drawing() {
    const detail::DrawingPass ended = std::exchange(detail::drawing_pass(), {});
    show_drawn(ended);
}

void set_drawing_clip(int x, int y, int width, int height) {
    detail::DrawingPass& pass = detail::drawing_pass();
    if (!pass.buffer) return;
    show_drawn(pass);
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t(x) + std::max(width, 0), pass.buffer->width);
    const int64_t bottom = std::min<int64_t>(int64_t(y) + std::max(height, 0), pass.buffer->height);
    pass.clip = {int(left), int(top), int(std::max<int64_t>(right - left, 0)),
                 int(std::max<int64_t>(bottom - top, 0))};
    pass.drew = false;
}

void set_drawing_mode(int mode) {
    detail::drawing_pass().outline = mode == mode_outline;
}

void draw_pixels(int x, int y, int width, int height, const Pixel* pixels) {
    detail::DrawingPass& pass = detail::drawing_pass();
    if (!pass.buffer || width <= 0 || height <= 0) return;
    const Area& clip = pass.clip;
    const int64_t left = std::max<int64_t>(x, clip.x), top = std::max<int64_t>(y, clip.y);
    const int64_t right = std::min<int64_t>(int64_t(x) + width, clip.x + clip.width);
    const int64_t bottom = std::min<int64_t>(int64_t(y) + height, clip.y + clip.height);
    if (right <= left || bottom <= top) return;
    pass.drew = true;
    for (int64_t row = top; row < bottom; ++row) {
        const Pixel* from = pixels + (row - y) * width + (left - x);
        std::copy(from, from + (right - left), pass.buffer->row(int(row)) + left);
    }
}

Pixel* pixels_to_write(int x, int y, int width, int height, int& stride) {
    detail::DrawingPass& pass = detail::drawing_pass();
    const Area& clip = pass.clip;
    if (!pass.buffer || width <= 0 || height <= 0 || x < clip.x || y < clip.y ||
        int64_t(x) + width > int64_t(clip.x) + clip.width ||
        int64_t(y) + height > int64_t(clip.y) + clip.height)
        return nullptr;
    pass.drew = true;
    stride = pass.buffer->width;
    return pass.buffer->row(y) + x;
}

// The conversion truncates toward zero by definition, whatever the floating rounding mode.
int truncate_to_int(double value) {
    return static_cast<int>(value);
}

} // namespace toolkit
