#include "files/recent_files.h"

#include <algorithm>

namespace {

constexpr std::string_view header = "gridlet recent files 1\n";
constexpr std::string_view fontTag = "font ";
constexpr std::string_view mapTag = "map ";

} // namespace

void rememberRecent(std::vector<RecentFile>& recent, RecentFile file) {
    // A name with a line break could not be written back: it is not kept.
    if (file.name.empty() || file.name.find('\n') != std::string::npos) return;
    std::erase_if(recent, [&](const RecentFile& kept) { return kept.name == file.name; });
    recent.insert(recent.begin(), std::move(file));
    if (recent.size() > recentFilesKept) recent.resize(recentFilesKept);
}

std::string encodeRecentFiles(const std::vector<RecentFile>& recent) {
    std::string text(header);
    for (const RecentFile& file : recent)
        text +=
            std::string(file.kind == RecentFile::Kind::font ? fontTag : mapTag) + file.name + "\n";
    return text;
}

std::vector<RecentFile> decodeRecentFiles(std::string_view text) {
    if (!text.starts_with(header)) return {};
    std::vector<RecentFile> recent;
    for (size_t at = header.size(); at < text.size() && recent.size() < recentFilesKept;) {
        const size_t end = text.find('\n', at);
        if (end == std::string_view::npos) return {}; // cut short
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.starts_with(fontTag) && line.size() > fontTag.size())
            recent.push_back({RecentFile::Kind::font, std::string(line.substr(fontTag.size()))});
        else if (line.starts_with(mapTag) && line.size() > mapTag.size())
            recent.push_back({RecentFile::Kind::map, std::string(line.substr(mapTag.size()))});
        else
            return {};
    }
    return recent;
}
