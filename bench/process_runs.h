// Programs started as processes of their own and timed from before the exec to their exit,
// for the start-up benchmarks.
#pragma once

#include <string>
#include <vector>

struct Run {
    double milliseconds = 0;
    double maxRssMiB = 0; // the kernel's account of the child (and of what it waited for)
};

// One start of the command; exits the benchmark when it fails or hangs. The harness is small,
// so the fork costs next to nothing of what is timed.
Run runOnce(const std::vector<std::string>& command, bool showOutput);

double median(std::vector<double> values);
