// A user at one binding's platform: input as that platform delivers it, answers to its modal
// requesters, and what it shows. The conformance suite is written once against this and runs
// on every binding; each test program links one make_platform_user.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/binding.h"

// What a list requester showed the user: its texts, its items and the one selected when it came
// up.
struct SeenList {
    std::string title;
    std::string text;
    std::vector<std::string> items;
    int selected = -1;
};

class PlatformUser {
  public:
    virtual ~PlatformUser() = default;

    virtual toolkit::Binding& binding() = 0;
    // Hands everything sent so far to the core, one platform message at a time.
    virtual void settle() = 0;
    // Sends a message that does nothing, so that one wait of the logic's loop returns.
    virtual void wake() = 0;
    // Lets time pass, the platform's messages handled meanwhile.
    virtual void wait(int milliseconds) = 0;

    // Canvas positions are in the drawing area; the platform routes the input as it would a
    // real mouse's (to the canvas under the pointer, or the one holding the capture).
    virtual void move_to(int canvas, int x, int y) = 0;
    virtual void press(int canvas, int button, int x, int y) = 0;
    virtual void release(int canvas, int button, int x, int y) = 0;
    virtual void double_click(int canvas, int button, int x, int y) = 0; // both clicks
    virtual void wheel(int canvas, int units) = 0;
    // Keys go to the active window; modifiers are ModifierBits.
    virtual void key(int virtual_key, bool down, int modifiers = 0) = 0;
    virtual void type(char character) = 0;
    virtual void click(int gadget) = 0; // a button or check box
    virtual void slide(int trackbar, int value) = 0;
    virtual void edit(int text_field, const std::string& text) = 0;
    // Chooses an item of the window's menu bar as the platform lets it: a greyed one is not.
    virtual void choose(int window, int id) = 0;
    virtual void close(int window) = 0;
    virtual void activate(int window) = 0;
    // Drags the window by its title bar: (x, y) is where its outer corner ends up.
    virtual void move_window(int window, int x, int y) = 0;
    // The desktop frames the window anew around its client area, which stays where it is, as an
    // X11 window manager does once the window shows: the outer corner moves by the change.
    virtual void reframe(int window) = 0;
    // Drops files from the file manager; a canvas that takes none gets nothing.
    virtual void drop(int canvas, const std::vector<std::string>& files) = 0;

    // Answers for the next modal requester or popup, given before it opens.
    virtual void answer_file(const std::string& path, int pattern) = 0;
    virtual void answer_cancel() = 0;
    virtual void answer_message(int result) = 0;
    // Chooses the item at the index in the next list requester, noting what it showed.
    virtual void answer_list(int index) = 0;
    virtual SeenList list_seen() = 0;      // by the last answer_list
    virtual void answer_popup(int id) = 0; // -1 dismisses it

    // What the platform shows.
    virtual bool shown(int window) = 0;
    virtual std::string title(int window) = 0;
    virtual std::pair<int, int> inner_size(int window) = 0; // the client area, no menu bar
    virtual std::pair<int, int> place(int window) = 0;      // the outer corner on the screen
    virtual bool has_focus(int gadget) = 0;
    virtual toolkit::Color shown_pixel(int canvas, int x, int y) = 0; // in the drawing area

    // Another program's text on the clipboard.
    virtual void put_text_on_clipboard(const std::string& text) = 0;

    // A file name the platform's requesters and drops take: in a folder that exists.
    virtual std::string path_of(const std::string& name) = 0;
};

std::unique_ptr<PlatformUser> make_platform_user();
