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

CellBox selectedCells(const WindowsState& windows) {
    if (windows.typing.selection) return *windows.typing.selection;
    return {windows.typing.cursor.column, windows.typing.cursor.row, 1, 1};
}

void tell(const std::string& text) {
    message_requester("Paste", text, message_ok);
}

} // namespace

bool editsMapCells(const WindowsState& windows, int commandWindow) {
    return windows.typing.on && commandWindow == mapWindow;
}

void copyMapCells(const Editor& editor, const WindowsState& windows) {
    const Document& document = editor.document();
    const CellBox box = visiblePart(document, selectedCells(windows));
    const MapBlock block = copyMapBlock(document, box);
    if (block.codes.empty()) return;
    const ClipboardData data{.text = encodeMapText(block, document.textEncoding),
                             .picture = pixelBuffer(encodeMapBoxPicture(document, box)),
                             .own_type = cellsType,
                             .own_bytes = encodeMapBlock(block)};
    if (!set_clipboard(data))
        message_requester("Copy", "The clipboard could not take the cells.", message_ok);
}

void cutMapCells(Editor& editor, WindowsState& windows) {
    copyMapCells(editor, windows);
    fillMapBox(editor, selectedCells(windows), spaceCode(editor.document()), -1);
}

void pasteMapCells(Editor& editor, WindowsState& windows) {
    const ClipboardData held = get_clipboard(cellsType);
    const CellBox at = selectedCells(windows);
    const Document& document = editor.document();
    const int color = paintingColor(document.colorMode, document.machineColors);
    if (const std::optional<MapBlock> block = decodeMapBlock(held.own_bytes)) {
        pasteMapBlock(editor, *block, at.left, at.top, color);
    } else if (held.text.size() > largestClipboardText) {
        return tell(clipboardTextTooLarge);
    } else if (!held.text.empty()) {
        const MapTextReading reading = decodeMapText(held.text, document.textEncoding);
        pasteMapBlock(editor, reading.block, at.left, at.top, color);
        if (reading.missing) noteNoCode(windows.typing, reading.missing);
    } else {
        return tell("The clipboard holds no cells or text to paste: copy cells or text first.");
    }
}
