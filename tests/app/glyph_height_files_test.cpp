// Glyphs of 1 to 32 rows through the files, the command line and the clipboard: each keeps its
// height and its glyphs; the machines' formats keep to 8 x 8.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/convert_command.h"
#include "file_command_test.h"
#include "files/font_formats.h"
#include "files/glyph_picture.h"
#include "files/png_file.h"
#include "files/psf_file.h"
#include "toolkit/clipboard.h"

namespace {

class GlyphHeightFiles : public FileCommandTest {
  protected:
    // Every glyph's rows noise, the set `height` rows tall.
    static Charset noiseSet(int height) {
        Charset set;
        set.height = uint8_t(height);
        const Bytes bytes = noise(set.size(), unsigned(height));
        std::copy(bytes.begin(), bytes.end(), set.begin());
        return set;
    }
    // The set as the document's, glyph 0 the current char.
    void useSet(const Charset& set) {
        g.ui.run([&] {
            g.state.editor.changeDocument().charset = set;
            g.state.editor.setCurrentChar(0);
        });
        g.run();
        g.ui.messages_shown.clear();
    }
    std::string text(const std::string& name) const {
        std::ifstream in(folder / name);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int convert(const std::vector<std::string>& arguments) {
        const ConversionRun run = runConversion(arguments);
        said = run.said;
        return run.status;
    }
    std::string said;
};

TEST_F(GlyphHeightFiles, EveryFontFormatReadsBackItsHeightAndGlyphs) {
    const struct {
        int menuId;
        const char* name;
    } files[] = {{exportPsfId, "set.psf"},
                 {exportBdfId, "set.bdf"},
                 {exportPngId, "set.png"},
                 {saveImageId, "set.bmp"},
                 {saveIbmFontId, "set.fnt"}};
    for (const int height : {1, 14, 16, 32}) {
        const Charset set = noiseSet(height);
        for (const auto& file : files) {
            SCOPED_TRACE(std::to_string(height) + " rows, " + file.name);
            useSet(set);
            chooseWithFile(file.menuId, folder / file.name);
            useSet(Charset{});                                // 8 rows, blank
            g.ui.answer_message(toolkit::message_result_yes); // a raw font's height, when asked
            openFont(file.name);
            EXPECT_EQ(g.document().charset, set);
        }
    }
}

TEST_F(GlyphHeightFiles, SourcesPasteBackAtTheirHeight) {
    const struct {
        int menuId, pattern;
        const char* name;
    } sources[] = {{exportCSourceId, 0, "set.c"},
                   {exportAssemblerId, 0, "set.s"},
                   {exportAssemblerId, 3, "set.z80"},
                   {exportBasicId, 0, "set.bas"}};
    for (const int height : {1, 14, 16, 32}) {
        const Charset set = noiseSet(height);
        Charset blank;
        blank.height = uint8_t(height);
        for (const auto& source : sources) {
            SCOPED_TRACE(std::to_string(height) + " rows, " + source.name);
            useSet(set);
            chooseWithFile(source.menuId, folder / source.name, source.pattern);
            const std::string written = text(source.name);
            // No line runs long, however tall the glyphs.
            size_t longest = 0;
            for (size_t start = 0; start < written.size();) {
                const size_t end = std::min(written.find('\n', start), written.size());
                longest = std::max(longest, end - start);
                start = end + 1;
            }
            EXPECT_LT(longest, 100u);
            useSet(blank);
            g.ui.clipboard = toolkit::ClipboardData{.text = written};
            g.ui.choose_menu_item(mainWindow, pasteId);
            g.run();
            EXPECT_EQ(messages(), std::vector<Message>{});
            EXPECT_EQ(g.document().charset, set);
        }
    }
}

TEST_F(GlyphHeightFiles, ARawFontOf256TallerGlyphsIsOpenedAtTheirHeightOnlyWhenTheUserSaysSo) {
    const Bytes font = noise(256 * 16, 16);
    folder.write("tall.fnt", font);
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        useSet(Charset{});
        g.ui.answer_message(yes ? toolkit::message_result_yes : toolkit::message_result_no);
        openFont("tall.fnt");
        EXPECT_EQ(messages(), (std::vector<Message>{
                                  {"Raw font", "Open the file as 256 glyphs of 8 x 16 pixels?"}}));
        EXPECT_EQ(g.document().charset.height, yes ? 16 : 8);
        const size_t placed = yes ? font.size() : 2048;
        EXPECT_EQ(charsetPart(0, int(placed)),
                  Bytes(font.begin(), font.begin() + ptrdiff_t(placed)));
    }
    // Sizes that raw fonts of 8 x 8 glyphs have ask nothing of the height.
    for (const size_t size : {768u, 1024u, 2048u, 300u}) {
        folder.write("other.fnt", noise(size, 1));
        useSet(Charset{});
        g.ui.answer_message(toolkit::message_result_no);
        openFont("other.fnt");
        for (const Message& shown : messages()) EXPECT_NE(shown.first, "Raw font") << size;
        EXPECT_EQ(g.document().charset.height, 8);
    }
}

TEST_F(GlyphHeightFiles, ConvertReadsARawFontAtTheHeightGiven) {
    const Bytes font = noise(256 * 14, 14);
    folder.write("tall.fnt", font);
    ASSERT_EQ(convert({"--convert", "--height", "14", folder / "tall.fnt", folder / "out.psf"}),
              conversionDone);
    const FontReading read = decodePsf(folder.read("out.psf"));
    EXPECT_EQ(read.height, 14);
    EXPECT_EQ(read.bytes, font);
    // Without it the set's 8 rows: the file is 448 glyphs, of which 256 fit.
    ASSERT_EQ(convert({"--convert", folder / "tall.fnt", folder / "out8.psf"}), conversionDone);
    EXPECT_EQ(decodePsf(folder.read("out8.psf")).height, 8);
    // A raw output of 96 glyphs at the set's height.
    ASSERT_EQ(convert({"--convert", "--height=14", "--size", "768", folder / "tall.fnt",
                       folder / "out.fnt"}),
              conversionDone);
    EXPECT_EQ(folder.read("out.fnt"), Bytes(font.begin(), font.begin() + 96 * 14));
    for (const char* wrong : {"0", "33", "x", ""})
        EXPECT_EQ(convert({"--convert", "--height", wrong, folder / "tall.fnt", folder / "o.psf"}),
                  usageError)
            << wrong;
}

TEST_F(GlyphHeightFiles, APictureWithoutANoteIsReadAtTheSetsHeight) {
    const Charset set = noiseSet(16);
    const Bytes glyphs(set.begin(), set.end());
    folder.write("sheet.png", encodePng(encodeGlyphSheet(glyphs, 0x000000, 0xFFFFFF, 1, 16)));
    Charset blank;
    blank.height = 16;
    useSet(blank);
    openFont("sheet.png");
    EXPECT_EQ(messages(), std::vector<Message>{});
    EXPECT_EQ(g.document().charset, set);
    // At 8 rows its 128 x 256 pixels are no sheet: refused, the set as it was.
    useSet(Charset{});
    openFont("sheet.png");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].second.find("fits neither a sheet of 16 glyphs of 8 x 8"),
              std::string::npos);
    EXPECT_EQ(g.document().charset, Charset{});
}

