// A save, as every system does it; the steps that differ by system are in posix/ and windows/.
#include "toolkit/core/atomic_file.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>

#include "toolkit/core/native_files.h"
#include "toolkit/files.h"

namespace toolkit {

namespace {

std::mutex backup_mutex; // the folder is read by the thread of background saves too
std::string backup_folder;

std::string backups() {
    std::lock_guard lock(backup_mutex);
    return backup_folder;
}

// The test hook of fail_writes_after: bytes that may still be written, -1 for no limit. Each
// thread has its own, so the saves of the thread of background saves never share a test's.
thread_local int64_t write_budget = -1;
thread_local bool cut_by_hook = false; // the last write failed as the hook said, not the system

// Why the last write failed: the hook stands for a full disk.
std::string write_problem() {
    return cut_by_hook ? "no space left on the device" : detail::system_problem();
}

std::string name_part(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

constexpr const char* backup_ending = ".old-contents";

} // namespace

void set_backup_folder(const std::string& folder) {
    std::lock_guard lock(backup_mutex);
    backup_folder = folder;
}

std::vector<std::string> leftover_backups() {
    const std::string folder = backups();
    std::vector<std::string> found;
    if (folder.empty()) return found;
    for (const std::string& name : detail::folder_entries(folder))
        if (name.ends_with(backup_ending)) found.push_back(folder + name);
    std::sort(found.begin(), found.end());
    return found;
}

namespace detail {

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
    cut_by_hook = false;
    if (!new_bytes) return write_fully(fd_, data, length);
    if (end_after_ >= 0) {
        if (static_cast<uint64_t>(end_after_) < length) {
            write_fully(fd_, data, static_cast<size_t>(end_after_));
            std::_Exit(9);
        }
        end_after_ -= static_cast<int64_t>(length);
    }
    const int64_t budget = write_budget;
    if (budget < 0) return write_fully(fd_, data, length);
    const size_t allowed = std::min<size_t>(length, static_cast<size_t>(budget));
    write_budget -= static_cast<int64_t>(allowed);
    const bool written = write_fully(fd_, data, allowed);
    cut_by_hook = written && allowed < length;
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
    const std::string folder = backups();
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

void AtomicFile::fail_writes_after(int64_t bytes) {
    write_budget = bytes < 0 ? -1 : bytes;
}

} // namespace detail

} // namespace toolkit
