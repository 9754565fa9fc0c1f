// Wall times of a step repeated many times, all kept, so that a run reports their median and
// 99th percentile and not only their mean.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

class WallSamples {
  public:
    // Runs the step and keeps its wall time; returns that time in seconds.
    template <typename Step> double time(Step&& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        microseconds_.push_back(elapsed.count() * 1e6);
        return elapsed.count();
    }

    // In microseconds, by nearest rank; 0 without samples.
    double percentile(double fraction) {
        if (microseconds_.empty()) return 0;
        std::sort(microseconds_.begin(), microseconds_.end());
        const auto rank = size_t(std::ceil(fraction * double(microseconds_.size())));
        return microseconds_[std::max<size_t>(rank, 1) - 1];
    }

  private:
    std::vector<double> microseconds_;
};
