// The event queue's ring: first in, first out through wrap-around and growth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/core/event_ring.h"

using toolkit::detail::Event;
using toolkit::detail::EventRing;

namespace {

Event numbered(int number) {
    return {.kind = 1, .object = number, .dropped_files = "file " + std::to_string(number)};
}

// Takes every waiting event; their numbers, in the order they came out.
std::vector<int> drain(EventRing& ring) {
    std::vector<int> numbers;
    Event taken;
    while (!ring.empty()) {
        ring.take(taken);
        EXPECT_EQ(taken.dropped_files, "file " + std::to_string(taken.object));
        numbers.push_back(taken.object);
    }
    return numbers;
}

std::vector<int> range(int from, int to) {
    std::vector<int> numbers;
    for (int n = from; n < to; ++n) numbers.push_back(n);
    return numbers;
}

TEST(EventRing, KeepsTheOrderWhenItWrapsAroundAndGrowsWhileWrapped) {
    EventRing ring;
    for (int n = 0; n < 50; ++n) ring.push(numbered(n));
    Event taken;
    for (int n = 0; n < 40; ++n) ring.take(taken);
    EXPECT_EQ(taken.object, 39);
    // The next events wrap past the end of the slots, then overflow them while wrapped.
    for (int n = 50; n < 300; ++n) {
        ring.push(numbered(n));
        EXPECT_EQ(ring.back().object, n);
    }
    EXPECT_EQ(drain(ring), range(40, 300));
}

TEST(EventRing, ClearedRingTakesNewEventsFromTheStart) {
    EventRing ring;
    for (int n = 0; n < 70; ++n) ring.push(numbered(n));
    ring.clear();
    EXPECT_TRUE(ring.empty());
    for (int n = 100; n < 103; ++n) ring.push(numbered(n));
    EXPECT_EQ(drain(ring), range(100, 103));
}

} // namespace
