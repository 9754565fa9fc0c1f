// The widgets that show gadgets: made from a record, wired to report the user's input to the
// core, and brought back in line with the record whenever the core changes it.
#pragma once

#include <QWidget>

#include "toolkit/binding.h"

namespace toolkit::qt {

QWidget* create_gadget_widget(const GadgetRecord& record, QWidget* parent);
// Geometry, text, tool tip, state and flags from the record. Raises no event.
void apply_gadget(QWidget* widget, const GadgetRecord& record);

} // namespace toolkit::qt
