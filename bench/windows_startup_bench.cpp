// The Windows program's start-up under Wine beside a bare Win32 window program built the same
// way (statically, by MinGW-w64): each probe ends as soon as its window has painted, and is
// started in turn with the other. Also the size of gridlet.exe. Wine's own start is in both.
//
//     windows_startup_bench BARE_PROBE.exe GRIDLET_PROBE.exe GRIDLET.exe [runs]
//     (on an X display, with WINEPREFIX set)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "process_runs.h"

namespace {

double medianTime(const std::vector<Run>& runs) {
    std::vector<double> times;
    for (const Run& run : runs) times.push_back(run.milliseconds);
    return median(times);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s BARE_PROBE.exe GRIDLET_PROBE.exe GRIDLET.exe [runs]\n",
                     argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 11;
    const std::vector<std::string> bare{"wine", argv[1]}, gridlet{"wine", argv[2]};
    runOnce(bare, true); // Wine's first start fills its caches
    runOnce(gridlet, true);
    std::vector<Run> bareRuns, gridletRuns;
    for (int i = 0; i < runs; ++i) {
        bareRuns.push_back(runOnce(bare, false));
        gridletRuns.push_back(runOnce(gridlet, false));
    }
    const double bareTime = medianTime(bareRuns), gridletTime = medianTime(gridletRuns);
    std::printf("start-up under Wine to the painted main window, median of %d runs each\n", runs);
    std::printf("  bare Win32 window %8.1f ms\n  gridlet.exe       %8.1f ms\n", bareTime,
                gridletTime);
    std::printf("  gridlet against the bare window: %.2fx\n", gridletTime / bareTime);
    std::printf("size: gridlet.exe %.2f MiB (bare window program %.2f MiB), no DLL beside it\n",
                double(std::filesystem::file_size(argv[3])) / 1048576.0,
                double(std::filesystem::file_size(argv[1])) / 1048576.0);
    return 0;
}
