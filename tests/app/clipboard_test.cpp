// Cut, copy and paste through the event loop, with the desktop's clipboard as the headless
// binding keeps it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "gridlet_harness.h"

using namespace toolkit;

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes letterA{0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00};

class Clipboard : public ::testing::Test {
  protected:
    void choose(int id) {
        g.ui.choose_menu_item(mainWindow, id);
        g.run();
    }
    Bytes glyphs(int first, int count) const {
        const auto start = g.document().charset.begin() + first * 8;
        return Bytes(start, start + count * 8);
    }
    void pasteText(const std::string& text, int at) {
        g.ui.clipboard = ClipboardData{.text = text};
        g.clickGlyph(at);
        choose(pasteId);
    }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const ShownMessage& message : g.ui.messages_shown) texts.push_back(message.text);
        g.ui.messages_shown.clear();
        return texts;
    }

    Gridlet g;
};

TEST_F(Clipboard, CopyPutsTheGlyphsAsTextPictureAndBytes) {
    g.ui.run([this] {
        std::copy(letterA.begin(), letterA.end(),
                  g.state.editor.changeDocument().charset.begin() + 65 * 8);
        g.state.editor.changeDocument().charset[66 * 8] = 0x81;
    });
    g.clickGlyph(65);
    g.run();
    g.state.editor.startHistory(); // the set-up is no step of the user's
    choose(copyId);
    EXPECT_EQ(g.ui.clipboard.text, "0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00\n");
    Bytes own{8}; // the height, then the rows
    own.insert(own.end(), letterA.begin(), letterA.end());
    EXPECT_EQ(g.ui.clipboard.own_bytes, own);
    const PixelBuffer& picture = g.ui.clipboard.picture;
    ASSERT_EQ(picture.width, 8);
    ASSERT_EQ(picture.height, 8);
    EXPECT_EQ(picture.color_at(2, 0), 0xFFFFFFu); // ink of 0x3C's third pixel
    EXPECT_EQ(picture.color_at(0, 0), 0x000000u);

    g.ui.move_trackbar(beginRangeTrackbar, 66);
    g.ui.move_trackbar(endRangeTrackbar, 65);
    g.ui.click_gadget(rangeCheckbox);
    choose(cutId);
    Bytes cut = own;
    cut.insert(cut.end(), {0x81, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(g.ui.clipboard.own_bytes, cut);
    EXPECT_EQ(g.ui.clipboard.picture.width, 16);
    EXPECT_EQ(glyphs(65, 2), Bytes(16, 0));
    EXPECT_EQ(g.state.editor.history().steps(), 1u); // the cut is one step
}

TEST_F(Clipboard, PasteReadsEveryTextForm) {
    const std::pair<const char*, Bytes> texts[] = {
        {"0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00", letterA},
        {".byte $3C,$66,$6E,$6E,$60,$62,$3C,$00 ; A", letterA},
        {"10 DATA &H3C,&H66,&H6E,&H6E\n20 DATA &H60,&H62,&H3C,&H00", letterA},
        {"  defb 3Ch,66h,6Eh,6Eh,60h,62h,3Ch,00h", letterA},
        {"60, 102, 110, 110, 96, 98, 60, 0", letterA},
        {"static const unsigned char font[1][8] = {\n"
         "    {0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00}, // 65 'A'\n};",
         letterA},
        {"3C 66 6E 6E 60 62 3C 00", letterA},
        {"..####..\n.##..##.\n.##.###.\n.##.###.\n.##.....\n.##...#.\n..####..\n........", letterA},
        {"%00111100 %01100110 0b01101110 %01101110 %01100000 %01100010 %00111100 %0", letterA},
    };
    for (const auto& [text, expected] : texts) {
        SCOPED_TRACE(text);
        pasteText(text, 100);
        EXPECT_EQ(glyphs(100, 1), expected);
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(Clipboard, PasteStopsAtTheLastGlyphAndSaysWhatDidNotFit) {
    Bytes ten(80);
    for (size_t i = 0; i < ten.size(); ++i) ten[i] = uint8_t(i + 1);
    g.ui.clipboard = ClipboardData{.own_type = "application/x-gridlet-glyphs", .own_bytes = ten};
    g.clickGlyph(250);
    choose(pasteId);
    EXPECT_EQ(glyphs(250, 6), Bytes(ten.begin(), ten.begin() + 48));
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"Pasted 6 of 10 glyphs: the set ends at glyph 255."}));
    EXPECT_EQ(g.state.editor.history().steps(), 1u);
}

TEST_F(Clipboard, PasteOfAPictureCutsItIntoCells) {
    // Two cells side by side, in colours near the ink and the paper: a stripe and a dot.
    PixelBuffer picture(16, 8, 0x101010);
    for (int x = 0; x < 8; ++x) picture.row(2)[x] = pixel_of(0xF0F0E0);
    picture.row(7)[15] = pixel_of(0xE0E0E0);
    g.ui.clipboard = ClipboardData{.picture = picture};
    g.clickGlyph(10);
    choose(pasteId);
    EXPECT_EQ(glyphs(10, 2), (Bytes{0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}));
}

TEST_F(Clipboard, NothingToPasteChangesNothingAndSaysWhy) {
    const Charset before = g.document().charset;
    for (const char* text : {"hello", "0x3C,0x66", "300,1,2,3,4,5,6,7", ""}) {
        pasteText(text, 40);
        EXPECT_EQ(messages().size(), 1u) << text;
    }
    g.ui.clipboard = ClipboardData{.picture = PixelBuffer(7, 30, 0)};
    choose(pasteId);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "The picture on the clipboard is smaller than one glyph of 8 x 8 "
                              "pixels."}));
    EXPECT_EQ(g.document().charset, before);
    EXPECT_EQ(g.state.editor.history().steps(), 0u);
}

TEST_F(Clipboard, ATextOverOneMebibyteIsRefusedUnread) {
    std::string text = "0x3C,0x66,0x6E,0x6E,0x60,0x62,0x3C,0x00";
    text.resize(size_t(1) << 20, ' ');
    pasteText(text, 7);
    EXPECT_EQ(glyphs(7, 1), letterA);
    EXPECT_TRUE(messages().empty());

    const Charset before = g.document().charset;
    pasteText(text + " ", 9);
    EXPECT_EQ(messages(), (std::vector<std::string>{"The text on the clipboard is larger than 1 "
                                                    "MiB: gridlet reads no more text than that."}));
    EXPECT_EQ(g.document().charset, before);
}

} // namespace