TEST_F(GlyphHeightFiles, TheClipboardCarriesTheHeightAndPastesFitTheSet) {
    const Charset set = noiseSet(16);
    useSet(set);
    g.ui.choose_menu_item(mainWindow, copyId);
    g.run();
    const toolkit::ClipboardData copied = g.ui.clipboard;
    EXPECT_EQ(copied.own_type, "application/x-gridlet-glyph-rows");
    Bytes own(17, 16); // the height, then glyph 0's rows
    std::copy_n(set.begin(), 16, own.begin() + 1);
    EXPECT_EQ(copied.own_bytes, own);
    EXPECT_EQ(std::count(copied.text.begin(), copied.text.end(), ','), 15); // a line of 16
    EXPECT_EQ(copied.picture.width, 8);
    EXPECT_EQ(copied.picture.height, 16);

    // Each form pastes into a blank set of 16 rows as the glyph.
    Charset blank;
    blank.height = 16;
    for (const toolkit::ClipboardData& form : {copied, toolkit::ClipboardData{.text = copied.text},
                                               toolkit::ClipboardData{.picture = copied.picture}}) {
        useSet(blank);
        g.ui.clipboard = form;
        g.ui.choose_menu_item(mainWindow, pasteId);
        g.run();
        EXPECT_EQ(messages(), std::vector<Message>{});
        EXPECT_EQ(charsetPart(0, 16), Bytes(own.begin() + 1, own.end()));
    }

    // Into a set of 8 rows: the top rows; cut pixels are told, blank rows cut are not.
    for (const bool inked : {true, false}) {
        std::fill(own.begin() + 9, own.end(), inked ? 0x18 : 0);
        useSet(Charset{});
        g.ui.clipboard = toolkit::ClipboardData{.own_type = copied.own_type, .own_bytes = own};
        g.ui.choose_menu_item(mainWindow, pasteId);
        g.run();
        EXPECT_EQ(charsetPart(0, 8), Bytes(own.begin() + 1, own.begin() + 9));
        EXPECT_EQ(charsetPart(8, 8), Bytes(8, 0));
        EXPECT_EQ(messages().size(), inked ? 1u : 0u);
    }
    // The older form's glyphs are 8 rows: into 16 rows they get blank ones below.
    useSet(blank);
    g.ui.clipboard = toolkit::ClipboardData{.own_type = "application/x-gridlet-glyphs",
                                            .own_bytes = Bytes(8, 0xFF)};
    g.ui.choose_menu_item(mainWindow, pasteId);
    g.run();
    Bytes padded(16, 0);
    std::fill_n(padded.begin(), 8, 0xFF);
    EXPECT_EQ(charsetPart(0, 16), padded);
}

