// Fonts saved through File > Save: lengths, the current char, names and failed saves.
#include "file_command_test.h"

#include "toolkit/texts.h"

namespace {

using FontSave = FileCommandTest;

struct FontLength {
    int menuId;
    int bytes;
    int lastStart; // the highest current char whose glyphs all fit
};

class FontLengths : public FileCommandTest, public ::testing::WithParamInterface<FontLength> {};

TEST_P(FontLengths, WriteFromTheCurrentCharWhileTheGlyphsFit) {
    const FontLength font = GetParam();
    loadNoiseCharset();
    selectChar(font.lastStart);
    chooseWithFile(font.menuId, folder / "font.fnt");

    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(folder.read("font.fnt"), charsetPart(8 * font.lastStart, font.bytes));
}

TEST_P(FontLengths, OneGlyphFurtherIsOutOfSizeBeforeAnyRequester) {
    const FontLength font = GetParam();
    selectChar(font.lastStart + 1);
    chooseWithFile(font.menuId, folder / "font.fnt");

    EXPECT_EQ(messages(), (std::vector<Message>{{"Save File", "out of size"}}));
    EXPECT_TRUE(g.ui.file_requests.empty());
    EXPECT_FALSE(exists("font.fnt"));
}

INSTANTIATE_TEST_SUITE_P(Menu, FontLengths,
                         ::testing::Values(FontLength{saveZxFontId, 768, 160},
                                           FontLength{saveAtariFontId, 1024, 128},
                                           FontLength{saveIbmFontId, 2048, 0}));

TEST_F(FontSave, RequesterOffersTheLastFolderAndTheFontPattern) {
    const toolkit::FileRequest request = cancelledRequester(saveIbmFontId);
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "Please choose file to save");
    EXPECT_EQ(request.folder + "/", toolkit::current_directory());
    ASSERT_EQ(request.patterns.size(), 1u);
    EXPECT_EQ(request.patterns[0].description, "Font (*.fnt)");
    EXPECT_EQ(request.patterns[0].mask, "*.fnt");
    EXPECT_TRUE(g.ui.messages_shown.empty());
}

TEST_F(FontSave, ExtensionIsAppendedUnlessTheNameEndsInItInAnyCase) {
    const std::vector<std::pair<std::string, std::string>> names{{"plain", "plain.fnt"},
                                                                 {"upper.FNT", "upper.FNT"},
                                                                 {"short.fn", "short.fn.fnt"},
                                                                 {"mixed.Fnt", "mixed.Fnt"},
                                                                 {"other.map", "other.map.fnt"}};
    for (const auto& [chosen, written] : names) {
        chooseWithFile(saveIbmFontId, folder / chosen);
        EXPECT_EQ(folder.read(written).size(), 2048u) << chosen;
    }
    EXPECT_EQ(folder.entries().size(), names.size());
    EXPECT_EQ(g.state.windows.files.lastFolder, folder.path() + "/");
}

TEST_F(FontSave, SavingOverALargerFileLeavesOnlyTheNewBytes) {
    folder.write("big.fnt", noise(5000, 5));
    loadNoiseCharset();
    selectChar(32);
    chooseWithFile(saveZxFontId, folder / "big.fnt");

    EXPECT_EQ(folder.read("big.fnt"), charsetPart(256, 768));
}

TEST_F(FontSave, WriteFailurePartWayKeepsTheOldFileAndIsReported) {
    const Bytes old = noise(3000, 3);
    folder.write("kept.fnt", old);
    toolkit::detail::fail_writes_after(1000);
    chooseWithFile(saveIbmFontId, folder / "kept.fnt");

    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Save file", "File Error:" + folder / "kept.fnt" +
                                                      "\nno space left on the device."}}));
    EXPECT_EQ(folder.read("kept.fnt"), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"kept.fnt"}); // no temporary left
}

TEST_F(FontSave, NameInNoFolderIsRefusedByTheRequesterAndAFolderIsReported) {
    folder.write("plain.txt", {1, 2, 3});
    std::filesystem::create_directory(folder / "taken.fnt");
    const std::vector<std::string> refused{folder / "missing/font.fnt",
                                           folder / "plain.txt/font.fnt"};
    for (const std::string& name : refused) chooseWithFile(saveZxFontId, name);
    EXPECT_EQ(g.ui.refused_paths, refused);
    EXPECT_TRUE(messages().empty());
    chooseWithFile(saveZxFontId, folder / "taken.fnt");
    EXPECT_EQ(messages(), (std::vector<Message>{{"Save file", "File Error:" + folder / "taken.fnt" +
                                                                  "\nit is a folder."}}));
    EXPECT_FALSE(exists("missing"));
    EXPECT_EQ(folder.read("plain.txt"), (Bytes{1, 2, 3}));
    EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::path(folder / "taken.fnt")));
    EXPECT_EQ(folder.entries().size(), 2u);
}

TEST_F(FontSave, PipeIsNotReplaced) {
    const std::string pipe = makeFifo("pipe.fnt");
    chooseWithFile(saveZxFontId, pipe);

    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Save file", "File Error:" + pipe +
                                                      "\nit is not a regular file (a FIFO, a "
                                                      "device or a socket)."}}));
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::path(pipe)));
}

TEST_F(FontSave, SavedFontLoadsBackUnchanged) {
    const Bytes saved = loadNoiseCharset();
    chooseWithFile(saveIbmFontId, folder / "copy");
    g.ui.choose_menu_item(mainWindow, eraseCharsetId);
    g.run();
    ASSERT_EQ(charsetPart(0, 8), Bytes(8, 0));
    openFont("copy.fnt");

    EXPECT_EQ(charsetPart(0, machineCharsetBytes), saved);
}

} // namespace
