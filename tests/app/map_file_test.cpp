// Map files saved with File > Save > "Character_map" and loaded through "Open..." and drops; the
// cells' colours the same way with "Character map colours".
#include "file_command_test.h"

#include "toolkit/texts.h"

namespace {

using MapFile = FileCommandTest;

constexpr int mapColorsPattern = 3; // of "Open..."

// The start-up map: every row counts up from the space character.
Bytes startMapRows(int width, int height) {
    Bytes bytes;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bytes.push_back(static_cast<uint8_t>(x + 32));
    }
    return bytes;
}

TEST_F(MapFile, StartMapSavesAsItsVisibleCellsRowByRow) {
    const std::string offered = g.state.windows.files.mapFileName;
    chooseWithFile(saveMapId, folder / "screen");

    ASSERT_EQ(g.ui.file_requests.size(), 1u);
    const toolkit::FileRequest& request = g.ui.file_requests[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "Please choose file to save");
    EXPECT_EQ(request.folder + "/" + request.name, toolkit::current_directory() + "charmap.map");
    ASSERT_EQ(request.patterns.size(), 1u);
    EXPECT_EQ(request.patterns[0].description, "Character map (*.map)");
    EXPECT_EQ(request.patterns[0].mask, "*.map");

    EXPECT_EQ(folder.read("screen.map"), startMapRows(40, 24));
    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.state.windows.files.mapFileName, offered);
    EXPECT_EQ(g.state.windows.files.lastFolder, folder.path() + "/");
}

TEST_F(MapFile, SavedMapLoadsBackIntoEveryVisibleCell) {
    const Bytes cells = noise(1000, 1000);
    g.ui.choose_menu_item(mainWindow, mapC64Id);
    folder.write("noise.map", cells);
    openMap("noise.map");
    chooseWithFile(saveMapId, folder / "copy.MAP");

    EXPECT_EQ(folder.read("copy.MAP"), cells);
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 40; ++x) ASSERT_EQ(g.document().mapCells[x][y], cells[y * 40 + x]);
    }
}

TEST_F(MapFile, HighBytesLoadAsCodesAbove127) {
    Bytes high;
    for (int code = 128; code < 256; ++code) high.push_back(static_cast<uint8_t>(code));
    folder.write("high.map", high);
    openMap("high.map");

    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(g.document().mapCells[i % 40][i / 40], 128 + i) << "byte " << i;
    }
    EXPECT_EQ(g.document().mapCells[8][3],
              40); // the first cell past the file keeps its code
}

TEST_F(MapFile, FileLargerThanTheMapIsRefusedWholly) {
    g.ui.choose_menu_item(mainWindow, mapZxId);
    g.run();
    const MapCells before = g.document().mapCells;
    const std::string name = folder / "wide.map";
    folder.write("wide.map", startMapRows(40, 24));
    openMap("wide.map");

    EXPECT_EQ(messages(), (std::vector<Message>{{"Open File", "to big map:" + name}}));
    EXPECT_EQ(g.document().mapCells, before);
    EXPECT_EQ(g.state.windows.files.mapFileName,
              name); // "Open..." names the map even when it failed
}

TEST_F(MapFile, ShorterFileFillsRowsInFileOrderAndKeepsTheRest) {
    g.ui.choose_menu_item(mainWindow, mapC64Id);
    const Bytes cells = noise(960, 960);
    folder.write("shorter.map", cells);
    openMap("shorter.map");

    EXPECT_TRUE(g.ui.messages_shown.empty());
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 40; ++x) ASSERT_EQ(g.document().mapCells[x][y], cells[y * 40 + x]);
    }
    for (int x = 0; x < 40; ++x) EXPECT_EQ(g.document().mapCells[x][24], x + 32);
}

TEST_F(MapFile, EmptyFileChangesNoCellButRedrawsAndNamesTheMap) {
    folder.write("empty.map", {});
    g.ui.choose_menu_item(mainWindow, mapAtariId); // the start size, shown
    g.run();
    const MapCells before = g.document().mapCells;
    const int redraws = g.ui.canvas_redraws;
    openMap("empty.map");

    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.document().mapCells, before);
    EXPECT_GT(g.ui.canvas_redraws, redraws);
    EXPECT_EQ(g.state.windows.files.mapFileName, folder / "empty.map");
}

TEST_F(MapFile, MissingFolderAndPipeCannotBeOpened) {
    std::filesystem::create_directory(folder / "folder.map");
    makeFifo("pipe.map");
    const MapCells before = g.document().mapCells;
    const std::pair<std::string, std::string> cases[] = {
        {"missing.map", "it or its folder does not exist."},
        {"folder.map", "it is a folder."},
        {"pipe.map", "it is not a regular file (a FIFO, a device or a socket)."}};
    for (const auto& [name, why] : cases) {
        SCOPED_TRACE(name);
        g.ui.messages_shown.clear();
        openMap(name);
        EXPECT_EQ(messages(), (std::vector<Message>{
                                  {"Open File", "unable to open:" + folder / name + "\n" + why}}));
        EXPECT_EQ(g.document().mapCells, before);
        EXPECT_EQ(g.state.windows.files.mapFileName, folder / name);
    }
}

