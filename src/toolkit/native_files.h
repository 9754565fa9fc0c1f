// What the core asks of the operating system's file system; one implementation per system
// (posix/, windows/). Paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace toolkit::detail {

enum class PathKind { missing, file, folder, other };

struct PathFacts {
    PathKind kind = PathKind::missing;
    int64_t size = 0;
};

// Links followed.
PathFacts path_facts(const std::string& path);

// A regular file opened for reading, or -1 (also for FIFOs and devices, which are never waited
// on).
int open_reader(const std::string& path);
// Bytes read into `into`; 0 at the end or on an error.
size_t read_some(int reader, void* into, size_t length);
void close_reader(int reader);

// The steps of a save (atomic_file.cpp) that differ by system, each on an open file: every byte
// written; the whole contents read from the start; back to the start; cut to `length` bytes and
// all of it on disk.
bool write_fully(int fd, const char* data, size_t length);
bool read_whole(int fd, std::vector<char>& bytes);
bool rewind_file(int fd);
bool end_file_and_sync(int fd, int64_t length);

} // namespace toolkit::detail
