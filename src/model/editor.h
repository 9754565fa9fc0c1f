// The editor: the document, the current glyph and the undo history. Every edit reaches the
// document through it, so it knows what changed: the glyphs and cells the views have yet to
// show, whether there is an undo step to record, and a revision count for the kept session.
#pragma once

#include <cstdint>
#include <optional>

#include "model/changes.h"
#include "model/document.h"
#include "model/undo_history.h"

class Editor {
  public:
    const Document& document() const { return document_; }
    uint8_t currentChar() const { return currentChar_; }
    GlyphRows currentGlyph() const { return document_.glyph(currentChar_); }
    void setCurrentChar(int code);

    // Edits. Each gives the part of the document to change and records that it changes.
    Glyph changeGlyph(int code);
    Charset& changeGlyphs(int first = 0, int last = glyphCount - 1);
    int32_t& changeCell(int column, int row);
    MapCells& changeCells();
    void setMapSize(int width, int height);
    void setColors(Color paper, Color ink);
    Range& changeRange();
    void setDragMode(DragMode mode);
    void setGridOnMap(bool shown);
    void setColorMode(ColorMode mode);
    void setMachineColors(const MachineColors& colors);
    void setC64Border(uint8_t color);
    uint8_t& changeCellColor(int column, int row);
    MapColors& changeCellColors();
    void setPen(Pen pen);
    TextEncoding& changeTextEncoding();
    Document& changeDocument(); // any part, as a restored session or a test's set-up

    // A painting stroke, from button down to button up, becomes one undo step when it ends.
    bool stroking() const { return stroking_; }
    void setStroking(bool stroking) { stroking_ = stroking; }
    // The undo history starts from the document as it is now.
    void startHistory();
    // After every event: what changed since the last step becomes one, unless a stroke goes on.
    void recordStep();
    // A stroke still going on ends as a step of its own first. Return nothing when there was no
    // step to take, else the code of the glyph the step changed when it changed exactly one
    // glyph, else -1.
    std::optional<int> undo() { return takeStep(true); }
    std::optional<int> redo() { return takeStep(false); }
    const UndoHistory& history() const { return history_; }

    // Counts every change: the kept session compares it with the count it last kept.
    uint64_t revision() const { return revision_; }
    // The glyphs and cells changed since the views last took them.
    Changes takeUnshownChanges();

  private:
    void changed() {
        ++revision_;
        unrecorded_ = true;
    }
    void record();
    std::optional<int> takeStep(bool back);

    Document document_;
    uint8_t currentChar_ = 0;
    UndoHistory history_;
    Document undoBase_; // the document as of the last undo step
    bool stroking_ = false;
    bool unrecorded_ = false;
    uint64_t revision_ = 0;
    Changes unshown_;
};
