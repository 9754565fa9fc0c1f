// The event a handler handles, as a value the loop reads once from the toolkit.
#pragma once

#include <string>

struct Event {
    int kind = 0; // gadget_event, menu_event, ...
    int window = 0;
    int gadget = 0; // the gadget, or the timer of a timer event
    int menu = 0;
    // Canvas events: the sub-event and the input snapshot it carries.
    int type = 0;
    int x = 0, y = 0;  // the mouse on the canvas
    int buttons = 0;   // the buttons held
    int modifiers = 0; // the modifier keys held
    int key = 0;
    int character = 0; // a character typed
    std::string files; // dropped files, one name a line
};
