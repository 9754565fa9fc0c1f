// The file system of Linux and other POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "toolkit/core/native_files.h"
#include "toolkit/files.h"
#include "toolkit/texts.h"

namespace toolkit {

namespace {

std::string problem_of(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "permission denied";
    case ENOSPC:
        return "no space left on the device";
    case EDQUOT:
        return "the user's disk quota is used up";
    case EROFS:
        return "read-only file system";
    case EISDIR:
        return "it is a folder";
    case ENOENT:
        return "it or its folder does not exist";
    case ENOTDIR:
        return "a part of its path is not a folder";
    case ENAMETOOLONG:
        return "its name is too long";
    case ELOOP:
        return "its symbolic links loop or are too many";
    case EIO:
        return "the device reported an input/output error";
    case EFBIG:
        return "it is too large for the file system";
    case ETXTBSY:
        return "it is a program that is running";
    case EMFILE:
    case ENFILE:
        return "too many files are open";
    default:
        break;
    }
    std::string words = std::strerror(error);
    if (!words.empty()) words[0] = char(std::tolower(static_cast<unsigned char>(words[0])));
    return words;
}

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string detail::system_problem() {
    return problem_of(errno);
}

detail::PathFacts detail::path_facts(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return {};
    if (S_ISDIR(info.st_mode)) return {PathKind::folder};
    if (!S_ISREG(info.st_mode)) return {PathKind::other};
    return {PathKind::file, static_cast<int64_t>(info.st_size)};
}

int detail::open_reader(const std::string& path, std::string& problem) {
    // Non-blocking, so that a FIFO cannot hang the program before it is turned down.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = problem_of(errno);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        problem = S_ISDIR(info.st_mode) ? "it is a folder"
                                        : "it is not a regular file (a FIFO, a device or a socket)";
        ::close(fd);
        return -1;
    }
    return fd;
}

size_t detail::read_some(int reader, void* into, size_t length) {
    ssize_t got = 0;
    do {
        got = ::read(reader, into, length);
    } while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<size_t>(got) : 0;
}

void detail::close_reader(int reader) {
    ::close(reader);
}

bool detail::write_new_file(const std::string& path, const std::vector<char>& bytes,
                            std::string& problem) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool written = fd >= 0 && write_fully(fd, bytes.data(), bytes.size()) && fsync(fd) == 0;
    if (!written) problem = problem_of(errno);
    if (fd >= 0 && ::close(fd) != 0 && written) {
        problem = problem_of(errno);
        written = false;
    }
    if (!written) {
        if (fd >= 0) unlink(path.c_str());
        return false;
    }
    // The new name survives a crash too.
    const int folder = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        ::close(folder);
    }
    return true;
}

bool detail::make_folders(const std::string& path, std::string& problem) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            problem = problem_of(errno);
            return false;
        }
        if (slash == std::string::npos) break;
    }
    if (path_facts(path).kind == PathKind::folder) return true;
    problem = "it is a file, not a folder";
    return false;
}

bool detail::remove_file(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

std::vector<std::string> detail::folder_entries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(listing);
    return names;
}

std::string user_folder(UserFolder which) {
    const char* own =
        std::getenv(which == UserFolder::state ? "XDG_STATE_HOME" : "XDG_CONFIG_HOME");
    // Only absolute folders count: XDG says a relative one is to be ignored.
    if (own && own[0] == '/') return std::string(own) + "/";
    // Without a home there is nowhere of the user's own: never the current folder.
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return "";
    return std::string(home) + (which == UserFolder::state ? "/.local/state/" : "/.config/");
}

std::string current_directory() {
    std::string directory(256, '\0');
    while (getcwd(directory.data(), directory.size()) == nullptr) {
        if (errno != ERANGE) return "/";
        directory.resize(directory.size() * 2);
    }
    directory.resize(directory.find('\0'));
    if (!directory.ends_with('/')) directory += '/';
    return directory;
}

} // namespace toolkit
