// A file written under a temporary name in its target's folder and renamed over the target
// only when every byte reached the disk, so a failed save never destroys the file it replaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace toolkit::detail {

class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile(); // abandons an uncommitted file

    // Creates the temporary file; false when the folder cannot take it or the target is not a
    // regular file (a folder, FIFO, device or socket).
    bool open(const std::string& target);
    bool is_open() const { return fd_ >= 0; }
    // False (and stays failed) when the bytes could not all be written.
    bool write(const void* data, size_t length);
    // Flushes to disk, gives the file the target's permissions (or the usual ones for a new
    // file) and renames it over the target. False on any failure; nothing is left behind then.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void abandon();

    // Tests: make writes fail once this many more bytes have been written (-1: never).
    static void fail_writes_after(int64_t bytes);

private:
    int fd_ = -1;
    bool failed_ = false;
    std::string target_;
    std::string temporary_;
};

} // namespace toolkit::detail
