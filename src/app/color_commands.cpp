#include "app/color_commands.h"

#include "app/refresh.h"

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
