// The whole work for other editors and machines: File > Export writes it under the file type's
// name and --convert writes the same bytes; other editors' projects open as gridlet's own do.
#include "app/convert_command.h"
#include "app/session_commands.h"
#include "file_command_test.h"
#include "files/atari_executable.h"
#include "files/c64_program.h"
#include "files/petmate_file.h"
#include "files/project_file.h"
#include "files/spectrum_screen.h"

namespace {

using WholeWork = FileCommandTest;

struct MachineExport {
    int menuId;
    const char* name;
    ColorMode mode;
    MapSize size;  // the machine's screen
    MapSize other; // one it does not show
    const char* problem;
};

const MachineExport machineExports[] = {
    {exportC64ProgramId,
     "scene.prg",
     ColorMode::c64Multi,
     {40, 25},
     {40, 24},
     "A C64 screen is 40 x 25 cells; the map is 40 x 24."},
    {exportAtariExecutableId,
     "scene.xex",
     ColorMode::atari4,
     {40, 24},
     {40, 25},
     "An Atari screen is 40 x 24 cells; the map is 40 x 25."},
    {exportSpectrumScreenId,
     "scene.scr",
     ColorMode::spectrum,
     {32, 24},
     {80, 50},
     "A Spectrum screen is 32 x 24 cells; the map is 80 x 50."},
    {exportSpectrumTapeId,
     "scene.tap",
     ColorMode::spectrum,
     {32, 24},
     {64, 30},
     "A Spectrum screen is 32 x 24 cells; the map is 64 x 30."},
};

MachineFile expectedFile(const Document& document, int menuId) {
    switch (menuId) {
    case exportC64ProgramId:
        return encodeC64Program(document);
    case exportAtariExecutableId:
        return encodeAtariExecutable(document);
    case exportSpectrumScreenId:
        return encodeSpectrumScreen(document);
    default:
        return encodeSpectrumTape(document, "scene");
    }
}

TEST_F(WholeWork, AMachinesProgramIsWrittenForItsScreenAndRefusedForAnyOther) {
    std::filesystem::create_directory(folder / "cli");
    for (const MachineExport& machine : machineExports) {
        SCOPED_TRACE(machine.name);
        Document& work = g.state.editor.changeDocument();
        const Bytes glyphs = noise(machineCharsetBytes, 3);
        std::copy(glyphs.begin(), glyphs.end(), work.charset.begin());
        for (int x = 0; x < mapColumns; ++x)
            for (int y = 0; y < mapRows; ++y) work.mapCells[x][y] = (x * 3 + y) & 0xFF;
        work.colorMode = machine.mode;
        for (const MapSize size : {machine.other, machine.size}) {
            work.mapWidth = size.width;
            work.mapHeight = size.height;
            folder.write("scene.gridlet", encodeProject(sessionOf(g.state.editor)));
            // Under the same name, which a tape's block takes.
            const std::string cli = folder / (std::string("cli/") + machine.name);
            const ConversionRun run = runConversion({"--convert", folder / "scene.gridlet", cli});
            const size_t requests = g.ui.file_requests.size();
            const bool fits =
                size.width == machine.size.width && size.height == machine.size.height;
            if (fits) {
                chooseWithFile(machine.menuId, folder / machine.name);
            } else { // no name is asked, so none is answered
                g.ui.choose_menu_item(mainWindow, machine.menuId);
                g.run();
            }
            if (!fits) {
                // Told before a name is asked, and nothing is written.
                EXPECT_EQ(messages(), (std::vector<Message>{{"Export", machine.problem}}));
                EXPECT_EQ(g.ui.file_requests.size(), requests);
                EXPECT_FALSE(exists(machine.name));
                EXPECT_EQ(run.status, outputUnwritable);
                EXPECT_EQ(run.said, std::string("gridlet: Export: ") + machine.problem + "\n");
                EXPECT_FALSE(std::filesystem::exists(cli));
                g.ui.messages_shown.clear();
            } else {
                EXPECT_EQ(messages(), std::vector<Message>{});
                const Bytes written = folder.read(machine.name);
                EXPECT_EQ(written, expectedFile(g.document(), machine.menuId).bytes);
                EXPECT_EQ(run.status, conversionDone) << run.said;
                EXPECT_EQ(folder.read(std::string("cli/") + machine.name), written);
            }
        }
    }
}

struct OtherEditor {
    int menuId;
    const char* name;
    ColorMode mode; // the richest the format keeps
    bool keepsBorder;
};

const OtherEditor otherEditors[] = {
    {exportCharpadId, "scene.ctm", ColorMode::c64Multi, false},
    {exportVchar64Id, "scene.vchar64proj", ColorMode::c64Multi, false},
    {exportPetmateId, "scene.petmate", ColorMode::c64Single, true},
};

constexpr int otherEditorsPattern = 5; // of "Open..."

// A C64 scene of the caps set, each code in a colour of its own (VChar64 colours by the code).
Document makeScene(Gridlet& g, const OtherEditor& editor) {
    g.ui.choose_menu_item(mainWindow, charsetC64Id);
    g.ui.choose_menu_item(mainWindow, mapC64Id);
    g.ui.choose_menu_item(mainWindow, colorModeId + int(editor.mode));
    g.run();
    Document& scene = g.state.editor.changeDocument();
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 25; ++y) {
            scene.mapCells[x][y] = (x * 7 + y * 3) & 0xFF;
            scene.mapColors[x][y] = uint8_t(scene.mapCells[x][y] % 16);
        }
    scene.machineColors.c64Background = 11;
    scene.machineColors.c64Multi1 = 5;
    scene.machineColors.c64Multi2 = 9;
    scene.c64Border = 4;
    g.run();
    return scene;
}

