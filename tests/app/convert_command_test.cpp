// gridlet --convert, run in-process beside the program driven through its menus: the same bytes
// as the menu items write, round trips through every format read back, and the exit statuses.
#include <algorithm>
#include <filesystem>

#include "app/convert_arguments.h"
#include "app/convert_command.h"
#include "app/program_title.h"
#include "app/session_commands.h"
#include "file_command_test.h"
#include "files/project_file.h"
#include "files/psf_file.h"
#include "files/text_encoding.h"

namespace {

using Arguments = std::vector<std::string>;

class ConvertCommand : public FileCommandTest {
  protected:
    void SetUp() override {
        FileCommandTest::SetUp();
        std::filesystem::create_directory(folder / "cli");
    }
    int convert(const Arguments& arguments) {
        const ConversionRun run = runConversion(arguments);
        printed = run.printed;
        said = run.said;
        return run.status;
    }
    // The menu's range: the trackbars once, the box ticked or not, the current char its start.
    void useRange(bool ticked) {
        g.ui.move_trackbar(beginRangeTrackbar, 32);
        g.ui.move_trackbar(endRangeTrackbar, 127);
        if (g.document().range.enabled != ticked) g.ui.click_gadget(rangeCheckbox);
        g.run();
        selectChar(ticked ? 32 : 0);
    }
    std::string said, printed;
};

struct Output {
    int menuId;
    int pattern;
    const char* menuName;
    const char* name; // under cli/
    Arguments options;
    bool ranged; // 32 to 127
};

TEST_F(ConvertCommand, WritesWhatEachMenuItemWritesForTheSameSet) {
    const Output outputs[] = {
        {saveIbmFontId, 0, "a.fnt", "a.fnt", {}, false},
        {saveAtariFontId, 0, "b.fnt", "b.bin", {"--size", "1024"}, false},
        {saveZxFontId, 0, "c.fnt", "c.rom", {"--size=768"}, true},
        {saveImageId, 0, "d.bmp", "d.bmp", {}, false},
        {exportPngId, 0, "e.png", "e.png", {}, false},
        {exportPngId, 0, "f.png", "f.png", {}, true},
        {exportPsfId, 0, "g.psf", "g.psf", {}, false},
        {exportPsfId, 0, "h.psf", "h.psf", {}, true},
        {exportBdfId, 0, "i.bdf", "i.bdf", {}, true},
        {exportC64Id, 0, "j.64c", "j.64c", {}, false},
        {exportC64Id, 0, "k.64c", "k.64c", {}, true},
        {exportCSourceId, 0, "m.c", "m.c", {}, false},
        {exportCSourceId, 1, "n.h", "n.h", {}, true},
        {exportAssemblerId, 0, "font.s", "font.s", {}, false},
        {exportAssemblerId, 1, "font.a", "font.a", {}, true},
        {exportAssemblerId, 2, "font.asm", "font.asm", {}, false},
        {exportAssemblerId, 3, "font.z80", "font.z80", {}, false},
        {exportAssemblerId, 0, "other.s", "other.asm", {"--asm", "ca65"}, false},
        {exportAssemblerId, 3, "other.z80", "other.s", {"--asm", "z80-db"}, true},
        {exportBasicId, 0, "p.bas", "p.bas", {}, true},
        {saveMapId, 0, "q.map", "q.map", {}, false},
        {saveMapColorsId, 0, "r.col", "r.col", {}, false},
        {exportMapPictureId, 0, "s.png", "s.png", {"--map"}, false},
        {exportMapCSourceId, 0, "t.c", "t.c", {"--map"}, false},
    };
    folder.write("noise.fnt", noise(machineCharsetBytes, 7));
    folder.write("scene.map", noise(960, 8));
    folder.write("scene.col", noise(960, 9));
    // A file read with a fresh document's colours; two built-in sets with their machines' own
    // colours, one with the Unicode table of its code page; last a project, all of it, of the
    // C64's set in multicolour with a map of its own and its cells' colours.
    const std::pair<int, Arguments> sources[] = {
        {openId, {folder / "noise.fnt"}},
        {charsetIbmCgaId, {"--charset", "ibm-pc-cga", "-"}},
        {charsetC64Id, {"--charset", "c64-caps", "-"}},
        {saveProjectId, {folder / "scene.gridlet"}},
    };
    for (const auto& [menuId, input] : sources) {
        if (menuId == openId) {
            openFont("noise.fnt");
        } else if (menuId == saveProjectId) {
            g.ui.choose_menu_item(mainWindow, charsetC64Id);
            g.ui.choose_menu_item(mainWindow, colorModeId + int(ColorMode::c64Multi));
            chooseWithFile(openId, folder / "scene.map", 1);
            chooseWithFile(openId, folder / "scene.col", 3);
            chooseWithFile(saveProjectId, folder / "scene.gridlet");
            g.ui.choose_menu_item(mainWindow, colorModeId);
            g.ui.choose_menu_item(mainWindow, eraseCharsetId);
            chooseWithFile(openId, folder / "scene.gridlet", 4);
        } else {
            g.ui.choose_menu_item(mainWindow, menuId);
            g.run();
        }
        for (const Output& output : outputs) {
            SCOPED_TRACE(std::string(output.name) + " from " + input.back());
            useRange(output.ranged);
            chooseWithFile(output.menuId, folder / output.menuName, output.pattern);
            Arguments arguments{"--convert"};
            arguments.insert(arguments.end(), output.options.begin(), output.options.end());
            if (output.ranged) arguments.insert(arguments.end(), {"--range", "32-127"});
            arguments.insert(arguments.end(), input.begin(), input.end());
            arguments.push_back(folder / (std::string("cli/") + output.name));
            EXPECT_EQ(convert(arguments), conversionDone) << said;
            EXPECT_EQ(said, "");
            const Bytes written = folder.read(std::string("cli/") + output.name);
            EXPECT_FALSE(written.empty());
            EXPECT_EQ(written, folder.read(output.menuName));
        }
        EXPECT_EQ(messages(), std::vector<Message>{});
    }
}

TEST_F(ConvertCommand, EveryBuiltInSetIsTheMenuItemsSet) {
    const int menuIds[] = {charsetIbmCgaId,   charsetIbm866Id,     charsetZxSpectrumId,
                           charsetZx80Id,     charsetJupiterAceId, charsetC64Id,
                           charsetC64LowerId, charsetAtariId,      charsetMicroshaId,
                           charsetHexId};
    ASSERT_EQ(std::size(menuIds), namedCharsets.size());
    for (size_t i = 0; i < namedCharsets.size(); ++i) {
        const std::string name(namedCharsets[i].name);
        SCOPED_TRACE(name);
        g.ui.choose_menu_item(mainWindow, eraseCharsetId);
        g.ui.choose_menu_item(mainWindow, menuIds[i]);
        chooseWithFile(saveImageId, folder / "menu.bmp");
        ASSERT_EQ(convert({"--convert", "--charset", name, "-", folder / "cli/set.bmp"}),
                  conversionDone);
        EXPECT_EQ(folder.read("cli/set.bmp"), folder.read("menu.bmp"));
    }
}

TEST_F(ConvertCommand, EveryFormatReadRoundTripsThroughEveryOther) {
    const Bytes set = noise(machineCharsetBytes, 11);
    folder.write("set.fnt", set);
    const char* formats[] = {".fnt", ".64c", ".psf", ".bdf", ".png", ".bmp", ".gridlet"};
    for (const char* from : formats) {
        for (const char* to : formats) {
            SCOPED_TRACE(std::string(from) + " -> " + to);
            const std::string first = folder / (std::string("first") + from);
            const std::string second = folder / (std::string("second") + to);
            ASSERT_EQ(convert({"--convert", folder / "set.fnt", first}), conversionDone) << said;
            ASSERT_EQ(convert({"--convert", first, second}), conversionDone) << said;
            ASSERT_EQ(convert({"--convert", second, folder / "back.fnt"}), conversionDone);
            EXPECT_EQ(folder.read("back.fnt"), set);
        }
    }
}

// A project converted to a project keeps every field; a font becomes a project of its glyphs and
// the characters its file names them with, all else as the program starts; a console font keeps
// its Unicode table, characters that share a glyph too.
TEST_F(ConvertCommand, ProjectsKeepEveryFieldAndFontsTheirCharacters) {
    Session work;
    const Bytes glyphs = noise(machineCharsetBytes, 12);
    std::copy(glyphs.begin(), glyphs.end(), work.document.charset.begin());
    work.document.mapCells[79][49] = 7;
    work.document.mapWidth = 80;
    work.document.mapHeight = 50;
    work.currentChar = 65;
    work.document.range = {10, 20, true};
    work.document.colorMode = ColorMode::spectrum;
    work.document.mapColors[3][4] = 0x47;
    placeBuiltinEncoding(work.document.textEncoding, BuiltinCharset::c64Caps);
    folder.write("work.gridlet", encodeProject(work));
    ASSERT_EQ(convert({"--convert", folder / "work.gridlet", folder / "cli/copy.gridlet"}),
              conversionDone);
    EXPECT_EQ(folder.read("cli/copy.gridlet"), folder.read("work.gridlet"));

    std::vector<std::u32string> table(256, U"");
    table[65] = U"A\u0391\u0410"; // Latin, Greek and Cyrillic capitals share the glyph
    table[200] = U"\u2554";
    folder.write("table.psf", encodePsf(glyphs, table));
    ASSERT_EQ(convert({"--convert", folder / "table.psf", folder / "cli/copy.psf"}),
              conversionDone);
    EXPECT_EQ(folder.read("cli/copy.psf"), folder.read("table.psf"));
    ASSERT_EQ(convert({"--convert", folder / "table.psf", folder / "cli/font.gridlet"}),
              conversionDone);
    openFont("table.psf");
    EXPECT_EQ(decodeProject(folder.read("cli/font.gridlet")).session, sessionOf(g.state.editor));
    EXPECT_EQ(codeOfCharacter(g.document().textEncoding, U'\u0410'), 65);
}

TEST_F(ConvertCommand, DamagedInputsSayWhatOpenSaysAndWriteNothing) {
    std::vector<std::string> inputs{folder / "missing.fnt", folder.path()};
    for (const auto& entry : std::filesystem::directory_iterator(GRIDLET_MALFORMED_FONTS))
        if (entry.path().extension() != ".py") inputs.push_back(entry.path().string());
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        chooseWithFile(openId, input, 2);
        const std::vector<Message> shown = messages();
        g.ui.messages_shown.clear();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(convert({"--convert", input, folder / "cli/out.fnt"}), inputUnreadable);
        EXPECT_EQ(said, "gridlet: " + shown[0].first + ": " + shown[0].second + "\n");
        EXPECT_FALSE(exists("cli/out.fnt"));
    }
}

