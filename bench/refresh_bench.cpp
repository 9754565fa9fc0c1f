// The redraw that follows every edited pixel (charset image and view, glyph editor, an 80 x 50
// map of busy glyphs), beside the least any redraw costs: one fill of the same three buffers.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "app/state/app_state.h"
#include "busy_charset.h"
#include "fill_floor.h"
#include "toolkit/headless/headless_binding.h"
#include "toolkit/windows.h"
#include "view_surfaces.h"
#include "views/charset_view.h"

namespace {

constexpr const char* chainName = "RefreshChain";
constexpr const char* floorName = "FillFloor";
constexpr double targetRatio = 4.0;

class BusyProgram {
  public:
    BusyProgram() {
        toolkit::start_toolkit(ui_);
        createViewSurfaces();
        state.mapWindowAvailable = true;
        state.charset = busyCharset(2024);
        state.currentChar = 65;
        state.mapWidth = 80;
        state.mapHeight = 50;
        for (int column = 0; column < mapColumns; ++column) {
            for (int row = 0; row < mapRows; ++row) {
                state.mapCells[column][row] = (row * 80 + column) % 256;
            }
        }
    }
    ~BusyProgram() { toolkit::shut_down_toolkit(); }
    BusyProgram(const BusyProgram&) = delete;
    BusyProgram& operator=(const BusyProgram&) = delete;

    AppState state;

  private:
    toolkit::HeadlessBinding ui_;
};

void RefreshChain(benchmark::State& timing) {
    BusyProgram program;
    for (auto _ : timing) refreshCharset(program.state);
}

void FillFloorBenchmark(benchmark::State& timing) {
    FillFloor floor;
    for (auto _ : timing) floor.fill();
}

BENCHMARK(RefreshChain)->Unit(benchmark::kMicrosecond);
BENCHMARK(FillFloorBenchmark)->Name(floorName)->Unit(benchmark::kMicrosecond);

// The console report, and at its end how many floors one redraw costs, in processor time,
// which other work on the machine disturbs less than the wall clock.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (!times_.count(chainName) || !times_.count(floorName)) return;
        const double ratio = times_[chainName] / times_[floorName];
        std::printf("\nrefresh chain %.1f us, fill floor %.1f us: %.2fx the floor (target %.0fx)"
                    " %s\n",
                    times_[chainName], times_[floorName], ratio, targetRatio,
                    ratio <= targetRatio ? "met" : "MISSED");
    }

  private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
