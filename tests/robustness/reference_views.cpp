#include "reference_views.h"

#include <algorithm>

#include "model/glyph_look.h"

using toolkit::Color;
using toolkit::PixelBuffer;

namespace {

uint8_t glyphRow(const AppState& state, int code, int row) {
    const Charset& charset = state.editor.document().charset;
    return charset[size_t(code * charset.height + row)];
}

// A glyph's cell on the charset picture and the map is 16 wide and two pixels a row tall.
int cellHeight(const AppState& state) {
    return 2 * state.editor.document().charset.height;
}

// Pixel column 0..7 of a glyph row as the look shows it: narrow, its bit in ink or paper;
// wide, the colour of the bit pair it lies in.
Color lookColor(const GlyphLook& look, uint8_t row, int column) {
    if (!look.wide) return (row >> (7 - column)) & 1 ? look.ink() : look.paper();
    return look.colors[size_t((row >> (6 - (column & ~1))) & 3)];
}

void setPixel(PixelBuffer& buffer, int x, int y, Color color) {
    buffer.row(y)[x] = toolkit::pixel_of(color);
}

} // namespace

PixelBuffer referenceCharsetImage(const AppState& state) {
    const GlyphLook look = glyphLook(state.editor.document());
    const int tall = cellHeight(state);
    PixelBuffer image(256, 16 * tall, 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < 256; ++x) {
            const int code = (y / tall) * 16 + x / 16;
            setPixel(image, x, y,
                     lookColor(look, glyphRow(state, code, (y % tall) / 2), (x % 16) / 2));
        }
    }
    return image;
}

PixelBuffer referenceGlyphEditor(const AppState& state) {
    const GlyphLook look = glyphLook(state.editor.document());
    // Squares of 16 for up to 8 rows, else as large as lets every row fit the 128 pixels; the
    // canvas beyond the grid is grey. A wide pixel's square spans two, without the grid line
    // between them.
    const int rows = state.editor.document().charset.height;
    const int side = rows <= 8 ? 16 : 128 / rows, squareWidth = look.wide ? 2 * side : side;
    PixelBuffer editor(128, 128, look.paper());
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool upright = x % squareWidth == 0, across = y % side == 0;
            const bool inSquare = x % squareWidth < squareWidth - 1 && y % side < side - 1;
            if (x >= 8 * side || y >= rows * side) {
                setPixel(editor, x, y, 0x808080);
            } else if (upright || across) {
                // Along a vertical line the dots alternate down it, along a horizontal one
                // across it, which is drawn last; where the lines cross at even coordinates,
                // white.
                const int along = across ? x : y;
                setPixel(editor, x, y, along % 2 == 0 ? 0xFFFFFF : 0x000000);
            } else if (inSquare) {
                const uint8_t row = glyphRow(state, state.editor.currentChar(), y / side);
                setPixel(editor, x, y, lookColor(look, row, x / side));
            }
        }
    }
    return editor;
}

PixelBuffer referenceMap(const AppState& state) {
    const Document& document = state.editor.document();
    const int tall = cellHeight(state);
    PixelBuffer map(document.mapWidth * 16, document.mapHeight * tall, 0);
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const int inX = x % 16, inY = y % tall;
            const CellLook cell = mapCellLook(document, x / 16, y / tall);
            const GlyphLook& look = cell.look;
            Color color = lookColor(look, glyphRow(state, cell.code, inY / 2), inX / 2);
            if (document.gridOnMap && inX == 0)
                color = inY % 2 == 0 ? look.paper() : look.ink(); // left edge
            else if (document.gridOnMap && inY == 0)
                color = inX % 2 == 0 ? look.ink() : look.paper(); // top edge
            setPixel(map, x, y, color);
        }
    }
    // While typing: the selection's edge in yellow, the cursor's cell edge in green over it.
    const WindowsState& windows = state.windows;
    const auto outline = [&map](int left, int top, int right, int bottom, Color color) {
        for (int y = std::max(top, 0); y <= std::min(bottom, map.height - 1); ++y)
            for (int x = std::max(left, 0); x <= std::min(right, map.width - 1); ++x)
                if (x == left || x == right || y == top || y == bottom) setPixel(map, x, y, color);
    };
    if (windows.typing.selection) {
        const CellBox& box = *windows.typing.selection; // only its part on the map
        const int right = std::min(box.left + box.width, document.mapWidth);
        const int bottom = std::min(box.top + box.height, document.mapHeight);
        if (right > box.left && bottom > box.top)
            outline(box.left * 16, box.top * tall, right * 16 - 1, bottom * tall - 1, 0x00FFFF);
    }
    const Cell cursor = windows.typing.cursor;
    if (windows.typing.on && cursor.column < document.mapWidth && cursor.row < document.mapHeight)
        outline(cursor.column * 16, cursor.row * tall, cursor.column * 16 + 15,
                cursor.row * tall + tall - 1, 0x00FF00);
    return map;
}

std::string referenceDataText(const AppState& state) {
    std::string text;
    const int rows = state.editor.document().charset.height;
    for (int row = 0; row < rows; ++row) {
        if (row > 0) text += rows > 8 && row % 4 == 0 ? ",\n" : ",";
        text += std::to_string(glyphRow(state, state.editor.currentChar(), row));
    }
    return text;
}

std::string pixelDifference(const PixelBuffer& shown, const PixelBuffer& expected) {
    if (shown.width != expected.width || shown.height != expected.height) {
        return "size " + std::to_string(shown.width) + "x" + std::to_string(shown.height) +
               " instead of " + std::to_string(expected.width) + "x" +
               std::to_string(expected.height);
    }
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            if (shown.color_at(x, y) != expected.color_at(x, y)) {
                return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                       std::to_string(shown.color_at(x, y)) + " instead of " +
                       std::to_string(expected.color_at(x, y));
            }
        }
    }
    return "";
}

std::string differenceBesideOutline(const PixelBuffer& shown, const PixelBuffer& expected,
                                    Color outline, int cellHeight) {
    if (shown.width < expected.width || shown.height < expected.height)
        return "size " + std::to_string(shown.width) + "x" + std::to_string(shown.height);
    int outlinedCell = -1;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (shown.color_at(x, y) == expected.color_at(x, y)) continue;
            const bool onBorder = x % 16 == 0 || x % 16 == 15 || y % cellHeight == 0 ||
                                  y % cellHeight == cellHeight - 1;
            const int cell = (y / cellHeight) * 1000 + x / 16;
            if (shown.color_at(x, y) != outline || !onBorder ||
                (outlinedCell >= 0 && cell != outlinedCell)) {
                return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                       std::to_string(shown.color_at(x, y)) + " instead of " +
                       std::to_string(expected.color_at(x, y));
            }
            outlinedCell = cell;
        }
    }
    return "";
}
