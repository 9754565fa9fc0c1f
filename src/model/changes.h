// The glyphs and map cells that edits changed, as the views need to know them to redraw only
// those.
#pragma once

#include <bitset>
#include <cstddef>

#include "model/character_map.h"
#include "model/charset.h"

struct Changes {
    std::bitset<glyphCount> glyphs;
    std::bitset<size_t(mapColumns) * mapRows> cells; // column * mapRows + row

    static constexpr size_t cellIndex(int column, int row) {
        return size_t(column) * mapRows + size_t(row);
    }
    void markCell(int column, int row) { cells.set(cellIndex(column, row)); }
    bool cell(int column, int row) const { return cells[cellIndex(column, row)]; }
    bool any() const { return glyphs.any() || cells.any(); }
    Changes& operator|=(const Changes& more) {
        glyphs |= more.glyphs;
        cells |= more.cells;
        return *this;
    }
};
