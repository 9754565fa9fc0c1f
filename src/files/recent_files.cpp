#include "files/recent_files.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view header = "gridlet recent files 1\n";

// Each line is a kind's tag and the name.
struct Tag {
    RecentFile::Kind kind;
    std::string_view text;
};
constexpr Tag tags[] = {{RecentFile::Kind::font, "font "},
                        {RecentFile::Kind::map, "map "},
                        {RecentFile::Kind::mapColors, "colours "},
                        {RecentFile::Kind::project, "project "}};

std::string_view tagOf(RecentFile::Kind kind) {
    return std::ranges::find(tags, kind, &Tag::kind)->text;
}

// The entry of a line, or nothing when it is not one.
std::optional<RecentFile> entryOf(std::string_view line) {
    for (const Tag& tag : tags)
        if (line.starts_with(tag.text) && line.size() > tag.text.size())
            return RecentFile{tag.kind, std::string(line.substr(tag.text.size()))};
    return std::nullopt;
}

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
    for (const RecentFile& file : recent) text += std::string(tagOf(file.kind)) + file.name + "\n";
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
        std::optional<RecentFile> entry = entryOf(line);
        if (!entry) return {};
        recent.push_back(std::move(*entry));
    }
    return recent;
}
