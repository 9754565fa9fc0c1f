// Windows, gadgets and events: numbered top-level windows, numbered gadgets inside them and
// one queue of events that the logic drains with a blocking wait.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace toolkit {

class Binding;

// Event kinds returned by wait_window_event.
enum EventKind : int {
    no_event = 0,
    gadget_event = 13100,
    menu_event = 13101,
    activate_event = 13104,
    files_dropped_event = 13106,
    minimised_event = 13107,
    maximised_event = 13108,
    restored_event = 13109,
    deactivate_event = 13114,
    repaint_event = 13115,
    close_window_event = 13116,
    moved_event = 13117,
    resized_event = 13118,
    timer_event = 13119, // a timer ran out; the object number is the timer's
};

// Sub-events of canvas gadgets (event_type of a gadget event raised by a canvas).
enum CanvasEvent : int {
    left_click = 0,
    right_click = 1,
    left_double_click = 2,
    right_double_click = 3,
    mouse_enter = 65537,
    mouse_leave = 65538,
    mouse_move = 65539,
    left_button_down = 65540,
    left_button_up = 65541,
    right_button_down = 65542,
    right_button_up = 65543,
    middle_button_down = 65544,
    middle_button_up = 65545,
    mouse_wheel = 65546,
    key_down = 65547,
    key_up = 65548,
    character_input = 65549,
    // The canvas lost the mouse capture with a button held (a popup or requester opened, the
    // window lost the keyboard): the buttons count as released, without a click.
    capture_lost = 65550,
    focus_gained = 14000,
    focus_lost = 14001,
};

// get_gadget_attribute of a canvas: facts of the current event's input snapshot.
enum CanvasAttribute : int {
    attribute_mouse_x = 2,
    attribute_mouse_y = 3,
    attribute_buttons = 4,
    attribute_key = 5,
    attribute_modifiers = 6,
    attribute_wheel = 8,
    attribute_character = 9,
};

enum MouseButtonBits : int { button_left = 1, button_right = 2, button_middle = 4 };
enum ModifierBits : int { modifier_shift = 1, modifier_alt = 2, modifier_control = 4 };

// Virtual-key codes the program compares.
enum VirtualKey : int {
    vk_backspace = 8,
    vk_tab = 9,
    vk_return = 13,
    vk_escape = 27,
    vk_end = 35,
    vk_home = 36,
    vk_left = 37,
    vk_up = 38,
    vk_right = 39,
    vk_down = 40,
    vk_insert = 45,
    vk_delete = 46,
};

// open_window flags, combined by addition.
enum WindowFlags : int {
    window_centre_on_screen = 1,
    window_centre_on_active = 2,
    window_minimise_box = 0x20000,
    window_system_menu = 0x80000,
    window_caption = 0xC00000,
    window_hidden = 0x10000000,
};

// Gadget flags.
enum CanvasFlags : int {
    canvas_border = 1,
    canvas_clip_mouse = 2,
    canvas_keyboard = 4,
    canvas_draw_focus = 8,
};
enum LabelFlags : int { label_centred = 1 };
enum TrackbarFlags : int { trackbar_ticks = 1 };
enum TextFieldFlags : int { text_centred = 1, text_right = 2, text_multi_line = 4 };

// A size or position of -65535 keeps the present value (resize_window, resize_gadget).
constexpr int keep_value = -65535;

// An opaque value that stands for a window; passed back into the menu operations.
using WindowHandle = std::uintptr_t;

// Start and end. The binding is the platform under the toolkit; the parameters are the
// command-line arguments after the program's own name. Everything but the texts' own operations
// needs a toolkit running: what it keeps is made at its start and ended at its shutdown.
void start_toolkit(Binding& binding, std::vector<std::string> parameters = {});
// With no platform under it, for work without a window (a conversion on the command line):
// files, texts, images and drawing into them as ever, but no window or gadget can be made, a
// requester is cancelled and the clipboard holds nothing.
void start_toolkit(std::vector<std::string> parameters = {});
void shut_down_toolkit();

// Windows.
int open_window(int window, int x, int y, int inner_width, int inner_height,
                const std::string& title, int flags);
WindowHandle window_handle(int window);
int window_x(int window);
int window_y(int window);
int resize_window(int window, int x, int y, int inner_width, int inner_height);
void hide_window(int window, int hide);
// False for a window hidden (or not open); a window the user minimised is still shown.
bool window_visible(int window);
void set_window_title(int window, const std::string& title);

// Gadgets, positioned in the client area of the window opened last.
int create_canvas(int gadget, int x, int y, int width, int height, int flags);
int create_label(int gadget, int x, int y, int width, int height, const std::string& text,
                 int flags);
int create_trackbar(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                    int flags);
int create_checkbox(int gadget, int x, int y, int width, int height, const std::string& text);
int create_button(int gadget, int x, int y, int width, int height, const std::string& text);
int create_text_field(int gadget, int x, int y, int width, int height, const std::string& text,
                      int flags);
void set_gadget_tooltip(int gadget, const std::string& text);
void set_active_gadget(int gadget);
int get_gadget_state(int gadget);
void set_gadget_state(int gadget, int value);
void set_gadget_text(int gadget, const std::string& text);
int get_gadget_attribute(int gadget, int attribute);
int resize_gadget(int gadget, int x, int y, int width, int height);
int gadget_width(int gadget);
int gadget_height(int gadget);

// Timers: when the time has passed, one timer event. Starting a timer that runs starts it anew.
void start_timer(int timer, int milliseconds);
void stop_timer(int timer);

// Events.
int wait_window_event();
int event_gadget();
int event_menu();
int event_window();
int event_type();
bool is_key_down(int virtual_key);

} // namespace toolkit
