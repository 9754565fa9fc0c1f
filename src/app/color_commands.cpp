#include "app/color_commands.h"

#include "app/refresh.h"
#include "toolkit/windows.h"

void setColorMode(Editor& editor, WindowsState& windows, ColorMode mode) {
    if (editor.document().colorMode == mode) return;
    editor.setColorMode(mode);
    requestRedraw(windows, redrawGlyphViews | redrawMap | redrawColors);
}

void choosePen(Editor& editor, WindowsState& windows, Pen pen) {
    if (editor.document().pen == pen) return;
    editor.setPen(pen);
    requestRedraw(windows, redrawColors);
}

void chooseColor(Editor& editor, WindowsState& windows, ColorChoice choice, int number) {
    if (choice == ColorChoice::pen) {
        choosePen(editor, windows, Pen(number));
        return;
    }
    const MachineColors colors = withChoice(editor.document().machineColors, choice, number);
    if (colors == editor.document().machineColors) return;
    editor.setMachineColors(colors);
    requestRedraw(windows, redrawGlyphViews | redrawMap | redrawColors);
}

void showColorsWindow(const WindowsState& windows) {
    if (windows.colorsWindowAvailable) toolkit::hide_window(colorsWindow, 0);
}
