#include "files/bmp_file.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

constexpr size_t fileHeaderBytes = 14;
constexpr size_t infoHeaderBytes = 40;

uint32_t u32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

uint16_t u16(std::span<const uint8_t> bytes, size_t at) {
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

PictureReading refused(const char* why) {
    return {{}, why};
}

constexpr std::string_view noteMark = "gridlet:";

void put(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int length) {
    for (int i = 0; i < length; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

} // namespace

bool hasBmpMark(std::span<const uint8_t> file) {
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

bool isBmp(std::span<const uint8_t> file) {
    if (!hasBmpMark(file) || file.size() < fileHeaderBytes + infoHeaderBytes) return false;
    const uint32_t infoSize = u32(file, 14), pixelStart = u32(file, 10);
    constexpr uint32_t infoSizes[] = {40, 52, 56, 64, 108, 124};
    return std::find(std::begin(infoSizes), std::end(infoSizes), infoSize) != std::end(infoSizes) &&
           pixelStart >= fileHeaderBytes + infoSize && pixelStart <= file.size();
}

PictureReading decodeBmp(std::span<const uint8_t> file) {
    if (!hasBmpMark(file) || file.size() < fileHeaderBytes + infoHeaderBytes)
        return refused("it is no BMP picture, or its header is cut short");
    const uint32_t pixelStart = u32(file, 10);
    const uint32_t infoSize = u32(file, 14);
    const int64_t width = int32_t(u32(file, 18));
    const int64_t signedHeight = int32_t(u32(file, 22));
    const uint16_t bits = u16(file, 28);
    const uint32_t compression = u32(file, 30);
    if (infoSize < infoHeaderBytes || compression != 0 || (bits != 8 && bits != 24 && bits != 32))
        return refused("it is a BMP picture of a kind gridlet does not read (only uncompressed "
                       "pictures of 8, 24 or 32 bits)");
    const int64_t height = std::abs(signedHeight);
    if (width < 1 || height < 1 || width > largestPictureSide || height > largestPictureSide)
        return refused("its size is no picture size gridlet reads");
    const size_t rowBytes = (size_t(width) * bits / 8 + 3) / 4 * 4;
    if (pixelStart > file.size() || rowBytes * size_t(height) > file.size() - pixelStart)
        return refused("the file ends before its pixels do");
    const size_t paletteStart = fileHeaderBytes + size_t(infoSize);
    if (pixelStart < paletteStart) return refused("its pixels start inside its header");
    uint32_t colours = u32(file, 46);
    if (bits == 8 && colours == 0) colours = 256;
    if (bits == 8 && (colours > 256 || paletteStart + 4 * size_t(colours) > pixelStart))
        return refused("its colour table is damaged");

    PictureReading reading;
    Picture& picture = reading.picture;
    picture.width = int(width);
    picture.height = int(height);
    picture.pixels.resize(size_t(width) * size_t(height));
    for (int64_t row = 0; row < height; ++row) {
        // Rows run from the bottom up unless the height is negative.
        const int y = int(signedHeight > 0 ? height - 1 - row : row);
        const uint8_t* in = file.data() + pixelStart + size_t(row) * rowBytes;
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* bgr = in + size_t(x) * bits / 8;
            if (bits == 8) {
                if (*bgr >= colours) return refused("a pixel names a colour the table lacks");
                bgr = file.data() + paletteStart + 4 * size_t(*bgr);
            }
            picture.at(x, y) = Color(bgr[2] | bgr[1] << 8 | bgr[0] << 16);
        }
    }
    return reading;
}

std::vector<uint8_t> encodeBmp(const Picture& picture, std::string_view note) {
    // Blocks of 128 bytes: the pixels start at the same place whatever the colours' note says.
    const size_t noteBytes = note.empty() ? 0 : (noteMark.size() + note.size() + 128) / 128 * 128;
    const size_t pixelStart = fileHeaderBytes + infoHeaderBytes + noteBytes;
    const size_t rowBytes = (3 * size_t(picture.width) + 3) / 4 * 4;
    const size_t pixelBytes = rowBytes * size_t(picture.height);
    std::vector<uint8_t> bytes(pixelStart + pixelBytes, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(bytes, 2, uint32_t(bytes.size()), 4);
    put(bytes, 10, uint32_t(pixelStart), 4);
    put(bytes, 14, infoHeaderBytes, 4);
    put(bytes, 18, uint32_t(picture.width), 4);
    put(bytes, 22, uint32_t(picture.height), 4);
    put(bytes, 26, 1, 2);  // planes
    put(bytes, 28, 24, 2); // bits a pixel
    put(bytes, 34, uint32_t(pixelBytes), 4);
    if (!note.empty()) {
        auto out = bytes.begin() + ptrdiff_t(fileHeaderBytes + infoHeaderBytes);
        out = std::copy(noteMark.begin(), noteMark.end(), out);
        std::copy(note.begin(), note.end(), out); // zeros after it to the pixels
    }
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* out = bytes.data() + pixelStart + size_t(picture.height - 1 - y) * rowBytes;
        for (int x = 0; x < picture.width; ++x, out += 3) {
            const Color color = picture.at(x, y);
            out[0] = uint8_t(color >> 16); // blue, green, red
            out[1] = uint8_t(color >> 8);
            out[2] = uint8_t(color);
        }
    }
    return bytes;
}

std::string bmpNote(std::span<const uint8_t> file) {
    if (!isBmp(file)) return "";
    const size_t gapStart = fileHeaderBytes + u32(file, 14);
    const std::string_view gap(reinterpret_cast<const char*>(file.data()) + gapStart,
                               u32(file, 10) - gapStart);
    if (!gap.starts_with(noteMark)) return "";
    const std::string_view note = gap.substr(noteMark.size());
    return std::string(note.substr(0, note.find('\0')));
}
