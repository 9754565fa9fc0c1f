#include "app/color_commands.h"

#include "toolkit/windows.h"

void setColorMode(Editor& editor, ColorMode mode) {
    if (editor.document().colorMode == mode) return;
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
