#include "charmap/map_blocks.h"

#include <algorithm>

namespace {

// Writes only what differs, so that an unchanged cell is no edit.
void writeCell(Editor& editor, int column, int row, int32_t code, int color) {
    const Document& document = editor.document();
    if (document.mapCells[size_t(column)][size_t(row)] != code)
        editor.changeCell(column, row) = code;
    if (color >= 0 && document.mapColors[size_t(column)][size_t(row)] != color)
        editor.changeCellColor(column, row) = uint8_t(color);
}

} // namespace

CellBox visiblePart(const Document& document, CellBox box) {
    const int left = std::max(box.left, 0), top = std::max(box.top, 0);
    const int right = std::min(box.left + box.width, document.mapWidth);
    const int bottom = std::min(box.top + box.height, document.mapHeight);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

MapBlock copyMapBlock(const Document& document, CellBox box) {
    box = visiblePart(document, box);
    MapBlock block{box.width, box.height, {}, {}};
    block.codes.reserve(size_t(box.width) * size_t(box.height));
    block.colors.reserve(block.codes.capacity());
    for (int row = box.top; row < box.top + box.height; ++row)
        for (int column = box.left; column < box.left + box.width; ++column) {
            block.codes.push_back(document.mapCells[size_t(column)][size_t(row)]);
            block.colors.push_back(document.mapColors[size_t(column)][size_t(row)]);
        }
    return block;
}

void pasteMapBlock(Editor& editor, const MapBlock& block, int column, int row, int color) {
    const CellBox target = visiblePart(editor.document(), {column, row, block.width, block.height});
    const bool ownColors = block.colors.size() == block.codes.size();
    for (int y = target.top; y < target.top + target.height; ++y)
        for (int x = target.left; x < target.left + target.width; ++x) {
            const size_t at = size_t(y - row) * size_t(block.width) + size_t(x - column);
            if (block.codes[at] < 0) continue;
            writeCell(editor, x, y, block.codes[at], ownColors ? block.colors[at] : color);
        }
}

void fillMapBox(Editor& editor, CellBox box, int32_t code, int color) {
    box = visiblePart(editor.document(), box);
    for (int row = box.top; row < box.top + box.height; ++row)
        for (int column = box.left; column < box.left + box.width; ++column)
            writeCell(editor, column, row, code, color);
}
