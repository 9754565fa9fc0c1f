// The whole work for other editors and machines: File > Export writes it under the file type's
// name and --convert writes the same bytes; other editors' projects open as gridlet's own do.
#include "app/convert_command.h"
#include "app/session_commands.h"
#include "file_command_test.h"
#include "files/atari_executable.h"
#include "files/c64_program.h"
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
        const Bytes glyphs = noise(charsetBytes, 3);
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
            chooseWithFile(machine.menuId, folder / machine.name);
            if (size.width == machine.other.width && size.height == machine.other.height) {
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

} // namespace
