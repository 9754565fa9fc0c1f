#include "app/clipboard_commands.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "editing/glyph_transforms.h"
#include "files/glyph_picture.h"
#include "files/glyph_text.h"
#include "toolkit/clipboard.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

// The MIME types of gridlet's own form: the glyphs' height in a byte, then their rows; and the
// form of the versions that knew only glyphs of 8 rows, their bytes alone.
constexpr const char* glyphRowsType = "application/x-gridlet-glyph-rows";
constexpr const char* glyphsType = "application/x-gridlet-glyphs";

struct Selection {
    int first, last;
};

Selection selection(const Editor& editor) {
    const Range& range = editor.document().range;
    if (range.enabled) return {range.low(), range.high()};
    return {editor.currentChar(), editor.currentChar()};
}

std::span<const uint8_t> selectedBytes(const Editor& editor) {
    const auto [first, last] = selection(editor);
    return glyphsOf(editor.document().charset, first, last);
}

Picture picture(const PixelBuffer& buffer) {
    Picture out{buffer.width, buffer.height, std::vector<Color>(buffer.pixels.size())};
    std::transform(buffer.pixels.begin(), buffer.pixels.end(), out.pixels.begin(), color_of);
    return out;
}

void tell(const std::string& text) {
    message_requester("Paste", text, message_ok);
}

struct Pasting {
    std::vector<uint8_t> glyphs;
    int height = machineGlyphHeight; // the rows of each glyph
    std::string problem;             // why there are no glyphs
    int leftOver = 0;                // numbers or rows of the text after its last whole glyph
};

// gridlet's own form: the newer one with its height first, else the older one's 8-row glyphs.
std::optional<Pasting> ownGlyphs(const ClipboardData& held) {
    const std::vector<uint8_t>& own = held.own_bytes;
    if (own.size() > 1 && isGlyphHeight(own[0]) && (own.size() - 1) % own[0] == 0)
        return Pasting{{own.begin() + 1, own.end()}, own[0]};
    const ClipboardData old = get_clipboard(glyphsType);
    if (!old.own_bytes.empty() && old.own_bytes.size() % machineGlyphHeight == 0)
        return Pasting{old.own_bytes};
    return std::nullopt;
}

// The glyphs of the clipboard, the most exact form first; text and pictures at the set's height.
Pasting clipboardGlyphs(const Document& document) {
    const ClipboardData held = get_clipboard(glyphRowsType);
    if (std::optional<Pasting> own = ownGlyphs(held)) return std::move(*own);
    const int height = document.charset.height;
    if (held.text.size() > largestClipboardText) return {{}, height, clipboardTextTooLarge};
    Pasting pasting{{},
                    height,
                    "The clipboard holds nothing to paste: copy glyphs, numbers or a picture "
                    "first."};
    if (!held.text.empty()) {
        GlyphTextReading reading = decodeGlyphText(held.text, height);
        if (reading.problem.empty())
            return {std::move(reading.glyphs), height, "", reading.leftOver};
        pasting.problem = reading.problem;
    }
    if (!held.picture.pixels.empty()) {
        pasting.glyphs =
            decodeGlyphCells(picture(held.picture), document.paperColor, document.inkColor, height);
        if (held.text.empty())
            pasting.problem = "The picture on the clipboard is smaller than one glyph of 8 x " +
                              std::to_string(height) + " pixels.";
    }
    return pasting;
}

// Glyphs of `from` rows as glyphs of `to`: each one's top rows, with blank ones below. Says in
// `cut` whether rows with pixels were left out.
std::vector<uint8_t> withHeight(const std::vector<uint8_t>& glyphs, int from, int to, bool& cut) {
    std::vector<uint8_t> out;
    for (size_t glyph = 0; glyph + size_t(from) <= glyphs.size(); glyph += size_t(from))
        for (int row = 0; row < std::max(from, to); ++row) {
            const uint8_t bits = row < from ? glyphs[glyph + size_t(row)] : 0;
            if (row < to)
                out.push_back(bits);
            else
                cut |= bits != 0;
        }
    return out;
}

} // namespace

PixelBuffer pixelBuffer(const Picture& picture) {
    PixelBuffer buffer(picture.width, picture.height, 0);
    std::transform(picture.pixels.begin(), picture.pixels.end(), buffer.pixels.begin(), pixel_of);
    return buffer;
}

void copyGlyphs(const Editor& editor) {
    const std::span<const uint8_t> bytes = selectedBytes(editor);
    const Document& document = editor.document();
    const int height = document.charset.height;
    std::vector<uint8_t> own{uint8_t(height)};
    own.insert(own.end(), bytes.begin(), bytes.end());
    ClipboardData data{.text = encodeGlyphText(bytes, height),
                       .picture = pixelBuffer(
                           encodeGlyphStrip(bytes, document.paperColor, document.inkColor, height)),
                       .own_type = glyphRowsType,
                       .own_bytes = std::move(own)};
    if (!set_clipboard(data))
        message_requester("Copy", "The clipboard could not take the glyphs.", message_ok);
}

void cutGlyphs(Editor& editor) {
    copyGlyphs(editor);
    const auto [first, last] = selection(editor);
    transformGlyphRange(editor.changeGlyphs(first, last), first, last, clearMode);
}

void pasteGlyphs(Editor& editor, FollowUp& followUp) {
    const Pasting pasting = clipboardGlyphs(editor.document());
    if (pasting.glyphs.empty()) {
        tell(pasting.problem);
        return;
    }
    const int height = editor.document().charset.height;
    bool rowsCut = false;
    const std::vector<uint8_t> glyphs = withHeight(pasting.glyphs, pasting.height, height, rowsCut);
    const size_t start = size_t(editor.currentChar()) * height;
    const size_t room = charsetBytes(height) - start;
    std::copy_n(glyphs.begin(), std::min(glyphs.size(), room),
                editor.changeGlyphs(editor.currentChar()).bytes.begin() + ptrdiff_t(start));
    // Nothing is cut off unseen: the user is told, over the pasted glyphs.
    std::string cut;
    if (glyphs.size() > room)
        cut = "Pasted " + std::to_string(room / height) + " of " +
              std::to_string(glyphs.size() / height) + " glyphs: the set ends at glyph 255.";
    if (rowsCut)
        cut += (cut.empty() ? "" : "\n") + std::string("The glyphs copied were ") +
               std::to_string(pasting.height) + " rows tall: rows with pixels below row " +
               std::to_string(height) + " were left out.";
    if (pasting.leftOver > 0)
        cut += (cut.empty() ? "" : "\n") + std::to_string(pasting.leftOver) +
               " numbers or rows at the end of the text did not make a whole glyph and were left "
               "out.";
    if (!cut.empty()) followUp.telling = Telling{"Paste", cut};
}
