// What a user feels while painting: from a mouse move with a button held on the glyph editor
// to the moment all three canvases show the new pixels, with the 80 x 50 map, on the Qt
// binding. Beside it the refresh alone (the redraw every edited pixel costs, without the event
// and the repaint) and the least any full redraw costs, one fill of the same buffers. Taken with
// glyphs of 8 x 8 and again of 8 x 16.
//
//     paint_latency_bench [--benchmark_min_time=seconds]
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "app/refresh.h"
#include "fill_floor.h"
#include "qt_editing.h"
#include "qt_program.h"
#include "verdict.h"
#include "views/glyph_editor_view.h"
#include "wall_samples.h"

namespace {

constexpr double targetLatencyP99 = 2000; // microseconds
constexpr double targetRefreshRatio = 0.5;

// The visible map cells that show the current glyph.
int64_t cellsShowing(const AppState& state) {
    const Document& document = state.editor.document();
    int64_t cells = 0;
    for (int column = 0; column < document.mapWidth; ++column)
        for (int row = 0; row < document.mapHeight; ++row)
            cells += document.mapCells[size_t(column)][size_t(row)] == state.editor.currentChar();
    return cells;
}

// Each iteration times the three steps in turn, so that a busy moment of the machine falls on
// all of them alike and the ratios of their medians stay steady:
//  - the whole latency: the mouse move is sent, the program handles what it raised, and Qt
//    runs until the three canvases have painted;
//  - the refresh alone, the redraw the move caused, run again directly on the glyph as it was
//    before the move (the program's glyph is then shown again and the canvases repainted,
//    outside the time);
//  - the fill floor.
// The benchmark's own time is the whole latency.
template <int height> void PaintLatency(benchmark::State& timing) {
    QtProgram program(height);
    GlyphStrokes strokes(program);
    FillFloor floor(height);
    WallSamples latency, chain, fill;
    // A painted pixel shows anew its square on the glyph editor, the glyph's cell on the charset
    // view and the glyph's cells on the map, and nothing more: else the benchmark measures
    // another program than the one users run.
    const int64_t cell = 16 * 2 * height, square = editorSquare(height) * editorSquare(height);
    const std::array<int64_t, 3> expected{cell, square, cell * cellsShowing(program.state)};
    for (auto _ : timing) {
        QMouseEvent move = strokes.nextMove();
        bool painted = false;
        const std::array<int64_t, 3> before = program.paintedPixels();
        timing.SetIterationTime(latency.time([&] {
            QCoreApplication::sendEvent(strokes.editor(), &move);
            program.handleQueuedEvents();
            painted = program.repaintCanvases();
        }));
        if (!painted) timing.SkipWithError("the canvases were not repainted");
        for (size_t view = 0; view < expected.size(); ++view)
            if (program.paintedPixels()[view] - before[view] != expected[view]) {
                const std::string problem =
                    "a painted pixel repainted " +
                    std::to_string(program.paintedPixels()[view] - before[view]) +
                    " pixels of canvas " + std::to_string(view) + ", not " +
                    std::to_string(expected[view]);
                timing.SkipWithError(problem.c_str());
                break;
            }

        strokes.flipPixel(); // back to the glyph before the move
        chain.time([&] { refresh(program.state); });
        strokes.flipPixel(); // the program's glyph again, shown before the next move
        refresh(program.state);
        program.repaintCanvases();

        fill.time([&] { floor.fill(); });
    }
    for (auto [name, samples] :
         {std::pair{"latency", &latency}, {"chain", &chain}, {"floor", &fill}}) {
        timing.counters[std::string(name) + "_p50"] = samples->percentile(0.50);
        timing.counters[std::string(name) + "_p99"] = samples->percentile(0.99);
    }
}

BENCHMARK(PaintLatency<8>)->Name("PaintLatency")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintLatency<16>)->Name("PaintLatency16")->UseManualTime()->Unit(benchmark::kMicrosecond);

// The console report, then the three figures side by side and the ratios of their medians,
// against their targets.
class LatencyReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred) errors_[name] = run.error_message;
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                counters_[name] = run.counters;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, glyphs] :
             {std::pair{"PaintLatency", "8 x 8"}, std::pair{"PaintLatency16", "8 x 16"}})
            report(name, glyphs);
    }

  private:
    void report(const std::string& name, const char* glyphs) {
        if (errors_.count(name))
            std::printf("\npaint latency, glyphs of %s: measured something else (%s) %s\n", glyphs,
                        errors_[name].c_str(), bench::verdict(false));
        if (!counters_.count(name)) return;
        last_ = counters_[name];
        std::printf("\npaint latency, mouse move on the glyph editor to three canvases painted "
                    "(80 x 50 map, glyphs of %s, %s)\n",
                    glyphs, qPrintable(QGuiApplication::platformName()));
        line("whole latency", "latency");
        line("refresh", "chain");
        line("fill floor", "floor");
        const double p99 = at("latency", "p99");
        std::printf("  latency p99: %.0f us (target %.0f us) %s\n", p99, targetLatencyP99,
                    bench::verdict(p99 <= targetLatencyP99));
        ratio("refresh", "chain", "floor", "the floor", targetRefreshRatio);
    }

    double at(const std::string& figure, const char* which) {
        return double(last_[figure + "_" + which]);
    }

    void line(const char* label, const char* figure) {
        std::printf("  %-15s median %7.0f us   p99 %7.0f us\n", label, at(figure, "p50"),
                    at(figure, "p99"));
    }

    void ratio(const char* label, const char* figure, const char* baseline,
               const char* baselineLabel, double target) {
        const double times = at(figure, "p50") / at(baseline, "p50");
        std::printf("  %s: %.2fx %s (target %.2fx) %s\n", label, times, baselineLabel, target,
                    bench::verdict(times <= target));
    }

    std::map<std::string, benchmark::UserCounters> counters_;
    std::map<std::string, std::string> errors_;
    benchmark::UserCounters last_; // of the figure being reported
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::qt::prepare_application();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    LatencyReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return bench::exitCode();
}
