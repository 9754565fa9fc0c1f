#include "model/undo_history.h"

#include <array>
#include <cstring>
#include <type_traits>

#include "model/document_fields.h"

namespace {

// A field as undo keeps it: `count` units, each an unsigned integer as wide as the field's
// smallest part (a byte of the set, a cell's code); a struct's units are its bytes.
template <size_t bytes>
using UnsignedOf = std::conditional_t<
    bytes == 1, uint8_t,
    std::conditional_t<bytes == 2, uint16_t, std::conditional_t<bytes == 4, uint32_t, uint64_t>>>;

template <typename T> struct Units {
    using Unit = uint8_t;
    static constexpr size_t count = sizeof(T);
};
template <typename T>
requires std::is_arithmetic_v<T> || std::is_enum_v<T>
struct Units<T> {
    using Unit = UnsignedOf<sizeof(T)>;
    static constexpr size_t count = 1;
};
template <typename E, size_t n> struct Units<std::array<E, n>> {
    using Unit = typename Units<E>::Unit;
    static constexpr size_t count = n * Units<E>::count;
};

// A step: this header, then for each field it changes, in the table's order, a field header and
// the changed runs of its units, each a run header and the exclusive-or of the units, one byte
// each unless some change needs the unit's whole width.
struct StepHeader {
    uint32_t size;
    int16_t glyph; // the one glyph changed, or -1
    uint16_t fields;
};

struct FieldHeader {
    uint8_t row; // in documentFields
    uint8_t wide;
    uint16_t runs;
};

struct RunHeader {
    uint16_t start, length;
};

static_assert(documentFieldCount <= UINT8_MAX);

// The units of an edit field, checked once: its bytes are all its value's (no padding), and
// the run headers and the marks reach every unit.
template <typename Row> struct EditField {
    static constexpr const auto& field = Row::field;
    using Type = typename std::remove_cvref_t<decltype(field)>::Type;
    using Unit = typename Units<Type>::Unit;
    static constexpr size_t count = Units<Type>::count;
    static constexpr uint8_t row = uint8_t(Row::index);

    static_assert(std::has_unique_object_representations_v<Type>);
    static_assert(sizeof(Type) == count * sizeof(Unit));
    static_assert(count <= size_t(UINT16_MAX) + 1);
    static_assert(field.marks != Marks::glyphs ||
                  (std::is_same_v<Type, Charset> && sizeof(Unit) == 1));
    static_assert(field.marks != Marks::cells || count == size_t(mapColumns) * mapRows);

    static Unit unit(const Document& document, size_t i) {
        Unit value;
        std::memcpy(&value, bytesOf(document) + i * sizeof value, sizeof value);
        return value;
    }
    static void flip(Document& document, size_t i, Unit change) {
        const Unit value = Unit(unit(document, i) ^ change);
        std::memcpy(bytesOf(document) + i * sizeof value, &value, sizeof value);
    }
    static const uint8_t* bytesOf(const Document& document) {
        return reinterpret_cast<const uint8_t*>(&(document.*field.member));
    }
    static uint8_t* bytesOf(Document& document) {
        return reinterpret_cast<uint8_t*>(&(document.*field.member));
    }
};

// Calls visit(EditField<row>{}) for every field undo takes back.
template <typename Visit> void forEachEdit(Visit&& visit) {
    forEachDocumentField([&](auto row) {
        if constexpr (decltype(row)::field.undo == Undo::edit) visit(EditField<decltype(row)>{});
    });
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

// The glyph whose row is byte i of the set, or -1 past the glyphs: the height's own byte, or the
// rows a change of height cleared. A step that changes the height redraws every glyph anyway.
int glyphOfByte(const Charset& charset, size_t i) {
    return i < charsetBytes(charset.height) ? int(i / charset.height) : -1;
}

// Whether the two differ in nothing undo takes back. Most events change nothing, and the editor
// asks after each one that could have.
bool sameEdits(const Document& a, const Document& b) {
    return allDocumentFields([&](auto row) {
        constexpr const auto& field = decltype(row)::field;
        if constexpr (field.undo == Undo::edit)
            return a.*field.member == b.*field.member;
        else
            return true;
    });
}

} // namespace

bool UndoHistory::record(const Document& before, const Document& after) {
    if (sameEdits(before, after)) return false;
    // First the size: how many runs each field has, and whether any change is wider than a byte.
    std::array<FieldHeader, documentFieldCount> fields{};
    StepHeader header{0, -1, 0};
    size_t size = sizeof header, changedGlyphs = 0;
    int lastGlyph = -1;
    forEachEdit([&](auto edit) {
        using Edit = decltype(edit);
        FieldHeader& changed = fields[Edit::row];
        if (before.*Edit::field.member == after.*Edit::field.member) return;
        size_t units = 0;
        const auto differs = [&](size_t i) {
            return Edit::unit(before, i) != Edit::unit(after, i);
        };
        forEachRun(Edit::count, differs, [&](size_t start, size_t length) {
            ++changed.runs;
            units += length;
            for (size_t i = start; i < start + length; ++i) {
                if constexpr (sizeof(typename Edit::Unit) > 1)
                    if ((Edit::unit(before, i) ^ Edit::unit(after, i)) > 0xFF) changed.wide = 1;
                if constexpr (Edit::field.marks == Marks::glyphs) {
                    const int glyph = glyphOfByte(after.charset, i);
                    if (glyph == lastGlyph) continue;
                    lastGlyph = glyph;
                    ++changedGlyphs;
                }
            }
        });
        if (changed.runs == 0) return;
        changed.row = Edit::row;
        ++header.fields;
        size += sizeof changed + changed.runs * sizeof(RunHeader) +
                units * (changed.wide ? sizeof(typename Edit::Unit) : 1);
    });
    if (header.fields == 0) return false;
    if (changedGlyphs == 1) header.glyph = int16_t(lastGlyph);
    header.size = uint32_t(size);

    makeRoom(size);
    offsets_.push_back(uint32_t(arena_.size()));
    arena_.resize(arena_.size() + size);
    uint8_t* out = arena_.data() + offsets_.back();
    put(out, header);
    forEachEdit([&](auto edit) {
        using Edit = decltype(edit);
        const FieldHeader& changed = fields[Edit::row];
        if (changed.runs == 0) return;
        put(out, changed);
        const auto differs = [&](size_t i) {
            return Edit::unit(before, i) != Edit::unit(after, i);
        };
        forEachRun(Edit::count, differs, [&](size_t start, size_t length) {
            put(out, RunHeader{uint16_t(start), uint16_t(length)});
            for (size_t i = start; i < start + length; ++i) {
                const auto change =
                    typename Edit::Unit(Edit::unit(before, i) ^ Edit::unit(after, i));
                if (changed.wide)
                    put(out, change);
                else
                    put(out, uint8_t(change));
            }
        });
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
    size_t fieldsLeft = header.fields;
    FieldHeader next = fieldsLeft ? take<FieldHeader>(in) : FieldHeader{};
    forEachEdit([&](auto edit) {
        using Edit = decltype(edit);
        if (fieldsLeft == 0 || next.row != Edit::row) return;
        for (int run = 0; run < next.runs; ++run) {
            const auto [start, length] = take<RunHeader>(in);
            for (size_t i = start; i < size_t(start) + length; ++i) {
                using Unit = typename Edit::Unit;
                Edit::flip(document, i, next.wide ? take<Unit>(in) : Unit(take<uint8_t>(in)));
                if constexpr (Edit::field.marks == Marks::glyphs)
                    if (const int glyph = glyphOfByte(document.charset, i); glyph >= 0)
                        changes.glyphs.set(size_t(glyph));
                if constexpr (Edit::field.marks == Marks::cells) changes.cells.set(i);
            }
        }
        if (--fieldsLeft) next = take<FieldHeader>(in);
    });
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
