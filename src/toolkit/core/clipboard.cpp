#include "toolkit/clipboard.h"

#include "toolkit/binding.h"
#include "toolkit/core/toolkit_state.h"

namespace toolkit {

int set_clipboard(const ClipboardData& data) {
    return detail::binding().set_clipboard(data) ? 1 : 0;
}

ClipboardData get_clipboard(const std::string& own_type) {
    return detail::binding().get_clipboard(own_type);
}

} // namespace toolkit