TEST_F(ConvertCommand, WhatDidNotFitIsNotedAndTheRestWritten) {
    Bytes file{0x00, 0x38};
    const Bytes glyphs = noise(257 * 8, 3);
    file.insert(file.end(), glyphs.begin(), glyphs.end());
    folder.write("long.64c", file);
    openFont("long.64c");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(convert({"--convert", folder / "long.64c", folder / "cli/out.fnt"}), conversionDone);
    EXPECT_EQ(said, "gridlet: Open File: " + messages()[0].second + "\n");
    EXPECT_NE(said.find("1 glyphs did not fit"), std::string::npos);
    EXPECT_EQ(folder.read("cli/out.fnt"),
              Bytes(glyphs.begin(), glyphs.begin() + machineCharsetBytes));
}

TEST_F(ConvertCommand, WrongCommandLinesAreUsageErrorsThatWriteNothing) {
    const std::string in = folder / "in.fnt";
    folder.write("in.fnt", noise(machineCharsetBytes, 5));
    const std::string out = folder / "cli/out";
    const Arguments wrong[] = {
        {"--convert", in},
        {"--convert", in, out + ".fnt", out + ".bin"},
        {"--convert", in, out + ".xyz"},
        {"--convert", in, out},
        {"--convert", "--bogus", in, out + ".fnt"},
        {"--convert", "-x", in, out + ".fnt"},
        {"--convert", "--size", "512", in, out + ".fnt"},
        {"--convert", "--size", "768", in, out + ".psf"},
        {"--convert", "--range", "10-256", in, out + ".psf"},
        {"--convert", "--range", "10", in, out + ".psf"},
        {"--convert", "--range", "a-b", in, out + ".psf"},
        {"--convert", "--range", "0-10", in, out + ".bmp"},
        {"--convert", "--range", "32-100", in, out + ".fnt"}, // 2048 bytes from 32: too many
        {"--convert", "--asm", "z81", in, out + ".s"},
        {"--convert", "--asm", "acme", in, out + ".c"},
        {"--convert", "--charset", "c65", "-", out + ".64c"},
        {"--convert", "-", out + ".64c"},
        {"--convert", in, out + ".fnt", "--charset"},
        {"--size", "768", in, out + ".fnt"},
        {"--convert=yes", in, out + ".fnt"},
        {"--convert", "--map", in, out + ".psf"},
        {"--convert", "--range", "0-10", in, out + ".map"},
        {"--convert", "--range", "0-10", in, out + ".gridlet"},
    };
    for (const Arguments& arguments : wrong) {
        SCOPED_TRACE(arguments[1] + " " + arguments.back());
        EXPECT_EQ(convert(arguments), usageError);
        EXPECT_NE(said.find("Try 'gridlet --help'."), std::string::npos) << said;
        EXPECT_TRUE(std::filesystem::is_empty(folder / "cli"));
    }
    EXPECT_EQ(convert({"--convert", "--range", "32-127", "--size", "768", in, out + ".fnt"}),
              conversionDone);
    EXPECT_EQ(convert({"--convert", "--", in, out + ".fnt"}), conversionDone);
}

