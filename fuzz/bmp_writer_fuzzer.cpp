// save_image on pictures of every size from 1 x 1 to 300 x 300 with arbitrary pixels; the file
// is read back and checked field by field and pixel by pixel. Input: the width and height,
// then the pixel colours (repeated when they run out).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/binding.h"
#include "toolkit/drawing.h"

namespace {

constexpr int fuzzedImage = 7;

[[noreturn]] void failure(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

uint32_t field(const std::vector<uint8_t>& file, size_t at, int length) {
    uint32_t value = 0;
    for (int i = length - 1; i >= 0; --i) value = value << 8 | file[at + size_t(i)];
    return value;
}

void expectField(const std::vector<uint8_t>& file, size_t at, int length, uint32_t expected,
                 const char* name) {
    if (field(file, at, length) != expected)
        failure(std::string(name) + " is " + std::to_string(field(file, at, length)) +
                " instead of " + std::to_string(expected));
}

// The file every input is saved to, in a folder removed when the run ends.
class ScratchPicture {
  public:
    ScratchPicture() {
        std::string folder =
            (std::filesystem::temp_directory_path() / "gridlet-bmp-XXXXXX").string();
        if (!mkdtemp(folder.data())) failure("no temporary folder");
        folder_ = folder;
    }
    ~ScratchPicture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string name() const { return folder_ + "/picture.bmp"; }

  private:
    std::string folder_;
};

// The colours of the input, row by row, the bytes read three at a time as 0xBBGGRR.
std::vector<toolkit::Color> pictureColors(int width, int height, const uint8_t* bytes,
                                          size_t count) {
    std::vector<toolkit::Color> colors(size_t(width) * size_t(height), 0);
    if (count == 0) return colors;
    size_t next = 0;
    for (toolkit::Color& color : colors) {
        for (int part = 0; part < 3; ++part, next = (next + 1) % count)
            color = color << 8 | bytes[next];
    }
    return colors;
}

void checkFile(const std::vector<uint8_t>& file, int pictureWidth, int pictureHeight,
               const std::vector<toolkit::Color>& colors) {
    const uint32_t width = uint32_t(pictureWidth), height = uint32_t(pictureHeight);
    const uint32_t rowSize = (3 * width + 3) / 4 * 4;
    const uint32_t dataSize = rowSize * height;
    if (file.size() != 54 + size_t(dataSize))
        failure("file of " + std::to_string(file.size()) + " bytes");
    if (file[0] != 'B' || file[1] != 'M') failure("no BM signature");
    expectField(file, 2, 4, 54 + dataSize, "file size");
    expectField(file, 6, 4, 0, "reserved fields");
    expectField(file, 10, 4, 54, "pixel data offset");
    expectField(file, 14, 4, 40, "header size");
    expectField(file, 18, 4, width, "width");
    expectField(file, 22, 4, height, "height");
    expectField(file, 26, 2, 1, "planes");
    expectField(file, 28, 2, 24, "bits per pixel");
    expectField(file, 30, 4, 0, "compression");
    expectField(file, 34, 4, dataSize, "image size");
    for (size_t at = 38; at < 54; at += 4) expectField(file, at, 4, 0, "resolution or colours");
    for (uint32_t y = 0; y < height; ++y) {
        const size_t row = 54 + size_t(height - 1 - y) * rowSize; // bottom row first
        for (uint32_t x = 0; x < width; ++x) {
            const toolkit::Color color = colors[size_t(y) * width + x];
            const size_t at = row + 3 * x;
            if (file[at] != (color >> 16 & 0xFF) || file[at + 1] != (color >> 8 & 0xFF) ||
                file[at + 2] != (color & 0xFF))
                failure("pixel (" + std::to_string(x) + "," + std::to_string(y) + ")");
        }
        for (size_t pad = 3 * width; pad < rowSize; ++pad)
            if (file[row + pad] != 0) failure("padding of row " + std::to_string(y));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int width = 1 + (data[0] | data[1] << 8) % 300;
    const int height = 1 + (data[2] | data[3] << 8) % 300;
    const std::vector<toolkit::Color> colors = pictureColors(width, height, data + 4, size - 4);

    if (!toolkit::create_image(fuzzedImage, width, height)) failure("no image");
    toolkit::start_drawing(toolkit::image_output(fuzzedImage));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            toolkit::draw_box(x, y, 1, 1, colors[size_t(y) * size_t(width) + size_t(x)]);
    toolkit::stop_drawing();

    static const ScratchPicture picture;
    if (!toolkit::save_image(fuzzedImage, picture.name())) failure("save_image failed");
    std::ifstream in(picture.name(), std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    checkFile(file, width, height, colors);
    return 0;
}
