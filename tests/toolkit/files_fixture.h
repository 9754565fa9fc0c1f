// What the tests of the core's files share: a fresh folder per test, and bytes to save.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "toolkit/atomic_file.h"
#include "toolkit/detail.h"
#include "toolkit/files.h"

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
    void SetUp() override { ASSERT_TRUE(folder.made()); }
    void TearDown() override {
        toolkit::detail::close_all_files();
        toolkit::detail::AtomicFile::fail_writes_after(-1);
    }

    Bytes read_with_read_byte(const std::string& name) {
        Bytes bytes;
        EXPECT_NE(toolkit::open_file_for_reading(0, name), 0);
        while (toolkit::end_of_file(0) == 0)
            bytes.push_back(static_cast<uint8_t>(toolkit::read_byte(0)));
        EXPECT_NE(toolkit::close_file(0), 0);
        return bytes;
    }

    int save(const std::string& name, const Bytes& bytes) {
        if (toolkit::create_file(0, name) == 0) return 0;
        toolkit::write_data(0, bytes.data(), static_cast<int64_t>(bytes.size()));
        return toolkit::close_file(0);
    }

    TempFolder folder;
};

} // namespace files_testing
