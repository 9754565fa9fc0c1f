// A file saved so that a failed save never destroys the file it replaces. The bytes go to a
// temporary file in the target's folder that is renamed over the target only when every byte
// reached the disk. A file that a rename would harm (one with other hard links) or that cannot be
// replaced (a writable file in a folder the user may not write to) is overwritten in place on
// commit instead, with its old contents kept in memory and written back if the new ones fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace toolkit::detail {

class AtomicFile {
  public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile(); // abandons an uncommitted file

    // Follows symbolic links (dangling ones too, except on Windows) to the file they name and gets
    // ready to write it. False when the target is not a regular file (a folder, FIFO, device or
    // socket) or not writable, when its folder cannot take a new file, when the links loop, or
    // on Windows when they lead nowhere.
    bool open(const std::string& target);
    bool is_open() const { return fd_ >= 0; }
    // False (and stays failed) when the bytes could not all be written.
    bool write(const void* data, size_t length);
    // Flushes to disk, gives the file the target's permissions, owner and group (or the usual
    // ones for a new file) and renames it over the target, or writes a file kept in place.
    // False on any failure; the target keeps its old contents and nothing is left behind then.
    bool commit();
    // Drops what was written; the target stays as it was.
    void abandon();

    // Tests: make writes of new bytes fail once this many more bytes have been written (-1:
    // never). Old contents written back after a failed save in place are never held back.
    static void fail_writes_after(int64_t bytes);

  private:
    bool open_in_place(const std::string& target);
    bool commit_by_rename();
    bool commit_in_place();

    int fd_ = -1; // the temporary file, or the target itself when written in place
    bool in_place_ = false;
    bool failed_ = false;
    std::string target_;
    std::string temporary_;
    std::vector<char> pending_; // the new contents of a file written in place
};

} // namespace toolkit::detail
