#include "monkey_binding.h"

#include <vector>

#include "toolkit/binding.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

void collectItems(const std::vector<MenuEntry>& entries, std::vector<int>& ids) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::item) ids.push_back(entry.id);
        collectItems(entry.children, ids);
    }
}

} // namespace

FileChoice MonkeyBinding::file_requester(const FileRequest& request) {
    // Nothing of what was asked is kept: a long run asks millions of times.
    if (random_.chance(15)) return {};
    // Only names inside the scratch folder, so a save can never write anywhere else.
    const std::string name = folder_.anyName(random_);
    // A requester refuses a name in a folder that does not exist; this user then gives up.
    if (!requester_folder_exists(name)) return {};
    offeredNames.insert(name);
    const int patterns = int(request.patterns.size());
    return {name, patterns > 0 ? random_.between(0, patterns - 1) : 0};
}

int MonkeyBinding::color_requester(int, std::array<int, 16>&) {
    if (random_.chance(20)) return -1;
    return random_.between(0, 0xFFFFFF);
}

int MonkeyBinding::message_requester(const std::string& title, const std::string& text, int flags) {
    messages_shown.push_back({title, text, flags});
    // The reference views draw glyphs of 8 rows only: a raw font of another height stays at 8.
    if (title == "Raw font") return message_result_no;
    if (flags == message_yes_no) return random_.chance(50) ? message_result_yes : message_result_no;
    return message_result_ok;
}

int MonkeyBinding::popup_menu(const MenuRecord& menu, int) {
    std::vector<int> ids;
    collectItems(menu.entries, ids);
    if (ids.empty() || random_.chance(25)) return -1;
    return random_.pick(ids);
}
