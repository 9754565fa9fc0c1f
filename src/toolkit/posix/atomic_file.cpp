// Saves on Linux and other POSIX systems.
#include "toolkit/core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "toolkit/core/native_files.h"

namespace toolkit::detail {

namespace {

// As many symbolic links as the system follows in one path before it gives up.
constexpr int most_links = 40;

struct FinalTarget {
    std::string path;
    bool exists = false;
    struct stat info {}; // lstat of the final name
};

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Folders such as /tmp, where anyone may make names but only their owners remove them.
bool shared_sticky(const struct stat& folder) {
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

// The rule the kernel keeps for links in shared sticky folders (fs.protected_symlinks): such a
// link is followed only by its owner, or when it belongs to the folder's owner. Otherwise anyone
// could plant a link there that turns another user's save into a write of their own files.
bool may_follow(const std::string& link, const struct stat& info) {
    struct stat folder {};
    if (stat(folder_of(link).c_str(), &folder) != 0) return false;
    return !shared_sticky(folder) || info.st_uid == geteuid() || info.st_uid == folder.st_uid;
}

// The file a save to `path` writes. Symbolic links are followed to the end, dangling ones too, so
// the save lands on the file the links name (created where it is missing) and the links stay.
// Nothing, with why, on a loop, an overlong chain, a link the system would not follow or a path
// lstat cannot get through.
std::optional<FinalTarget> final_target(std::string path, std::string& problem) {
    for (int links = 0; links <= most_links; ++links) {
        FinalTarget found{path};
        if (lstat(path.c_str(), &found.info) != 0) {
            if (errno == ENOENT) return found;
            problem = system_problem();
            return std::nullopt;
        }
        if (!S_ISLNK(found.info.st_mode)) {
            found.exists = true;
            return found;
        }
        if (!may_follow(path, found.info)) {
            problem = "it is another user's symbolic link in a shared folder, which the system "
                      "does not follow";
            return std::nullopt;
        }
        std::string points_to(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), points_to.data(), points_to.size());
        if (length <= 0 || static_cast<size_t>(length) >= points_to.size()) {
            problem = "its symbolic link cannot be read";
            return std::nullopt;
        }
        points_to.resize(static_cast<size_t>(length));
        // A relative target is relative to the link's own folder (npos + 1 is 0: no folder).
        if (points_to.front() != '/') points_to.insert(0, path, 0, path.find_last_of('/') + 1);
        path = std::move(points_to);
    }
    problem = "its symbolic links loop or are too many";
    return std::nullopt;
}

// "." + name + "." + six random characters, with the name cut short where that would exceed the
// longest name the file system takes, so that any valid target name can be saved.
std::string temporary_name(const std::string& target, std::mt19937& random) {
    constexpr size_t longest_name = NAME_MAX;
    constexpr size_t added = std::char_traits<char>::length("..XXXXXX");
    constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const auto slash = target.find_last_of('/');
    const auto folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const auto name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "." + name.substr(0, longest_name - added) + ".";
    for (int i = 0; i < 6; ++i) temporary += letters[random() % (sizeof letters - 1)];
    return temporary;
}

// A new temporary file beside the target. One that replaces a file is the user's alone until
// commit gives it the old file's mode; a new file takes the mode the process gives new files
// (its umask, the folder's default ACL) from the system as it is made, without touching the
// process-wide umask that other threads' files depend on.
int make_temporary(const std::string& target, bool replacing, std::string& temporary) {
    std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporary_name(target, random);
        const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                              replacing ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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

// A rename over another user's file in a shared sticky folder is refused (root may).
bool rename_refused(const std::string& target, const struct stat& old) {
    struct stat folder {};
    return geteuid() != 0 && old.st_uid != geteuid() &&
           stat(folder_of(target).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
           folder.st_uid != geteuid();
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
    problem_.clear();
    const std::optional<FinalTarget> resolved = final_target(target, problem_);
    if (!resolved) return false;
    const std::string& path = resolved->path;
    if (resolved->exists) {
        if (S_ISDIR(resolved->info.st_mode)) return fail("it is a folder");
        if (!S_ISREG(resolved->info.st_mode))
            return fail("it is not a regular file (a FIFO, a device or a socket)");
        // Opened for writing: a read-only file cannot be emptied, so it is not replaced either.
        // No link is followed and nothing waits on a FIFO should the name have changed since.
        target_fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        struct stat old {};
        if (target_fd_ < 0) return fail(system_problem());
        if (fstat(target_fd_, &old) != 0 || !S_ISREG(old.st_mode))
            return fail("it changed into something else while it was being saved");
        // A rename would leave the file's other names holding the old contents.
        if (old.st_nlink > 1 || rename_refused(path, old)) return open_in_place(path);
    }
    std::string temporary;
    const int fd = make_temporary(path, resolved->exists, temporary);
    if (fd < 0) {
        // A folder the user may not write to still lets its writable files be saved.
        if (resolved->exists && (errno == EACCES || errno == EPERM)) return open_in_place(path);
        return fail(system_problem());
    }
    fd_ = fd;
    target_ = path;
    temporary_ = std::move(temporary);
    return true;
}

bool AtomicFile::open_in_place(const std::string& target) {
    fd_ = std::exchange(target_fd_, -1);
    if (fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0) return fail(system_problem());
    in_place_ = true;
    target_ = target;
    return true;
}

bool AtomicFile::commit_by_rename() {
    struct stat old {};
    if (target_fd_ >= 0) {
        if (fstat(target_fd_, &old) != 0) return fail(system_problem());
        // Owner first: a change of owner may clear the set-user-ID and set-group-ID bits.
        keep_owner(fd_, old);
        if (fchmod(fd_, old.st_mode & 07777) != 0) return fail(system_problem());
    }
    if (fsync(fd_) != 0) return fail(system_problem());
    // close can report a late write error, so it is checked like every write.
    if (::close(std::exchange(fd_, -1)) != 0 ||
        std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return fail(system_problem());
    temporary_.clear();
    sync_folder(folder_of(target_));
    return true;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (target_fd_ >= 0) ::close(std::exchange(target_fd_, -1));
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    target_.clear();
    pending_ = std::vector<char>();
    in_place_ = false;
    failed_ = false;
}

} // namespace toolkit::detail
