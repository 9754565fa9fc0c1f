// Where a program window opens: centred on the screen, centred on the active window, or at
// the corner the logic gave.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

#include "toolkit/binding.h"

namespace toolkit::qt {

// The outer top-left corner of a window of the given outer size centred on the area; a window
// larger than the area starts at the area's corner.
QPoint centred_on(const QRect& area, QSize outer);

// active_frame: the outer rectangle of the program's active window, if there is one.
QPoint opening_position(const WindowRecord& window, QSize outer, const QRect& screen,
                        std::optional<QRect> active_frame);

} // namespace toolkit::qt
