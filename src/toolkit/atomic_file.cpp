// A save, as every system does it; the steps that differ by system are in posix/ and windows/.
#include "toolkit/atomic_file.h"

#include <algorithm>

#include "toolkit/native_files.h"

namespace toolkit::detail {

namespace {

int64_t write_budget = -1; // the test hook: bytes that may still be written; -1 for no limit

// Only new bytes count against the test hook's budget: old contents written back after a failed
// save in place must always get through.
bool write_all(int fd, const char* data, size_t length, bool budgeted) {
    if (budgeted && write_budget >= 0) {
        const size_t allowed = std::min<size_t>(length, static_cast<size_t>(write_budget));
        write_budget -= static_cast<int64_t>(allowed);
        return write_fully(fd, data, allowed) && allowed == length;
    }
    return write_fully(fd, data, length);
}

// Makes a file hold exactly `bytes`, on disk.
bool overwrite(int fd, const std::vector<char>& bytes, bool budgeted) {
    return rewind_file(fd) && write_all(fd, bytes.data(), bytes.size(), budgeted) &&
           end_file_and_sync(fd, static_cast<int64_t>(bytes.size()));
}

} // namespace

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::write(const void* data, size_t length) {
    if (fd_ < 0 || failed_) return false;
    const char* bytes = static_cast<const char*>(data);
    if (in_place_) {
        // The target is touched only at commit, so an abandoned save leaves it as it was.
        pending_.insert(pending_.end(), bytes, bytes + length);
        return true;
    }
    if (!write_all(fd_, bytes, length, true)) failed_ = true;
    return !failed_;
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    const bool saved = !failed_ && (in_place_ ? commit_in_place() : commit_by_rename());
    abandon();
    return saved;
}

bool AtomicFile::commit_in_place() {
    std::vector<char> old;
    if (!read_whole(fd_, old)) return false;
    // Once the bytes are on disk, closing the file can report no further error.
    if (overwrite(fd_, pending_, true)) return true;
    overwrite(fd_, old, false); // the save failed whether or not this succeeds
    return false;
}

void AtomicFile::fail_writes_after(int64_t bytes) {
    write_budget = bytes < 0 ? -1 : bytes;
}

} // namespace toolkit::detail
