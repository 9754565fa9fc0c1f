#include "app/file_requests.h"

#include <algorithm>

#include "app/whole_files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

std::string askSaveName(std::string& lastFolder, const std::string& defaultPath,
                        const std::string& patterns,
                        std::initializer_list<std::string_view> extensions) {
    std::string name = save_file_requester("Please choose file to save", defaultPath, patterns, 0);
    if (name.empty()) return name;
    lastFolder = path_part(name);
    const size_t pattern = size_t(std::max(selected_file_pattern(), 0));
    const std::string extension(extensions.begin()[std::min(pattern, extensions.size() - 1)]);
    if (lower_case(right_part(name, int(extension.size()))) != extension) name += extension;
    return name;
}

bool saveBytes(const std::string& name, std::span<const uint8_t> bytes) {
    if (writeFile(name, bytes)) return true;
    message_requester("Save file", saveFailedText(name), message_ok);
    return false;
}
