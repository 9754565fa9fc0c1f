// What the core hands a binding's list requester from a program's (or a file's) items.
#include <string>
#include <vector>

#include "toolkit/requesters.h"
#include "toolkit_fixture.h"

namespace {

using namespace toolkit;

using ListRequesterTest = ToolkitTest;

TEST_F(ListRequesterTest, NoItemsAskNothing) {
    ui.answer_list(0);
    EXPECT_EQ(list_requester("Open screen", "Which?", {}), -1);
    EXPECT_TRUE(ui.lists_shown.empty());
}

TEST_F(ListRequesterTest, HostileItemsAreCutToWholeCharactersAndCounted) {
    // "a" then two-byte characters: every cut at an even length falls inside one.
    std::string long_item = "a";
    for (int i = 0; i < 400; ++i) long_item += "\xC3\xA9";
    const std::vector<std::string> items(5000, long_item);
    ui.answer_list(999);
    EXPECT_EQ(list_requester(long_item, std::string(100000, 'x'), items), 999);
    ASSERT_EQ(ui.lists_shown.size(), 1u);
    const ShownList& shown = ui.lists_shown[0];
    ASSERT_EQ(shown.items.size(), size_t(list_requester_items));
    EXPECT_EQ(shown.items[0], long_item.substr(0, list_requester_line_bytes - 1));
    EXPECT_EQ(shown.title, shown.items[0]);
    EXPECT_EQ(shown.text.size(), size_t(list_requester_text_bytes));
}

TEST_F(ListRequesterTest, AnAnswerBeyondTheShownItemsIsACancel) {
    const std::vector<std::string> items(1200, "screen");
    ui.answer_list(1100);
    EXPECT_EQ(list_requester("Open screen", "", items), -1);
    EXPECT_EQ(list_requester("Open screen", "", items), -1); // no answer left: cancelled
}

} // namespace
