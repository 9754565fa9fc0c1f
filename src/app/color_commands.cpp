#include "app/color_commands.h"

#include <string>

#include "toolkit/requesters.h"
#include "toolkit/windows.h"

void setColorMode(Editor& editor, ColorMode mode) {
    const Document& document = editor.document();
    if (document.colorMode == mode) return;
    // The machines' glyphs are 8 rows; a set of another height stays in two colours.
    if (mode != ColorMode::twoColors && document.charset.height != machineGlyphHeight) {
        toolkit::message_requester(
            "Colour mode",
            "The machines' colour modes show glyphs of 8 x 8 pixels, and the glyphs are 8 x " +
                std::to_string(document.charset.height) + ": choose a glyph height of 8 first.",
            toolkit::message_ok);
        return;
    }
    editor.setColorMode(mode);
}

void choosePen(Editor& editor, Pen pen) {
    if (editor.document().pen == pen) return;
    editor.setPen(pen);
}

void chooseColor(Editor& editor, ColorChoice choice, int number) {
    if (choice == ColorChoice::pen) {
        choosePen(editor, Pen(number));
        return;
    }
    if (choice == ColorChoice::c64Border) {
        if (editor.document().c64Border != number) editor.setC64Border(uint8_t(number));
        return;
    }
    const MachineColors colors = withChoice(editor.document().machineColors, choice, number);
    if (colors == editor.document().machineColors) return;
    editor.setMachineColors(colors);
}

void showColorsWindow(const WindowsState& windows) {
    if (windows.colorsWindowAvailable) toolkit::hide_window(colorsWindow, 0);
}
