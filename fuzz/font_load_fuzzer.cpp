// Font files of any content and length, loaded at any current char by a drop on the charset
// view or through "Open...", with either answer to the 96-glyph question. Input: the current
// char, a byte of choices, then the file's contents.
#include <algorithm>
#include <string>

#include "app/menu_bar.h"
#include "fuzz_program.h"
#include "toolkit/binding.h"
#include "toolkit/requesters.h"

namespace {

constexpr size_t zxFontBytes = 768;

std::string glyphText(const AppState& state, int code) {
    std::string text;
    for (int row = 0; row < 8; ++row)
        text += (row ? "," : "") + std::to_string(state.charset[size_t(code * 8 + row)]);
    return text;
}

void checkMessages(const toolkit::HeadlessBinding& ui, size_t size, const std::string& name) {
    const auto& shown = ui.messages_shown;
    if (size == 0) {
        if (shown.size() != 1 || shown[0].title != "No file" || shown[0].text != name)
            fuzzFailure("an empty file is not reported as \"No file\"");
    } else if (size == zxFontBytes) {
        if (shown.size() != 1 || shown[0].title != "ZX font")
            fuzzFailure("a 768-byte file does not ask the one question");
    } else if (!shown.empty()) {
        fuzzFailure("a readable font file gave the message " + shown[0].title);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    FuzzProgram& program = fuzzProgram();
    const int chosenChar = data[0];
    const bool byDrop = data[1] & 1;
    const bool placeAt32 = data[1] & 2;
    const std::span<const uint8_t> contents(data + 2, size - 2);

    program.selectChar(chosenChar);
    for (size_t i = 0; i < program.state.charset.size(); ++i)
        program.state.charset[i] = uint8_t(i * 37 + 11);
    const Charset before = program.state.charset;
    program.ui.messages_shown.clear();

    const std::string name = program.writeFile(contents);
    if (contents.size() == zxFontBytes)
        program.ui.answer_message(placeAt32 ? toolkit::message_result_yes
                                            : toolkit::message_result_no);
    if (byDrop) {
        program.ui.drop_files(charsetView, {name});
    } else {
        program.ui.answer_file(name, 0);
        program.ui.choose_menu_item(mainWindow, openId);
    }
    program.run();

    const AppState& state = program.state;
    const int start = contents.size() == zxFontBytes && placeAt32 ? 32 : chosenChar;
    if (state.currentChar != start || state.cursorRow * 16 + state.cursorColumn != start)
        fuzzFailure("the current char moved to " + std::to_string(state.currentChar));
    checkMessages(program.ui, contents.size(), name);
    const size_t loaded = std::min(contents.size(), size_t(charsetBytes - 8 * start));
    for (size_t i = 0; i < before.size(); ++i) {
        const bool fromFile = i >= size_t(8 * start) && i < size_t(8 * start) + loaded;
        const uint8_t expected = fromFile ? contents[i - size_t(8 * start)] : before[i];
        if (state.charset[i] != expected)
            fuzzFailure("charset byte " + std::to_string(i) + " is wrong");
    }
    // Both ways of loading redraw, even after a failure.
    const toolkit::GadgetRecord* field = toolkit::find_gadget(dataField);
    if (!field || field->text != glyphText(state, start))
        fuzzFailure("the data field does not show the current glyph");
    return 0;
}
