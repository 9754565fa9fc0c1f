// The renderers draw the same pixels whether a view is drawn whole or cell by cell through
// clips, which is what lets the refresh redraw only what changed; and a clip keeps every
// pixel outside it as it was.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "toolkit/drawing.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"
#include "views/charset_view.h"
#include "views/doubled_glyph.h"
#include "views/glyph_editor_view.h"
#include "views/map_view.h"

namespace {

using toolkit::PixelBuffer;

constexpr int canvasImage = 1;
constexpr int pictureImage = 2;

// The pixels the drawing leaves in a fresh grey image of the size.
PixelBuffer drawn(int width, int height, const std::function<void()>& draw) {
    toolkit::create_image(canvasImage, width, height);
    toolkit::start_drawing(toolkit::image_output(canvasImage));
    toolkit::draw_box(0, 0, width, height, 0x808080);
    draw();
    toolkit::stop_drawing();
    return *toolkit::image_output(canvasImage).buffer;
}

// The drawing done once per cell, each time clipped to that cell, which it is given.
std::function<void()> cellByCell(int columns, int rows,
                                 const std::function<void(const toolkit::Area&)>& draw) {
    return [=] {
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const toolkit::Area cell = cellArea({column, row}, 16);
                clipTo(cell);
                draw(cell);
            }
    };
}

Document busyDocument(uint32_t seed) {
    std::mt19937 random(seed);
    Document document;
    for (uint8_t& byte : document.charset) byte = uint8_t(random());
    for (auto& column : document.mapCells)
        for (int32_t& cell : column) cell = int32_t(random() % 256);
    document.mapWidth = 12;
    document.mapHeight = 7;
    document.paperColor = 0x102030;
    document.inkColor = 0xF0E0D0;
    return document;
}

class Renderers : public ::testing::Test {
  protected:
    void SetUp() override { toolkit::start_toolkit(); }
    void TearDown() override { toolkit::shut_down_toolkit(); }
    const Document document = busyDocument(7);
};

TEST_F(Renderers, CellByCellIsTheWholeDrawing) {
    const auto editor = [&] { drawGlyphEditor(document.glyph(65), glyphLook(document)); };
    const auto editorCells = cellByCell(8, 8, [&](const toolkit::Area&) { editor(); });
    EXPECT_EQ(drawn(128, 128, editorCells).pixels, drawn(128, 128, editor).pixels);

    for (const bool grid : {true, false}) {
        const auto wholeMap = [&] { drawMapCells(document, grid, {0, 0}, 12, 7); };
        const auto mapCells = cellByCell(12, 7, [&](const toolkit::Area& clip) {
            drawMapCells(document, grid, {clip.x / cellSize, clip.y / cellSize}, 1, 1);
        });
        EXPECT_EQ(drawn(192, 112, mapCells).pixels, drawn(192, 112, wholeMap).pixels) << grid;
    }

    const auto image = [&] {
        for (int code = 0; code < 256; ++code)
            drawCharsetImageCell(document.charset, code, glyphLook(document));
    };
    toolkit::create_image(pictureImage, 256, 256);
    toolkit::start_drawing(toolkit::image_output(pictureImage));
    image();
    toolkit::stop_drawing();
    const toolkit::ImageHandle handle = toolkit::image_handle(pictureImage);
    const Cell cursor{5, 9};
    const auto view = [&] { drawCharsetViewArea(handle, {0, 0, 256, 256}, cursor, 16); };
    const auto viewCells = cellByCell(
        16, 16, [&](const toolkit::Area& clip) { drawCharsetViewArea(handle, clip, cursor, 16); });
    EXPECT_EQ(drawn(256, 256, viewCells).pixels, drawn(256, 256, view).pixels);
}

// Every row byte, drawn narrow and wide, against the pixels one at a time: bit (or bit pair) by
// bit, each a box of 2 x 2 (wide, 4 x 2) in its colour.
TEST_F(Renderers, AGlyphCellIsItsPixelsOneByOne) {
    for (const GlyphLook& look : {GlyphLook{false, {0x102030, 0xF0E0D0, 0x102030, 0xF0E0D0}},
                                  GlyphLook{true, {0x000001, 0x000002, 0x000003, 0x000004}}}) {
        for (int first = 0; first < 256; first += 8) {
            std::array<uint8_t, 8> rows{};
            for (int k = 0; k < 8; ++k) rows[size_t(k)] = uint8_t(first + k);
            const PixelBuffer cell = drawn(16, 16, [&] { drawGlyphCell(rows, 0, 0, look); });
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const int row = rows[size_t(y / 2)];
                    const int bits =
                        look.wide ? (row >> (6 - 2 * (x / 4))) & 3 : (row >> (7 - x / 2)) & 1;
                    ASSERT_EQ(cell.color_at(x, y), look.colors[size_t(bits)])
                        << look.wide << " " << row << " at " << x;
                }
        }
    }
}

TEST_F(Renderers, AClipKeepsEveryPixelOutsideIt) {
    const PixelBuffer before = drawn(128, 128, [] {});
    const toolkit::Area cell = cellArea({2, 3}, 16);
    const PixelBuffer after = drawn(128, 128, [&] {
        clipTo(cell);
        drawGlyphEditor(document.glyph(200), glyphLook(document));
        drawMapCells(document, true, {0, 0}, 8, 7);
    });
    int changed = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool inside = x >= cell.x && x < cell.x + 16 && y >= cell.y && y < cell.y + 16;
            if (!inside) {
                ASSERT_EQ(after.color_at(x, y), before.color_at(x, y)) << x << "," << y;
            }
            changed += after.color_at(x, y) != before.color_at(x, y);
        }
    EXPECT_GT(changed, 0);
}

} // namespace
