// The session kept through the event loop: when it is written, what "Restore last session"
// brings back, and the recent files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/menu_ids.h"
#include "app/session_commands.h"
#include "files/session_file.h"
#include "files/text_encoding.h"
#include "gridlet_harness.h"
#include "toolkit/files.h"
#include "toolkit/menus.h"

using namespace toolkit;

namespace {

std::vector<uint8_t> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void paintPixel(Gridlet& g, int column) {
    g.ui.click_on_canvas(glyphEditor, button_left, column * 16 + 8, 8);
    g.run();
}

TEST(KeptSession, WrittenTwoSecondsAfterTheLastChangeAndAtQuit) {
    KeptFilesHome home;
    {
        Gridlet g({}, &home);
        paintPixel(g, 0);
        g.ui.advance_time(1900);
        paintPixel(g, 1); // the two seconds start anew
        g.ui.advance_time(1900);
        g.run();
        finish_saves();
        EXPECT_FALSE(std::filesystem::exists(home.sessionFile()));
        g.ui.advance_time(200);
        g.run();
        finish_saves();
        const SessionReading kept = decodeSession(bytesOf(home.sessionFile()));
        ASSERT_EQ(kept.problem, "");
        EXPECT_EQ(kept.session.document.charset[0], 0xC0);
        paintPixel(g, 2); // kept at quit, without waiting
    }
    EXPECT_EQ(decodeSession(bytesOf(home.sessionFile())).session.document.charset[0], 0xE0);
    // A run that changes nothing keeps what the last one kept.
    const std::vector<uint8_t> before = bytesOf(home.sessionFile());
    { Gridlet g({}, &home); }
    EXPECT_EQ(bytesOf(home.sessionFile()), before);
}

TEST(KeptSession, RestoreBringsBackTheLastRunAsOneUndoStep) {
    KeptFilesHome home;
    Session last;
    last.document.charset[65 * 8] = 0xFF;
    last.document.mapWidth = 80;
    last.document.mapHeight = 50;
    last.document.mapCells[79][49] = 200;
    last.document.inkColor = 0x00FF00;
    last.currentChar = 65;
    last.document.range = {10, 20, true};
    last.document.gridOnMap = false;
    last.document.colorMode = ColorMode::c64Multi;
    last.document.machineColors.c64Multi1 = 7;
    last.document.mapColors[80][50] = 9; // hidden cells keep theirs too
    last.document.pen = 2;
    placeBuiltinEncoding(last.document.textEncoding, BuiltinCharset::c64Caps);
    writeBytes(home.sessionFile(), encodeSession(last));
    Gridlet g({}, &home);
    // The start is as it always was, in two colours.
    EXPECT_EQ(g.document().charset[65 * 8], 0);
    EXPECT_EQ(g.document().colorMode, ColorMode::twoColors);
    EXPECT_EQ(g.document().mapColors, Document{}.mapColors);
    EXPECT_EQ(get_menu_item_enabled(mainMenu, restoreSessionId), 1);
    g.ui.choose_menu_item(mainWindow, restoreSessionId);
    g.run();
    const Document& document = g.document();
    EXPECT_EQ(document.charset, last.document.charset);
    EXPECT_EQ(document.mapCells, last.document.mapCells);
    EXPECT_EQ(document.mapWidth, 80);
    EXPECT_EQ(document.inkColor, 0x00FF00u);
    EXPECT_EQ(document.range, last.document.range);
    EXPECT_FALSE(g.document().gridOnMap);
    EXPECT_EQ(document.colorMode, ColorMode::c64Multi);
    EXPECT_EQ(get_menu_item_checked(mainMenu, colorModeId + int(ColorMode::c64Multi)), 1);
    EXPECT_EQ(document.machineColors, last.document.machineColors);
    EXPECT_EQ(document.mapColors, last.document.mapColors);
    EXPECT_EQ(document.pen, 2);
    EXPECT_EQ(document.textEncoding, last.document.textEncoding);
    EXPECT_EQ(g.state.editor.currentChar(), 65);
    EXPECT_EQ(gadget_width(mapView), 80 * 16);
    EXPECT_EQ(g.state.editor.history().steps(), 1u);
    g.tapKey('Z', modifier_control);
    g.run();
    EXPECT_EQ(g.document().charset[65 * 8], 0);
    EXPECT_EQ(g.document().mapWidth, 40);
    EXPECT_EQ(g.document().colorMode, ColorMode::twoColors);
    EXPECT_EQ(g.document().mapColors, Document{}.mapColors);
    EXPECT_EQ(g.document().textEncoding, latinEncoding());
}

TEST(KeptSession, NoneIsGreyedAndADamagedOneIsRefusedOnlyWhenAskedFor) {
    {
        Gridlet g;
        EXPECT_EQ(get_menu_item_enabled(mainMenu, restoreSessionId), 0);
    }
    KeptFilesHome home;
    writeBytes(home.sessionFile(), std::vector<uint8_t>(3000, 7));
    Gridlet g({}, &home);
    EXPECT_TRUE(g.ui.messages_shown.empty());
    const Charset before = g.document().charset;
    g.ui.choose_menu_item(mainWindow, restoreSessionId);
    g.run();
    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].text,
              "The last session cannot be restored: the file is no gridlet session.");
    EXPECT_EQ(g.document().charset, before);
}

