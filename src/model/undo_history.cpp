#include "model/undo_history.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>

namespace {

using MachineBytes = std::array<uint8_t, sizeof(MachineColors)>;
static_assert(std::is_trivially_copyable_v<MachineColors>);
// The encoding is kept as the changed runs of its bytes, which must all be its fields'.
static_assert(std::has_unique_object_representations_v<TextEncoding>);

// A step: this header, then the changed runs of the charset, then those of the map cells, then
// those of the cells' colours, then those of the text encoding's bytes. Cells are stored in one
// byte each unless some value does not fit in a byte.
struct StepHeader {
    uint32_t size;
    int32_t widthChange, heightChange;
    Color paperChange, inkChange;
    int16_t glyph; // the one glyph changed, or -1
    uint16_t charsetRuns, mapRuns, colorRuns, encodingRuns;
    uint8_t wideCells;
    uint8_t modeChange;
    MachineBytes machineChange;
};

struct RunHeader {
    uint16_t start, length;
};

constexpr size_t cellCount = size_t(mapColumns) * mapRows;

uint8_t colorAt(const MapColors& colors, size_t index) {
    return colors[index / mapRows][index % mapRows];
}
uint8_t& colorAt(MapColors& colors, size_t index) {
    return colors[index / mapRows][index % mapRows];
}

MachineBytes machineChange(const MachineColors& before, const MachineColors& after) {
    MachineBytes a{}, b{};
    std::memcpy(a.data(), &before, sizeof before);
    std::memcpy(b.data(), &after, sizeof after);
    for (size_t i = 0; i < a.size(); ++i) a[i] ^= b[i];
    return a;
}

void applyMachineChange(MachineColors& colors, const MachineBytes& change) {
    MachineBytes bytes{};
    std::memcpy(bytes.data(), &colors, sizeof colors);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] ^= change[i];
    std::memcpy(&colors, bytes.data(), sizeof colors);
}

const uint8_t* bytesOf(const TextEncoding& encoding) {
    return reinterpret_cast<const uint8_t*>(&encoding);
}
uint8_t* bytesOf(TextEncoding& encoding) {
    return reinterpret_cast<uint8_t*>(&encoding);
}

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
        before.paperColor == after.paperColor && before.inkColor == after.inkColor &&
        before.colorMode == after.colorMode && before.machineColors == after.machineColors &&
        before.mapColors == after.mapColors && before.textEncoding == after.textEncoding)
        return false;
    const auto charsetDiffers = [&](size_t i) { return before.charset[i] != after.charset[i]; };
    const auto cellDiffers = [&](size_t i) {
        return cellAt(before.mapCells, i) != cellAt(after.mapCells, i);
    };
    const auto colorDiffers = [&](size_t i) {
        return colorAt(before.mapColors, i) != colorAt(after.mapColors, i);
    };
    const uint8_t* encodingBefore = bytesOf(before.textEncoding);
    const uint8_t* encodingAfter = bytesOf(after.textEncoding);
    const auto encodingDiffers = [&](size_t i) { return encodingBefore[i] != encodingAfter[i]; };
    StepHeader header{};
    header.widthChange = before.mapWidth ^ after.mapWidth;
    header.heightChange = before.mapHeight ^ after.mapHeight;
    header.paperChange = before.paperColor ^ after.paperColor;
    header.inkChange = before.inkColor ^ after.inkColor;
    header.glyph = -1;
    header.modeChange = uint8_t(uint8_t(before.colorMode) ^ uint8_t(after.colorMode));
    header.machineChange = machineChange(before.machineColors, after.machineColors);
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
    forEachRun(cellCount, colorDiffers, [&](size_t, size_t length) {
        ++header.colorRuns;
        size += sizeof(RunHeader) + length;
    });
    forEachRun(sizeof(TextEncoding), encodingDiffers, [&](size_t, size_t length) {
        ++header.encodingRuns;
        size += sizeof(RunHeader) + length;
    });
    if (header.charsetRuns == 0 && header.mapRuns == 0 && header.colorRuns == 0 &&
        header.encodingRuns == 0 && !header.widthChange && !header.heightChange &&
        !header.paperChange && !header.inkChange && !header.modeChange &&
        before.machineColors == after.machineColors)
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
    forEachRun(cellCount, colorDiffers, [&](size_t start, size_t length) {
        put(out, RunHeader{uint16_t(start), uint16_t(length)});
        for (size_t i = start; i < start + length; ++i)
            put(out, uint8_t(colorAt(before.mapColors, i) ^ colorAt(after.mapColors, i)));
    });
    forEachRun(sizeof(TextEncoding), encodingDiffers, [&](size_t start, size_t length) {
        put(out, RunHeader{uint16_t(start), uint16_t(length)});
        for (size_t i = start; i < start + length; ++i)
            put(out, uint8_t(encodingBefore[i] ^ encodingAfter[i]));
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
    document.colorMode = ColorMode(uint8_t(document.colorMode) ^ header.modeChange);
    applyMachineChange(document.machineColors, header.machineChange);
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
    for (int run = 0; run < header.colorRuns; ++run) {
        const auto [start, length] = take<RunHeader>(in);
        for (size_t i = start; i < size_t(start) + length; ++i) {
            colorAt(document.mapColors, i) ^= take<uint8_t>(in);
            changes.cells.set(i);
        }
    }
    uint8_t* encoding = bytesOf(document.textEncoding);
    for (int run = 0; run < header.encodingRuns; ++run) {
        const auto [start, length] = take<RunHeader>(in);
        for (size_t i = start; i < size_t(start) + length; ++i) encoding[i] ^= take<uint8_t>(in);
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
