// The built-in charsets as the "Charset" menu loads them: the glyphs written and kept, the
// machine's colours, what stays untouched, the redrawn views and the Atari screen-code flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "app/menu_ids.h"
#include "busy_charset.h"
#include "files/builtin_charsets.h"
#include "gridlet_harness.h"
#include "pixel_picture.h"
#include "shown_glyphs.h"

using namespace toolkit;

namespace {

struct CharsetCommand {
    int id;
    BuiltinCharset which;
    Color paper;
    Color ink;
};

constexpr CharsetCommand charsetCommands[] = {
    {charsetIbmCgaId, BuiltinCharset::ibmPcCga, 0x000000, 0xFFFFFF},
    {charsetIbm866Id, BuiltinCharset::ibmPc866, 0x000000, 0xFFFFFF},
    {charsetZxSpectrumId, BuiltinCharset::zxSpectrum, 0xCBCBCB, 0x000000},
    {charsetZx80Id, BuiltinCharset::zx80, 0xFFFFFF, 0x000000},
    {charsetJupiterAceId, BuiltinCharset::jupiterAce, 0x000000, 0xFFFFFF},
    {charsetC64Id, BuiltinCharset::c64Caps, 0x9B2C2E, 0xEB6D70},
    {charsetC64LowerId, BuiltinCharset::c64Lower, 0x9B2C2E, 0xEB6D70},
    {charsetAtariId, BuiltinCharset::atariXl, 0x9D4E01, 0xFDAE61},
    {charsetMicroshaId, BuiltinCharset::microsha, 0x000000, 0xFFFFFF},
    {charsetHexId, BuiltinCharset::hexNumbers, 0x000000, 0xFFFFFF}};

void choose(Gridlet& g, int id) {
    g.ui.choose_menu_item(mainWindow, id);
    g.run();
}

std::array<uint8_t, 8> rowsOfCode(const Charset& charset, int code) {
    std::array<uint8_t, 8> rows;
    std::copy_n(charset.begin() + code * 8, 8, rows.begin());
    return rows;
}

constexpr std::array<uint8_t, 8> blank{};
constexpr std::array<uint8_t, 8> fullBlock{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

bool glyphsEqual(const Charset& a, const Charset& b, int first, int last) {
    return std::equal(a.begin() + first * 8, a.begin() + (last + 1) * 8, b.begin() + first * 8);
}

std::string rowsText(const std::array<uint8_t, 8>& rows) {
    std::string text;
    for (uint8_t row : rows) text += (text.empty() ? "" : ",") + std::to_string(row);
    return text;
}

// Image 0 and every visible map cell show the charset in the state's colours.
void expectViewsShowTheCharset(const Gridlet& g) {
    for (int code = 0; code < 256; ++code)
        ASSERT_TRUE(
            showsGlyph(g.image(charsetImage), code % 16 * 16, code / 16 * 16, g.state, code));
    for (int row = 0; row < g.document().mapHeight; ++row)
        for (int column = 0; column < g.document().mapWidth; ++column)
            ASSERT_TRUE(showsGlyph(g.canvas(mapView), column * 16, row * 16, g.state,
                                   g.document().mapCells[column][row], true));
}

TEST(CharsetCommands, EachLoadsItsSetInItsColoursAndTouchesNothingElse) {
    for (const CharsetCommand& command : charsetCommands) {
        SCOPED_TRACE(command.id);
        Gridlet g;
        const Charset before = busyCharset(41);
        g.ui.run([&g, before] {
            g.state.editor.changeDocument().charset = before;
            g.state.editor.changeDocument().mapCells[7][3] = 200;
        });
        choose(g, mapC64Id);
        g.clickGlyph(77);
        g.ui.move_trackbar(beginRangeTrackbar, 10);
        g.ui.move_trackbar(endRangeTrackbar, 200);
        g.run();
        const MapCells map = g.document().mapCells;

        choose(g, command.id);
        // The set itself is checked on its own; here, that the menu item loads the right one
        // over what was there.
        Charset expected = before;
        loadBuiltinCharset(expected, command.which);
        EXPECT_EQ(g.document().charset, expected);
        EXPECT_EQ(g.document().paperColor, command.paper);
        EXPECT_EQ(g.document().inkColor, command.ink);
        EXPECT_EQ(g.state.editor.currentChar(), 77);
        EXPECT_EQ(g.gadgetState(beginRangeTrackbar), 10);
        EXPECT_EQ(g.gadgetState(endRangeTrackbar), 200);
        EXPECT_EQ(g.document().mapCells, map);
        EXPECT_EQ(g.document().mapWidth, 40);
        EXPECT_EQ(g.document().mapHeight, 25);
        EXPECT_EQ(g.gadgetText(dataField), rowsText(rowsOfCode(g.document().charset, 77)));
        expectViewsShowTheCharset(g);
    }
}

TEST(CharsetCommands, PartialSetsKeepWhatEarlierCommandsWrote) {
    Gridlet g;
    choose(g, mapAtariId);
    choose(g, charsetIbmCgaId);
    const Charset cga = g.document().charset;
    choose(g, charsetZxSpectrumId);
    EXPECT_TRUE(glyphsEqual(g.document().charset, cga, 144, 255));
    for (int code = 0; code < 32; ++code) EXPECT_EQ(rowsOfCode(g.document().charset, code), blank);
    // The kept CGA glyphs are drawn in the Spectrum's colours.
    expectViewsShowTheCharset(g);

    const Charset spectrum = g.document().charset;
    choose(g, charsetZx80Id);
    EXPECT_TRUE(glyphsEqual(g.document().charset, spectrum, 128, 255));
    EXPECT_EQ(rowsOfCode(g.document().charset, 64), fullBlock);
    EXPECT_EQ(countPixels(g.image(charsetImage), 0, 4 * 16, 16, 16, 0x000000), 256);
    expectViewsShowTheCharset(g);
}

TEST(CharsetCommands, C64CapsShowsBlankAndFullSpacesInItsColours) {
    Gridlet g;
    choose(g, charsetC64Id);
    const PixelBuffer& image = g.image(charsetImage);
    for (int code : {32, 96})
        EXPECT_EQ(countPixels(image, code % 16 * 16, code / 16 * 16, 16, 16, 0x9B2C2E), 256);
    for (int code : {160, 224})
        EXPECT_EQ(countPixels(image, code % 16 * 16, code / 16 * 16, 16, 16, 0xEB6D70), 256);
    g.clickGlyph(160);
    g.run();
    EXPECT_EQ(g.gadgetText(dataField), "255,255,255,255,255,255,255,255");
}

TEST(CharsetCommands, HexNumbersShowTheirRowsInTheDataField) {
    Gridlet g;
    choose(g, charsetHexId);
    g.clickGlyph(0xA5);
    g.run();
    EXPECT_EQ(g.gadgetText(dataField), "0,78,168,238,162,162,174,0"); // 00 4E A8 EE A2 A2 AE 00
}

TEST(CharsetCommands, AtariScreenCodesLastUntilTheNextMenuEventOfAnyKind) {
    // Commands of every kind, including ones that ask and are cancelled and an id without one.
    constexpr int nextCommands[] = {invertId,          dragCopyId, mapZxId, gridOnMapId,
                                    insertMapCharId,   inkColorId, openId,  charsetHexId,
                                    charsetMicroshaId, 99};
    Gridlet g;
    for (int next : nextCommands) {
        choose(g, charsetAtariId);
        ASSERT_TRUE(g.state.windows.atariCodes);
        // Choosing a glyph is no menu event: the flag stays.
        g.clickGlyph(33);
        g.run();
        EXPECT_TRUE(g.state.windows.atariCodes);
        choose(g, next);
        EXPECT_FALSE(g.state.windows.atariCodes) << next;
    }
    EXPECT_FALSE(g.ended);
}

} // namespace
