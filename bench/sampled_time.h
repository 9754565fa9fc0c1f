// Wall time of each iteration of a benchmark, kept so that the run can report its median and
// 99th percentile, not only the mean. The iteration's time is also handed to the benchmark
// (which must use manual time).
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

class SampledTime {
  public:
    using Clock = std::chrono::steady_clock;

    explicit SampledTime(benchmark::State& timing) : timing_(timing) {
        microseconds_.reserve(timing.max_iterations);
    }

    void start() { start_ = Clock::now(); }
    void stop() {
        const std::chrono::duration<double> elapsed = Clock::now() - start_;
        timing_.SetIterationTime(elapsed.count());
        microseconds_.push_back(elapsed.count() * 1e6);
    }

    // The counters "p50_us" and "p99_us" of the run (nearest rank).
    void report() {
        if (microseconds_.empty()) return;
        std::sort(microseconds_.begin(), microseconds_.end());
        timing_.counters["p50_us"] = percentile(0.50);
        timing_.counters["p99_us"] = percentile(0.99);
    }

  private:
    double percentile(double fraction) const {
        const auto rank = size_t(std::ceil(fraction * double(microseconds_.size())));
        return microseconds_[std::max<size_t>(rank, 1) - 1];
    }

    benchmark::State& timing_;
    Clock::time_point start_;
    std::vector<double> microseconds_;
};
