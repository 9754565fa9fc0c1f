// The refresh that follows an edit, beside the least any full redraw costs: one fill of the
// three view buffers. Three figures with their targets: the refresh after one painted pixel (an
// 80 x 50 map of busy glyphs that shows the glyph in 16 cells), the same in C64 multicolour over
// cells of mixed colours, and the refresh after a pointer move over the map with no button held
// (only the old and the new outlined cells). The full redraw of all three views is shown for
// comparison, and the undo of a large step beside the refresh it causes. The figures of the
// views are taken again with glyphs of 8 x 16, against the floor of views of their size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/map_commands.h"
#include "app/map_view_input.h"
#include "app/refresh.h"
#include "app/session_commands.h"
#include "busy_charset.h"
#include "charmap/map_blocks.h"
#include "fill_floor.h"
#include "toolkit/files.h"
#include "toolkit/headless/headless_binding.h"
#include "toolkit/windows.h"
#include "verdict.h"
#include "view_surfaces.h"

namespace {

constexpr const char* floorName = "FillFloor";
constexpr const char* tallFloorName = "FillFloor16";
constexpr int tallHeight = 16;
constexpr double paintTarget = 0.5;
constexpr double multicolourPaintTarget = 0.05;
constexpr double hoverTarget = 0.05;
constexpr double typingTarget = 0.1;
constexpr double pasteTarget = 0.3;
constexpr double fullRedrawTarget = 1.0;

// The pixels a turn showed anew on the charset view, the glyph editor and the map.
struct Drawn {
    int64_t charsetView = 0, glyphEditor = 0, map = 0;
    bool operator==(const Drawn&) const = default;
    std::string text() const {
        return std::to_string(charsetView) + ", " + std::to_string(glyphEditor) + " and " +
               std::to_string(map) + " pixels";
    }
};

// A glyph's cell on the charset view and the map.
constexpr int64_t cellPixels(int glyphHeight) {
    return 16 * 2 * glyphHeight;
}
// A pixel's square on the glyph editor.
constexpr int64_t squarePixels(int glyphHeight) {
    const int64_t side = glyphHeight <= 8 ? 16 : 128 / glyphHeight;
    return side * side;
}

class BusyProgram {
  public:
    explicit BusyProgram(int glyphHeight = 8) {
        // Sessions kept by the benchmarks go to a folder of their own.
        static const std::string home = [] {
            std::string folder = "/tmp/gridlet-bench-XXXXXX";
            return mkdtemp(folder.data()) ? folder : std::string("/tmp");
        }();
        setenv("XDG_STATE_HOME", home.c_str(), 1);
        toolkit::start_toolkit(ui_);
        createViewSurfaces();
        state.windows.mapWindowAvailable = true;
        Document& document = state.editor.changeDocument();
        document.charset = busyCharset(2024, glyphHeight);
        state.editor.setCurrentChar(65);
        document.mapWidth = 80;
        document.mapHeight = 50;
        for (int column = 0; column < mapColumns; ++column)
            for (int row = 0; row < mapRows; ++row)
                document.mapCells[column][row] = (row * 80 + column) % 256;
        state.editor.startHistory();
        fitMapWindow(document); // as the map size that shows it does
        refresh(state);
    }
    ~BusyProgram() { toolkit::shut_down_toolkit(); }

    // One turn outside the timing, checked to redraw what the benchmark says it measures (the
    // pixels each view shows anew): one that redrew everything, or nothing, would flatter or
    // slander the program unseen.
    template <class Turn> void checkTurn(benchmark::State& timing, Turn turn, Drawn expected) {
        ui_.canvas_pixels_drawn_on = {};
        turn();
        const auto& on = ui_.canvas_pixels_drawn_on;
        const Drawn drawn{on[charsetView], on[glyphEditor], on[mapView]};
        if (drawn == expected) return;
        const std::string problem = "a turn drew " + drawn.text() + ", not " + expected.text();
        timing.SkipWithError(problem.c_str());
    }

