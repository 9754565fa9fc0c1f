// Numbered top-level windows.
#include <algorithm>

#include "toolkit/core/events.h"
#include "toolkit/core/gadget_input.h"
#include "toolkit/core/objects.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {

using detail::tables;
using detail::window_record;

int open_window(int window, int x, int y, int inner_width, int inner_height,
                const std::string& title, int flags) {
    if (window < 0 || inner_width < 0 || inner_height < 0) return 0;
    if (window_record(window)) detail::destroy_window(window);
    constexpr int style_flags = window_minimise_box | window_system_menu | window_caption;
    if ((flags & style_flags) == 0) flags |= window_caption;
    WindowRecord record;
    record.number = window;
    record.x = x;
    record.y = y;
    record.inner_width = inner_width;
    record.inner_height = inner_height;
    record.title = title;
    record.flags = flags;
    record.visible = (flags & window_hidden) == 0;
    tables().windows[window] = record;
    if (!detail::binding().open_window(record)) {
        tables().windows.erase(window);
        return 0;
    }
    tables().current_window = window;
    return 1;
}

WindowHandle window_handle(int window) {
    return window_record(window) ? WindowHandle(window) + 1 : 0;
}

int window_x(int window) {
    const WindowRecord* record = window_record(window);
    return record ? record->x : 0;
}

int window_y(int window) {
    const WindowRecord* record = window_record(window);
    return record ? record->y : 0;
}

int resize_window(int window, int x, int y, int inner_width, int inner_height) {
    WindowRecord* record = window_record(window);
    if (!record) return 0;
    if (x != keep_value) record->x = x;
    if (y != keep_value) record->y = y;
    if (x != keep_value || y != keep_value) ++record->place_requests;
    if (inner_width != keep_value) record->inner_width = std::max(0, inner_width);
    if (inner_height != keep_value) record->inner_height = std::max(0, inner_height);
    detail::binding().window_changed(*record);
    return 1;
}

void hide_window(int window, int hide) {
    WindowRecord* record = window_record(window);
    if (!record) return;
    record->visible = hide == 0;
    if (!record->visible && tables().active == window) tables().active = -1;
    detail::binding().window_changed(*record);
    // Also when it was shown already: the user expects it in front, and the core learns of the
    // activation only from the platform, so that shortcuts go where the keyboard really is.
    if (record->visible) detail::binding().activate_window(window);
}

bool window_visible(int window) {
    const WindowRecord* record = window_record(window);
    return record && record->visible;
}

void set_window_title(int window, const std::string& title) {
    WindowRecord* record = window_record(window);
    if (!record) return;
    record->title = title;
    detail::binding().window_changed(*record);
}

const WindowRecord* find_window(int window) {
    return window_record(window);
}
int active_window() {
    return tables().active;
}

void window_moved(int window, int x, int y) {
    if (WindowRecord* record = window_record(window)) {
        record->x = x;
        record->y = y;
    }
}

void window_activated(int window, bool active) {
    if (!window_record(window)) return;
    if (active)
        tables().active = window;
    else if (tables().active == window)
        tables().active = -1;
    // A window that loses the keyboard loses the mouse too: its release will not come.
    if (!active) detail::end_captures(window);
    detail::queue_event(
        {.kind = active ? activate_event : deactivate_event, .window = window, .object = window});
}

void start_timer(int timer, int milliseconds) {
    if (timer >= 0) detail::binding().start_timer(timer, std::max(0, milliseconds));
}

void stop_timer(int timer) {
    if (timer >= 0) detail::binding().stop_timer(timer);
}

void timer_fired(int timer) {
    detail::queue_event({.kind = timer_event, .object = timer});
}

void window_close_requested(int window) {
    if (!window_record(window)) return;
    detail::queue_event({.kind = close_window_event, .window = window, .object = window});
}

} // namespace toolkit
