#include "files/psf_file.h"

#include <algorithm>

#include "files/utf8.h"

namespace {

constexpr uint8_t psf1Magic[] = {0x36, 0x04};
constexpr uint8_t psf2Magic[] = {0x72, 0xB5, 0x4A, 0x86};
constexpr size_t psf1HeaderBytes = 4;
constexpr uint8_t psf1LastMode = 5; // bit 0: 512 glyphs, bit 1: a Unicode table, bit 2: sequences
constexpr size_t psf2HeaderBytes = 32;
constexpr uint32_t psf2HasUnicodeTable = 1;
constexpr size_t glyphsRead = 256;

bool startsWith(std::span<const uint8_t> file, std::span<const uint8_t> magic) {
    return file.size() >= magic.size() && std::equal(magic.begin(), magic.end(), file.begin());
}

uint32_t u32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(value >> shift));
}

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

// Why glyphs of the size cannot be edited, "" when they can.
std::string sizeProblem(uint64_t width, uint64_t height) {
    const std::string size =
        "its glyphs are " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width != 8) return size + ", and gridlet edits glyphs 8 pixels wide";
    if (height < minGlyphHeight || height > maxGlyphHeight)
        return size + ", and gridlet edits glyphs of 1 to 32 rows";
    return "";
}

// Why the file is no whole PSF 1 font, "" when it is one. Its mark is only two bytes, which a
// raw font may start with too, so the mode and the glyphs the header promises must fit as well.
std::string psf1Problem(std::span<const uint8_t> file) {
    if (file.size() < psf1HeaderBytes) return "its header is cut short";
    const uint8_t mode = file[2], height = file[3];
    if (mode > psf1LastMode)
        return "its mode byte is " + std::to_string(mode) + ", and a console font's is 0 to " +
               std::to_string(psf1LastMode);
    if (height == 0) return sizeProblem(8, 0);
    const size_t count = mode & 1 ? 512 : 256;
    if (file.size() - psf1HeaderBytes < count * height) return "the file ends before its glyphs do";
    return "";
}

FontReading glyphsFrom(std::span<const uint8_t> file, size_t start, uint64_t count, int height) {
    if (count == 0) return FontReading::refused("it holds no glyph");
    if (count > file.size() || start + count * size_t(height) > file.size())
        return FontReading::refused("the file ends before its glyphs do");
    FontReading reading;
    reading.atCurrentChar = false;
    reading.height = height;
    const size_t taken = size_t(std::min<uint64_t>(count, glyphsRead));
    reading.bytes.assign(file.begin() + ptrdiff_t(start),
                         file.begin() + ptrdiff_t(start + taken * size_t(height)));
    if (count > glyphsRead)
        reading.note = "it holds " + std::to_string(count) + " glyphs: the first 256 were read";
    return reading;
}

// PSF 1 entries: 16-bit characters, 0xFFFE before sequences (skipped), 0xFFFF after each glyph.
void readPsf1Table(std::span<const uint8_t> table, FontReading& reading) {
    const int glyphs = int(reading.bytes.size()) / reading.height;
    int glyph = 0;
    bool sequence = false;
    for (size_t at = 0; at + 1 < table.size() && glyph < glyphs; at += 2) {
        const char32_t value = char32_t(table[at] | table[at + 1] << 8);
        if (value == 0xFFFF) {
            ++glyph;
            sequence = false;
        } else if (value == 0xFFFE) {
            sequence = true;
        } else if (!sequence && value != 0 && (value < 0xD800 || value >= 0xE000)) {
            reading.unicode.emplace_back(glyph, value); // a lone surrogate is no character
        }
    }
}

// PSF 2 entries: UTF-8, 0xFE before sequences (skipped), 0xFF after each glyph.
void readPsf2Table(std::span<const uint8_t> table, FontReading& reading) {
    const int glyphs = int(reading.bytes.size()) / reading.height;
    int glyph = 0;
    bool sequence = false;
    for (size_t at = 0; at < table.size() && glyph < glyphs;) {
        if (table[at] == 0xFF) {
            ++glyph;
            sequence = false;
            ++at;
        } else if (table[at] == 0xFE) {
            sequence = true;
            ++at;
        } else if (const char32_t c = readUtf8(table, at); c != 0 && !sequence) {
            reading.unicode.emplace_back(glyph, c);
        }
    }
}

} // namespace

