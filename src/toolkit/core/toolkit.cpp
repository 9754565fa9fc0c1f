// Start and end of the toolkit.
#include <utility>

#include "toolkit/binding.h"
#include "toolkit/core/objects.h"
#include "toolkit/core/shown_menus.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {

void start_toolkit(Binding& binding, std::vector<std::string> parameters) {
    detail::make_toolkit(&binding, std::move(parameters));
    binding.start();
}

void start_toolkit(std::vector<std::string> parameters) {
    detail::make_toolkit(nullptr, std::move(parameters));
}

// What the platform shows ends while the toolkit still answers it; then the toolkit's object goes.
void shut_down_toolkit() {
    detail::file_state().close_all();
    detail::background_saves().finish();
    detail::destroy_all_menus();
    detail::destroy_all_windows();
    detail::binding().shut_down();
    detail::end_toolkit();
}

} // namespace toolkit
