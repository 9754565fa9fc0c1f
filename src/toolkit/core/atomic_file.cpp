// A save, as every system does it; the steps that differ by system are in posix/ and windows/.
#include "toolkit/core/atomic_file.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <utility>

#include "toolkit/core/native_files.h"

namespace toolkit::detail {

namespace {

std::string name_part(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

AtomicFile::AtomicFile(std::string backup_folder, int64_t* write_budget)
    : backup_folder_(std::move(backup_folder)), write_budget_(write_budget) {}

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::fail(std::string why) {
    problem_ = std::move(why);
    return false;
}

bool AtomicFile::write(const void* data, size_t length) {
    if (fd_ < 0 || failed_) return false;
    const char* bytes = static_cast<const char*>(data);
    if (in_place_) {
        // The target is touched only at commit, so an abandoned save leaves it as it was.
        pending_.insert(pending_.end(), bytes, bytes + length);
        return true;
    }
    if (!write_bytes(bytes, length, true)) {
        failed_ = true;
        problem_ = write_problem();
    }
    return !failed_;
}

// Only new bytes count against the test hooks: old contents written back after a failed save in
// place must always get through.
bool AtomicFile::write_bytes(const char* data, size_t length, bool new_bytes) {
    cut_by_hook_ = false;
    if (!new_bytes) return write_fully(fd_, data, length);
    if (end_after_ >= 0) {
        if (static_cast<uint64_t>(end_after_) < length) {
            write_fully(fd_, data, static_cast<size_t>(end_after_));
            std::_Exit(9);
        }
        end_after_ -= static_cast<int64_t>(length);
    }
    if (!write_budget_ || *write_budget_ < 0) return write_fully(fd_, data, length);
    const size_t allowed = std::min<size_t>(length, static_cast<size_t>(*write_budget_));
    *write_budget_ -= static_cast<int64_t>(allowed);
    const bool written = write_fully(fd_, data, allowed);
    cut_by_hook_ = written && allowed < length;
    return written && allowed == length;
}

// Makes the file hold exactly `bytes`, on disk.
bool AtomicFile::overwrite(const std::vector<char>& bytes, bool new_bytes) {
    return rewind_file(fd_) && write_bytes(bytes.data(), bytes.size(), new_bytes) &&
           end_file_and_sync(fd_, static_cast<int64_t>(bytes.size()));
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    const bool saved = !failed_ && (in_place_ ? commit_in_place() : commit_by_rename());
    abandon();
    return saved;
}

// "font.fnt.<time>.old-contents" in the backup folder, on disk before the file is touched. With
// no backup folder the old contents are kept in memory only.
bool AtomicFile::keep_backup(const std::vector<char>& old, std::string& backup) {
    const std::string& folder = backup_folder_;
    if (folder.empty()) return true;
    std::string why;
    if (!make_folders(folder, why))
        return fail("its old contents cannot be kept in " + folder + ": " + why);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    for (int attempt = 0; attempt < 100; ++attempt) {
        backup = folder + name_part(target_) + "." +
                 std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() +
                                attempt) +
                 backup_ending;
        if (write_new_file(backup, old, why)) return true;
        if (path_facts(backup).kind == PathKind::missing) break; // not a clash of names
    }
    backup.clear();
    return fail("its old contents cannot be kept in " + folder + ": " + why);
}

bool AtomicFile::commit_in_place() {
    std::vector<char> old;
    if (!read_whole(fd_, old)) return fail(system_problem());
    std::string backup;
    if (!keep_backup(old, backup)) return false;
    // Once the bytes are on disk, closing the file can report no further error.
    if (overwrite(pending_, true)) {
        if (!backup.empty()) remove_file(backup);
        return true;
    }
    problem_ = write_problem();
    // The save failed whether or not this succeeds; the backup stays if it does not.
    if (overwrite(old, false) && !backup.empty()) remove_file(backup);
    return false;
}

// The hook stands for a full disk.
std::string AtomicFile::write_problem() const {
    return cut_by_hook_ ? "no space left on the device" : system_problem();
}

} // namespace toolkit::detail
