#include "toolkit/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace toolkit::detail {

namespace {

// Bytes that may still be written before writes fail (the test hook); -1 for no limit.
int64_t write_budget = -1;

// Saving through a symbolic link replaces the file it points to, not the link.
std::string resolved_target(const std::string& target) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    char* real = realpath(target.c_str(), nullptr);
    if (real == nullptr) return target;
    std::string resolved = real;
    std::free(real);
    return resolved;
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

// The old file's permission bits, or what a newly created file would get.
mode_t permissions_for(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool write_all(int fd, const char* data, size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        length -= written;
    }
    return true;
}

// Makes the rename itself survive a crash.
void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    ::close(fd);
}

} // namespace

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::open(const std::string& target) {
    abandon();
    const std::string resolved = resolved_target(target);
    struct stat info {};
    if (stat(resolved.c_str(), &info) == 0) {
        // A read-only file cannot be emptied, so it is not replaced either.
        if (!S_ISREG(info.st_mode) || access(resolved.c_str(), W_OK) != 0) return false;
    } else if (errno != ENOENT) {
        return false;
    }
    std::string temporary = temporary_template(resolved);
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    fd_ = fd;
    failed_ = false;
    target_ = resolved;
    temporary_ = std::move(temporary);
    return true;
}

bool AtomicFile::write(const void* data, size_t length) {
    if (fd_ < 0 || failed_) return false;
    size_t allowed = length;
    if (write_budget >= 0) {
        allowed = std::min<size_t>(length, write_budget);
        write_budget -= allowed;
    }
    if (!write_all(fd_, static_cast<const char*>(data), allowed) || allowed < length) {
        failed_ = true;
    }
    return !failed_;
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    if (failed_ || fchmod(fd_, permissions_for(target_)) != 0 || fsync(fd_) != 0) {
        abandon();
        return false;
    }
    // close can report a late write error, so it is checked like every write.
    if (::close(std::exchange(fd_, -1)) != 0 ||
        std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        abandon();
        return false;
    }
    temporary_.clear();
    sync_folder(folder_of(target_));
    target_.clear();
    return true;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    target_.clear();
    failed_ = false;
}

void AtomicFile::fail_writes_after(int64_t bytes) {
    write_budget = bytes < 0 ? -1 : bytes;
}

} // namespace toolkit::detail
