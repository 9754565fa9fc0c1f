// Fonts loaded through "Open...", Ctrl+O and drops on the charset view.
#include "file_command_test.h"

#include "files/psf_file.h"
#include "views/charset_image.h"

#include "toolkit/requesters.h"
#include "toolkit/texts.h"

namespace {

using FontOpen = FileCommandTest;

std::string dataFieldText(const Bytes& glyph) {
    std::string text;
    for (const uint8_t row : glyph) text += (text.empty() ? "" : ",") + std::to_string(row);
    return text;
}

TEST_F(FontOpen, RequesterStartsInTheLastFolderWithFontMapAllFormatsMapColoursAndProjects) {
    const toolkit::FileRequest request = cancelledRequester(openId);
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, "Please choose file to load");
    EXPECT_EQ(request.folder + "/", toolkit::current_directory());
    ASSERT_EQ(request.patterns.size(), 6u);
    EXPECT_EQ(request.patterns[0].description, "Font (*.fnt)");
    EXPECT_EQ(request.patterns[0].mask, "*.fnt");
    EXPECT_EQ(request.patterns[1].description, "Character map (*.map)");
    EXPECT_EQ(request.patterns[1].mask, "*.map");
    EXPECT_EQ(request.patterns[2].mask,
              "*.fnt;*.bin;*.ch8;*.chr;*.rom;*.64c;*.psf;*.bdf;*.png;*.bmp");
    EXPECT_EQ(request.patterns[3].description, "Character map colours (*.col)");
    EXPECT_EQ(request.patterns[3].mask, "*.col");
    EXPECT_EQ(request.patterns[4].description, "gridlet project (*.gridlet)");
    EXPECT_EQ(request.patterns[4].mask, "*.gridlet");
    EXPECT_EQ(request.patterns[5].mask, "*.ctm;*.vchar64proj;*.petmate");
    EXPECT_EQ(request.pattern_index, 0);
    // Cancelling changes nothing and says nothing.
    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.state.windows.files.lastFolder, toolkit::current_directory());
}

TEST_F(FontOpen, ControlOOpensTheSameRequester) {
    g.ui.press_key('O', toolkit::modifier_control);
    g.run();

    ASSERT_EQ(g.ui.file_requests.size(), 1u);
    EXPECT_EQ(g.ui.file_requests[0].title, "Please choose file to load");
}

TEST_F(FontOpen, FontFillsTheCharsetRedrawsAndRemembersItsFolder) {
    const Bytes noiseBytes = loadNoiseCharset();

    EXPECT_EQ(charsetPart(0, machineCharsetBytes), noiseBytes);
    EXPECT_EQ(g.state.windows.files.lastFolder, folder.path() + "/");
    EXPECT_EQ(g.gadgetText(dataField), dataFieldText(charsetPart(0, 8)));
    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.ui.file_requests.back().folder + "/", toolkit::current_directory());

    // The next requester starts where the font came from.
    EXPECT_EQ(cancelledRequester(openId).folder, folder.path());
}

TEST_F(FontOpen, ZxFontAnsweredYesGoesToTheSpaceCharacter) {
    const Bytes before = loadNoiseCharset();
    const Bytes font = noise(768, 96);
    folder.write("zx.fnt", font);
    g.ui.answer_message(toolkit::message_result_yes);
    openFont("zx.fnt");

    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].title, "ZX font");
    EXPECT_EQ(g.ui.messages_shown[0].text, "Do yo want to place at pos #32?");
    EXPECT_EQ(g.ui.messages_shown[0].flags, toolkit::message_yes_no);
    EXPECT_EQ(g.state.editor.currentChar(), 32);
    EXPECT_EQ(charsetCell(g.state.editor.currentChar()).column, 0);
    EXPECT_EQ(charsetCell(g.state.editor.currentChar()).row, 2);
    EXPECT_EQ(charsetPart(0, 256), Bytes(before.begin(), before.begin() + 256));
    EXPECT_EQ(charsetPart(256, 768), font);
    EXPECT_EQ(charsetPart(1024, 1024), Bytes(before.begin() + 1024, before.end()));
    EXPECT_EQ(g.gadgetText(dataField), dataFieldText(Bytes(font.begin(), font.begin() + 8)));
}

