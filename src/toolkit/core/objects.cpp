#include "toolkit/core/objects.h"

#include <algorithm>
#include <vector>

#include "toolkit/core/shown_menus.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit::detail {

WindowRecord* window_record(int window) {
    return tables().window(window);
}

GadgetRecord* gadget_record(int gadget) {
    return tables().gadget(gadget);
}

void destroy_gadget(int gadget) {
    // The pass would draw into freed pixels.
    if (drawing_pass().canvas == gadget) drawing_pass() = DrawingPass{};
    ObjectTables& objects = tables();
    objects.gadgets.erase(gadget);
    std::erase(objects.gadget_order, gadget);
    if (objects.focus == gadget) objects.focus = -1;
    binding().destroy_gadget(gadget);
}

void destroy_window(int window) {
    destroy_menus_of_window(window);
    std::vector<int> gadgets;
    for (const auto& [number, record] : tables().gadgets)
        if (record.window == window) gadgets.push_back(number);
    for (int number : gadgets) destroy_gadget(number);
    ObjectTables& objects = tables();
    objects.windows.erase(window);
    if (objects.current_window == window) objects.current_window = -1;
    if (objects.active == window) objects.active = -1;
    binding().destroy_window(window);
}

void destroy_all_windows() {
    std::vector<int> numbers;
    for (const auto& [number, record] : tables().windows) numbers.push_back(number);
    for (int number : numbers) destroy_window(number);
    tables() = ObjectTables{};
}

} // namespace toolkit::detail