TEST_F(MapFile, DropOnTheMapViewLoadsAndNamesTheMapOnlyOnSuccess) {
    const std::string startName = g.state.windows.files.mapFileName;
    folder.write("wide.map", noise(2000, 1));
    g.ui.drop_files(mapView, {folder / "wide.map"});
    g.ui.drop_files(mapView, {folder / "missing.map"});
    g.run();

    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Open File", "to big map:" + folder / "wide.map"},
                                    {"Open File", "unable to open:" + folder / "missing.map" +
                                                      "\nit or its folder does not exist."}}));
    EXPECT_EQ(g.state.windows.files.mapFileName, startName);

    folder.write("small.map", {7, 8, 9});
    g.ui.drop_files(mapView, {folder / "small.map"});
    g.run();
    EXPECT_EQ(g.document().mapCells[1][0], 8);
    EXPECT_EQ(g.state.windows.files.mapFileName, folder / "small.map");
    // The next save offers the dropped map's name.
    const toolkit::FileRequest request = cancelledRequester(saveMapId);
    EXPECT_EQ(request.name, "small.map");
    EXPECT_EQ(request.folder, folder.path());
}

TEST_F(MapFile, FailedSaveKeepsTheOldMapFile) {
    const Bytes old = noise(4000, 4);
    folder.write("old.map", old);
    toolkit::detail::fail_writes_after(10);
    chooseWithFile(saveMapId, folder / "old.map");
    toolkit::detail::fail_writes_after(-1);

    EXPECT_EQ(messages(),
              (std::vector<Message>{{"Save file", "File Error:" + folder / "old.map" +
                                                      "\nno space left on the device."}}));
    EXPECT_EQ(folder.read("old.map"), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"old.map"});
}

// The visible cells' colours, row by row.
Bytes visibleColors(const Document& document) {
    Bytes bytes;
    for (int y = 0; y < document.mapHeight; ++y)
        for (int x = 0; x < document.mapWidth; ++x) bytes.push_back(document.mapColors[x][y]);
    return bytes;
}

TEST_F(MapFile, ColoursOpenIntoTheCellsAsAnUndoStepAndSaveBesideTheMap) {
    g.ui.choose_menu_item(mainWindow, mapC64Id);
    const MapColors start = g.document().mapColors;
    const MapCells cells = g.document().mapCells;
    const Bytes colors = noise(1000, 77);
    folder.write("screen.col", colors);
    chooseWithFile(openId, folder / "screen.col", mapColorsPattern);

    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(visibleColors(g.document()), colors);
    EXPECT_EQ(g.document().mapCells, cells);
    EXPECT_EQ(g.document().mapColors[40][0], start[40][0]); // the hidden column keeps its own

    const toolkit::FileRequest request = cancelledRequester(saveMapColorsId);
    EXPECT_EQ(request.folder + "/" + request.name, toolkit::current_directory() + "charmap.col");
    ASSERT_EQ(request.patterns.size(), 1u);
    EXPECT_EQ(request.patterns[0].description, "Character map colours (*.col)");
    chooseWithFile(saveMapColorsId, folder / "copy");
    EXPECT_EQ(folder.read("copy.col"), colors);

    g.ui.choose_menu_item(mainWindow, undoId);
    g.run();
    EXPECT_EQ(g.document().mapColors, start);
}

TEST_F(MapFile, ColoursTooManyForTheMapOrUnreadableChangeNothing) {
    g.ui.choose_menu_item(mainWindow, mapZxId);
    g.run();
    const Document before = g.document();
    folder.write("wide.col", noise(32 * 24 + 1, 5));
    chooseWithFile(openId, folder / "wide.col", mapColorsPattern);
    g.ui.drop_files(mapView, {folder / "wide.col"});
    chooseWithFile(openId, folder / "missing.col", mapColorsPattern);
    g.run();

    const Message tooBig{"Open File", "to big map:" + folder / "wide.col"}; // as a map file
    const Message missing{"Open File", "unable to open:" + folder / "missing.col" +
                                           "\nit or its folder does not exist."};
    EXPECT_EQ(messages(), (std::vector<Message>{tooBig, tooBig, missing}));
    EXPECT_EQ(g.document(), before);
}

TEST_F(MapFile, DroppedColoursFileLoadsAsColoursAndOpensAgainFromTheRecentList) {
    g.ui.choose_menu_item(mainWindow, colorModeId + 1); // C64 single colour: the fill paints 13
    const MapCells cells = g.document().mapCells;
    folder.write("small.col", {2, 10, 12});
    g.ui.drop_files(mapView, {folder / "small.col"});
    g.run();
    EXPECT_EQ(g.document().mapColors[1][0], 10);
    EXPECT_EQ(g.document().mapCells, cells);

    g.ui.choose_menu_item(mainWindow, fillMapId);
    g.run();
    g.ui.choose_menu_item(mainWindow, recentFileId);
    g.run();
    EXPECT_TRUE(g.ui.messages_shown.empty());
    EXPECT_EQ(g.document().mapColors[1][0], 10);
    EXPECT_EQ(g.document().mapColors[3][0], 13);
}

} // namespace