TEST(RecentFilesMenu, OpenedAndSavedFilesComeFirstAndAGoneOneLeaves) {
    KeptFilesHome home;
    const std::string font = home.path + "/a.fnt", map = home.path + "/m.map";
    writeBytes(font, std::vector<uint8_t>(16, 0x81));
    {
        Gridlet g({}, &home);
        g.ui.answer_file(font, 0);
        g.ui.choose_menu_item(mainWindow, openId);
        g.ui.answer_file(map, 0);
        g.ui.choose_menu_item(mainWindow, saveMapId);
        g.run();
        ASSERT_EQ(g.state.session.recentFiles.size(), 2u);
        EXPECT_EQ(g.state.session.recentFiles[0].name, map);
    }
    Gridlet g({}, &home); // the list lasts from run to run
    ASSERT_EQ(g.state.session.recentFiles.size(), 2u);
    std::filesystem::remove(map);
    g.clickGlyph(5);
    g.ui.choose_menu_item(mainWindow, recentFileId + 1); // the font, second in the list
    g.ui.choose_menu_item(mainWindow, recentFileId + 1); // now the map, which is gone
    g.run();
    EXPECT_EQ(g.document().charset[5 * 8], 0x81);
    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].text, "unable to open:" + map);
    ASSERT_EQ(g.state.session.recentFiles.size(), 1u);
    EXPECT_EQ(g.state.session.recentFiles[0].name, font);
}

} // namespace

namespace {

TEST(KeptSession, AFolderThatTakesNoFileIsToldOnceARun) {
    KeptFilesHome home;
    writeBytes(home.path + "/state", {1}); // XDG_STATE_HOME is a file
    Gridlet g({}, &home);
    for (int column = 0; column < 3; ++column) {
        paintPixel(g, column);
        g.ui.advance_time(sessionDelay);
        g.run();
    }
    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].text,
              "Your work cannot be kept in " + home.path +
                  "/state/gridlet/ for \"Restore last session\": a part of its path is not a "
                  "folder.");
}

TEST(KeptSession, ABackupThatASaveLeftIsToldAtStart) {
    KeptFilesHome home;
    const std::string backup = home.path + "/state/gridlet/backups/font.fnt.1234.old-contents";
    writeBytes(backup, {1, 2, 3});
    Gridlet g({}, &home);
    ASSERT_EQ(g.ui.messages_shown.size(), 1u);
    EXPECT_EQ(g.ui.messages_shown[0].title, "Save file");
    EXPECT_TRUE(g.ui.messages_shown[0].text.ends_with("\n" + backup));
}

} // namespace