TEST_F(FontOpen, ZxFontAnsweredNoGoesToTheCurrentChar) {
    const Bytes before = loadNoiseCharset();
    const Bytes font = noise(768, 97);
    folder.write("zx.fnt", font);
    g.ui.answer_message(toolkit::message_result_no);
    openFont("zx.fnt");

    EXPECT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.state.editor.currentChar(), 0);
    EXPECT_EQ(charsetPart(0, 768), font);
    EXPECT_EQ(charsetPart(768, 1280), Bytes(before.begin() + 768, before.end()));
}

TEST_F(FontOpen, LongFileFillsOnlyUpToTheLastGlyph) {
    const Bytes before = loadNoiseCharset();
    const Bytes font = noise(2048, 200);
    folder.write("ibm.fnt", font);
    selectChar(200);
    openFont("ibm.fnt");

    EXPECT_EQ(charsetPart(0, 1600), Bytes(before.begin(), before.begin() + 1600));
    EXPECT_EQ(charsetPart(1600, 448), Bytes(font.begin(), font.begin() + 448));
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

TEST_F(FontOpen, FileEndingInsideAGlyphKeepsTheRestOfThatGlyph) {
    const Bytes before = loadNoiseCharset();
    const Bytes font = noise(1001, 1001);
    folder.write("odd.fnt", font);
    openFont("odd.fnt");

    EXPECT_EQ(charsetPart(0, 1001), font); // glyphs 0..124 and row 0 of glyph 125
    EXPECT_EQ(charsetPart(1001, 1047), Bytes(before.begin() + 1001, before.end()));
}

TEST_F(FontOpen, FontFileChosenUnderTheMapPatternLoadsAsAMap) {
    const Charset before = g.document().charset;
    folder.write("looks-like.fnt", {200, 201, 202});
    openMap("looks-like.fnt");

    EXPECT_EQ(g.document().charset, before);
    EXPECT_EQ(g.document().mapCells[0][0], 200);
    EXPECT_EQ(g.document().mapCells[2][0], 202);
    EXPECT_EQ(g.document().mapCells[3][0], 35); // past the file: as it was
    EXPECT_EQ(g.state.windows.files.mapFileName, folder / "looks-like.fnt");
    EXPECT_EQ(g.state.windows.files.lastFolder, folder.path() + "/");
}

// A console font is a font whatever type was chosen for it, wherever it comes from; bytes with
// no mark stay what they were chosen as, even when they start as a picture's header would; a
// project's name on bytes without its mark is refused for what it claims.
TEST_F(FontOpen, MarkedFilesOpenAsWhatTheyHoldUnmarkedOnesAsChosen) {
    Bytes glyphs = noise(machineCharsetBytes, 9);
    folder.write("font.psf", encodePsf(glyphs));
    folder.write("screen.map", encodePsf(glyphs));
    folder.write("bm.map", {'B', 'M', 1, 2});
    folder.write("fake.gridlet", {1, 2, 3});
    const auto mapCells = [this] {
        const Document& document = g.document();
        return Bytes{uint8_t(document.mapCells[0][0]), uint8_t(document.mapCells[1][0])};
    };
    const Bytes startMap = mapCells();
    for (const auto& [name, pattern] :
         {std::pair{"screen.map", 1}, {"screen.map", 3}, {"font.psf", 1}, {"screen.map", 4}}) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(pattern));
        g.ui.choose_menu_item(mainWindow, eraseCharsetId);
        chooseWithFile(openId, folder / name, pattern);
        EXPECT_EQ(charsetPart(0, machineCharsetBytes), glyphs);
        EXPECT_EQ(mapCells(), startMap);
    }
    g.ui.choose_menu_item(mainWindow, eraseCharsetId);
    g.ui.drop_files(mapView, {folder / "screen.map"});
    g.run();
    EXPECT_EQ(charsetPart(0, machineCharsetBytes), glyphs);
    EXPECT_EQ(mapCells(), startMap);
    openMap("bm.map");
    EXPECT_EQ(mapCells(), (Bytes{'B', 'M'}));
    EXPECT_EQ(messages(), std::vector<Message>{});
    g.ui.drop_files(charsetView, {folder / "fake.gridlet"});
    g.run();
    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Open File", "not read:" + folder / "fake.gridlet" +
                                                      "\nthe file is no gridlet project."}}));
    EXPECT_EQ(charsetPart(0, machineCharsetBytes), glyphs);
}

