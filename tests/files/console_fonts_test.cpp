// Debian's console fonts, read by a reader of this test's own and by gridlet: every font 8 pixels
// wide gives the same glyphs at its own height.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/font_formats.h"

// Linux's fonts, read through gzip: not on Windows.
#ifndef _WIN32
namespace {

using Bytes = std::vector<uint8_t>;

const std::filesystem::path consoleFonts = "/usr/share/consolefonts";

Bytes unzipped(const std::filesystem::path& path) {
    Bytes bytes;
    if (FILE* pipe = popen(("gzip -dc '" + path.string() + "'").c_str(), "r")) {
        unsigned char buffer[4096];
        while (const size_t got = fread(buffer, 1, sizeof buffer, pipe))
            bytes.insert(bytes.end(), buffer, buffer + got);
        EXPECT_EQ(pclose(pipe), 0) << path;
    }
    return bytes;
}

struct ConsoleFont {
    unsigned width = 0, height = 0, count = 0;
    Bytes glyphs; // all of them, a row a byte when 8 wide
};

uint32_t u32(const Bytes& file, size_t at) {
    return uint32_t(file[at]) | uint32_t(file[at + 1]) << 8 | uint32_t(file[at + 2]) << 16 |
           uint32_t(file[at + 3]) << 24;
}

// PSF 1: 36 04, mode (bit 0: 512 glyphs), height; PSF 2: its mark, then eight 32-bit fields.
std::optional<ConsoleFont> parse(const Bytes& file) {
    ConsoleFont font;
    size_t start = 0;
    if (file.size() >= 4 && file[0] == 0x36 && file[1] == 0x04) {
        font = {8, file[3], file[2] & 1 ? 512u : 256u, {}};
        start = 4;
    } else if (file.size() >= 32 && u32(file, 0) == 0x864AB572) {
        font = {u32(file, 28), u32(file, 24), u32(file, 16), {}};
        start = u32(file, 8);
    } else {
        return std::nullopt;
    }
    const size_t bytes = size_t(font.count) * font.height * ((font.width + 7) / 8);
    if (start + bytes > file.size()) return std::nullopt;
    font.glyphs.assign(file.begin() + ptrdiff_t(start), file.begin() + ptrdiff_t(start + bytes));
    return font;
}

TEST(ConsoleFonts, EveryDebianFontEightPixelsWideReadsAsItsOwnGlyphs) {
    if (!std::filesystem::is_directory(consoleFonts))
        GTEST_SKIP() << consoleFonts << " is missing: install console-setup-linux";
    int eightWide = 0;
    for (const auto& entry : std::filesystem::directory_iterator(consoleFonts)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".psf.gz")) continue;
        SCOPED_TRACE(name);
        const Bytes file = unzipped(entry.path());
        const std::optional<ConsoleFont> font = parse(file);
        ASSERT_TRUE(font);
        if (font->width != 8) continue;
        ++eightWide;
        const FontReading reading = decodeFontFile(file, "font.psf", narrowLook(0, 0xFFFFFF), 8);
        ASSERT_EQ(reading.problem, "");
        EXPECT_EQ(reading.height, int(font->height));
        const size_t kept = std::min<size_t>(font->count, 256) * font->height;
        EXPECT_EQ(reading.bytes,
                  Bytes(font->glyphs.begin(), font->glyphs.begin() + ptrdiff_t(kept)));
        EXPECT_EQ(reading.note.empty(), font->count <= 256) << reading.note;
        EXPECT_FALSE(reading.unicode.empty());
    }
    EXPECT_EQ(eightWide, 235);
}

} // namespace
#endif
