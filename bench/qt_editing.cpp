#include "qt_editing.h"

#include <QCoreApplication>

#include <algorithm>

#include "app/app_state.h"
#include "app/refresh.h"
#include "views/glyph_editor_view.h"

namespace {

// The centre of the editor's square of pixel `cell` of glyphs of the height, counted row by row.
QPoint cellCentre(int cell, int glyphHeight) {
    const int side = editorSquare(glyphHeight);
    return {(cell % 8) * side + side / 2, (cell / 8) * side + side / 2};
}

int glyphPixels(const QtProgram& program) {
    return 8 * program.state.editor.document().charset.height;
}

} // namespace

// The strokes start on a blank glyph, so that the first pass too paints a pixel at every move.
GlyphStrokes::GlyphStrokes(QtProgram& program)
    : program_(program), editor_(program.widget(glyphEditor)) {
    Editor& editor = program.state.editor;
    std::ranges::fill(editor.changeGlyph(editor.currentChar()), uint8_t(0));
    refresh(program.state);
    program.repaintCanvases();
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton); // the pointer enters the editor
}

QMouseEvent GlyphStrokes::nextMove() {
    if (++cell_ == glyphPixels(program_) || cell_ == 0) startStroke();
    return QtProgram::mouseEvent(editor_, QEvent::MouseMove,
                                 cellCentre(cell_, program_.state.editor.document().charset.height),
                                 Qt::NoButton, held_);
}

// Marked as the program marks a painted pixel: one glyph changed, not the whole document.
void GlyphStrokes::flipPixel() {
    Editor& editor = program_.state.editor;
    uint8_t& row = editor.changeGlyph(editor.currentChar())[cell_ / 8];
    row = uint8_t(row ^ (128 >> (cell_ % 8)));
}

void GlyphStrokes::startStroke() {
    if (held_ != Qt::NoButton) send(QEvent::MouseButtonRelease, held_, Qt::NoButton);
    held_ = held_ == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    send(QEvent::MouseButtonPress, held_, held_);
    cell_ = 1;
}

// At the first cell, where every stroke starts and ends. Only a press paints.
void GlyphStrokes::send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event = QtProgram::mouseEvent(
        editor_, type, cellCentre(0, program_.state.editor.document().charset.height), button,
        held);
    QCoreApplication::sendEvent(editor_, &event);
    program_.handleQueuedEvents();
    if (type == QEvent::MouseButtonPress)
        program_.repaintCanvases();
    else
        QCoreApplication::processEvents();
}

CursorKeys::CursorKeys(QtProgram& program)
    : program_(program), view_(program.widget(charsetView)) {}

void CursorKeys::tap(int key) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QCoreApplication::sendEvent(view_, &event);
        program_.handleQueuedEvents();
    }
    program_.repaintCanvases();
}
