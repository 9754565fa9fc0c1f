// The refresh works out what to redraw from what changed: each kind of change redraws the views
// that show it, only where they show it, and nothing else.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cctype>
#include <functional>
#include <string>

#include "app/menu_ids.h"
#include "gridlet_harness.h"

using namespace toolkit;

namespace {

constexpr int64_t cell = 16 * 16; // a glyph's cell on the charset view and the map, a pixel's
                                  // cell on the glyph editor
constexpr int64_t wholeCharsetView = 256 * 256, wholeEditor = 128 * 128, wholeMap = 40 * 24 * cell;

struct Drawn {
    int64_t charsetView, glyphEditor, map;
    bool operator==(const Drawn&) const = default;
};

void PrintTo(const Drawn& drawn, std::ostream* out) {
    *out << "{charset view " << drawn.charsetView << ", glyph editor " << drawn.glyphEditor
         << ", map " << drawn.map << "}";
}

struct Change {
    const char* name;
    std::function<void(Gridlet&)> make;
    Drawn expected;
};

void PrintTo(const Change& change, std::ostream* out) {
    *out << change.name;
}

// The glyph editor redraws the pixels that differ between the two glyphs.
int64_t pixelsBetween(const Gridlet& g, int code, int other) {
    int64_t pixels = 0;
    for (int row = 0; row < machineGlyphHeight; ++row)
        pixels +=
            std::popcount(unsigned(g.document().glyph(code)[row] ^ g.document().glyph(other)[row]));
    return pixels * cell;
}

// The C64 set, the map at 40 x 24 with code 32 in every cell, and the current char 0 ("@"), which
// no cell holds.
void startWithFilledMap(Gridlet& g) {
    for (const int id : {int(charsetC64Id), int(mapAtariId)}) g.ui.choose_menu_item(mainWindow, id);
    g.clickGlyph(32);
    g.ui.choose_menu_item(mainWindow, fillMapId);
    g.clickGlyph(0);
    g.run();
}

const Change changes[] = {
    {"a pixel of the current glyph, which no cell holds",
     [](Gridlet& g) { g.ui.click_on_canvas(glyphEditor, button_left, 4, 7 * 16 + 4); },
     {cell, cell, 0}},
    {"a pixel of the glyph every cell holds",
     [](Gridlet& g) { g.ui.run([&g] { g.state.editor.changeGlyph(32)[7] ^= 1; }); },
     {cell, 0, wholeMap}},
    {"a map cell painted",
     [](Gridlet& g) { g.ui.click_on_canvas(mapView, button_left, 20, 20); },
     {0, 0, cell}},
    {"the cursor moved", [](Gridlet& g) { g.clickGlyph(65); }, {2 * cell, -1, 0}},
    {"the pointer over the map",
     [](Gridlet& g) {
         g.ui.move_on_canvas(mapView, 40, 40);
         g.run();
         g.ui.move_on_canvas(mapView, 41, 40);
     },
     {0, 0, cell}},
    {"the pointer over the charset view",
     [](Gridlet& g) {
         g.ui.move_on_canvas(charsetView, 40, 40);
         g.run();
         g.ui.move_on_canvas(charsetView, 41, 40);
     },
     {cell, 0, 0}},
    {"the grid on the map",
     [](Gridlet& g) { g.ui.choose_menu_item(mainWindow, gridOnMapId); },
     {0, 0, wholeMap}},
    // The resized canvas is shown whole, and then the refresh draws all of it.
    {"the map size",
     [](Gridlet& g) { g.ui.choose_menu_item(mainWindow, mapC64Id); },
     {0, 0, 2 * (wholeMap + 40 * cell)}},
    {"the paper colour",
     [](Gridlet& g) {
         g.ui.run([&g] { g.state.editor.setColors(0x123456, g.document().inkColor); });
     },
     {wholeCharsetView, wholeEditor, wholeMap}},
    {"the range, which no view shows",
     [](Gridlet& g) { g.ui.run([&g] { g.state.editor.changeRange().end = 9; }); },
     {0, 0, 0}},
    {"nothing", [](Gridlet& g) { g.ui.run([] {}); }, {0, 0, 0}},
};

class RefreshOf : public ::testing::TestWithParam<Change> {};

TEST_P(RefreshOf, RedrawsWhatShowsTheChangeAndNothingElse) {
    Gridlet g;
    startWithFilledMap(g);
    std::array<int64_t, 64>& drawn = g.ui.canvas_pixels_drawn_on;
    drawn = {};
    GetParam().make(g);
    g.run();
    Drawn expected = GetParam().expected;
    if (expected.glyphEditor < 0) expected.glyphEditor = pixelsBetween(g, 0, 65);
    EXPECT_EQ((Drawn{drawn[charsetView], drawn[glyphEditor], drawn[mapView]}), expected);
}

std::string testName(const ::testing::TestParamInfo<Change>& change) {
    std::string name;
    for (const char* c = change.param.name; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Changes, RefreshOf, ::testing::ValuesIn(changes), testName);

} // namespace
