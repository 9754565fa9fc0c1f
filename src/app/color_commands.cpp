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
    const MachineColors colors = withChoice(editor.document().machineColors, choice, number);
    if (colors == editor.document().machineColors) return;
    editor.setMachineColors(colors);
}

void showColorsWindow(const WindowsState& windows) {
    if (windows.colorsWindowAvailable) toolkit::hide_window(colorsWindow, 0);
}
