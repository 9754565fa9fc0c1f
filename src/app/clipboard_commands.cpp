#include "app/clipboard_commands.h"

#include <algorithm>
#include <span>
#include <string>

#include "editing/glyph_transforms.h"
#include "files/glyph_picture.h"
#include "files/glyph_text.h"
#include "toolkit/clipboard.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

// The MIME type of gridlet's own form: the glyphs' bytes, 8 a glyph.
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
    std::string problem; // why there are no glyphs
    int leftOver = 0;    // numbers or rows of the text after its last whole glyph
};

// The glyphs of the clipboard, the most exact form first.
Pasting clipboardGlyphs(const Document& document) {
    const ClipboardData held = get_clipboard(glyphsType);
    if (!held.own_bytes.empty() && held.own_bytes.size() % machineGlyphHeight == 0)
        return {held.own_bytes};
    if (held.text.size() > largestClipboardText) return {{}, clipboardTextTooLarge};
    Pasting pasting{
        {}, "The clipboard holds nothing to paste: copy glyphs, numbers or a picture first."};
    if (!held.text.empty()) {
        GlyphTextReading reading = decodeGlyphText(held.text);
        if (reading.problem.empty()) return {std::move(reading.glyphs), "", reading.leftOver};
        pasting.problem = reading.problem;
    }
    if (!held.picture.pixels.empty()) {
        pasting.glyphs =
            decodeGlyphCells(picture(held.picture), document.paperColor, document.inkColor);
        if (held.text.empty())
            pasting.problem = "The picture on the clipboard is smaller than one glyph of 8 x 8 "
                              "pixels.";
    }
    return pasting;
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
    ClipboardData data{
        .text = encodeGlyphText(bytes),
        .picture = pixelBuffer(encodeGlyphStrip(bytes, document.paperColor, document.inkColor)),
        .own_type = glyphsType,
        .own_bytes = std::vector<uint8_t>(bytes.begin(), bytes.end())};
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
    const std::vector<uint8_t>& glyphs = pasting.glyphs;
    const int height = editor.document().charset.height;
    const size_t start = size_t(editor.currentChar()) * height;
    const size_t room = charsetBytes(height) - start;
    std::copy_n(glyphs.begin(), std::min(glyphs.size(), room),
                editor.changeGlyphs(editor.currentChar()).bytes.begin() + ptrdiff_t(start));
    // Nothing is cut off unseen: the user is told, over the pasted glyphs.
    std::string cut;
    if (glyphs.size() > room)
        cut = "Pasted " + std::to_string(room / height) + " of " +
              std::to_string(glyphs.size() / height) + " glyphs: the set ends at glyph 255.";
    if (pasting.leftOver > 0)
        cut += (cut.empty() ? "" : "\n") + std::to_string(pasting.leftOver) +
               " numbers or rows at the end of the text did not make a whole glyph and were left "
               "out.";
    if (!cut.empty()) followUp.telling = Telling{"Paste", cut};
}
