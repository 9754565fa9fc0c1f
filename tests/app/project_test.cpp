// The project: File > Save > "Project..." writes every field of the work to one file, and
// "Open...", "Open recent", drops and the command line bring all of it back as one undo step.
#include "file_command_test.h"

#include "toolkit/menus.h"

namespace {

using Project = FileCommandTest;

constexpr int projectPattern = 4; // of "Open..."

// Makes a piece of work in which every field differs from the start's, hidden map cells too,
// and saves it as work.gridlet in the folder. Gives the work.
Document saveWork(Gridlet& g, const TempFolder& folder) {
    Document& work = g.state.editor.changeDocument();
    const Bytes glyphs = noise(machineCharsetBytes, 1);
    std::copy(glyphs.begin(), glyphs.end(), work.charset.begin());
    for (int x = 0; x < mapColumns; ++x)
        for (int y = 0; y < mapRows; ++y) {
            work.mapCells[x][y] = (x * 5 + y) & 0xFF;
            work.mapColors[x][y] = uint8_t(x * 7 + y * 3);
        }
    work.mapWidth = 80;
    work.mapHeight = 50;
    work.paperColor = 0x123456;
    work.inkColor = 0xFEDCBA;
    work.range = {250, 3, true};
    work.gridOnMap = false;
    work.colorMode = ColorMode::spectrum;
    work.machineColors = {15, 14, 13, {0x02, 0x14, 0x26, 0x38, 0xFE}, 9, 0xC7};
    work.pen = 1;
    g.ui.answer_file(folder / "work", 0);
    g.ui.choose_menu_item(mainWindow, saveProjectId);
    g.run();
    return work;
}

// The program shows the work: every field, the map window's size, the mode's mark.
void expectTheWork(const Gridlet& g, const Document& work) {
    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.document(), work);
    EXPECT_EQ(toolkit::gadget_width(mapView), 80 * 16);
    EXPECT_EQ(toolkit::get_menu_item_checked(mainMenu, colorModeId + int(ColorMode::spectrum)), 1);
}

TEST_F(Project, EveryFieldComesBackThroughSaveAndOpenAsOneUndoStep) {
    const Document work = saveWork(g, folder);
    const toolkit::FileRequest& request = g.ui.file_requests.back();
    ASSERT_EQ(request.patterns.size(), 1u);
    EXPECT_EQ(request.patterns[0].description, "gridlet project (*.gridlet)");
    EXPECT_EQ(request.patterns[0].mask, "*.gridlet");
    // Back to the start, but for the settings, which undo leaves alone.
    g.tapKey('Z', toolkit::modifier_control);
    g.run();
    const Document before = g.document();
    ASSERT_NE(before.charset, work.charset);

    chooseWithFile(openId, folder / "work.gridlet", projectPattern);
    expectTheWork(g, work);
    EXPECT_EQ(g.state.session.recentFiles[0],
              (RecentFile{RecentFile::Kind::project, folder / "work.gridlet"}));
    g.tapKey('Z', toolkit::modifier_control);
    g.run();
    EXPECT_EQ(g.document(), before);
    // The recent list opens it again.
    g.ui.choose_menu_item(mainWindow, recentFileId);
    g.run();
    expectTheWork(g, work);
}

// A project is known by its mark, whatever its name and however it comes: dropped on either view,
// named on the command line, or chosen in "Open..." under any of its file types.
TEST(ProjectOpening, KnownByItsMarkWhereverItComesFrom) {
    TempFolder folder;
    ASSERT_TRUE(folder.made());
    const Document work = [&] {
        Gridlet saving;
        return saveWork(saving, folder);
    }();
    folder.write("scene.proj", folder.read("work.gridlet"));
    for (const std::string& name : {folder / "work.gridlet", folder / "scene.proj"}) {
        SCOPED_TRACE(name);
        for (const int view : {charsetView, mapView}) {
            Gridlet g;
            g.ui.drop_files(view, {name});
            g.run();
            expectTheWork(g, work);
            EXPECT_EQ(g.state.editor.history().steps(), 1u);
        }
        for (int pattern = 0; pattern <= projectPattern; ++pattern) {
            Gridlet g;
            g.ui.answer_file(name, pattern);
            g.ui.choose_menu_item(mainWindow, openId);
            g.run();
            expectTheWork(g, work);
        }
        Gridlet g({name});
        expectTheWork(g, work);
    }
}

TEST_F(Project, DamagedOrMissingFileIsToldAndChangesNothing) {
    saveWork(g, folder);
    Bytes damaged = folder.read("work.gridlet");
    damaged[3000] ^= 0x10;
    folder.write("damaged.gridlet", damaged);
    const Message cases[] = {{"damaged.gridlet", "not read:" + folder / "damaged.gridlet" +
                                                     "\nthe project file is damaged."},
                             {"missing.gridlet", "unable to open:" + folder / "missing.gridlet" +
                                                     "\nit or its folder does not exist."}};
    const Document before = g.document();
    const size_t steps = g.state.editor.history().steps();
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        g.ui.messages_shown.clear();
        g.ui.drop_files(mapView, {folder / name});
        g.run();
        EXPECT_EQ(messages(), (std::vector<Message>{{"Open File", text}}));
        EXPECT_EQ(g.document(), before);
        EXPECT_EQ(g.state.editor.history().steps(), steps);
    }
}

} // namespace
