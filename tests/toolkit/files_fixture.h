// What the tests of the core's files share: a fresh folder per test, and bytes to save.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "toolkit/core/toolkit_state.h"
#include "toolkit/files.h"
#include "toolkit/windows.h"

namespace files_testing {

using Bytes = std::vector<uint8_t>;

inline std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Bytes whose sequence does not repeat every 256, so a misplaced block shows.
inline Bytes varied_bytes(size_t count, uint32_t seed) {
    Bytes bytes(count);
    for (auto& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(seed >> 24);
    }
    return bytes;
}

class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.made());
        toolkit::start_toolkit();
    }
    void TearDown() override { toolkit::shut_down_toolkit(); }

    // The file as the toolkit reads it, in blocks that straddle its buffer's boundaries.
    Bytes read_back(const std::string& name) {
        Bytes bytes;
        EXPECT_NE(toolkit::open_file_for_reading(0, name), 0);
        Bytes block(777);
        int64_t got = 0;
        while ((got = toolkit::read_data(0, block.data(), 777)) > 0)
            bytes.insert(bytes.end(), block.begin(), block.begin() + got);
        EXPECT_NE(toolkit::close_file(0), 0);
        return bytes;
    }

    static int64_t write_one(int file, uint8_t byte) { return toolkit::write_data(file, &byte, 1); }

    int save(const std::string& name, const Bytes& bytes) {
        if (toolkit::create_file(0, name) == 0) return 0;
        toolkit::write_data(0, bytes.data(), static_cast<int64_t>(bytes.size()));
        return toolkit::close_file(0);
    }

    TempFolder folder;
};

} // namespace files_testing
