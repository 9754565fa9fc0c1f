#include "model/undo_history.h"

#include <algorithm>
#include <cstring>

namespace {

// A step: this header, then the changed runs of the charset, then those of the map cells.
// Cells are stored in one byte each unless some value does not fit in a byte.
struct StepHeader {
    uint32_t size;
    int32_t widthChange, heightChange;
    Color paperChange, inkChange;
    int16_t glyph; // the one glyph changed, or -1
    uint16_t charsetRuns, mapRuns;
    uint8_t wideCells;
};

struct RunHeader {
    uint16_t start, length;
};

constexpr size_t cellCount = size_t(mapColumns) * mapRows;

int32_t cellAt(const MapCells& cells, size_t index) {
    return cells[index / mapRows][index % mapRows];
}
int32_t& cellAt(MapCells& cells, size_t index) {
    return cells[index / mapRows][index % mapRows];
}

// Calls run(start, length) for every run of positions where differs(position) holds.
template <typename Differs, typename Run> void forEachRun(size_t count, Differs differs, Run run) {
    for (size_t i = 0; i < count;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < count && differs(i) && i - start < UINT16_MAX) ++i;
        run(start, i - start);
    }
}

template <typename T> void put(uint8_t*& out, const T& value) {
    std::memcpy(out, &value, sizeof value);
    out += sizeof value;
}
template <typename T> T take(const uint8_t*& in) {
    T value;
    std::memcpy(&value, in, sizeof value);
    in += sizeof value;
    return value;
}

} // namespace

bool UndoHistory::record(const Document& before, const Document& after) {
    // Most events change nothing: a quick look first.
    if (before.charset == after.charset && before.mapCells == after.mapCells &&
        before.mapWidth == after.mapWidth && before.mapHeight == after.mapHeight &&
        before.paperColor == after.paperColor && before.inkColor == after.inkColor)
        return false;
    const auto charsetDiffers = [&](size_t i) { return before.charset[i] != after.charset[i]; };
    const auto cellDiffers = [&](size_t i) {
        return cellAt(before.mapCells, i) != cellAt(after.mapCells, i);
    };
    StepHeader header{0,
                      before.mapWidth ^ after.mapWidth,
                      before.mapHeight ^ after.mapHeight,
                      before.paperColor ^ after.paperColor,
                      before.inkColor ^ after.inkColor,
                      -1,
                      0,
                      0,
                      0};
    size_t size = sizeof header, changedGlyphs = 0;
    int lastGlyph = -1;
    forEachRun(charsetBytes, charsetDiffers, [&](size_t start, size_t length) {
        ++header.charsetRuns;
        size += sizeof(RunHeader) + length;
        for (size_t i = start; i < start + length; ++i) {
            if (int(i / glyphBytes) == lastGlyph) continue;
            lastGlyph = int(i / glyphBytes);
            ++changedGlyphs;
        }
    });
    size_t changedCells = 0;
    forEachRun(cellCount, cellDiffers, [&](size_t start, size_t length) {
        ++header.mapRuns;
        changedCells += length;
        for (size_t i = start; i < start + length; ++i)
            if ((cellAt(before.mapCells, i) ^ cellAt(after.mapCells, i)) & ~0xFF)
                header.wideCells = 1;
    });
    size += header.mapRuns * sizeof(RunHeader) + changedCells * (header.wideCells ? 4 : 1);
    if (header.charsetRuns == 0 && header.mapRuns == 0 && !header.widthChange &&
        !header.heightChange && !header.paperChange && !header.inkChange)
        return false;
    if (changedGlyphs == 1) header.glyph = int16_t(lastGlyph);
    header.size = uint32_t(size);

    makeRoom(size);
    offsets_.push_back(uint32_t(arena_.size()));
    arena_.resize(arena_.size() + size);
    uint8_t* out = arena_.data() + offsets_.back();
    put(out, header);
    forEachRun(charsetBytes, charsetDiffers, [&](size_t start, size_t length) {
        put(out, RunHeader{uint16_t(start), uint16_t(length)});
        for (size_t i = start; i < start + length; ++i)
            put(out, uint8_t(before.charset[i] ^ after.charset[i]));
    });
    forEachRun(cellCount, cellDiffers, [&](size_t start, size_t length) {
        put(out, RunHeader{uint16_t(start), uint16_t(length)});
        for (size_t i = start; i < start + length; ++i) {
            const int32_t change = cellAt(before.mapCells, i) ^ cellAt(after.mapCells, i);
            if (header.wideCells)
                put(out, change);
            else
                put(out, uint8_t(change));
        }
    });
    current_ = offsets_.size();
    return true;
}

// Drops what could have been redone, then the oldest steps until the new one fits the limits.
// The block is reserved whole at the first step; the kept steps move to its start only when
// the new one would pass its end.
void UndoHistory::makeRoom(size_t size) {
    if (arena_.capacity() == 0) {
        arena_.reserve(byteLimit);
        offsets_.reserve(stepLimit);
    }
    if (current_ < offsets_.size()) {
        arena_.resize(offsets_[current_]);
        offsets_.resize(current_);
    }
    while (first_ < offsets_.size() && (bytes() + size > byteLimit || steps() >= stepLimit))
        ++first_;
    if (arena_.size() + size <= byteLimit && offsets_.size() < stepLimit) return;
    const size_t gone = oldest();
    arena_.erase(arena_.begin(), arena_.begin() + ptrdiff_t(gone));
    offsets_.erase(offsets_.begin(), offsets_.begin() + ptrdiff_t(first_));
    for (uint32_t& offset : offsets_) offset -= uint32_t(gone);
    first_ = 0;
}

int UndoHistory::apply(size_t step, Document& document, Changes& changes) const {
    const uint8_t* in = arena_.data() + offsets_[step];
    const auto header = take<StepHeader>(in);
    document.mapWidth ^= header.widthChange;
    document.mapHeight ^= header.heightChange;
    document.paperColor ^= header.paperChange;
    document.inkColor ^= header.inkChange;
    for (int run = 0; run < header.charsetRuns; ++run) {
        const auto [start, length] = take<RunHeader>(in);
        for (size_t i = start; i < size_t(start) + length; ++i) {
            document.charset[i] ^= take<uint8_t>(in);
            changes.glyphs.set(i / glyphBytes);
        }
    }
    for (int run = 0; run < header.mapRuns; ++run) {
        const auto [start, length] = take<RunHeader>(in);
        for (size_t i = start; i < size_t(start) + length; ++i) {
            cellAt(document.mapCells, i) ^=
                header.wideCells ? take<int32_t>(in) : take<uint8_t>(in);
            changes.cells.set(i);
        }
    }
    return header.glyph;
}

int UndoHistory::undo(Document& document, Changes& changes) {
    if (!canUndo()) return -1;
    return apply(--current_, document, changes);
}

int UndoHistory::redo(Document& document, Changes& changes) {
    if (!canRedo()) return -1;
    return apply(current_++, document, changes);
}