TEST_F(FontOpen, MissingEmptyFolderAndPipeAreNoFileAndSayWhy) {
    folder.write("empty.fnt", {});
    std::filesystem::create_directory(folder / "folder.fnt");
    makeFifo("pipe.fnt");
    const Bytes before = loadNoiseCharset();

    const std::pair<std::string, std::string> cases[] = {
        {"missing.fnt", "it or its folder does not exist."},
        {"empty.fnt", "it is empty."},
        {"folder.fnt", "it is a folder."},
        {"pipe.fnt", "it is not a regular file (a FIFO, a device or a socket)."}};
    for (const auto& [name, why] : cases) {
        SCOPED_TRACE(name);
        g.ui.messages_shown.clear();
        openFont(name);
        EXPECT_EQ(messages(), (std::vector<Message>{{"No file", folder / name + "\n" + why}}));
        EXPECT_EQ(charsetPart(0, machineCharsetBytes), before);
    }
}

TEST_F(FontOpen, DropOnTheCharsetViewLoadsAFontAtTheCurrentChar) {
    const Bytes before = loadNoiseCharset();
    const Bytes font = noise(16, 16);
    folder.write("dropped.map", font); // the extension does not matter
    selectChar(3);
    g.ui.drop_files(charsetView, {folder / "dropped.map"});
    g.run();

    EXPECT_EQ(charsetPart(24, 16), font);
    EXPECT_EQ(charsetPart(0, 24), Bytes(before.begin(), before.begin() + 24));
    EXPECT_EQ(g.gadgetText(dataField), dataFieldText(Bytes(font.begin(), font.begin() + 8)));
}

TEST_F(FontOpen, DropOfSeveralFilesLoadsTheFirst) {
    const std::vector<std::string> names{folder / "a.fnt", folder / "b.fnt", folder / "c.fnt"};
    for (uint32_t seed = 1; seed <= 3; ++seed)
        folder.write(std::string(1, char('a' + seed - 1)) + ".fnt", noise(64, seed));
    g.ui.drop_files(charsetView, names);
    g.run();

    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(charsetPart(0, 64), noise(64, 1));
    EXPECT_EQ(g.state.windows.files.lastFolder, folder.path() + "/");
}

} // namespace

namespace {

// A 24-bit BMP of 128 x 8 pixels (one row of glyphs) whose pixels start at `pixelStart`, with
// `extra` more bytes after them.
Bytes bmpFile(uint32_t pixelStart, size_t extra = 0) {
    Bytes file(std::max<size_t>(pixelStart, 54) + 128 * 8 * 3 + extra, 0);
    const auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + size_t(i)] = uint8_t(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(10, pixelStart);
    put32(14, 40);
    put32(18, 128);
    put32(22, 8);
    file[26] = 1;
    file[28] = 24;
    return file;
}

} // namespace

// Each says what is wrong with it, not what a reading of its cut-off start would say.
TEST_F(FontOpen, DamagedFilesSayWhatIsWrong) {
    Bytes c64{0x00, 0x30};
    c64.insert(c64.end(), 8, 0x81);
    c64.insert(c64.end(), {1, 2, 3});
    folder.write("stray.64c", c64);
    folder.write("inside.bmp", bmpFile(20));
    folder.write("huge.bmp", bmpFile(54, size_t(17) << 20));
    const struct {
        std::string name, text;
    } cases[] = {
        {"stray.64c",
         folder / "stray.64c" + "\nits last 3 bytes do not make a whole glyph and were left out."},
        {"inside.bmp",
         "not read:" + folder / "inside.bmp" + "\nits pixels start inside its header."},
        {"huge.bmp",
         "not read:" + folder / "huge.bmp" + "\nit is larger than any font gridlet reads."}};
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        g.ui.messages_shown.clear();
        openFont(name);
        EXPECT_EQ(messages(), (std::vector<Message>{{"Open File", text}}));
    }
    EXPECT_EQ(charsetPart(0, 8), Bytes(8, 0x81)); // the whole glyph of the C64 file
}