TEST_F(ConvertCommand, AnUnwritableOutputKeepsTheOldFile) {
    folder.write("in.fnt", noise(machineCharsetBytes, 9));
    std::filesystem::create_directory(folder / "cli/folder.fnt");
    const std::pair<const char*, const char*> outputs[] = {{"old.64c", "the disk fails"},
                                                           {"old.bmp", "the disk fails"},
                                                           {"folder.fnt", "it is a folder"}};
    for (const auto& [name, why] : outputs) {
        SCOPED_TRACE(name);
        const std::string output = folder / (std::string("cli/") + name);
        if (!exists(std::string("cli/") + name))
            folder.write(std::string("cli/") + name, {1, 2, 3});
        toolkit::detail::fail_writes_after(0);
        EXPECT_EQ(convert({"--convert", folder / "in.fnt", output}), outputUnwritable);
        toolkit::detail::fail_writes_after(-1);
        EXPECT_TRUE(said.starts_with("gridlet: Save file: File Error:" + output + "\n")) << said;
        if (std::string(why) == "it is a folder")
            EXPECT_NE(said.find(why), std::string::npos) << said;
        else
            EXPECT_EQ(folder.read(std::string("cli/") + name), (Bytes{1, 2, 3}));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "cli"),
                            std::filesystem::directory_iterator()),
              3);
}

