// The platform under the toolkit. The core keeps every object as a record and all pixels;
// a binding shows the records natively, reports raw user input back into the core, and does
// what only a platform can: requesters, popup menus, waiting for a message, the key state.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "toolkit/clipboard.h"
#include "toolkit/drawing.h"
#include "toolkit/windows.h"

namespace toolkit {

struct WindowRecord {
    int number = 0;
    int x = 0, y = 0; // outer top-left corner on the screen
    // Raised each time the logic gives the window a place after opening it. A binding moves its
    // window only for a request it has not yet carried out, never because the corner differs:
    // where the desktop framed the window or the user dragged it stands.
    int place_requests = 0;
    int inner_width = 0, inner_height = 0;
    std::string title;
    int flags = 0;
    bool visible = false;
    int menu_bar = -1; // number of the menu bar attached, or -1
};

enum class GadgetKind { canvas, label, trackbar, checkbox, button, text_field };

struct GadgetRecord {
    int number = 0;
    int window = 0;
    GadgetKind kind = GadgetKind::label;
    int x = 0, y = 0, width = 0, height = 0; // outer geometry in the window's client area
    int flags = 0;
    std::string text;
    std::string tooltip;
    int state = 0;
    int minimum = 0, maximum = 0;
    PixelBuffer buffer; // canvases: what the canvas shows
    bool accepts_files = false;
    // Canvas input state.
    bool mouse_inside = false;
    bool captured = false;
    int buttons = 0;
    int wheel_remainder = 0;

    // Offset of the drawing area inside the gadget (the border of a bordered canvas).
    int inset() const { return kind == GadgetKind::canvas && (flags & canvas_border) ? 2 : 0; }
    bool is_tab_stop() const {
        return kind != GadgetKind::label &&
               (kind != GadgetKind::canvas || (flags & canvas_keyboard) != 0);
    }
};

struct MenuEntry {
    enum class Kind { item, separator, submenu };
    Kind kind = Kind::item;
    int id = -1;
    std::string text;
    bool checked = false;
    bool enabled = true;             // a disabled item is shown greyed out and cannot be chosen
    std::vector<MenuEntry> children; // drop-downs and submenus
};

struct MenuRecord {
    int number = 0;
    bool popup = false;
    int window = -1;                // the window a bar is attached to
    std::vector<MenuEntry> entries; // for a bar: the drop-downs (submenu entries)
};

// One entry of a file requester's pattern list.
struct FilePattern {
    std::string description;
    std::string mask;
};

struct FileRequest {
    bool save = false;
    std::string title;
    std::string folder; // where the requester opens; "" for its own default
    std::string name;   // the pre-filled name
    std::vector<FilePattern> patterns;
    int pattern_index = 0;
};

struct FileChoice {
    std::string path; // "" when cancelled
    int pattern_index = -1;
};

class Binding {
  public:
    virtual ~Binding() = default;

    virtual void start() {}
    virtual void shut_down() {}

    // Windows: placed by the record's flags (centring needs the frame, which only the
    // platform knows) when opened, then moved only for a new place request; the binding reports
    // the outer corner back with window_moved.
    // A window opened shown is also raised and activated. Activation is the platform's to give:
    // the binding reports every change of it with window_activated.
    virtual bool open_window(const WindowRecord& window) = 0;
    virtual void destroy_window(int window) = 0;
    virtual void window_changed(const WindowRecord& window) = 0;
    // Brings a shown window to the front and asks for the keyboard; a minimised one stays so.
    virtual void activate_window(int window) = 0;

    virtual bool create_gadget(const GadgetRecord& gadget) = 0;
    virtual void destroy_gadget(int gadget) = 0;
    virtual void gadget_changed(const GadgetRecord& gadget) = 0;
    // The area of the canvas's pixel buffer (in drawing-area coordinates) has new content:
    // show it.
    virtual void canvas_drawn(const GadgetRecord& canvas, const Area& area) = 0;
    virtual void focus_gadget(int gadget) = 0;

    virtual void menu_changed(const MenuRecord& menu) = 0;
    virtual void destroy_menu(int menu) = 0;
    // Runs the popup at the pointer; the chosen item id, or -1 when dismissed.
    virtual int popup_menu(const MenuRecord& menu, int window) = 0;
    virtual void drop_enabled(const GadgetRecord& gadget) = 0;

    virtual FileChoice file_requester(const FileRequest& request) = 0;
    // The chosen colour 0x00BBGGRR or -1; custom colours live for the run.
    virtual int color_requester(int start_color, std::array<int, 16>& custom_colors) = 0;
    virtual int message_requester(const std::string& title, const std::string& text, int flags) = 0;
    // The index of the item chosen, or -1 when cancelled. There is at least one item, and the
    // first is selected when the requester opens.
    virtual int list_requester(const std::string& title, const std::string& text,
                               const std::vector<std::string>& items) = 0;

    // After the time, the binding reports timer_fired; a timer started again starts anew.
    virtual void start_timer(int timer, int milliseconds) = 0;
    virtual void stop_timer(int timer) = 0;

    virtual bool set_clipboard(const ClipboardData& data) = 0;
    virtual ClipboardData get_clipboard(const std::string& own_type) = 0;

    // Blocks until the platform has delivered and handled one message.
    virtual void wait_message() = 0;
    virtual bool is_key_down(int virtual_key) = 0;
};

// ---- What a binding (and a test) reads from the core ----
const WindowRecord* find_window(int window);
const GadgetRecord* find_gadget(int gadget);
std::vector<int> gadgets_in_window(int window); // in creation order
// True when two menus differ at most in the states of their items.
bool same_menu_layout(const std::vector<MenuEntry>& shown, const std::vector<MenuEntry>& wanted);
int focused_gadget(); // -1 when none
int active_window();  // -1 when none
bool has_queued_events();

// ---- Raw input a binding feeds into the core ----
// Canvas positions are relative to the drawing area (inside any border).
void canvas_mouse_moved(int gadget, int x, int y, int modifiers);
void canvas_mouse_left(int gadget);
// button: button_left, button_right or button_middle.
void canvas_button_pressed(int gadget, int button, int x, int y, bool double_click, int modifiers);
void canvas_button_released(int gadget, int button, int x, int y, int modifiers);
// The platform took the mouse away while buttons were held on the canvas.
void canvas_capture_lost(int gadget);
void canvas_key(int gadget, int virtual_key, bool pressed, int modifiers);
void canvas_character(int gadget, int character);
void canvas_wheel(int gadget, int units, int modifiers); // 120 units to a notch
void gadget_focus_changed(int gadget, bool gained);
void button_clicked(int gadget);
void trackbar_moved(int gadget, int value);
void checkbox_clicked(int gadget);
void text_field_edited(int gadget, const std::string& text);
void window_moved(int window, int x, int y);
void window_activated(int window, bool active);
void window_close_requested(int window);
void timer_fired(int timer);
void menu_item_chosen(int window, int id);
// Looks the key up in the active window's shortcut table (Tab and Shift+Tab included);
// true when a shortcut took it, so that no gadget sees the key.
bool shortcut_key(int window, int virtual_key, int modifiers);
bool gadget_accepts_files(int gadget);
// A file requester takes a typed name only in a folder that exists; otherwise it complains
// and stays open.
bool requester_folder_exists(const std::string& path);
void files_dropped(int gadget, const std::vector<std::string>& names);

} // namespace toolkit
