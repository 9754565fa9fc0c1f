// Saving an image as an uncompressed 24-bit Windows bitmap with bottom-up rows.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/atomic_file.h"
#include "toolkit/binding.h"
#include "toolkit/drawing.h"
#include "toolkit/native_files.h"

namespace toolkit {

namespace {

constexpr uint32_t file_header_size = 14;
constexpr uint32_t info_header_size = 40;
constexpr uint32_t pixel_data_offset = file_header_size + info_header_size;

void put_le(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int length) {
    for (int i = 0; i < length; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

// The whole file in memory: headers, then the rows from the bottom one up, each padded with
// zeros to a multiple of four bytes.
std::vector<uint8_t> bmp_file(const PixelBuffer& image) {
    const size_t row_size = (3 * size_t(image.width) + 3) / 4 * 4;
    const size_t data_size = row_size * size_t(image.height);
    std::vector<uint8_t> bytes(pixel_data_offset + data_size, 0);

    bytes[0] = 'B';
    bytes[1] = 'M';
    put_le(bytes, 2, uint32_t(bytes.size()), 4);
    put_le(bytes, 10, pixel_data_offset, 4);
    put_le(bytes, 14, info_header_size, 4);
    put_le(bytes, 18, uint32_t(image.width), 4);
    put_le(bytes, 22, uint32_t(image.height), 4);
    put_le(bytes, 26, 1, 2);  // planes
    put_le(bytes, 28, 24, 2); // bits per pixel
    put_le(bytes, 34, uint32_t(data_size), 4);

    uint8_t* out = bytes.data() + pixel_data_offset;
    for (int y = image.height - 1; y >= 0; --y, out += row_size) {
        const Pixel* in = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            // 0xFFRRGGBB: the low three bytes are blue, green, red, the file's order.
            out[3 * x] = uint8_t(in[x]);
            out[3 * x + 1] = uint8_t(in[x] >> 8);
            out[3 * x + 2] = uint8_t(in[x] >> 16);
        }
    }
    return bytes;
}

} // namespace

int save_image(int image, const std::string& file_name) {
    const PixelBuffer* picture = image_buffer(image);
    if (file_name.empty() || !picture) return 0;
    const std::vector<uint8_t> bytes = bmp_file(*picture);
    detail::AtomicFile file;
    if (file.open(file_name) && file.write(bytes.data(), bytes.size()) && file.commit()) return 1;
    detail::set_file_problem(file.problem());
    return 0;
}

} // namespace toolkit
