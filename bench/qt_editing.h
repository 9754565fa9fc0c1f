// Ordinary editing on the Qt program, as Qt delivers it to the widgets: painting strokes over
// the glyph editor and arrow keys on the charset view. Each step waits until the program has
// handled what it raised and all three canvases have painted again.
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>

#include "qt_program.h"

// Strokes over the cells of the glyph editor (64 for glyphs of 8 rows) in reading order: the left
// button paints one pass, the right erases the next, so every move changes a pixel.
class GlyphStrokes {
  public:
    explicit GlyphStrokes(QtProgram& program);

    // The move to the next cell with the button held, to be sent to editor(); when a pass is
    // over, the next stroke is started first.
    QMouseEvent nextMove();
    QWidget* editor() const { return editor_; }
    // Flips the pixel of the cell of the last move in the program's glyph, without redrawing:
    // gives the glyph as it was before the move, and again as it is after.
    void flipPixel();

  private:
    void startStroke();
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held);

    QtProgram& program_;
    QWidget* editor_;
    Qt::MouseButton held_ = Qt::NoButton;
    int cell_ = -1; // a stroke starts at the first move
};

// Moves the cursor row by row with key taps on the charset view: fifteen steps right, then
// one down, as the headless scripts do.
class CursorKeys {
  public:
    explicit CursorKeys(QtProgram& program);

    // The key of the next step; the cursor moves when it is released.
    int nextKey() { return ++step_ % 16 == 0 ? Qt::Key_Down : Qt::Key_Right; }
    // Sends the key's press and release to the charset view and lets the program handle them.
    void tap(int key);

  private:
    QtProgram& program_;
    QWidget* view_;
    int step_ = 0;
};
