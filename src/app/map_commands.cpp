#include "app/map_commands.h"

#include <type_traits>

#include "charmap/map_blocks.h"
#include "charmap/map_edits.h"
#include "toolkit/windows.h"

using namespace toolkit;

void fitMapWindow(const Document& document) {
    resize_gadget(mapView, 0, 0, cellSize * document.mapWidth,
                  glyphCellHeight(document.charset.height) * document.mapHeight);
    resize_window(mapWindow, keep_value, keep_value, gadget_width(mapView), gadget_height(mapView));
}

void setMapSize(Editor& editor, MapSize size) {
    editor.setMapSize(size.width, size.height);
    fitMapWindow(editor.document());
    hide_window(mapWindow, 0);
}

void fillMapWithCurrentChar(Editor& editor, const MapTyping& typing) {
    const Document& document = editor.document();
    if (typing.selection) {
        fillMapBox(editor, *typing.selection, editor.currentChar(),
                   paintingColor(document.colorMode, document.machineColors));
        return;
    }
    fillMap(editor.changeCells(), document.mapWidth, document.mapHeight, editor.currentChar());
    if (const int color = paintingColor(document.colorMode, document.machineColors); color >= 0)
        fillMap(editor.changeCellColors(), document.mapWidth, document.mapHeight, uint8_t(color));
}

void toggleGrid(Editor& editor) {
    editor.setGridOnMap(!editor.document().gridOnMap);
}

void editMap(Editor& editor, PointerState& pointer, MapEdit edit) {
    const Cell cell = pointer.popupCell;
    if (cell.column < 0 || cell.row < 0) return;
    const Document& document = editor.document();
    // The colours move with the codes; a cell the edit empties takes the painting colour, or in
    // a mode without cell colours keeps the start colour.
    const int painting = paintingColor(document.colorMode, document.machineColors);
    const auto blankColor = uint8_t(painting >= 0 ? painting : startCellColor);
    const auto apply = [&](auto& cells, auto blank) {
        using Grid = std::remove_reference_t<decltype(cells)>;
        using Edit = void (*)(Grid&, int, int, int, int, CellOf<Grid>);
        static constexpr Edit edits[] = {insertMapChar, deleteMapChar,   insertMapLine,
                                         deleteMapLine, insertMapColumn, deleteMapColumn};
        edits[int(edit)](cells, document.mapWidth, document.mapHeight, cell.column, cell.row,
                         blank);
    };
    apply(editor.changeCells(), 0);
    apply(editor.changeCellColors(), blankColor);
    pointer.popupCell = {-1, -1};
}
