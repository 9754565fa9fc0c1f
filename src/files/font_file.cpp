#include "files/font_file.h"

#include "toolkit/files.h"
#include "toolkit/requesters.h"
#include "toolkit/texts.h"

using namespace toolkit;

namespace {
constexpr int64_t zxFontBytes = 768; // 96 glyphs from the space character
constexpr int fontFile = 0;
} // namespace

void loadFontFile(AppState& state, const std::string& name) {
    if (trim_spaces(name).empty()) return;
    int64_t size = file_size(name);
    if (size == zxFontBytes && message_requester("ZX font", "Do yo want to place at pos #32?",
                                                 message_yes_no) == message_result_yes) {
        state.currentChar = 32;
        state.cursorColumn = 0;
        state.cursorRow = 2;
    }
    if (size < 1) {
        message_requester("No file", name, message_ok);
        return;
    }
    const int64_t start = 8 * int64_t(state.currentChar);
    if (size + start > charsetBytes) size = charsetBytes - start;
    if (!open_file_for_reading(fontFile, name)) {
        message_requester("Read error", name, message_ok);
        return;
    }
    state.lastFolder = path_part(name);
    read_data(fontFile, state.charset.data() + start, size);
    close_file(fontFile);
}
