#include "files/font_formats.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "files/bdf_file.h"
#include "files/bmp_file.h"
#include "files/c64_font.h"
#include "files/glyph_picture.h"
#include "files/png_file.h"
#include "files/png_text.h"
#include "files/psf_file.h"

namespace {

bool rawName(std::string_view name) {
    constexpr std::array<std::string_view, 5> raw{".fnt", ".bin", ".ch8", ".chr", ".rom"};
    return std::ranges::find(raw, extensionOf(name)) != raw.end();
}

// The format a name claims, for the formats that mark their files: "" for the others.
std::string formatNamed(std::string_view name) {
    const std::string extension = extensionOf(name);
    if (extension == ".psf") return "a console font";
    if (extension == ".bdf") return "a BDF font";
    if (extension == ".png") return "a PNG picture";
    if (extension == ".bmp") return "a BMP picture";
    return "";
}

FontReading raw(std::span<const uint8_t> file, int height) {
    FontReading reading;
    reading.raw = true;
    reading.height = height;
    reading.bytes.assign(file.begin(), file.end());
    return reading;
}

// gridlet's own pictures are read in the look and height their note names.
FontReading fromPicture(const PictureReading& picture, const std::string& note,
                        const GlyphLook& look, int height) {
    if (!picture.problem.empty()) return FontReading::refused(picture.problem);
    const std::optional<GlyphLook> own = lookOfNote(note);
    if (!own) return decodeGlyphPicture(picture.picture, look, height);
    const int noted = heightOfNote(note);
    if (noted == 0) return FontReading::refused("its note names no height of 1 to 32 rows");
    return decodeGlyphPicture(picture.picture, *own, noted);
}

} // namespace

std::string extensionOf(std::string_view name) {
    const size_t dot = name.find_last_of('.');
    const size_t slash = name.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return "";
    std::string extension(name.substr(dot));
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

FontReading decodeFontFile(std::span<const uint8_t> file, std::string_view name,
                           const GlyphLook& look, int height) {
    FontReading reading;
    if (isPng(file))
        reading = fromPicture(decodePng(file), pngText(file, pictureNoteKeyword), look, height);
    else if (isBmp(file) || (hasBmpMark(file) && extensionOf(name) == ".bmp"))
        reading = fromPicture(decodeBmp(file), bmpNote(file), look, height);
    else if (isPsf(file) || (hasPsfMark(file) && extensionOf(name) == ".psf"))
        reading = decodePsf(file);
    else if (isBdf(file))
        reading = decodeBdf(file);
    else if (extensionOf(name) == ".64c")
        reading = decodeC64Font(file);
    else if (const std::string claimed = formatNamed(name); !claimed.empty())
        return FontReading::refused("its name says " + claimed + ", but it holds none");
    else
        return raw(file, height);
    if (!reading.problem.empty() && rawName(name)) return raw(file, height);
    return reading;
}
