// Drawing passes on canvases and images, boxes, image copies and number conversion.
//
// Colours are 0x00BBGGRR (red in the low byte). Pixels are stored as 32-bit 0xFFRRGGBB words,
// the layout a screen shows without conversion; the files still write 24 bits.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace toolkit {

using Color = uint32_t;
using Pixel = uint32_t;
using ImageHandle = std::uintptr_t;

constexpr Pixel pixel_of(Color color) {
    return 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
constexpr Color color_of(Pixel pixel) {
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

// A rectangle of pixels, row by row from the top; the pixel (x, y) is pixels[y * width + x].
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    PixelBuffer() = default;
    PixelBuffer(int w, int h, Color fill)
        : width(w), height(h), pixels(size_t(w) * size_t(h), pixel_of(fill)) {}
    Pixel* row(int y) { return pixels.data() + size_t(y) * size_t(width); }
    const Pixel* row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
    Color color_at(int x, int y) const { return color_of(row(y)[x]); }
};

// A rectangle of pixels.
struct Area {
    int x = 0, y = 0, width = 0, height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Area&) const = default;
};

// Where a pass draws: a canvas's pixel buffer or an image. Empty when there is none.
struct DrawingTarget {
    PixelBuffer* buffer = nullptr;
    int canvas = -1; // the canvas gadget shown after stop_drawing, or -1 for an image
};

DrawingTarget canvas_output(int gadget);
DrawingTarget image_output(int image);
int start_drawing(DrawingTarget target);
void stop_drawing();

enum DrawingMode : int { mode_filled = 0, mode_outline = 4 };
void set_drawing_mode(int mode);
// Confines what the pass draws next to the rectangle, until the next call; a pass starts with
// the whole target. A canvas shows anew only the rectangles a pass drew in, so a small change
// costs the platform a small repaint.
void set_drawing_clip(int x, int y, int width, int height);

namespace detail {
struct DrawingPass {
    PixelBuffer* buffer = nullptr;
    int canvas = -1;
    bool outline = false;
    Area clip;         // always within the buffer
    bool drew = false; // anything drawn since the clip was set
};
// The running toolkit's state begins with its drawing pass, which the boxes below reach inline;
// the rest of it is the core's (core/toolkit_state.h).
struct DrawingState {
    DrawingPass pass;
};
// The running toolkit: set by start_toolkit, null again after shut_down_toolkit.
extern DrawingState* running_toolkit;
void draw_outline(int64_t left, int64_t top, int64_t width, int64_t height, Color color);
} // namespace detail

// A solid box in the current mode, clipped to the target; a negative size is reversed.
// Inline because the renderers draw hundreds of thousands of small boxes per redraw. Wide
// arithmetic, since a box may stand anywhere an int reaches.
inline void draw_box(int x, int y, int width, int height, Color color) {
    if (!detail::running_toolkit) return;
    detail::DrawingPass& pass = detail::running_toolkit->pass;
    if (!pass.buffer) return;
    int64_t left = x, top = y, wide = width, high = height;
    if (wide < 0) {
        left += wide;
        wide = -wide;
    }
    if (high < 0) {
        top += high;
        high = -high;
    }
    if (pass.outline) {
        detail::draw_outline(left, top, wide, high, color);
        return;
    }
    PixelBuffer& target = *pass.buffer;
    const Area& clip = pass.clip;
    const int64_t right = std::min<int64_t>(left + wide, clip.x + clip.width);
    const int64_t bottom = std::min<int64_t>(top + high, clip.y + clip.height);
    left = std::max<int64_t>(left, clip.x);
    top = std::max<int64_t>(top, clip.y);
    if (right <= left || bottom <= top) return;
    pass.drew = true;
    const Pixel pixel = pixel_of(color);
    for (int row = int(top); row < int(bottom); ++row) {
        Pixel* out = target.row(row);
        for (int column = int(left); column < int(right); ++column) out[column] = pixel;
    }
}

// Copies width x height pixels, given row by row, with their top-left corner at (x, y), clipped
// as a box is; in either mode. A whole glyph cell at once, rather than box by box.
void draw_pixels(int x, int y, int width, int height, const Pixel* pixels);

// For a view that writes many whole cells itself: the target's pixel at (x, y), and in `stride`
// the distance from one row to the next, when the width x height area lies wholly inside the
// clip; null otherwise (draw_pixels then clips it). The caller writes every pixel of the area,
// which the canvas shows anew with the rest of the clip.
Pixel* pixels_to_write(int x, int y, int width, int height, int& stride);

void draw_image(ImageHandle image, int x, int y);

constexpr Color rgb(int red, int green, int blue) {
    return Color(red + green * 256 + blue * 65536);
}

int create_image(int image, int width, int height);
ImageHandle image_handle(int image);

// The value with its fraction discarded, rounding toward zero.
int truncate_to_int(double value);

} // namespace toolkit
