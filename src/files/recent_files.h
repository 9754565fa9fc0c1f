// The fonts, maps, maps' colours and projects opened or saved last, newest first, as a small text
// file of gridlet's own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct RecentFile {
    enum class Kind { font, map, mapColors, project } kind;
    std::string name;

    bool operator==(const RecentFile&) const = default;
};

constexpr size_t recentFilesKept = 8;

// The name goes first; an older entry of it goes, and so does the ninth.
void rememberRecent(std::vector<RecentFile>& recent, RecentFile file);

std::string encodeRecentFiles(const std::vector<RecentFile>& recent);
// A file that is not such a list gives none.
std::vector<RecentFile> decodeRecentFiles(std::string_view text);
