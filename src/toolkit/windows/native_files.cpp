// The file system of Windows: wide-character calls on UTF-8 paths, "\" or "/" between names.

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <sys/stat.h>

#include <climits>

#include "toolkit/files.h"
#include "toolkit/native_files.h"
#include "toolkit/texts.h"
#include "toolkit/windows/wide_text.h"

namespace toolkit {

namespace {

bool is_separator(char c) {
    return c == '/' || c == '\\';
}

// "C:\" and "\" name folders only with their separator; other paths are found without one.
std::wstring path_without_end_separator(std::string path) {
    while (path.size() > 1 && is_separator(path.back()) && !path.ends_with(":\\") &&
           !path.ends_with(":/"))
        path.pop_back();
    return windows::wide_text(path);
}

std::string known_folder(const KNOWNFOLDERID& which) {
    wchar_t* found = nullptr;
    std::string folder;
    if (SHGetKnownFolderPath(which, KF_FLAG_CREATE, nullptr, &found) == S_OK)
        folder = windows::utf8_text(found) + "\\";
    CoTaskMemFree(found);
    return folder.empty() ? current_directory() : folder;
}

} // namespace

detail::PathFacts detail::path_facts(const std::string& path) {
    struct _stat64 info {};
    if (path.empty() || _wstat64(path_without_end_separator(path).c_str(), &info) != 0) return {};
    if ((info.st_mode & _S_IFMT) == _S_IFDIR) return {PathKind::folder};
    if ((info.st_mode & _S_IFMT) != _S_IFREG) return {PathKind::other};
    return {PathKind::file, static_cast<int64_t>(info.st_size)};
}

int detail::open_reader(const std::string& path) {
    if (path_facts(path).kind != PathKind::file) return -1;
    return _wopen(windows::wide_text(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

size_t detail::read_some(int reader, void* into, size_t length) {
    const int got = _read(reader, into, static_cast<unsigned>(std::min<size_t>(length, INT_MAX)));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

void detail::close_reader(int reader) {
    _close(reader);
}

std::string user_folder(UserFolder which) {
    return known_folder(which == UserFolder::state ? FOLDERID_LocalAppData
                                                   : FOLDERID_RoamingAppData);
}

// Each folder on the way is made where missing; drive names and server shares refuse to be, which
// the last test sees through.
int make_folder(const std::string& path) {
    for (size_t end = 1; end <= path.size(); ++end)
        if (end == path.size() || is_separator(path[end]))
            CreateDirectoryW(windows::wide_text(path.substr(0, end)).c_str(), nullptr);
    return detail::path_facts(path).kind == detail::PathKind::folder ? 1 : 0;
}

std::string current_directory() {
    std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
    directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
    std::string folder = windows::utf8_text(directory);
    if (!folder.empty() && !is_separator(folder.back())) folder += '\\';
    return folder;
}

} // namespace toolkit