TEST_F(ConvertCommand, OnlyItsOwnOptionsLeaveTheEditor) {
    const std::pair<Arguments, bool> lines[] = {
        {{}, false},           {{"font.fnt"}, false},   {{"a", "b"}, false},
        {{"--convert"}, true}, {{"--help"}, true},      {{"--version"}, true},
        {{"-h"}, true},        {{"--range=1-2"}, true}, {{"-platform", "x"}, false},
    };
    for (const auto& [arguments, leaves] : lines)
        EXPECT_EQ(isCommandLineConversion(arguments), leaves) << arguments.size();
}

TEST_F(ConvertCommand, HelpNamesEverySetAndVersionIsTheWindowsTitle) {
    EXPECT_EQ(convert({"--help"}), conversionDone);
    for (const NamedCharset& named : namedCharsets)
        EXPECT_NE(printed.find("  " + std::string(named.name) + "\n"), std::string::npos);
    for (const char* extension : {".fnt", ".64c", ".psf", ".bdf", ".png", ".bmp", ".bas", ".z80",
                                  ".gridlet", ".map", ".col", "--map"})
        EXPECT_NE(printed.find(extension), std::string::npos) << extension;
    EXPECT_EQ(convert({"--version"}), conversionDone);
    EXPECT_EQ(printed, std::string(programTitle) + "\n");
    EXPECT_TRUE(g.windowTitle(mainWindow).starts_with(programTitle));
}

} // namespace
