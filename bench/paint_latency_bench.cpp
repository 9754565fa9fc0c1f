// What a user feels while painting: from a mouse move with a button held on the glyph editor
// to the moment all three canvases show the new pixels, with the 80 x 50 map, on the Qt
// binding. Beside it the refresh chain alone (the redraw every edited pixel costs, without the
// event and the repaint) and the least any redraw costs, one fill of the same buffers.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "fill_floor.h"
#include "qt_editing.h"
#include "qt_program.h"
#include "sampled_time.h"
#include "views/charset_view.h"

namespace {

constexpr const char* latencyName = "PaintLatency";
constexpr const char* chainName = "RefreshChainOnQt";
constexpr const char* floorName = "FillFloor";
constexpr double targetLatencyRatio = 1.5;
constexpr double targetChainRatio = 4.0;

void PaintLatency(benchmark::State& timing) {
    QtProgram program;
    GlyphStrokes strokes(program);
    SampledTime clock(timing);
    for (auto _ : timing) {
        QMouseEvent move = strokes.nextMove();
        clock.start();
        QCoreApplication::sendEvent(strokes.editor(), &move);
        program.handleQueuedEvents();
        const bool painted = program.repaintCanvases();
        clock.stop();
        if (!painted) timing.SkipWithError("the canvases were not repainted");
    }
    clock.report();
}

// The same redraw as a painted pixel causes, called directly; the canvases are repainted
// between the iterations, outside the measured time.
void RefreshChainOnQt(benchmark::State& timing) {
    QtProgram program;
    SampledTime clock(timing);
    int cell = 0;
    for (auto _ : timing) {
        uint8_t& row = program.state.charset[program.state.currentChar * 8 + cell / 8];
        row = uint8_t(row ^ (128 >> (cell % 8)));
        cell = (cell + 1) % 64;
        clock.start();
        refreshCharset(program.state);
        clock.stop();
        program.repaintCanvases();
    }
    clock.report();
}

void FillFloorBenchmark(benchmark::State& timing) {
    FillFloor floor;
    SampledTime clock(timing);
    for (auto _ : timing) {
        clock.start();
        floor.fill();
        clock.stop();
    }
    clock.report();
}

BENCHMARK(PaintLatency)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(RefreshChainOnQt)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(FillFloorBenchmark)->Name(floorName)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The console report, then the medians and 99th percentiles side by side and the ratios of
// the medians, against their targets.
class LatencyReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const auto at = [&](const char* name) { return double(run.counters.at(name)); };
            figures_[run.run_name.function_name] = {at("p50_us"), at("p99_us")};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (!figures_.count(latencyName) || !figures_.count(chainName) ||
            !figures_.count(floorName))
            return;
        const Figures latency = figures_[latencyName];
        const Figures chain = figures_[chainName];
        const Figures floor = figures_[floorName];
        std::printf("\npaint latency, mouse move on the glyph editor to three canvases painted "
                    "(80 x 50 map, %s)\n",
                    qPrintable(QGuiApplication::platformName()));
        std::printf("  whole latency   median %7.0f us   p99 %7.0f us\n", latency.median,
                    latency.p99);
        std::printf("  refresh chain   median %7.0f us   p99 %7.0f us\n", chain.median, chain.p99);
        std::printf("  fill floor      median %7.0f us   p99 %7.0f us\n", floor.median, floor.p99);
        report("latency", latency.median / chain.median, "the refresh chain", targetLatencyRatio);
        report("refresh chain", chain.median / floor.median, "the floor", targetChainRatio);
    }

  private:
    struct Figures {
        double median = 0, p99 = 0;
    };

    static void report(const char* what, double ratio, const char* baseline, double target) {
        std::printf("  %s: %.2fx %s (target %.1fx) %s\n", what, ratio, baseline, target,
                    ratio <= target ? "met" : "MISSED");
    }

    std::map<std::string, Figures> figures_;
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
    return 0;
}
