// The image table: numbered off-screen pictures, and their copies onto drawing targets.
#include <algorithm>
#include <cstdint>
#include <map>
#include <new>
#include <optional>
#include <utility>

#include "toolkit/core/toolkit_state.h"
#include "toolkit/drawing.h"

namespace toolkit {

namespace {

// Images keep their sizes in signed 16 bits.
constexpr int max_image_side = 32767;

PixelBuffer* find_image(int image) {
    std::map<int, PixelBuffer>& images = detail::images();
    const auto found = images.find(image);
    return found == images.end() ? nullptr : &found->second;
}

ImageHandle handle_of(const PixelBuffer& buffer) {
    return reinterpret_cast<ImageHandle>(&buffer);
}

// Handles are checked against the table, so a stale one draws nothing instead of freed memory.
const PixelBuffer* find_by_handle(ImageHandle handle) {
    for (const auto& [number, buffer] : detail::images()) {
        if (handle_of(buffer) == handle) return &buffer;
    }
    return nullptr;
}

// A pass must not outlive the image it draws into.
void end_pass_on(const PixelBuffer& buffer) {
    if (detail::drawing_pass().buffer == &buffer) stop_drawing();
}

void release(int image) {
    std::map<int, PixelBuffer>& images = detail::images();
    const auto found = images.find(image);
    if (found == images.end()) return;
    end_pass_on(found->second);
    images.erase(found);
}

// A black image, or nothing when the size is out of range or the memory is not there.
std::optional<PixelBuffer> black_image(int width, int height) {
    if (width < 1 || height < 1 || width > max_image_side || height > max_image_side) {
        return std::nullopt;
    }
    try {
        return PixelBuffer(width, height, 0x000000);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// Copies the source onto the target with the source's top-left pixel at (x, y), dropping what
// falls outside the clip; false when nothing is left. Wide arithmetic, since the image may stand
// anywhere an int reaches.
bool place(const PixelBuffer& source, PixelBuffer& target, int64_t x, int64_t y, const Area& clip) {
    const int64_t left = std::max<int64_t>(x, clip.x);
    const int64_t top = std::max<int64_t>(y, clip.y);
    const int64_t right = std::min<int64_t>(x + source.width, clip.x + clip.width);
    const int64_t bottom = std::min<int64_t>(y + source.height, clip.y + clip.height);
    if (right <= left || bottom <= top) return false;
    for (int64_t row = top; row < bottom; ++row) {
        const Pixel* from = source.row(int(row - y)) + (left - x);
        std::copy(from, from + (right - left), target.row(int(row)) + left);
    }
    return true;
}

} // namespace

DrawingTarget image_output(int image) {
    return {find_image(image), -1};
}

ImageHandle image_handle(int image) {
    const PixelBuffer* buffer = find_image(image);
    return buffer ? handle_of(*buffer) : 0;
}

int create_image(int image, int width, int height) {
    if (image < 0) return 0;
    release(image);
    std::optional<PixelBuffer> made = black_image(width, height);
    if (!made) return 0;
    detail::images().emplace(image, std::move(*made));
    return 1;
}

void draw_image(ImageHandle image, int x, int y) {
    detail::DrawingPass& pass = detail::drawing_pass();
    PixelBuffer* target = pass.buffer;
    const PixelBuffer* source = find_by_handle(image);
    if (!target || !source) return;
    if (source == target) {
        // Drawn onto itself, the image is read from a copy so no pixel is read after being
        // overwritten.
        const PixelBuffer copy = *source;
        if (place(copy, *target, x, y, pass.clip)) pass.drew = true;
    } else if (place(*source, *target, x, y, pass.clip)) {
        pass.drew = true;
    }
}

} // namespace toolkit
