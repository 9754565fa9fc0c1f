// Numbered gadgets: canvases, labels, trackbars, check boxes, buttons and text fields.
#include <algorithm>

#include "toolkit/core/events.h"
#include "toolkit/core/gadgets.h"
#include "toolkit/core/objects.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit::detail {
namespace {

// A canvas's pixels are made white when first needed, not at creation: the map view's
// 1280 x 800 picture is not drawn before the map window is first shown.
void make_pixels(GadgetRecord& record) {
    PixelBuffer& buffer = record.buffer;
    if (record.kind == GadgetKind::canvas && buffer.pixels.empty())
        buffer.pixels.assign(size_t(buffer.width) * size_t(buffer.height), pixel_of(0xFFFFFF));
}

// The drawing area of a canvas: less the border, at least one pixel each way; its pixels are
// made when first needed.
PixelBuffer canvas_area(const GadgetRecord& record) {
    const int inset = 2 * record.inset();
    PixelBuffer area;
    area.width = std::max(1, record.width - inset);
    area.height = std::max(1, record.height - inset);
    return area;
}

int add_gadget(GadgetRecord record) {
    ObjectTables& objects = tables();
    if (record.number < 0 || record.width < 0 || record.height < 0) return 0;
    if (!window_record(objects.current_window)) return 0;
    if (gadget_record(record.number)) destroy_gadget(record.number);
    record.window = objects.current_window;
    if (record.kind == GadgetKind::canvas) record.buffer = canvas_area(record);
    const int number = record.number;
    objects.gadgets[number] = std::move(record);
    if (!binding().create_gadget(objects.gadgets[number])) {
        objects.gadgets.erase(number);
        return 0;
    }
    objects.gadget_order.push_back(number);
    return 1;
}

GadgetRecord make(GadgetKind kind, int gadget, int x, int y, int width, int height, int flags,
                  const std::string& text) {
    GadgetRecord record;
    record.number = gadget;
    record.kind = kind;
    record.x = x;
    record.y = y;
    record.width = width;
    record.height = height;
    record.flags = flags;
    record.text = text;
    return record;
}

} // namespace

PixelBuffer* canvas_buffer(int gadget) {
    GadgetRecord* record = gadget_record(gadget);
    if (!record || record->kind != GadgetKind::canvas) return nullptr;
    make_pixels(*record);
    return &record->buffer;
}

void canvas_drawn(int gadget, const Area& area) {
    if (GadgetRecord* record = gadget_record(gadget)) binding().canvas_drawn(*record, area);
}

void move_focus(int gadget) {
    const int old = tables().focus;
    if (old == gadget) return;
    tables().focus = gadget;
    for (auto [number, sub_event] : {std::pair{old, focus_lost}, std::pair{gadget, focus_gained}}) {
        const GadgetRecord* record = gadget_record(number);
        if (record && record->kind == GadgetKind::canvas)
            queue_event({.kind = gadget_event,
                         .window = record->window,
                         .object = number,
                         .sub_event = sub_event});
    }
}

} // namespace toolkit::detail