TEST_F(GlyphHeightFiles, MachineFormatsRefuseGlyphsOfOtherThan8RowsBeforeAskingAName) {
    const struct {
        int menuId;
        const char* extension;
        const char* file;
    } formats[] = {{exportC64Id, ".64c", "A C64 font's"},
                   {exportCharpadId, ".ctm", "A CharPad project's"},
                   {exportVchar64Id, ".vchar64proj", "A VChar64 project's"},
                   {exportPetmateId, ".petmate", "A Petmate file's"},
                   {exportC64ProgramId, ".prg", "A C64 program's"},
                   {exportAtariExecutableId, ".xex", "An Atari executable's"},
                   {exportSpectrumScreenId, ".scr", "A ZX Spectrum screen's"},
                   {exportSpectrumTapeId, ".tap", "A ZX Spectrum tape's"}};
    folder.write("tall.psf", encodePsf(noise(256 * 16, 3), {}, 16));
    for (const auto& format : formats) {
        SCOPED_TRACE(format.extension);
        const std::string problem =
            std::string(format.file) + " characters are 8 x 8 pixels; the glyphs are 8 x 16.";
        useSet(noiseSet(16));
        const size_t asked = g.ui.file_requests.size();
        g.ui.choose_menu_item(mainWindow, format.menuId);
        g.run();
        EXPECT_EQ(g.ui.file_requests.size(), asked);
        EXPECT_EQ(messages(), (std::vector<Message>{{"Export", problem}}));
        const std::string out = folder / (std::string("out") + format.extension);
        EXPECT_EQ(convert({"--convert", folder / "tall.psf", out}), outputUnwritable);
        EXPECT_EQ(said, "gridlet: Export: " + problem + "\n");
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace
