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
// on) with why in `problem`.
int open_reader(const std::string& path, std::string& problem);
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

// Why the last of the calls above failed, in a few words ("permission denied").
std::string system_problem();
// A file that did not exist made with `bytes`, readable by the user alone, on disk with its name.
bool write_new_file(const std::string& path, const std::vector<char>& bytes, std::string& problem);
// The folder and those above it made where missing, readable by the user alone.
bool make_folders(const std::string& path, std::string& problem);
bool remove_file(const std::string& path);
// The names in a folder, without "." and "..".
std::vector<std::string> folder_entries(const std::string& folder);

} // namespace toolkit::detail