// What the other editors keep of the work is what the program shows.
void expectTheScene(const Document& shown, const Document& scene, const OtherEditor& editor) {
    EXPECT_EQ(shown.charset, scene.charset);
    EXPECT_EQ(shown.colorMode, scene.colorMode);
    EXPECT_EQ(shown.mapWidth, 40);
    EXPECT_EQ(shown.mapHeight, 25);
    EXPECT_EQ(shown.machineColors.c64Background, 11);
    if (editor.mode == ColorMode::c64Multi) {
        EXPECT_EQ(shown.machineColors.c64Multi1, 5);
        EXPECT_EQ(shown.machineColors.c64Multi2, 9);
    }
    if (editor.keepsBorder) {
        EXPECT_EQ(shown.c64Border, 4);
    }
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 25; ++y) {
            ASSERT_EQ(shown.mapCells[x][y], scene.mapCells[x][y]) << x << "," << y;
            ASSERT_EQ(shown.mapColors[x][y] & 15, scene.mapColors[x][y]) << x << "," << y;
        }
}

// Each program its own, as it opens a file from its command line.
TEST(OtherEditorsProject, OpensWhateverWayItComesAsOneUndoStep) {
    TempFolder folder;
    ASSERT_TRUE(folder.made());
    const auto exists = [&](const char* name) {
        return std::filesystem::exists(std::filesystem::path(folder / name));
    };
    for (const OtherEditor& editor : otherEditors) {
        SCOPED_TRACE(editor.name);
        const Document scene = [&] {
            Gridlet making;
            const Document made = makeScene(making, editor);
            making.ui.answer_file(folder / editor.name, 0);
            making.ui.choose_menu_item(mainWindow, editor.menuId);
            making.run();
            return made;
        }();
        ASSERT_TRUE(exists(editor.name));
        const std::string name = folder / editor.name;
        for (const int way : {0, 1, 2, 3}) {
            SCOPED_TRACE(way);
            Gridlet opening(way == 3 ? std::vector<std::string>{name} : std::vector<std::string>{});
            const size_t steps = opening.state.editor.history().steps();
            const Document before = opening.document();
            if (way == 0) {
                opening.ui.answer_file(name, otherEditorsPattern);
                opening.ui.choose_menu_item(mainWindow, openId);
            } else if (way < 3) {
                opening.ui.drop_files(way == 1 ? charsetView : mapView, {name});
            }
            opening.run();
            EXPECT_TRUE(opening.ui.messages_shown.empty());
            expectTheScene(opening.document(), scene, editor);
            if (way == 3) {
                // --convert reads it as Open does.
                ASSERT_EQ(runConversion({"--convert", name, folder / "scene.gridlet"}).status,
                          conversionDone);
                expectTheScene(decodeProject(folder.read("scene.gridlet")).session.document, scene,
                               editor);
                continue;
            }
            EXPECT_EQ(opening.state.editor.history().steps(), steps + 1);
            EXPECT_EQ(opening.state.session.recentFiles[0],
                      (RecentFile{RecentFile::Kind::project, name}));
            opening.tapKey('Z', toolkit::modifier_control);
            opening.run();
            EXPECT_EQ(opening.document(), before);
        }
    }
}

// A file of several screens asks which to open; a cancel opens none and says nothing.
TEST_F(WholeWork, APetmateFileOfSeveralScreensOpensTheOneChosen) {
    const std::string screens =
        R"({"version":2,"framebufs":[)"
        R"({"width":1,"height":1,"backgroundColor":0,"borderColor":1,"name":"title",)"
        R"("framebuf":[[{"code":1,"color":2}]]},)"
        R"({"width":1,"height":1,"backgroundColor":5,"borderColor":6,"name":"level",)"
        R"("framebuf":[[{"code":65,"color":7}]]}]})";
    folder.write("two.petmate", Bytes(screens.begin(), screens.end()));
    const Document before = g.document();
    for (const int answer : {-1, 1}) {
        g.ui.answer_list(answer);
        g.ui.drop_files(mapView, {folder / "two.petmate"});
        g.run();
        ASSERT_FALSE(g.ui.lists_shown.empty());
        const toolkit::ShownList& asked = g.ui.lists_shown.back();
        EXPECT_EQ(asked.title, "Open File");
        EXPECT_EQ(asked.items, (std::vector<std::string>{"title", "level"}));
        EXPECT_TRUE(g.ui.messages_shown.empty());
        if (answer < 0) {
            EXPECT_EQ(g.document(), before);
            continue;
        }
        EXPECT_EQ(g.document().mapCells[0][0], 65);
        EXPECT_EQ(g.document().mapColors[0][0], 7);
        EXPECT_EQ(g.document().machineColors.c64Background, 5);
        EXPECT_EQ(g.document().c64Border, 6);
    }
}

} // namespace
