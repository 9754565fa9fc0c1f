// Saves on Windows: the bytes go to a hidden file beside the target, flushed to disk, that then
// replaces the target in one step, keeping the target's attributes and permissions.
#include "toolkit/atomic_file.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>
#include <utility>

#include "toolkit/native_files.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::detail {

namespace {

int64_t write_budget = -1; // the test hook: bytes that may still be written; -1 for no limit

bool write_all(int fd, const char* data, size_t length) {
    if (write_budget >= 0) {
        const size_t allowed = std::min<size_t>(length, static_cast<size_t>(write_budget));
        write_budget -= static_cast<int64_t>(allowed);
        if (allowed < length) {
            write_all(fd, data, allowed);
            return false;
        }
    }
    while (length > 0) {
        const int written =
            _write(fd, data, static_cast<unsigned>(std::min<size_t>(length, INT_MAX)));
        if (written <= 0) return false;
        data += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

// "name.~gridlet1234" beside the target: unique names are tried until one can be made.
int make_temporary(const std::string& target, std::string& temporary) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = target + ".~gridlet" + std::to_string(GetCurrentProcessId() + attempt * 7919);
        const int fd =
            _wopen(windows::wide_text(temporary).c_str(),
                   _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            SetFileAttributesW(windows::wide_text(temporary).c_str(), FILE_ATTRIBUTE_HIDDEN);
            return fd;
        }
        if (errno != EEXIST) break;
    }
    temporary.clear();
    return -1;
}

// The temporary file takes the target's attributes (hidden, archive...; a new file gets plain
// ones) and its place; ReplaceFile also keeps the target's permissions. Another program reading
// the target (a second copy of this one, a virus scanner, the search indexer) holds it open for
// a moment and the system refuses the replace, so it is tried again for up to a second.
bool replace_target(const std::wstring& target, const std::wstring& temporary) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    SetFileAttributesW(temporary.c_str(), exists ? attributes : FILE_ATTRIBUTE_NORMAL);
    for (int waited = 0;; waited += 10) {
        if (exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                  REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
                         MoveFileExW(temporary.c_str(), target.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                          error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
        if (!held || waited >= 1000) return false;
        Sleep(10);
    }
}

} // namespace

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::open(const std::string& target) {
    abandon();
    const PathFacts facts = path_facts(target);
    if (facts.kind != PathKind::file && facts.kind != PathKind::missing) return false;
    if (facts.kind == PathKind::file) {
        // A read-only file is not replaced.
        const DWORD attributes = GetFileAttributesW(windows::wide_text(target).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY))
            return false;
    }
    fd_ = make_temporary(target, temporary_);
    if (fd_ < 0) return false;
    target_ = target;
    return true;
}

bool AtomicFile::write(const void* data, size_t length) {
    if (fd_ < 0 || failed_) return false;
    if (!write_all(fd_, static_cast<const char*>(data), length)) failed_ = true;
    return !failed_;
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    bool saved = !failed_ && _commit(fd_) == 0;
    saved = _close(std::exchange(fd_, -1)) == 0 && saved;
    if (saved) {
        saved = replace_target(windows::wide_text(target_), windows::wide_text(temporary_));
        if (saved) temporary_.clear();
    }
    abandon();
    return saved;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) _close(std::exchange(fd_, -1));
    if (!temporary_.empty()) DeleteFileW(windows::wide_text(temporary_).c_str());
    temporary_.clear();
    target_.clear();
    failed_ = false;
}

void AtomicFile::fail_writes_after(int64_t bytes) {
    write_budget = bytes < 0 ? -1 : bytes;
}

} // namespace toolkit::detail