bool hasPsfMark(std::span<const uint8_t> file) {
    return startsWith(file, psf1Magic) || startsWith(file, psf2Magic);
}

bool isPsf(std::span<const uint8_t> file) {
    return startsWith(file, psf2Magic) ||
           (startsWith(file, psf1Magic) && psf1Problem(file).empty());
}

FontReading decodePsf(std::span<const uint8_t> file) {
    if (startsWith(file, psf1Magic)) {
        if (std::string problem = psf1Problem(file); !problem.empty())
            return FontReading::refused(std::move(problem));
        const int height = file[3];
        if (std::string problem = sizeProblem(8, uint64_t(height)); !problem.empty())
            return FontReading::refused(std::move(problem));
        const size_t count = file[2] & 1 ? 512 : 256;
        FontReading reading = glyphsFrom(file, psf1HeaderBytes, count, height);
        if (file[2] & 2)
            readPsf1Table(file.subspan(psf1HeaderBytes + count * size_t(height)), reading);
        return reading;
    }
    if (!startsWith(file, psf2Magic) || file.size() < psf2HeaderBytes)
        return FontReading::refused("it is no console font, or its header is cut short");
    const uint32_t headerSize = u32(file, 8), length = u32(file, 16), charSize = u32(file, 20);
    const uint32_t height = u32(file, 24), width = u32(file, 28);
    if (std::string problem = sizeProblem(width, height); !problem.empty())
        return FontReading::refused(std::move(problem));
    if (charSize != height || headerSize < psf2HeaderBytes || headerSize > file.size())
        return FontReading::refused("its header is damaged");
    FontReading reading = glyphsFrom(file, headerSize, length, int(height));
    const uint64_t tableStart = headerSize + uint64_t(length) * height;
    if (reading.problem.empty() && (u32(file, 12) & psf2HasUnicodeTable) &&
        tableStart <= file.size())
        readPsf2Table(file.subspan(size_t(tableStart)), reading);
    return reading;
}

std::vector<uint8_t> encodePsf(std::span<const uint8_t> glyphs,
                               std::span<const std::u32string> table, int height) {
    const size_t count = glyphs.size() / size_t(height);
    if (table.size() < count) table = {}; // a table names every glyph, or there is none
    const bool narrowTable = std::ranges::all_of(table, [](const std::u32string& characters) {
        return std::ranges::all_of(characters, [](char32_t c) { return c < 0xFFFE; });
    });
    std::vector<uint8_t> out;
    if (count == glyphsRead && narrowTable) {
        out.assign(std::begin(psf1Magic), std::end(psf1Magic));
        out.push_back(table.empty() ? 0 : 2); // the mode: 256 glyphs, with a table or without
        out.push_back(uint8_t(height));
    } else {
        out.assign(std::begin(psf2Magic), std::end(psf2Magic));
        put32(out, 0); // version
        put32(out, psf2HeaderBytes);
        put32(out, table.empty() ? 0 : psf2HasUnicodeTable);
        put32(out, uint32_t(count));
        put32(out, uint32_t(height)); // bytes a glyph
        put32(out, uint32_t(height));
        put32(out, 8); // width
    }
    for (size_t i = 0; i < count * size_t(height); ++i) out.push_back(glyphs[i]);
    for (size_t i = 0; i < table.size() && i < count; ++i) {
        if (out[0] == psf1Magic[0]) {
            for (const char32_t character : table[i]) put16(out, character);
            put16(out, 0xFFFF); // the end of one glyph's entry
            continue;
        }
        std::string characters;
        for (const char32_t character : table[i]) appendUtf8(characters, character);
        for (const char c : characters) out.push_back(uint8_t(c));
        out.push_back(0xFF); // the end of one glyph's entry
    }
    return out;
}
