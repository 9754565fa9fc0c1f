#include "app/clipboard_commands.h"

#include <algorithm>
#include <span>
#include <string>

#include "app/refresh.h"
#include "editing/glyph_transforms.h"
#include "files/glyph_picture.h"
#include "files/glyph_text.h"
#include "toolkit/clipboard.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

// The MIME type of gridlet's own form: the glyphs' bytes, 8 a glyph.
constexpr const char* glyphsType = "application/x-gridlet-glyphs";

// 1 MiB holds a whole set many times over in any text form; past that it is no font.
constexpr size_t largestText = size_t(1) << 20;

struct Selection {
    int first, last;
};

Selection selection(const AppState& state) {
    const Range& range = state.document.range;
    if (range.enabled) return {range.low(), range.high()};
    return {state.currentChar, state.currentChar};
}

std::span<const uint8_t> selectedBytes(const AppState& state) {
    const auto [first, last] = selection(state);
    return std::span(state.document.charset)
        .subspan(size_t(first) * glyphBytes, size_t(last - first + 1) * glyphBytes);
}

PixelBuffer pixelBuffer(const Picture& picture) {
    PixelBuffer buffer(picture.width, picture.height, 0);
    std::transform(picture.pixels.begin(), picture.pixels.end(), buffer.pixels.begin(), pixel_of);
    return buffer;
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
Pasting clipboardGlyphs(const AppState& state) {
    const ClipboardData held = get_clipboard(glyphsType);
    if (!held.own_bytes.empty() && held.own_bytes.size() % glyphBytes == 0) return {held.own_bytes};
    if (held.text.size() > largestText)
        return {{},
                "The text on the clipboard is larger than 1 MiB: gridlet reads no more text than "
                "that."};
    Pasting pasting{
        {}, "The clipboard holds nothing to paste: copy glyphs, numbers or a picture first."};
    if (!held.text.empty()) {
        GlyphTextReading reading = decodeGlyphText(held.text);
        if (reading.problem.empty()) return {std::move(reading.glyphs), "", reading.leftOver};
        pasting.problem = reading.problem;
    }
    if (!held.picture.pixels.empty()) {
        const Document& document = state.document;
        pasting.glyphs =
            decodeGlyphCells(picture(held.picture), document.paperColor, document.inkColor);
        if (held.text.empty())
            pasting.problem = "The picture on the clipboard is smaller than one glyph of 8 x 8 "
                              "pixels.";
    }
    return pasting;
}

} // namespace

void copyGlyphs(AppState& state) {
    const std::span<const uint8_t> bytes = selectedBytes(state);
    const Document& document = state.document;
    ClipboardData data{
        .text = encodeGlyphText(bytes),
        .picture = pixelBuffer(encodeGlyphStrip(bytes, document.paperColor, document.inkColor)),
        .own_type = glyphsType,
        .own_bytes = std::vector<uint8_t>(bytes.begin(), bytes.end())};
    if (!set_clipboard(data))
        message_requester("Copy", "The clipboard could not take the glyphs.", message_ok);
}

void cutGlyphs(AppState& state) {
    copyGlyphs(state);
    const auto [first, last] = selection(state);
    transformGlyphRange(state.document.charset, first, last, clearMode, state.bitReverse,
                        state.rotateBuffer);
    requestRedraw(state, redrawGlyphViews);
}

void pasteGlyphs(AppState& state) {
    const Pasting pasting = clipboardGlyphs(state);
    if (pasting.glyphs.empty()) {
        tell(pasting.problem);
        return;
    }
    const std::vector<uint8_t>& glyphs = pasting.glyphs;
    const size_t start = size_t(state.currentChar) * glyphBytes;
    const size_t room = charsetBytes - start;
    std::copy_n(glyphs.begin(), std::min(glyphs.size(), room),
                state.document.charset.begin() + ptrdiff_t(start));
    requestRedraw(state, redrawGlyphViews);
    // Nothing is cut off unseen: the user is told, over the pasted glyphs.
    std::string cut;
    if (glyphs.size() > room)
        cut = "Pasted " + std::to_string(room / glyphBytes) + " of " +
              std::to_string(glyphs.size() / glyphBytes) + " glyphs: the set ends at glyph 255.";
    if (pasting.leftOver > 0)
        cut += (cut.empty() ? "" : "\n") + std::to_string(pasting.leftOver) +
               " numbers or rows at the end of the text did not make a whole glyph and were left "
               "out.";
    if (cut.empty()) return;
    refresh(state);
    tell(cut);
}
