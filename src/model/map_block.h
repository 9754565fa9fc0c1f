// A rectangle of map cells taken out of the map, to put back elsewhere: the clipboard's cells.
#pragma once

#include <cstdint>
#include <vector>

// Cells from (left, top), width x height of them.
struct CellBox {
    int left = 0, top = 0, width = 0, height = 0;

    bool operator==(const CellBox&) const = default;
};

// Row by row. A code of -1 leaves its cell as it is; without colours the cells keep theirs, or
// take the painting colour.
struct MapBlock {
    int width = 0, height = 0;
    std::vector<int32_t> codes;
    std::vector<uint8_t> colors; // empty, or one a cell
};