    BusyProgram(const BusyProgram&) = delete;
    BusyProgram& operator=(const BusyProgram&) = delete;

    AppState state;

  private:
    toolkit::HeadlessBinding ui_;
};

// A pixel of the current glyph flipped, as a stroke over the glyph editor does, and the
// refresh, once a timed turn. It redraws the pixel's cell on the glyph editor (two cells for a
// wide pixel), the glyph's cell on the charset view and its 16 cells on the map.
void paintPixelsAndRefresh(benchmark::State& timing, BusyProgram& program, int editorSquares) {
    AppState& state = program.state;
    const int height = state.editor.document().charset.height;
    int pixel = 0;
    const auto turn = [&] {
        pixel = (pixel + 1) % (8 * height);
        state.editor.changeGlyph(state.editor.currentChar())[size_t(pixel / 8)] ^=
            uint8_t(128 >> (pixel % 8));
        refresh(state);
    };
    const int64_t cell = cellPixels(height);
    program.checkTurn(timing, turn, {cell, editorSquares * squarePixels(height), 16 * cell});
    for (auto _ : timing) turn();
}

template <int height> void RefreshAfterPaintedPixel(benchmark::State& timing) {
    BusyProgram program(height);
    paintPixelsAndRefresh(timing, program, 1);
}

// The same in C64 multicolour, over the same map in coloured cells: colour RAM values below 8,
// which keep a cell in single colour, and from 8 on, for multicolour; the glyph's 16 cells
// have both.
void RefreshAfterPaintedPixelC64Multi(benchmark::State& timing) {
    BusyProgram program;
    AppState& state = program.state;
    state.editor.setColorMode(ColorMode::c64Multi);
    MapColors& colors = state.editor.changeCellColors();
    for (int column = 0; column < mapColumns; ++column)
        for (int row = 0; row < mapRows; ++row)
            colors[column][row] = uint8_t((column * 7 + row * 3) % 16);
    refresh(state);
    paintPixelsAndRefresh(timing, program, 2);
}

// The pointer moving between two cells of the map with no button held: the old outlined cell
// and the new one.
template <int height> void RefreshAfterMapHover(benchmark::State& timing) {
    BusyProgram program(height);
    AppState& state = program.state;
    int column = 0;
    const auto turn = [&] {
        column = column == 10 ? 11 : 10;
        state.windows.feedback.mapOutline = Cell{column, 20};
        state.windows.feedback.mapTitle = MapTitle{Cell{column, 20}, column};
        refresh(state);
    };
    turn();
    program.checkTurn(timing, turn, {0, 0, 2 * cellPixels(height)});
    for (auto _ : timing) turn();
}

// A character typed on the map with "Type text" on, as the map view gets it, and the refresh:
// the typed cell, where the cursor was, and the cursor's new cell.
template <int height> void RefreshAfterTypedCharacter(benchmark::State& timing) {
    BusyProgram program(height);
    AppState& state = program.state;
    state.windows.typing.on = true;
    Event typed{.kind = toolkit::gadget_event, .gadget = mapView, .type = toolkit::character_input};
    FollowUp followUp;
    int letter = 0;
    const auto turn = [&] {
        // Back to the first cell before the cursor reaches the last one, where it stays.
        if (state.windows.typing.cursor.row == 48) state.windows.typing.cursor = {0, 0};
        typed.character = 'A' + letter;
        letter = (letter + 1) % 26;
        handleMapViewEvent(state.editor, state.windows, typed, followUp);
        refresh(state);
    };
    turn();
    program.checkTurn(timing, turn, {0, 0, 3 * cellPixels(height)});
    for (auto _ : timing) turn();
}

// A 40 x 25 block of cells pasted over the map, two different blocks in turn so that every
// paste changes every cell it covers, and the refresh that shows them.
template <int height> void RefreshAfterPasted40x25(benchmark::State& timing) {
    BusyProgram program(height);
    AppState& state = program.state;
    MapBlock blocks[2];
    for (int b = 0; b < 2; ++b) {
        blocks[b] = {40, 25, std::vector<int32_t>(1000), {}};
        for (int cell = 0; cell < 1000; ++cell)
            blocks[b].codes[size_t(cell)] = (cell * 7 + b) % 256;
    }
    int turn = 0;
    const auto paste = [&] {
        pasteMapBlock(state.editor, blocks[turn], 20, 12, -1);
        turn = 1 - turn;
        refresh(state);
    };
    paste(); // from here on every paste changes every cell it covers
    program.checkTurn(timing, paste, {0, 0, 1000 * cellPixels(height)});
    for (auto _ : timing) paste();
}

// An undone step and its redo in turn: one that changed every glyph, or every map cell. Alone,
// and with the refresh that shows it.
template <bool withRefresh> void undoInTurn(benchmark::State& timing, void (*edit)(Document&)) {
    BusyProgram program;
    AppState& state = program.state;
    edit(state.editor.changeDocument());
    state.editor.recordStep();
    bool undone = false;
    for (auto _ : timing) {
        undone ? state.editor.redo() : state.editor.undo();
        undone = !undone;
        if (withRefresh) {
            refresh(state);
        }
    }
}

void invertEveryGlyph(Document& document) {
    for (uint8_t& row : document.charset) row = uint8_t(~row);
}

void fillTheMap(Document& document) {
    for (int column = 0; column < 80; ++column)
        for (int row = 0; row < 50; ++row) document.mapCells[column][row] = 7;
}

void UndoWholeCharset(benchmark::State& timing) {
    undoInTurn<false>(timing, invertEveryGlyph);
}
void UndoWholeCharsetAndRefresh(benchmark::State& timing) {
    undoInTurn<true>(timing, invertEveryGlyph);
}
void UndoMapFill(benchmark::State& timing) {
    undoInTurn<false>(timing, fillTheMap);
}
void UndoMapFillAndRefresh(benchmark::State& timing) {
    undoInTurn<true>(timing, fillTheMap);
}

// The session kept after a change: on the event loop's thread only its encoding and the hand-
// over (SessionHandOver); the write itself, with the wait for the disk, is on a thread of its own
// (SessionWrite waits for it at every change).
template <bool waitForTheDisk> void keepSessionInTurn(benchmark::State& timing) {
    BusyProgram program;
    AppState& state = program.state;
    for (auto _ : timing) {
        state.editor.changeGlyph(0)[0] ^= 1;
        keepSession(state.session, state.editor);
        if (waitForTheDisk) toolkit::finish_saves();
    }
    toolkit::finish_saves();
}
void SessionHandOver(benchmark::State& timing) {
    keepSessionInTurn<false>(timing);
}
void SessionWrite(benchmark::State& timing) {
    keepSessionInTurn<true>(timing);
}

// Every view drawn from nothing, as the first refresh does.
template <int height> void FullRedraw(benchmark::State& timing) {
    BusyProgram program(height);
    AppState& state = program.state;
    const auto turn = [&] {
        state.windows.shown = ShownViews{};
        state.windows.shown.glyphHeight = height; // the views are laid out for it already
        refresh(state);
    };
    program.checkTurn(timing, turn, {256 * 32 * height, 128 * 128, 80 * 50 * cellPixels(height)});
    for (auto _ : timing) turn();
}

template <int height> void FillFloorBenchmark(benchmark::State& timing) {
    FillFloor floor(height);
    for (auto _ : timing) floor.fill();
}

// The views' figures at 8 rows keep their names; at 16 they end in "16".
#define VIEW_BENCHMARK(name)                                                                       \
    BENCHMARK(name<8>)->Name(#name)->Unit(benchmark::kMicrosecond);                                \
    BENCHMARK(name<tallHeight>)->Name(#name "16")->Unit(benchmark::kMicrosecond)

VIEW_BENCHMARK(RefreshAfterPaintedPixel);
BENCHMARK(RefreshAfterPaintedPixelC64Multi)->Unit(benchmark::kMicrosecond);
VIEW_BENCHMARK(RefreshAfterMapHover);
VIEW_BENCHMARK(RefreshAfterTypedCharacter);
VIEW_BENCHMARK(RefreshAfterPasted40x25);
VIEW_BENCHMARK(FullRedraw);
BENCHMARK(SessionHandOver)->Unit(benchmark::kMicrosecond);
BENCHMARK(SessionWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(UndoWholeCharset)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoWholeCharsetAndRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoMapFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoMapFillAndRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillFloorBenchmark<8>)->Name(floorName)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillFloorBenchmark<tallHeight>)->Name(tallFloorName)->Unit(benchmark::kMicrosecond);

// The console report, and at its end how many floors each refresh costs, in processor time,
// which other work on the machine disturbs less than the wall clock.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // The write waits for the disk on another thread: its wall time is what it takes.
        for (const Run& run : runs)
            if (run.error_occurred)
                errors_[run.run_name.function_name] = run.error_message;
            else if (run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name] = run.run_name.function_name == "SessionWrite"
                                                         ? run.GetAdjustedRealTime()
                                                         : run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (!times_.count(floorName)) return;
        std::printf("\nfill floor %.1f us\n", times_[floorName]);
        report("refresh after a painted pixel", "RefreshAfterPaintedPixel", paintTarget);
        report("  in C64 multicolour, over coloured cells", "RefreshAfterPaintedPixelC64Multi",
               multicolourPaintTarget);
        report("refresh after a move over the map", "RefreshAfterMapHover", hoverTarget);
        report("refresh after a character typed on the map", "RefreshAfterTypedCharacter",
               typingTarget);
        report("refresh after a 40 x 25 paste on the map", "RefreshAfterPasted40x25", pasteTarget);
        report("full redraw", "FullRedraw", fullRedrawTarget);
        if (times_.count(tallFloorName)) {
            std::printf("\nglyphs of 8 x 16: fill floor %.1f us\n", times_[tallFloorName]);
            report("refresh after a painted pixel", "RefreshAfterPaintedPixel16", paintTarget,
                   tallFloorName);
            report("refresh after a move over the map", "RefreshAfterMapHover16", hoverTarget,
                   tallFloorName);
            report("refresh after a character typed on the map", "RefreshAfterTypedCharacter16",
                   typingTarget, tallFloorName);
            report("refresh after a 40 x 25 paste on the map", "RefreshAfterPasted40x2516",
                   pasteTarget, tallFloorName);
            report("full redraw", "FullRedraw16", fullRedrawTarget, tallFloorName);
            std::printf("\n");
        }
        report("session kept, on the event loop's thread", "SessionHandOver", 0);
        report("  the write itself, on its own thread (wall time)", "SessionWrite", 0);
        report("undo of a step that changed every glyph", "UndoWholeCharset", 0);
        report("  with the refresh it causes", "UndoWholeCharsetAndRefresh", 0);
        report("undo of a map fill", "UndoMapFill", 0);
        report("  with the refresh it causes", "UndoMapFillAndRefresh", 0);
        report("event loop, an event that changes nothing", "LoopNoOpEvent", 0);
        report("event loop, a painted pixel", "LoopPaintedPixel", 0);
    }

  private:
    void report(const char* label, const char* name, double target, const char* floor = floorName) {
        if (errors_.count(name)) {
            std::printf("%s: measured something else (%s) %s\n", label, errors_[name].c_str(),
                        bench::verdict(false));
            return;
        }
        if (!times_.count(name)) return;
        const double ratio = times_[name] / times_[floor];
        std::printf("%s: %.2f us, %.3fx the floor", label, times_[name], ratio);
        if (target > 0) std::printf(" (target %.2fx) %s", target, bench::verdict(ratio <= target));
        std::printf("\n");
    }

    std::map<std::string, double> times_;
    std::map<std::string, std::string> errors_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return bench::exitCode();
}
