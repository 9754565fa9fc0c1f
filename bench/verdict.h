// A figure against its target: printed as "met" or "MISSED". A miss makes the program fail when
// `make bench` judges the run (GRIDLET_BENCH_JUDGE set); the tests' short smoke runs only print.
#pragma once

#include <cstdlib>

namespace bench {

inline bool& anyTargetMissed() {
    static bool missed = false;
    return missed;
}

inline const char* verdict(bool met) {
    if (!met) anyTargetMissed() = true;
    return met ? "met" : "MISSED";
}

// What main returns: 1 when a judged run missed a target.
inline int exitCode() {
    return anyTargetMissed() && std::getenv("GRIDLET_BENCH_JUDGE") ? 1 : 0;
}

} // namespace bench
