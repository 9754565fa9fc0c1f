// Start and end of the toolkit.
#include "toolkit/binding.h"
#include "toolkit/core/detail.h"
#include "toolkit/core/event_queue.h"
#include "toolkit/core/object_tables.h"

namespace toolkit::detail {

void destroy_all_menus(); // menus.cpp

namespace {
Binding* current_binding = nullptr;
}

Binding& binding() {
    return *current_binding;
}

} // namespace toolkit::detail

namespace toolkit {

void start_toolkit(Binding& binding, std::vector<std::string> parameters) {
    detail::current_binding = &binding;
    detail::set_program_parameters(std::move(parameters));
    detail::clear_events();
    binding.start();
}

void shut_down_toolkit() {
    detail::close_all_files();
    detail::end_background_saves();
    detail::destroy_all_menus();
    detail::destroy_all_windows();
    detail::free_all_images();
    detail::clear_events();
    detail::binding().shut_down();
}

} // namespace toolkit
