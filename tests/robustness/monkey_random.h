// The one source of chance for a monkey run: the same seed gives the same run.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

class MonkeyRandom {
  public:
    explicit MonkeyRandom(uint64_t seed) : engine_(seed) {}

    // A whole number from low to high, both included.
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T> T pick(std::initializer_list<T> choices) {
        return choices.begin()[between(0, int(choices.size()) - 1)];
    }
    template <typename T> const T& pick(const std::vector<T>& choices) {
        return choices[size_t(between(0, int(choices.size()) - 1))];
    }
    // The index of the weight chosen, each in proportion to its value.
    size_t weighted(std::initializer_list<int> weights) {
        return std::discrete_distribution<size_t>(weights.begin(), weights.end())(engine_);
    }
    uint8_t byte() { return uint8_t(between(0, 255)); }

  private:
    std::mt19937_64 engine_;
};
