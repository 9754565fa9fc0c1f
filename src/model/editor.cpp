#include "model/editor.h"

#include <utility>

void Editor::setCurrentChar(int code) {
    if (currentChar_ == uint8_t(code)) return;
    currentChar_ = uint8_t(code);
    ++revision_; // the kept session holds it, the undo history does not
}

Glyph Editor::changeGlyph(int code) {
    changed();
    unshown_.glyphs.set(size_t(code & 0xFF));
    return document_.glyph(code);
}

Charset& Editor::changeGlyphs(int first, int last) {
    changed();
    for (int code = first; code <= last; ++code) unshown_.glyphs.set(size_t(code));
    return document_.charset;
}

int32_t& Editor::changeCell(int column, int row) {
    changed();
    unshown_.markCell(column, row);
    return document_.mapCells[column][row];
}

MapCells& Editor::changeCells() {
    changed();
    unshown_.cells.set();
    return document_.mapCells;
}

void Editor::setMapSize(int width, int height) {
    changed();
    document_.mapWidth = width;
    document_.mapHeight = height;
}

void Editor::setColors(Color paper, Color ink) {
    changed();
    document_.paperColor = paper;
    document_.inkColor = ink;
}

Range& Editor::changeRange() {
    changed();
    return document_.range;
}

void Editor::setDragMode(DragMode mode) {
    changed();
    document_.dragMode = mode;
}

void Editor::setGridOnMap(bool shown) {
    changed();
    document_.gridOnMap = shown;
}

void Editor::setColorMode(ColorMode mode) {
    changed();
    document_.colorMode = mode;
}

void Editor::setMachineColors(const MachineColors& colors) {
    changed();
    document_.machineColors = colors;
}

void Editor::setC64Border(uint8_t color) {
    changed();
    document_.c64Border = uint8_t(color & 15);
}

uint8_t& Editor::changeCellColor(int column, int row) {
    changed();
    unshown_.markCell(column, row);
    return document_.mapColors[column][row];
}

MapColors& Editor::changeCellColors() {
    changed();
    unshown_.cells.set();
    return document_.mapColors;
}

void Editor::setPen(Pen pen) {
    changed();
    document_.pen = Pen(pen & 3);
}

TextEncoding& Editor::changeTextEncoding() {
    changed();
    return document_.textEncoding;
}

Document& Editor::changeDocument() {
    changed();
    unshown_.glyphs.set();
    unshown_.cells.set();
    return document_;
}

void Editor::startHistory() {
    history_ = UndoHistory{};
    undoBase_ = document_;
    unrecorded_ = false;
}

void Editor::record() {
    if (unrecorded_ && history_.record(undoBase_, document_)) undoBase_ = document_;
    unrecorded_ = false;
}

void Editor::recordStep() {
    if (!stroking_) record();
}

std::optional<int> Editor::takeStep(bool back) {
    record();
    if (!(back ? history_.canUndo() : history_.canRedo())) return std::nullopt;
    const int glyph =
        back ? history_.undo(document_, unshown_) : history_.redo(document_, unshown_);
    undoBase_ = document_;
    stroking_ = false;
    ++revision_;
    return glyph;
}

Changes Editor::takeUnshownChanges() {
    return std::exchange(unshown_, Changes{});
}
