#include "app/map_clipboard_commands.h"

#include "app/clipboard_commands.h"
#include "app/map_typing.h"
#include "charmap/map_blocks.h"
#include "files/map_clipboard.h"
#include "toolkit/clipboard.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

// The MIME type of gridlet's own cells.
constexpr const char* cellsType = "application/x-gridlet-cells";

CellBox selectedCells(const MapTyping& typing) {
    if (typing.selection) return *typing.selection;
    return {typing.cursor.column, typing.cursor.row, 1, 1};
}

void tell(const std::string& text) {
    message_requester("Paste", text, message_ok);
}

} // namespace

bool editsMapCells(const MapTyping& typing, int commandWindow) {
    return typing.on && commandWindow == mapWindow;
}

void copyMapCells(const Editor& editor, const MapTyping& typing) {
    const Document& document = editor.document();
    const CellBox box = visiblePart(document, selectedCells(typing));
    const MapBlock block = copyMapBlock(document, box);
    if (block.codes.empty()) return;
    const ClipboardData data{.text = encodeMapText(block, document.textEncoding),
                             .picture = pixelBuffer(encodeMapBoxPicture(document, box)),
                             .own_type = cellsType,
                             .own_bytes = encodeMapBlock(block)};
    if (!set_clipboard(data))
        message_requester("Copy", "The clipboard could not take the cells.", message_ok);
}

void cutMapCells(Editor& editor, MapTyping& typing) {
    copyMapCells(editor, typing);
    fillMapBox(editor, selectedCells(typing), spaceCode(editor.document()), -1);
}

void pasteMapCells(Editor& editor, MapTyping& typing) {
    const ClipboardData held = get_clipboard(cellsType);
    const CellBox at = selectedCells(typing);
    const Document& document = editor.document();
    const int color = paintingColor(document.colorMode, document.machineColors);
    if (const std::optional<MapBlock> block = decodeMapBlock(held.own_bytes)) {
        pasteMapBlock(editor, *block, at.left, at.top, color);
    } else if (held.text.size() > largestClipboardText) {
        return tell(clipboardTextTooLarge);
    } else if (!held.text.empty()) {
        const MapTextReading reading = decodeMapText(held.text, document.textEncoding);
        pasteMapBlock(editor, reading.block, at.left, at.top, color);
        if (reading.missing) noteNoCode(typing, reading.missing);
    } else {
        return tell("The clipboard holds no cells or text to paste: copy cells or text first.");
    }
}
