// Start-up beside a bare Qt program: each probe is started as a process of its own, in turn,
// and timed from before the exec to its exit; its peak memory comes from the kernel's account
// of the child. Medians of the runs, and how gridlet compares with the bare window and with the
// bare window that shows one line of text (see startup_probe_text.cpp).
//
//     startup_bench [runs]     (default 21 each; QT_QPA_PLATFORM=offscreen unless set)
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "process_runs.h"
#include "verdict.h"

namespace {

constexpr double targetTimeRatio = 1.3;
constexpr double targetExtraMiB = 8.0;

struct Probe {
    const char* label;
    const char* path;
    std::vector<Run> runs;
};

double medianOf(const Probe& probe, double Run::*field) {
    std::vector<double> values;
    for (const Run& run : probe.runs) values.push_back(run.*field);
    return median(values);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char runtimeFolder[] = "/tmp/gridlet-startup-XXXXXX"; // Qt wants it private
    const bool ownRuntimeFolder = !std::getenv("XDG_RUNTIME_DIR") && mkdtemp(runtimeFolder);
    if (ownRuntimeFolder) setenv("XDG_RUNTIME_DIR", runtimeFolder, 1);

    Probe bare{"bare Qt window", GRIDLET_BARE_PROBE, {}};
    Probe text{"bare with text", GRIDLET_TEXT_PROBE, {}};
    Probe gridlet{"gridlet", GRIDLET_PROGRAM_PROBE, {}};
    const std::vector<Probe*> probes{&bare, &text, &gridlet};

    // A first start of each fills the caches (libraries, fonts) that every later start finds;
    // it alone shows what the probes print, the timed starts stay quiet.
    for (Probe* probe : probes) runOnce({probe->path}, true);
    for (int i = 0; i < runs; ++i) {
        // In turn, so that slow phases of the machine fall on all of them.
        for (Probe* probe : probes) probe->runs.push_back(runOnce({probe->path}, false));
    }
    if (ownRuntimeFolder) rmdir(runtimeFolder);

    std::printf("start-up to the painted main window (%s), median of %d runs each\n",
                std::getenv("QT_QPA_PLATFORM"), runs);
    for (const Probe* probe : probes) {
        std::printf("  %-16s %8.1f ms   max RSS %6.1f MiB\n", probe->label,
                    medianOf(*probe, &Run::milliseconds), medianOf(*probe, &Run::maxRssMiB));
    }
    for (const Probe* baseline : {&bare, &text}) {
        const double timeRatio =
            medianOf(gridlet, &Run::milliseconds) / medianOf(*baseline, &Run::milliseconds);
        const double extraMiB =
            medianOf(gridlet, &Run::maxRssMiB) - medianOf(*baseline, &Run::maxRssMiB);
        std::printf("  gridlet against the %s:\n", baseline->label);
        std::printf("    time:   %.2fx (target %.1fx) %s\n", timeRatio, targetTimeRatio,
                    bench::verdict(timeRatio <= targetTimeRatio));
        std::printf("    memory: %+.1f MiB (target +%.0f MiB) %s\n", extraMiB, targetExtraMiB,
                    bench::verdict(extraMiB <= targetExtraMiB));
    }
    return bench::exitCode();
}
