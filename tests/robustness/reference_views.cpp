#include "reference_views.h"

using toolkit::Color;
using toolkit::PixelBuffer;

namespace {

bool glyphBit(const AppState& state, int code, int row, int column) {
    return (state.editor.document().charset[size_t(code * 8 + row)] >> (7 - column)) & 1;
}

void setPixel(PixelBuffer& buffer, int x, int y, Color color) {
    buffer.row(y)[x] = toolkit::pixel_of(color);
}

} // namespace

PixelBuffer referenceCharsetImage(const AppState& state) {
    PixelBuffer image(256, 256, state.editor.document().paperColor);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const int code = (y / 16) * 16 + x / 16;
            if (glyphBit(state, code, (y % 16) / 2, (x % 16) / 2))
                setPixel(image, x, y, state.editor.document().inkColor);
        }
    }
    return image;
}

PixelBuffer referenceGlyphEditor(const AppState& state) {
    PixelBuffer editor(128, 128, state.editor.document().paperColor);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool onGrid = x % 16 == 0 || y % 16 == 0;
            const bool inSquare = x % 16 < 15 && y % 16 < 15;
            if (onGrid) {
                // Along a vertical line the dots alternate down it, along a horizontal one
                // across it; where the lines cross both coordinates are even, so white.
                const int along = x % 16 == 0 ? y : x;
                setPixel(editor, x, y, along % 2 == 0 ? 0xFFFFFF : 0x000000);
            } else if (inSquare && glyphBit(state, state.editor.currentChar(), y / 16, x / 16)) {
                setPixel(editor, x, y, state.editor.document().inkColor);
            }
        }
    }
    return editor;
}

PixelBuffer referenceMap(const AppState& state) {
    PixelBuffer map(state.editor.document().mapWidth * 16, state.editor.document().mapHeight * 16,
                    state.editor.document().paperColor);
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const int inX = x % 16, inY = y % 16;
            const int code =
                state.editor.document().mapCells[size_t(x / 16)][size_t(y / 16)] & 0xFF;
            Color color = glyphBit(state, code, inY / 2, inX / 2)
                              ? state.editor.document().inkColor
                              : state.editor.document().paperColor;
            if (state.editor.document().gridOnMap && inX == 0)
                color = inY % 2 == 0 ? state.editor.document().paperColor
                                     : state.editor.document().inkColor; // left edge
            else if (state.editor.document().gridOnMap && inY == 0)
                color = inX % 2 == 0 ? state.editor.document().inkColor
                                     : state.editor.document().paperColor; // top edge
            setPixel(map, x, y, color);
        }
    }
    return map;
}

std::string referenceDataText(const AppState& state) {
    std::string text;
    for (int row = 0; row < 8; ++row) {
        if (row > 0) text += ",";
        text += std::to_string(
            state.editor.document().charset[size_t(state.editor.currentChar() * 8 + row)]);
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
                                    Color outline) {
    if (shown.width < expected.width || shown.height < expected.height)
        return "size " + std::to_string(shown.width) + "x" + std::to_string(shown.height);
    int outlinedCell = -1;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (shown.color_at(x, y) == expected.color_at(x, y)) continue;
            const bool onBorder = x % 16 == 0 || x % 16 == 15 || y % 16 == 0 || y % 16 == 15;
            const int cell = (y / 16) * 1000 + x / 16;
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
