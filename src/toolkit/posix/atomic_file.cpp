// Saves on Linux and other POSIX systems.
#include "toolkit/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "toolkit/native_files.h"

namespace toolkit::detail {

namespace {

// As many symbolic links as the system follows in one path before it gives up.
constexpr int most_links = 40;

struct FinalTarget {
    std::string path;
    bool exists = false;
    struct stat info {};
};

// The file a save to `path` writes. Symbolic links are followed to the end, dangling ones too, so
// the save lands on the file the links name (created where it is missing) and the links stay.
// Nothing on a loop, an overlong chain or a path lstat cannot get through.
std::optional<FinalTarget> final_target(std::string path) {
    for (int links = 0; links <= most_links; ++links) {
        FinalTarget found{path};
        if (lstat(path.c_str(), &found.info) != 0) {
            if (errno != ENOENT) return std::nullopt;
            return found;
        }
        if (!S_ISLNK(found.info.st_mode)) {
            found.exists = true;
            return found;
        }
        std::string points_to(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), points_to.data(), points_to.size());
        if (length <= 0 || static_cast<size_t>(length) >= points_to.size()) return std::nullopt;
        points_to.resize(static_cast<size_t>(length));
        // A relative target is relative to the link's own folder (npos + 1 is 0: no folder).
        if (points_to.front() != '/') points_to.insert(0, path, 0, path.find_last_of('/') + 1);
        path = std::move(points_to);
    }
    return std::nullopt;
}

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// "." + name + ".XXXXXX", with the name cut short where that would exceed the longest name the
// file system takes, so that any valid target name can be saved.
std::string temporary_template(const std::string& target) {
    constexpr size_t longest_name = NAME_MAX;
    constexpr size_t added = std::char_traits<char>::length("..XXXXXX");
    const auto slash = target.find_last_of('/');
    const auto folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const auto name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name.substr(0, longest_name - added) + ".XXXXXX";
}

mode_t new_file_permissions() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Gives the replacement the old file's owner and group where the process may, else the group
// alone. False when neither is allowed; the file is still saved then, under the saver's own.
bool keep_owner(int fd, const struct stat& old) {
    return fchown(fd, old.st_uid, old.st_gid) == 0 ||
           fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
}

// Makes the rename itself survive a crash.
void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    ::close(fd);
}

} // namespace

bool write_fully(int fd, const char* data, size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

bool read_whole(int fd, std::vector<char>& bytes) {
    std::vector<char> block(65536);
    off_t offset = 0;
    while (true) {
        const ssize_t got = pread(fd, block.data(), block.size(), offset);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        bytes.insert(bytes.end(), block.begin(), block.begin() + got);
        offset += got;
    }
}

bool rewind_file(int fd) {
    return lseek(fd, 0, SEEK_SET) == 0;
}

bool end_file_and_sync(int fd, int64_t length) {
    return ftruncate(fd, static_cast<off_t>(length)) == 0 && fsync(fd) == 0;
}

bool AtomicFile::open(const std::string& target) {
    abandon();
    const std::optional<FinalTarget> resolved = final_target(target);
    if (!resolved) return false;
    const std::string& path = resolved->path;
    if (resolved->exists) {
        // A read-only file cannot be emptied, so it is not replaced either.
        if (!S_ISREG(resolved->info.st_mode) || access(path.c_str(), W_OK) != 0) return false;
        // A rename would leave the file's other names holding the old contents.
        if (resolved->info.st_nlink > 1) return open_in_place(path);
    }
    std::string temporary = temporary_template(path);
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        // A folder the user may not write to still lets its writable files be saved.
        return resolved->exists && (errno == EACCES || errno == EPERM) && open_in_place(path);
    }
    fd_ = fd;
    target_ = path;
    temporary_ = std::move(temporary);
    return true;
}

bool AtomicFile::open_in_place(const std::string& target) {
    // Read as well as write: the old contents are kept to be written back if the save fails.
    // No link is followed and nothing waits on a FIFO should the file have changed since lstat.
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    in_place_ = true;
    target_ = target;
    return true;
}

bool AtomicFile::commit_by_rename() {
    struct stat old {};
    const bool replacing = stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // Owner first: a change of owner may clear the set-user-ID and set-group-ID bits.
    if (replacing) keep_owner(fd_, old);
    const mode_t permissions = replacing ? old.st_mode & 07777 : new_file_permissions();
    if (fchmod(fd_, permissions) != 0 || fsync(fd_) != 0) return false;
    // close can report a late write error, so it is checked like every write.
    if (::close(std::exchange(fd_, -1)) != 0 ||
        std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return false;
    }
    temporary_.clear();
    sync_folder(folder_of(target_));
    return true;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    target_.clear();
    pending_ = std::vector<char>();
    in_place_ = false;
    failed_ = false;
}

} // namespace toolkit::detail
