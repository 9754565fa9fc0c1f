// What the core asks of the operating system's file system; one implementation per system
// (posix/, windows/). Paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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

} // namespace toolkit::detail
