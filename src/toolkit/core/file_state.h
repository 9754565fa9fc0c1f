// The numbered files the logic has open and what the running toolkit's files remember.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "toolkit/core/atomic_file.h"

namespace toolkit::detail {

// A file opened for reading has a reader; one being created writes through an AtomicFile.
struct OpenFile {
    static constexpr size_t buffer_size = 4096;

    OpenFile() = default;
    OpenFile(std::string backup_folder, int64_t* write_budget)
        : writer(std::move(backup_folder), write_budget) {}

    int reader = -1;
    AtomicFile writer;
    bool write_failed = false;
    std::array<uint8_t, buffer_size> buffer{};
    size_t position = 0; // next byte to hand out (reading)
    size_t filled = 0;   // bytes held in the buffer

    // True when a byte is ready in the buffer, fetching the next block if needed.
    bool fill_buffer();
    void flush_buffer();
    // Writes what is still buffered and closes the file; false when a created file could not
    // be saved, with why in its writer's problem.
    bool close();
};

struct FileState {
    std::map<int, std::unique_ptr<OpenFile>> open;
    std::string problem;       // why the last operation failed: last_file_problem
    std::string backup_folder; // set_backup_folder
    int64_t write_budget = -1; // the tests' budget for the created files' writes: -1 for none

    // Closes every file, saving those being created.
    void close_all();
};

} // namespace toolkit::detail
