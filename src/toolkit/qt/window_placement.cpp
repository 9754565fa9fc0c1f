#include "toolkit/qt/window_placement.h"

#include <algorithm>

namespace toolkit::qt {

QPoint centred_on(const QRect& area, QSize outer) {
    return {area.x() + (area.width() - std::min(area.width(), outer.width())) / 2,
            area.y() + (area.height() - std::min(area.height(), outer.height())) / 2};
}

QPoint opening_position(const WindowRecord& window, QSize outer, const QRect& screen,
                        std::optional<QRect> active_frame) {
    if (window.flags & window_centre_on_screen) return centred_on(screen, outer);
    if ((window.flags & window_centre_on_active) && active_frame) {
        const QPoint corner = centred_on(*active_frame, outer);
        return {std::max(0, corner.x()), std::max(0, corner.y())};
    }
    return {window.x, window.y};
}

} // namespace toolkit::qt
