// The steps a user can undo and redo: the changes of every field that the table of the
// document's fields (document_fields.h) calls an edit. The settings there (the range, the drag
// mode, the grid, the pen) are left alone.
//
// A step keeps only what changed, as the exclusive-or of the old and new bytes: applied once it
// undoes the step, applied again it redoes it. The steps lie back to back in one block reserved
// once, so recording allocates nothing after the first step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/changes.h"
#include "model/document.h"

class UndoHistory {
  public:
    static constexpr size_t byteLimit = size_t(8) << 20;
    static constexpr size_t stepLimit = size_t(1) << 16;

    // Records the change from `before` to `after` as one step, after the last step undone or
    // redone: the steps that could have been redone are dropped. Nothing happens when the two
    // differ in nothing undoable, and the result is false. The oldest steps go when the history
    // would pass its limits.
    bool record(const Document& before, const Document& after);

    bool canUndo() const { return current_ > first_; }
    bool canRedo() const { return current_ < offsets_.size(); }
    // Takes the document back over the last step, or forward over the next one, and marks the
    // glyphs and cells it changes. Returns the code of the glyph the step changed when it
    // changed exactly one glyph, else -1.
    int undo(Document& document, Changes& changes);
    int redo(Document& document, Changes& changes);

    size_t steps() const { return offsets_.size() - first_; }
    size_t bytes() const { return arena_.size() - oldest(); }

  private:
    size_t oldest() const { return first_ < offsets_.size() ? offsets_[first_] : arena_.size(); }
    int apply(size_t step, Document& document, Changes& changes) const;
    void makeRoom(size_t size);

    std::vector<uint8_t> arena_; // the steps, oldest first; those before offsets_[first_] are gone
    std::vector<uint32_t> offsets_; // where each step starts
    size_t first_ = 0;              // the oldest step kept
    size_t current_ = 0;            // steps before it are done, from it on undone
};
