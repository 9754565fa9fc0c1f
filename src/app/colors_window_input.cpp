#include "app/colors_window_input.h"

#include "app/color_commands.h"
#include "toolkit/windows.h"
#include "views/colors_view.h"

void handleColorRowEvent(Editor& editor, const Event& event) {
    if (event.type != toolkit::left_button_down) return;
    // The rows of the mode shown now; a row the mode does not use stands outside the window.
    const std::span<const ColorChoice> rows = colorChoices(editor.document().colorMode);
    const auto row = size_t(event.gadget - colorRowSwatches);
    if (row >= rows.size()) return;
    if (const int number = swatchAt(rows[row], event.x, event.y); number >= 0)
        chooseColor(editor, rows[row], number);
}
