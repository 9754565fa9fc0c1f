#include "app/font_loading.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/whole_files.h"
#include "editing/charset_edits.h"
#include "files/font_file.h"
#include "files/font_formats.h"
#include "files/text_encoding.h"
#include "toolkit/files.h"

using namespace toolkit;

namespace {

// Larger files are read only as raw fonts, of which no more than the charset holds is used.
constexpr int64_t largestFontFile = int64_t(16) << 20;

// Why a file whose size is not positive cannot be loaded.
std::string unloadableReason(const std::string& name, int64_t size) {
    if (size == 0) return "it is empty";
    if (size == file_is_folder) return "it is a folder";
    if (open_file_for_reading(0, name)) { // there after all: it came meanwhile
        close_file(0);
        return "";
    }
    return last_file_problem();
}

} // namespace

std::string loadNoteText(const std::string& name, const std::string& note) {
    return name + "\n" + note + ".";
}

FontFileLoad readFontFile(const std::string& name, const GlyphLook& look, int height) {
    FontFileLoad load;
    load.size = file_size(name);
    if (load.size < 1) {
        load.failure = "No file";
        load.failureText = withReason(name, unloadableReason(name, load.size));
        return load;
    }
    const std::optional<std::vector<uint8_t>> bytes =
        readFile(name, std::min(load.size, largestFontFile));
    if (!bytes) {
        load.failure = "Read error";
        load.failureText = withReason(name, last_file_problem());
        return load;
    }
    load.readable = true;
    load.reading = decodeFontFile(*bytes, name, look, height);
    // Only a raw font may be larger: of it no more than the charset holds is used. Any other
    // format is refused by its size, whatever its cut-off start would have said.
    std::string problem = load.reading.problem;
    if (!load.reading.raw && load.size > largestFontFile)
        problem = "it is larger than any font gridlet reads";
    if (!problem.empty()) {
        load.failure = "Open File";
        load.failureText = "not read:" + name + "\n" + problem + ".";
    }
    return load;
}

std::string placeFontReading(Editor& editor, const FontReading& reading) {
    Charset& charset = editor.changeGlyphs();
    // The glyphs come at their own height, in the same undo step as they do.
    if (reading.height != charset.height) setGlyphHeight(charset, reading.height);
    for (const auto& [code, glyph] : reading.coded)
        std::copy_n(glyph.begin(), charset.height, glyphOf(charset, code).begin());
    const int first = reading.atCurrentChar ? editor.currentChar() : reading.firstCode;
    const size_t placed = placeFont(charset, first, reading.bytes);
    std::string tableNote;
    editor.changeTextEncoding() = fontEncoding(reading, first, tableNote);
    std::vector<std::string> notes;
    // Only the glyph rows of a header-less file run past the end unseen, as they always have.
    if (!reading.raw && placed < reading.bytes.size())
        notes.push_back(std::to_string((reading.bytes.size() - placed) / charset.height) +
                        " glyphs did not fit after glyph 255");
    for (const std::string& note : {reading.note, tableNote})
        if (!note.empty()) notes.push_back(note);
    std::string said;
    for (const std::string& note : notes) said += (said.empty() ? "" : ";\n") + note;
    return said;
}
