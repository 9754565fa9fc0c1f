// The file system of Windows: wide-character calls on UTF-8 paths, "\" or "/" between names.

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <utility>

#include "toolkit/core/native_files.h"
#include "toolkit/files.h"
#include "toolkit/texts.h"
#include "toolkit/windows/system_functions.h"
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

// The folder the variable names, as the system sets it for every process (read without loading
// the shell at start); the shell's answer where it is missing.
std::string known_folder(const wchar_t* variable, const KNOWNFOLDERID& which) {
    if (const wchar_t* set = _wgetenv(variable); set && set[0])
        return windows::utf8_text(set) + "\\";
    static const auto find = windows::system_function<decltype(SHGetKnownFolderPath)>(
        L"shell32.dll", "SHGetKnownFolderPath");
    static const auto release =
        windows::system_function<decltype(CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
    wchar_t* found = nullptr;
    std::string folder;
    if (find && find(which, KF_FLAG_CREATE, nullptr, &found) == S_OK)
        folder = windows::utf8_text(found) + "\\";
    if (release) release(found);
    return folder.empty() ? current_directory() : folder;
}

std::string problem_of(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return "permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "no space left on the device";
    case ERROR_WRITE_PROTECT:
        return "read-only file system";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "it or its folder does not exist";
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_NAME:
        return "its name is too long or not a valid name";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "another program holds it open";
    case ERROR_DIRECTORY:
        return "a part of its path is not a folder";
    case ERROR_CANT_RESOLVE_FILENAME:
        return "its symbolic links loop or are too many";
    default:
        return "the system refused it (error " + std::to_string(error) + ")";
    }
}

} // namespace

std::string detail::system_problem() {
    return problem_of(GetLastError());
}

detail::PathFacts detail::path_facts(const std::string& path) {
    struct _stat64 info {};
    if (path.empty() || _wstat64(path_without_end_separator(path).c_str(), &info) != 0) return {};
    if ((info.st_mode & _S_IFMT) == _S_IFDIR) return {PathKind::folder};
    if ((info.st_mode & _S_IFMT) != _S_IFREG) return {PathKind::other};
    return {PathKind::file, static_cast<int64_t>(info.st_size)};
}

int detail::open_reader(const std::string& path, std::string& problem) {
    const PathKind kind = path_facts(path).kind;
    if (kind != PathKind::file) {
        problem = kind == PathKind::folder  ? "it is a folder"
                  : kind == PathKind::other ? "it is not a regular file (a device)"
                                            : "it or its folder does not exist";
        return -1;
    }
    const int fd = _wopen(windows::wide_text(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) problem = system_problem();
    return fd;
}

size_t detail::read_some(int reader, void* into, size_t length) {
    const int got = _read(reader, into, static_cast<unsigned>(std::min<size_t>(length, INT_MAX)));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

void detail::close_reader(int reader) {
    _close(reader);
}

std::string user_folder(UserFolder which) {
    return which == UserFolder::state ? known_folder(L"LOCALAPPDATA", FOLDERID_LocalAppData)
                                      : known_folder(L"APPDATA", FOLDERID_RoamingAppData);
}

bool detail::write_new_file(const std::string& path, const std::vector<char>& bytes,
                            std::string& problem) {
    const std::wstring wide = windows::wide_text(path);
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        problem = system_problem();
        return false;
    }
    size_t done = 0;
    DWORD written = 0;
    while (done < bytes.size() &&
           WriteFile(file, bytes.data() + done,
                     DWORD(std::min<size_t>(bytes.size() - done, 1 << 20)), &written, nullptr) &&
           written > 0)
        done += written;
    const bool saved = done == bytes.size() && FlushFileBuffers(file);
    if (!saved) problem = system_problem();
    CloseHandle(file);
    if (!saved) DeleteFileW(wide.c_str());
    return saved;
}

bool detail::remove_file(const std::string& path) {
    return DeleteFileW(windows::wide_text(path).c_str()) != 0;
}

std::vector<std::string> detail::folder_entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    std::string pattern = folder;
    while (!pattern.empty() && is_separator(pattern.back())) pattern.pop_back();
    const HANDLE search = FindFirstFileW(windows::wide_text(pattern + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = windows::utf8_text(found.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Each folder on the way is made where missing; drive names and server shares refuse to be, which
// the last test sees through.
bool detail::make_folders(const std::string& path, std::string& problem) {
    DWORD error = ERROR_SUCCESS;
    for (size_t end = 1; end <= path.size(); ++end)
        if ((end == path.size() || is_separator(path[end])) &&
            !CreateDirectoryW(windows::wide_text(path.substr(0, end)).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            error = GetLastError();
    if (path_facts(path).kind == PathKind::folder) return true;
    problem = error == ERROR_SUCCESS ? "it is a file, not a folder" : problem_of(error);
    return false;
}

std::string current_directory() {
    std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
    directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
    std::string folder = windows::utf8_text(directory);
    if (!folder.empty() && !is_separator(folder.back())) folder += '\\';
    return folder;
}

} // namespace toolkit
