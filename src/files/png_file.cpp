#include "files/png_file.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

constexpr size_t signatureBytes = 8;

struct Source {
    std::span<const uint8_t> file;
    size_t offset = 0;
};

void readFromSpan(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->file.size() - source->offset) png_error(png, "the file ends early");
    std::memcpy(out, source->file.data() + source->offset, length);
    source->offset += length;
}

void writeToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

// libpng reports its errors by a long jump; the message is kept for the user.
void keepError(png_structp png, png_const_charp message) {
    auto* problem = static_cast<std::string*>(png_get_error_ptr(png));
    *problem = message;
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Whether every chunk holds no more than the file has left. libpng sets aside what a chunk
// claims, up to two gigabytes, before it finds the file shorter, and only warns of a length
// beyond its limit.
bool chunksFitTheFile(std::span<const uint8_t> file) {
    uint32_t length = 0;
    for (size_t at = signatureBytes; at + 8 <= file.size(); at += 12 + size_t(length)) {
        length = uint32_t(file[at]) << 24 | uint32_t(file[at + 1]) << 16 |
                 uint32_t(file[at + 2]) << 8 | uint32_t(file[at + 3]);
        if (length > file.size() - at - 8) return false;
        if (std::memcmp(file.data() + at + 4, "IEND", 4) == 0) return true;
    }
    return true;
}

} // namespace

bool isPng(std::span<const uint8_t> file) {
    return file.size() >= signatureBytes && png_sig_cmp(file.data(), 0, signatureBytes) == 0;
}

PictureReading decodePng(std::span<const uint8_t> file) {
    PictureReading reading;
    if (!isPng(file)) {
        reading.problem = "it is no PNG picture";
        return reading;
    }
    if (!chunksFitTheFile(file)) {
        reading.problem = "it is a damaged PNG picture (a chunk runs past the end of the file)";
        return reading;
    }
    std::string problem;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &problem, keepError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        reading.problem = "there was no memory to read it";
        return reading;
    }
    Source source{file};
    // Everything the jump may come back to lives outside this frame or is set before it.
    std::vector<png_bytep>* rows = new std::vector<png_bytep>;
    Picture* picture = &reading.picture;
    std::vector<uint8_t>* pixels = new std::vector<uint8_t>;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        delete rows;
        delete pixels;
        reading.picture = {};
        reading.problem = "it is a damaged PNG picture (" + problem + ")";
        return reading;
    }
    png_set_read_fn(png, &source, readFromSpan);
    png_set_user_limits(png, largestPictureSide, largestPictureSide);
    png_read_info(png, info);
    // Every kind of PNG becomes 8-bit RGB: palettes expanded, grey made colour, 16 bits cut,
    // transparency dropped (composited on nothing: a transparent pixel keeps its colour).
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_strip_alpha(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    pixels->resize(rowBytes * height);
    rows->resize(height);
    for (png_uint_32 y = 0; y < height; ++y) (*rows)[y] = pixels->data() + y * rowBytes;
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    picture->width = int(width);
    picture->height = int(height);
    picture->pixels.resize(size_t(width) * height);
    for (png_uint_32 y = 0; y < height; ++y)
        for (png_uint_32 x = 0; x < width; ++x) {
            const uint8_t* rgb = (*rows)[y] + 3 * x;
            picture->at(int(x), int(y)) = Color(rgb[0] | rgb[1] << 8 | rgb[2] << 16);
        }
    png_destroy_read_struct(&png, &info, nullptr);
    delete rows;
    delete pixels;
    return reading;
}

std::vector<uint8_t> encodePng(const Picture& picture) {
    std::vector<uint8_t> out;
    std::string problem;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &problem, keepError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    std::vector<uint8_t>* row = new std::vector<uint8_t>(size_t(picture.width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        delete row;
        return {};
    }
    png_set_write_fn(png, &out, writeToVector, flushNothing);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Color color = picture.at(x, y);
            (*row)[size_t(x) * 3] = uint8_t(color);
            (*row)[size_t(x) * 3 + 1] = uint8_t(color >> 8);
            (*row)[size_t(x) * 3 + 2] = uint8_t(color >> 16);
        }
        png_write_row(png, row->data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    delete row;
    return out;
}