namespace toolkit {

using detail::gadget_record;
using detail::make;

int create_canvas(int gadget, int x, int y, int width, int height, int flags) {
    return detail::add_gadget(make(GadgetKind::canvas, gadget, x, y, width, height, flags, ""));
}

int create_label(int gadget, int x, int y, int width, int height, const std::string& text,
                 int flags) {
    return detail::add_gadget(make(GadgetKind::label, gadget, x, y, width, height, flags, text));
}

int create_trackbar(int gadget, int x, int y, int width, int height, int minimum, int maximum,
                    int flags) {
    GadgetRecord record = make(GadgetKind::trackbar, gadget, x, y, width, height, flags, "");
    record.minimum = std::max(0, minimum);
    record.maximum = std::max(0, maximum);
    return detail::add_gadget(std::move(record));
}

int create_checkbox(int gadget, int x, int y, int width, int height, const std::string& text) {
    return detail::add_gadget(make(GadgetKind::checkbox, gadget, x, y, width, height, 0, text));
}

int create_button(int gadget, int x, int y, int width, int height, const std::string& text) {
    return detail::add_gadget(make(GadgetKind::button, gadget, x, y, width, height, 0, text));
}

int create_text_field(int gadget, int x, int y, int width, int height, const std::string& text,
                      int flags) {
    return detail::add_gadget(
        make(GadgetKind::text_field, gadget, x, y, width, height, flags, text));
}

void set_gadget_tooltip(int gadget, const std::string& text) {
    GadgetRecord* record = gadget_record(gadget);
    if (!record) return;
    record->tooltip = text;
    detail::binding().gadget_changed(*record);
}

void set_active_gadget(int gadget) {
    const GadgetRecord* record = gadget_record(gadget);
    if (!record || record->kind == GadgetKind::label) return;
    if (record->kind == GadgetKind::canvas && !(record->flags & canvas_keyboard)) return;
    detail::move_focus(gadget);
    detail::binding().focus_gadget(gadget);
}

int get_gadget_state(int gadget) {
    const GadgetRecord* record = gadget_record(gadget);
    if (!record) return 0;
    if (record->kind == GadgetKind::trackbar || record->kind == GadgetKind::checkbox)
        return record->state;
    return 0;
}

void set_gadget_state(int gadget, int value) {
    GadgetRecord* record = gadget_record(gadget);
    if (!record) return;
    if (record->kind == GadgetKind::trackbar)
        record->state =
            std::clamp(value, record->minimum, std::max(record->minimum, record->maximum));
    else if (record->kind == GadgetKind::checkbox)
        record->state = value != 0 ? 1 : 0;
    else
        return;
    detail::EventSilence silence;
    detail::binding().gadget_changed(*record);
}

void set_gadget_text(int gadget, const std::string& text) {
    GadgetRecord* record = gadget_record(gadget);
    if (!record) return;
    if (record->kind == GadgetKind::canvas || record->kind == GadgetKind::trackbar) return;
    record->text = text;
    detail::EventSilence silence;
    detail::binding().gadget_changed(*record);
}

int get_gadget_attribute(int gadget, int attribute) {
    const detail::Event& event = detail::current_event();
    const GadgetRecord* record = gadget_record(gadget);
    if (!record || record->kind != GadgetKind::canvas || event.kind != gadget_event ||
        event.object != gadget)
        return 0;
    const detail::InputSnapshot& input = event.input;
    switch (attribute) {
    case attribute_mouse_x:
        return input.x;
    case attribute_mouse_y:
        return input.y;
    case attribute_buttons:
        return input.buttons;
    case attribute_key:
        return input.key;
    case attribute_modifiers:
        return input.modifiers;
    case attribute_wheel:
        return input.wheel;
    case attribute_character:
        return input.character;
    default:
        return 0;
    }
}

int resize_gadget(int gadget, int x, int y, int width, int height) {
    GadgetRecord* record = gadget_record(gadget);
    if (!record) return 0;
    if (x != keep_value) record->x = x;
    if (y != keep_value) record->y = y;
    if (width != keep_value) record->width = std::max(0, width);
    if (height != keep_value) record->height = std::max(0, height);
    if (record->kind == GadgetKind::canvas) {
        // A resized canvas keeps what fits of its picture, on white.
        PixelBuffer resized = detail::canvas_area(*record);
        const PixelBuffer& old = record->buffer;
        if (!old.pixels.empty()) {
            resized.pixels.assign(size_t(resized.width) * size_t(resized.height),
                                  pixel_of(0xFFFFFF));
            const int columns = std::min(old.width, resized.width);
            for (int row = 0; row < std::min(old.height, resized.height); ++row)
                std::copy_n(old.row(row), columns, resized.row(row));
        }
        record->buffer = std::move(resized);
    }
    detail::binding().gadget_changed(*record);
    if (record->kind == GadgetKind::canvas)
        detail::binding().canvas_drawn(*record,
                                       {0, 0, record->buffer.width, record->buffer.height});
    return 1;
}

int gadget_width(int gadget) {
    const GadgetRecord* record = gadget_record(gadget);
    return record ? record->width : 0;
}

int gadget_height(int gadget) {
    const GadgetRecord* record = gadget_record(gadget);
    return record ? record->height : 0;
}

const GadgetRecord* find_gadget(int gadget) {
    GadgetRecord* record = gadget_record(gadget);
    if (record) detail::make_pixels(*record); // whoever reads a canvas sees its white picture
    return record;
}

std::vector<int> gadgets_in_window(int window) {
    std::vector<int> numbers;
    numbers.reserve(detail::tables().gadget_order.size());
    for (int number : detail::tables().gadget_order)
        if (gadget_record(number)->window == window) numbers.push_back(number);
    return numbers;
}

int focused_gadget() {
    return detail::tables().focus;
}

} // namespace toolkit
