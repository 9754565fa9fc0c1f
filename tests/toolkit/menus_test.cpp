// Menus as data, shortcuts, popups and file drops.
#include "toolkit/menus.h"
#include "toolkit_fixture.h"

using namespace toolkit;

namespace {

class Menus : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        ASSERT_TRUE(open_window(1, 0, 0, 300, 200, "second", window_caption | window_hidden));
        ASSERT_TRUE(create_menu(0, window_handle(0)));
        add_menu_title("File");
        add_menu_item(0, "Open...\tCtrl+O");
        open_submenu("Save");
        add_menu_item(2, "two");
        open_submenu("Deeper");
        add_menu_item(5, "five");
        close_submenu();
        add_menu_item(3, "three");
        close_submenu();
        add_menu_item(1, "Quit");
        close_submenu(); // at the top: nothing happens
        add_menu_item(4, "still in File");
        add_menu_title("Char");
        add_menu_item(7, "Invert\tCtrl+I");
    }
};

TEST_F(Menus, ContainerStackBuildsTheTree) {
    ui.run([] {});
    events(); // the bar is shown when the program next waits
    const MenuRecord& bar = ui.menus_shown.at(0);
    ASSERT_EQ(bar.entries.size(), 2u);
    const MenuEntry& file = bar.entries[0];
    ASSERT_EQ(file.children.size(), 4u);
    EXPECT_EQ(file.children[0].text, "Open...\tCtrl+O");
    const MenuEntry& save = file.children[1];
    EXPECT_EQ(save.kind, MenuEntry::Kind::submenu);
    ASSERT_EQ(save.children.size(), 3u);
    EXPECT_EQ(save.children[1].children[0].id, 5);
    EXPECT_EQ(save.children[2].id, 3);
    EXPECT_EQ(file.children[2].id, 1);
    EXPECT_EQ(file.children[3].id, 4);
    EXPECT_EQ(bar.entries[1].children[0].id, 7);
    EXPECT_EQ(find_window(0)->menu_bar, 0);
}

TEST_F(Menus, CheckMarksAreFoundAnywhereInTheTree) {
    set_menu_item_checked(0, 5, 1);
    set_menu_item_checked(0, 7, 1);
    EXPECT_EQ(get_menu_item_checked(0, 5), 1);
    EXPECT_EQ(get_menu_item_checked(0, 7), 1);
    EXPECT_EQ(get_menu_item_checked(0, 2), 0);
    set_menu_item_checked(0, 5, 0);
    EXPECT_EQ(get_menu_item_checked(0, 5), 0);
    set_menu_item_checked(0, 99, 1); // no such item: nothing
    EXPECT_EQ(get_menu_item_checked(0, 99), 0);
}

TEST_F(Menus, ChoosingAnItemRaisesItsId) {
    ui.choose_menu_item(0, 0); // id 0 is an ordinary id
    const std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, menu_event);
    EXPECT_EQ(seen[0].object, 0);
    EXPECT_EQ(event_menu(), 0);
}

TEST_F(Menus, ShortcutsWorkOnlyInTheirActiveWindow) {
    add_keyboard_shortcut(0, shortcut_control + 'I', 7);
    ASSERT_TRUE(create_text_field(3, 0, 0, 128, 40, "", 7));
    set_active_gadget(3);
    ui.press_key('I', modifier_control);
    std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, menu_event);
    EXPECT_EQ(seen[0].object, 7);

    ASSERT_TRUE(open_window(1, 0, 0, 100, 100, "other", window_caption));
    ui.activate(1);
    ui.press_key('I', modifier_control);
    seen = events();
    for (const SeenEvent& event : seen) EXPECT_NE(event.kind, menu_event);

    ui.activate(0);
    ui.press_key('I'); // without Control: no shortcut
    seen = events();
    for (const SeenEvent& event : seen) EXPECT_NE(event.kind, menu_event);
}

TEST_F(Menus, PopupChoiceQueuesTheEventAndDismissRaisesNothing) {
    ASSERT_TRUE(create_popup_menu(2));
    add_menu_item(16, "Set begin range");
    ui.answer_popup(16);
    show_popup_menu(2, window_handle(0));
    show_popup_menu(2, window_handle(0)); // no answer left: dismissed
    const std::vector<SeenEvent> seen = events();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].object, 16);
    EXPECT_EQ(ui.popups_shown, (std::vector<int>{2, 2}));
}

TEST_F(Menus, FileDropsOnlyOnTargetsJoinedByLineFeeds) {
    ASSERT_TRUE(create_canvas(0, 0, 0, 260, 260, canvas_border));
    ASSERT_TRUE(create_canvas(1, 300, 0, 128, 128, 0));
    enable_gadget_drop(0, drop_files, drop_copy);
    ui.drop_files(0, {"/a/one.fnt", "/b/two.fnt", "/c/three.map"});
    ui.drop_files(1, {"/a/one.fnt"}); // not a drop target
    ui.drop_text(0, "hello");         // not files
    int drops = 0;
    while (ui.has_pending_input() || has_queued_events()) {
        if (wait_window_event() != files_dropped_event) {
            EXPECT_EQ(event_dropped_files(), "");
            continue;
        }
        ++drops;
        EXPECT_EQ(event_gadget(), 0);
        EXPECT_EQ(event_dropped_files(), "/a/one.fnt\n/b/two.fnt\n/c/three.map");
    }
    EXPECT_EQ(drops, 1);
}

TEST_F(Menus, RecreatingAMenuReplacesIt) {
    ASSERT_TRUE(create_popup_menu(3));
    add_menu_item(41, "Insert char");
    ASSERT_TRUE(create_popup_menu(3));
    show_popup_menu(3, window_handle(0));
    EXPECT_TRUE(ui.menus_shown.at(3).entries.empty());
    EXPECT_EQ(create_menu(4, window_handle(9)), 0); // no such window
}

} // namespace
