// Font files that are damaged, truncated, of the wrong kind or of absurd sizes: opened or
// dropped, each gives one message naming it and changes nothing.
#include <algorithm>
#include <filesystem>

#include "file_command_test.h"

namespace {

std::vector<std::string> malformedFonts() {
    std::vector<std::string> names;
    // The damaged CharPad projects there are refused by tests/files/charpad_file_test.cpp; the
    // program does not open CharPad projects yet, and would take them for raw fonts.
    for (const auto& entry : std::filesystem::directory_iterator(GRIDLET_MALFORMED_FONTS))
        if (entry.path().extension() != ".py" && entry.path().extension() != ".ctm")
            names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FileCommandTest, EveryMalformedFontIsRefusedAndChangesNothing) {
    g.ui.choose_menu_item(mainWindow, charsetC64Id);
    g.clickGlyph(40);
    g.run();
    const Document before = g.document();
    const std::vector<std::string> names = malformedFonts();
    ASSERT_GE(names.size(), 20u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        chooseWithFile(openId, name, 2);
        g.ui.drop_files(charsetView, {name});
        g.run();
        const std::vector<Message> shown = messages();
        g.ui.messages_shown.clear();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0], shown[1]); // opened or dropped alike
        const bool empty = std::filesystem::file_size(name) == 0;
        EXPECT_EQ(shown[0].first, empty ? "No file" : "Open File");
        EXPECT_NE(shown[0].second.find(name), std::string::npos);
        EXPECT_EQ(g.document(), before);
        EXPECT_EQ(g.state.editor.currentChar(), 40);
    }
}

} // namespace
