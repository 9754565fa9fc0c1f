// Raw input from the platform turned into the program's gadget events.
#include "toolkit/core/gadget_input.h"

#include <algorithm>

#include "toolkit/core/events.h"
#include "toolkit/core/gadgets.h"
#include "toolkit/core/objects.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {
namespace {

constexpr int wheel_notch = 120;

GadgetRecord* canvas(int gadget) {
    GadgetRecord* record = detail::gadget_record(gadget);
    return record && record->kind == GadgetKind::canvas ? record : nullptr;
}

void raise(const GadgetRecord& record, int sub_event, detail::InputSnapshot input = {}) {
    detail::queue_event({.kind = gadget_event,
                         .window = record.window,
                         .object = record.number,
                         .sub_event = sub_event,
                         .input = input});
}

detail::InputSnapshot mouse_input(const GadgetRecord& record, int x, int y, int modifiers) {
    return {.x = x, .y = y, .buttons = record.buttons, .modifiers = modifiers};
}

// The click test counts the gadget's outer size from the drawing area's top-left pixel, so a
// release over the right or bottom border of a bordered canvas is still inside.
bool passes_click_test(const GadgetRecord& record, int x, int y) {
    return x >= 0 && x < record.width && y >= 0 && y < record.height;
}

int down_event(int button) {
    switch (button) {
    case button_left:
        return left_button_down;
    case button_right:
        return right_button_down;
    default:
        return middle_button_down;
    }
}

int up_event(int button) {
    switch (button) {
    case button_left:
        return left_button_up;
    case button_right:
        return right_button_up;
    default:
        return middle_button_up;
    }
}

} // namespace

void canvas_mouse_moved(int gadget, int x, int y, int modifiers) {
    GadgetRecord* record = canvas(gadget);
    if (!record) return;
    const bool entering = !record->mouse_inside;
    record->mouse_inside = true;
    raise(*record, entering ? mouse_enter : mouse_move, mouse_input(*record, x, y, modifiers));
}

void canvas_mouse_left(int gadget) {
    GadgetRecord* record = canvas(gadget);
    if (!record || !record->mouse_inside) return;
    record->mouse_inside = false;
    raise(*record, mouse_leave, mouse_input(*record, 0, 0, 0));
}

void canvas_button_pressed(int gadget, int button, int x, int y, bool double_click, int modifiers) {
    GadgetRecord* record = canvas(gadget);
    if (!record) return;
    record->buttons |= button;
    if (record->buttons == button) record->captured = true;
    if (record->flags & canvas_keyboard) set_active_gadget(gadget);
    const detail::InputSnapshot input = mouse_input(*record, x, y, modifiers);
    raise(*record, down_event(button), input);
    if (double_click && button == button_left) raise(*record, left_double_click, input);
    if (double_click && button == button_right) raise(*record, right_double_click, input);
}

void canvas_button_released(int gadget, int button, int x, int y, int modifiers) {
    GadgetRecord* record = canvas(gadget);
    if (!record) return;
    const bool was_captured = record->captured;
    const bool inside = passes_click_test(*record, x, y);
    record->buttons &= ~button;
    if (record->buttons == 0) record->captured = false;
    const detail::InputSnapshot input = mouse_input(*record, x, y, modifiers);
    raise(*record, up_event(button), input);
    if (was_captured && inside && button == button_left) raise(*record, left_click, input);
    if (was_captured && inside && button == button_right) raise(*record, right_click, input);
}

void canvas_capture_lost(int gadget) {
    GadgetRecord* record = canvas(gadget);
    if (!record || (record->buttons == 0 && !record->captured)) return;
    record->buttons = 0;
    record->captured = false;
    raise(*record, capture_lost);
}

void detail::end_captures(int window) {
    for (const auto& [number, record] : tables().gadgets)
        if (window < 0 || record.window == window) canvas_capture_lost(number);
}

void canvas_key(int gadget, int virtual_key, bool pressed, int modifiers) {
    GadgetRecord* record = canvas(gadget);
    if (!record || !(record->flags & canvas_keyboard)) return;
    raise(*record, pressed ? key_down : key_up,
          {.buttons = record->buttons, .key = virtual_key, .modifiers = modifiers});
}

void canvas_character(int gadget, int character) {
    GadgetRecord* record = canvas(gadget);
    if (!record || !(record->flags & canvas_keyboard) || character < 32) return;
    raise(*record, character_input, {.buttons = record->buttons, .character = character});
}

void canvas_wheel(int gadget, int units, int modifiers) {
    GadgetRecord* record = canvas(gadget);
    if (!record) return;
    record->wheel_remainder += units;
    const int notches = record->wheel_remainder / wheel_notch;
    if (notches == 0) return;
    record->wheel_remainder -= notches * wheel_notch;
    raise(*record, mouse_wheel,
          {.buttons = record->buttons, .modifiers = modifiers, .wheel = notches});
}

void gadget_focus_changed(int gadget, bool gained) {
    if (!detail::gadget_record(gadget)) return;
    if (gained)
        detail::move_focus(gadget);
    else if (detail::tables().focus == gadget)
        detail::move_focus(-1);
}

void button_clicked(int gadget) {
    const GadgetRecord* record = detail::gadget_record(gadget);
    if (record && record->kind == GadgetKind::button) raise(*record, 0);
}

void trackbar_moved(int gadget, int value) {
    GadgetRecord* record = detail::gadget_record(gadget);
    if (!record || record->kind != GadgetKind::trackbar) return;
    record->state = std::clamp(value, record->minimum, std::max(record->minimum, record->maximum));
    raise(*record, 0);
}

void checkbox_clicked(int gadget) {
    GadgetRecord* record = detail::gadget_record(gadget);
    if (!record || record->kind != GadgetKind::checkbox) return;
    record->state = record->state ? 0 : 1;
    detail::binding().gadget_changed(*record);
    raise(*record, 0);
}

void text_field_edited(int gadget, const std::string& text) {
    GadgetRecord* record = detail::gadget_record(gadget);
    if (!record || record->kind != GadgetKind::text_field) return;
    record->text = text;
    raise(*record, 0);
}

} // namespace toolkit
