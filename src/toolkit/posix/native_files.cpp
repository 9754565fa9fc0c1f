// The file system of Linux and other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "toolkit/files.h"
#include "toolkit/native_files.h"
#include "toolkit/texts.h"

namespace toolkit {

detail::PathFacts detail::path_facts(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return {};
    if (S_ISDIR(info.st_mode)) return {PathKind::folder};
    if (!S_ISREG(info.st_mode)) return {PathKind::other};
    return {PathKind::file, static_cast<int64_t>(info.st_size)};
}

int detail::open_reader(const std::string& path) {
    // Non-blocking, so that a FIFO cannot hang the program before it is turned down.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
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

std::string user_folder(UserFolder which) {
    const char* own =
        std::getenv(which == UserFolder::state ? "XDG_STATE_HOME" : "XDG_CONFIG_HOME");
    // Only absolute folders count: XDG says a relative one is to be ignored.
    if (own && own[0] == '/') return std::string(own) + "/";
    const char* home = std::getenv("HOME");
    const std::string base = home && home[0] ? home : ".";
    return base + (which == UserFolder::state ? "/.local/state/" : "/.config/");
}

int make_folder(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return 0;
        if (slash == std::string::npos) break;
    }
    return detail::path_facts(path).kind == detail::PathKind::folder ? 1 : 0;
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
