// Saves on Windows: the bytes go to a hidden file beside the target, flushed to disk, that then
// replaces the target in one step, keeping the target's attributes and permissions. A symbolic
// link is followed to the file it names; a file with other hard links, or in a folder the user
// may not write to, is overwritten in place.
#include "toolkit/core/atomic_file.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>
#include <string>
#include <utility>

#include "toolkit/core/native_files.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit::detail {

namespace {

// The system names a final path "\\?\C:\..." or "\\?\UNC\server\...": the usual forms are
// kept inside.
std::string without_long_path_prefix(const std::string& path) {
    if (path.starts_with("\\\\?\\UNC\\")) return "\\" + path.substr(7);
    if (path.starts_with("\\\\?\\")) return path.substr(4);
    return path;
}

struct FinalTarget {
    std::string path;
    bool exists = false;
    DWORD attributes = INVALID_FILE_ATTRIBUTES; // of the file itself, not of a link to it
    DWORD links = 1;                            // names the file has
};

// The file a save to `path` writes: a symbolic link is followed to the file at its end, so the
// link stays. Nothing for a link that leads nowhere or in a loop (the system cannot open those).
std::optional<FinalTarget> final_target(const std::string& path) {
    const std::wstring wide = windows::wide_text(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FinalTarget{path};
    const HANDLE file =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    FinalTarget found{path, true};
    BY_HANDLE_FILE_INFORMATION facts{};
    if (GetFileInformationByHandle(file, &facts)) {
        found.attributes = facts.dwFileAttributes;
        found.links = facts.nNumberOfLinks;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        std::wstring final(MAX_PATH, L'\0');
        DWORD length = 0;
        while ((length = GetFinalPathNameByHandleW(file, final.data(), DWORD(final.size()),
                                                   FILE_NAME_NORMALIZED)) >= final.size())
            final.resize(length + 1);
        final.resize(length);
        found.path =
            length > 0 ? without_long_path_prefix(windows::utf8_text(final)) : std::string();
    }
    CloseHandle(file);
    if (found.path.empty()) return std::nullopt;
    return found;
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

bool write_fully(int fd, const char* data, size_t length) {
    while (length > 0) {
        const int written =
            _write(fd, data, static_cast<unsigned>(std::min<size_t>(length, INT_MAX)));
        if (written <= 0) return false;
        data += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

bool read_whole(int fd, std::vector<char>& bytes) {
    std::vector<char> block(65536);
    if (!rewind_file(fd)) return false;
    while (true) {
        const int got = _read(fd, block.data(), static_cast<unsigned>(block.size()));
        if (got < 0) return false;
        if (got == 0) return true;
        bytes.insert(bytes.end(), block.begin(), block.begin() + got);
    }
}

bool rewind_file(int fd) {
    return _lseeki64(fd, 0, SEEK_SET) == 0;
}

bool end_file_and_sync(int fd, int64_t length) {
    return _chsize_s(fd, length) == 0 && _commit(fd) == 0;
}

bool AtomicFile::open(const std::string& target) {
    abandon();
    problem_.clear();
    const std::optional<FinalTarget> resolved = final_target(target);
    if (!resolved) return fail("its symbolic link leads nowhere or loops");
    const std::string& path = resolved->path;
    const PathFacts facts = path_facts(path);
    if (facts.kind == PathKind::folder) return fail("it is a folder");
    if (facts.kind != PathKind::file && facts.kind != PathKind::missing)
        return fail("it is not a regular file (a device)");
    if (resolved->exists) {
        // A read-only file is not replaced.
        if (resolved->attributes == INVALID_FILE_ATTRIBUTES ||
            (resolved->attributes & FILE_ATTRIBUTE_READONLY))
            return fail("it is read-only");
        // A replace would leave the file's other names holding the old contents.
        if (resolved->links > 1) return open_in_place(path);
    }
    fd_ = make_temporary(path, temporary_);
    if (fd_ < 0) {
        const std::string why = system_problem();
        // A folder the user may not write to still lets its writable files be saved.
        if (resolved->exists && errno == EACCES) return open_in_place(path);
        return fail(why);
    }
    target_ = path;
    return true;
}

bool AtomicFile::open_in_place(const std::string& target) {
    // Read as well as write: the old contents are kept to be written back if the save fails.
    const int fd = _wopen(windows::wide_text(target).c_str(), _O_RDWR | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) return fail(system_problem());
    fd_ = fd;
    in_place_ = true;
    target_ = target;
    return true;
}

bool AtomicFile::commit_by_rename() {
    const bool flushed = _commit(fd_) == 0;
    if (_close(std::exchange(fd_, -1)) != 0 || !flushed ||
        !replace_target(windows::wide_text(target_), windows::wide_text(temporary_)))
        return fail(system_problem());
    temporary_.clear();
    return true;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) _close(std::exchange(fd_, -1));
    if (!temporary_.empty()) DeleteFileW(windows::wide_text(temporary_).c_str());
    temporary_.clear();
    target_.clear();
    pending_ = std::vector<char>();
    in_place_ = false;
    failed_ = false;
}

} // namespace toolkit::detail
