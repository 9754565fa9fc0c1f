// Menus, popups, requesters, drops, the clipboard and what a canvas shows.
#include "conformance.h"
#include "toolkit/binding.h"
#include "toolkit/clipboard.h"
#include "toolkit/menus.h"
#include "toolkit/requesters.h"

using namespace toolkit;

namespace {

class ServicesConformance : public Conformance {
  protected:
    void SetUp() override {
        Conformance::SetUp();
        open_shown_window(0);
        ASSERT_TRUE(create_canvas(2, 0, 0, 260, 260, canvas_border));
        ASSERT_TRUE(create_canvas(1, 300, 0, 128, 128, 0));
        enable_gadget_drop(2, drop_files, drop_copy);
        ASSERT_TRUE(create_menu(0, window_handle(0)));
        add_menu_title("File");
        add_menu_item(0, "Open...\tCtrl+O");
        open_submenu("Map");
        add_menu_item(27, "Grid on map");
        close_submenu();
        add_menu_item(3, "Fish & Chips");
        ASSERT_TRUE(create_popup_menu(2));
        add_menu_item(16, "Set begin range");
        add_menu_separator();
        add_menu_item(17, "Set end range");
        events();
    }
};

TEST_F(ServicesConformance, ChosenItemsRaiseTheirIdsAndGreyedOnesNothing) {
    user->choose(0, 27);
    user->choose(0, 0);
    std::vector<int> ids;
    for (const SeenEvent& event : events_of(menu_event)) ids.push_back(event.object);
    EXPECT_EQ(ids, (std::vector<int>{27, 0}));
    set_menu_item_enabled(0, 3, 0);
    events();
    user->choose(0, 3);
    EXPECT_TRUE(events_of(menu_event).empty());
}

TEST_F(ServicesConformance, PopupRaisesTheChosenItemInTheGivenWindowOrNothing) {
    user->answer_popup(17);
    show_popup_menu(2, window_handle(0));
    const std::vector<SeenEvent> chosen = events_of(menu_event);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].object, 17);
    EXPECT_EQ(chosen[0].window, 0);
    user->answer_popup(-1);
    show_popup_menu(2, window_handle(0));
    EXPECT_TRUE(events_of(menu_event).empty());
}

TEST_F(ServicesConformance, MessageBoxGivesTheAnswer) {
    user->answer_message(message_result_no);
    EXPECT_EQ(message_requester("ZX font", "Do yo want to place at pos #32?", message_yes_no),
              message_result_no);
    user->answer_message(message_result_yes);
    EXPECT_EQ(message_requester("ZX font", "?", message_yes_no), message_result_yes);
}

TEST_F(ServicesConformance, ListRequesterShowsTheItemsAndGivesTheChosenOneOrMinusOne) {
    const std::vector<std::string> items{"Screen 1", "Fish & Chips",
                                         "Bildschirm \xC3\xBC \xE2\x9C\x93"};
    user->answer_list(2);
    EXPECT_EQ(list_requester("Open screen", "Which screen?\nThe file holds three.", items), 2);
    const SeenList seen = user->list_seen();
    EXPECT_EQ(seen.title, "Open screen");
    EXPECT_EQ(seen.text, "Which screen?\nThe file holds three.");
    EXPECT_EQ(seen.items, items);
    EXPECT_EQ(seen.selected, 0);
    user->answer_list(0);
    EXPECT_EQ(list_requester("Open screen", "", items), 0);
    user->answer_cancel();
    EXPECT_EQ(list_requester("Open screen", "Which screen?", items), -1);
}

TEST_F(ServicesConformance, FileRequesterGivesThePathAndPatternOrNothing) {
    const std::string path = user->path_of("font.fnt");
    user->answer_file(path, 1);
    EXPECT_EQ(save_file_requester("Save", "", "All|*.*|Font|*.fnt", 0), path);
    EXPECT_EQ(selected_file_pattern(), 1);
    user->answer_cancel();
    EXPECT_EQ(open_file_requester("Open", "", "Font|*.fnt", 0), "");
    EXPECT_EQ(selected_file_pattern(), -1);
}

TEST_F(ServicesConformance, DroppedFilesGiveOneEventWhereTheyAreTaken) {
    const std::vector<std::string> files{user->path_of("a.map"), user->path_of("b c.map")};
    user->drop(1, files);
    EXPECT_TRUE(events_of(files_dropped_event).empty());
    user->drop(2, files);
    int drops = 0;
    user->settle();
    while (has_queued_events()) {
        if (wait_window_event() != files_dropped_event) continue;
        ++drops;
        EXPECT_EQ(event_gadget(), 2);
        EXPECT_EQ(event_dropped_files(), files[0] + "\n" + files[1]);
    }
    EXPECT_EQ(drops, 1);
}

TEST_F(ServicesConformance, ClipboardGivesBackEveryFormAndReadsOtherProgramsText) {
    ClipboardData data{.text = "60,102,110\n",
                       .own_type = "application/x-gridlet-glyph-rows",
                       .own_bytes = {1, 2, 3, 0, 255}};
    data.picture = PixelBuffer(8, 8, rgb(255, 255, 255));
    data.picture.row(3)[5] = pixel_of(rgb(0, 0, 0));
    ASSERT_TRUE(set_clipboard(data));
    const ClipboardData held = get_clipboard(data.own_type);
    EXPECT_EQ(held.text, data.text);
    EXPECT_EQ(held.own_bytes, data.own_bytes);
    ASSERT_EQ(held.picture.width, 8);
    EXPECT_EQ(held.picture.color_at(5, 3), rgb(0, 0, 0));
    EXPECT_EQ(held.picture.color_at(4, 3), rgb(255, 255, 255));

    user->put_text_on_clipboard("1,2,3\n");
    const ClipboardData other = get_clipboard(data.own_type);
    EXPECT_EQ(other.text, "1,2,3\n");
    EXPECT_TRUE(other.own_bytes.empty());
}

TEST_F(ServicesConformance, ATimerFiresOnceAfterItsTimeAndAStoppedOneNot) {
    start_timer(3, 200);
    start_timer(4, 200);
    stop_timer(4);
    EXPECT_TRUE(events_of(timer_event).empty());
    user->wait(400);
    const std::vector<SeenEvent> fired = events_of(timer_event);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].object, 3);
    user->wait(400);
    EXPECT_TRUE(events_of(timer_event).empty());
}

TEST_F(ServicesConformance, CanvasShowsItsBufferInsideItsBorder) {
    ASSERT_TRUE(start_drawing(canvas_output(2)));
    draw_box(0, 0, 256, 256, rgb(0, 0, 0));
    draw_box(16, 8, 8, 8, rgb(0, 255, 127));
    stop_drawing();
    events();
    EXPECT_EQ(user->shown_pixel(2, 16, 8), rgb(0, 255, 127));
    EXPECT_EQ(user->shown_pixel(2, 23, 15), rgb(0, 255, 127));
    EXPECT_EQ(user->shown_pixel(2, 24, 8), rgb(0, 0, 0));
    EXPECT_EQ(user->shown_pixel(2, 15, 8), rgb(0, 0, 0));
}

} // namespace
