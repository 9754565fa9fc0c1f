// The core side of the modal requesters: pattern lists, start folders, the selected pattern
// and the custom colours, kept while the toolkit runs.
#include "toolkit/requesters.h"

#include <algorithm>
#include <array>

#include "toolkit/binding.h"
#include "toolkit/core/gadget_input.h"
#include "toolkit/core/native_files.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {
namespace {

std::vector<FilePattern> split_patterns(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t bar = text.find('|', start);
        parts.push_back(text.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<FilePattern> patterns;
    for (size_t i = 0; i < parts.size(); i += 2)
        patterns.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    return patterns;
}

bool usable_file_name(const std::string& name) {
    if (name.empty()) return false;
    for (unsigned char c : name)
        if (c < 32 || std::string_view("\"*/:<>?\\|").find(char(c)) != std::string_view::npos)
            return false;
    return true;
}

std::string file_requester(bool save, const std::string& title, const std::string& default_file,
                           const std::string& patterns, int pattern_index) {
    FileRequest request{.save = save,
                        .title = title,
                        .patterns = split_patterns(patterns),
                        .pattern_index = pattern_index};
    const size_t separator = default_file.find_last_of("/\\");
    std::string name = default_file;
    if (separator != std::string::npos) {
        // A file in the root folder keeps its "/".
        request.folder = default_file.substr(0, separator == 0 ? 1 : separator);
        name = default_file.substr(separator + 1);
    }
    if (usable_file_name(name)) request.name = name;
    detail::end_captures(-1); // a modal requester takes the mouse
    const FileChoice choice = detail::binding().file_requester(request);
    detail::requester_memory().selected_pattern = choice.path.empty() ? -1 : choice.pattern_index;
    return choice.path;
}

// Cut before a character, never inside one, so that a cut text stays UTF-8.
std::string cut_text(const std::string& text, int bytes) {
    if (text.size() <= size_t(bytes)) return text;
    size_t end = size_t(bytes);
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

} // namespace

std::string open_file_requester(const std::string& title, const std::string& default_file,
                                const std::string& patterns, int pattern_index) {
    return file_requester(false, title, default_file, patterns, pattern_index);
}

std::string save_file_requester(const std::string& title, const std::string& default_file,
                                const std::string& patterns, int pattern_index) {
    return file_requester(true, title, default_file, patterns, pattern_index);
}

bool requester_folder_exists(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return true; // the requester's own folder
    const std::string folder = path.substr(0, separator + 1);
    return detail::path_facts(folder).kind == detail::PathKind::folder;
}

int selected_file_pattern() {
    return detail::requester_memory().selected_pattern;
}

int color_requester(int start_color) {
    const int start = start_color == -1 ? 0 : start_color & 0xFFFFFF;
    std::array<int, 16>& custom_colors = detail::requester_memory().custom_colors;
    custom_colors[0] = start;
    detail::end_captures(-1);
    return detail::binding().color_requester(start, custom_colors);
}

int message_requester(const std::string& title, const std::string& text, int flags) {
    detail::end_captures(-1);
    return detail::binding().message_requester(title, text, flags);
}

int list_requester(const std::string& title, const std::string& text,
                   const std::vector<std::string>& items) {
    if (items.empty()) return -1;
    // A file may name any number of things, at any length: show what a person can choose from.
    std::vector<std::string> shown;
    shown.reserve(std::min(items.size(), size_t(list_requester_items)));
    for (size_t i = 0; i < items.size() && i < size_t(list_requester_items); ++i)
        shown.push_back(cut_text(items[i], list_requester_line_bytes));
    detail::end_captures(-1);
    const int chosen =
        detail::binding().list_requester(cut_text(title, list_requester_line_bytes),
                                         cut_text(text, list_requester_text_bytes), shown);
    return chosen >= 0 && size_t(chosen) < shown.size() ? chosen : -1;
}

} // namespace toolkit
