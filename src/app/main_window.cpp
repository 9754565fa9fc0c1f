#include "app/main_window.h"

#include <algorithm>
#include <utility>

#include "toolkit/menus.h"
#include "toolkit/requesters.h"
#include "toolkit/windows.h"
#include "views/charset_image.h"
#include "views/colors_view.h"

using namespace toolkit;

namespace {

// The charset view's canvas, with its border, and the range controls under it.
constexpr int charsetViewBorder = 4;
constexpr int rangeControlsHeight = 100;
constexpr int menuBarRoom = 60; // the window's size holds its menu bar on some platforms

int charsetViewHeight(int glyphHeight) {
    return charsetImageHeight(glyphHeight) + charsetViewBorder;
}

// The range controls' tops below the charset view.
constexpr std::pair<int, int> rangeControlTops[] = {{beginRangeLabel, 0},
                                                    {beginRangeTrackbar, 20},
                                                    {endRangeLabel, 50},
                                                    {endRangeTrackbar, 70},
                                                    {rangeCheckbox, 50}};

int rangeControlTop(int gadget, int glyphHeight) {
    for (const auto& [control, top] : rangeControlTops)
        if (control == gadget) return charsetViewHeight(glyphHeight) + top;
    return 0;
}

// Two lines, or four rows a line for glyphs taller than 8.
int dataFieldHeight(int glyphHeight) {
    return 20 * std::max(2, (glyphHeight + 3) / 4);
}

} // namespace

void createRangeControls() {
    const auto top = [](int gadget) { return rangeControlTop(gadget, machineGlyphHeight); };
    create_canvas(charsetView, 0, 0, 260, charsetViewHeight(machineGlyphHeight),
                  canvas_border | canvas_keyboard);
    create_label(beginRangeLabel, 20, top(beginRangeLabel), 255, 20, "Begin range:0",
                 label_centred);
    create_trackbar(beginRangeTrackbar, 20, top(beginRangeTrackbar), 255, 30, 0, 255,
                    trackbar_ticks);
    create_label(endRangeLabel, 20, top(endRangeLabel), 255, 20, "End range:0", label_centred);
    create_trackbar(endRangeTrackbar, 20, top(endRangeTrackbar), 255, 30, 0, 255, trackbar_ticks);
    create_checkbox(rangeCheckbox, 0, top(rangeCheckbox), 20, 20, "");
    set_gadget_tooltip(rangeCheckbox, "Enable range");
}

void layOutForGlyphHeight(int glyphHeight) {
    const int top = charsetViewHeight(glyphHeight);
    create_image(charsetImage, charsetImageWidth, charsetImageHeight(glyphHeight));
    resize_gadget(charsetView, keep_value, keep_value, keep_value, top);
    for (const auto& [gadget, below] : rangeControlTops)
        resize_gadget(gadget, keep_value, top + below, keep_value, keep_value);
    resize_gadget(dataField, keep_value, keep_value, keep_value, dataFieldHeight(glyphHeight));
    resize_window(mainWindow, keep_value, keep_value, mainWindowWidth,
                  std::max(mainWindowLeastHeight, top + rangeControlsHeight + menuBarRoom));
}

void createEditorControls() {
    struct ShiftButton {
        int gadget, x;
        const char* text;
        const char* tooltip;
    };
    // Created in this order; they stand left to right as "<", "^", "v", ">".
    for (const ShiftButton& button : {ShiftButton{shiftLeftButton, 262, "<", "shift left"},
                                      ShiftButton{shiftUpButton, 294, "^", "shift up"},
                                      ShiftButton{shiftDownButton, 326, "v", "shift down"},
                                      ShiftButton{shiftRightButton, 358, ">", "shift right"}}) {
        create_button(button.gadget, button.x, 128, 32, 20, button.text);
        set_gadget_tooltip(button.gadget, button.tooltip);
    }
    create_text_field(dataField, 262, 148, 128, dataFieldHeight(machineGlyphHeight), "",
                      text_centred | text_right | text_multi_line);
    set_gadget_tooltip(dataField, "Data for char");
    create_canvas(glyphEditor, 262, 0, 128, 128, 0);
}

// Room beyond the 32 x 24 map the window first shows.
constexpr int mapMargin = 10;

void openMapWindow(WindowsState& windows) {
    const int opened =
        open_window(mapWindow, window_x(mainWindow) + 40, window_y(mainWindow) + 40,
                    512 + mapMargin, 384 + mapMargin, mapWindowTitle,
                    window_caption | window_system_menu | window_minimise_box | window_hidden);
    if (!opened) {
        windows.mapWindowAvailable = false;
        message_requester("Gridlet", "Character Map not available", message_ok);
        return;
    }
    create_canvas(mapView, 0, 0, 80 * 16, 50 * 16, canvas_keyboard); // typing on the map
    enable_gadget_drop(mapView, drop_files, drop_copy);
    windows.mapWindowAvailable = true;
}

void openColorsWindow(WindowsState& windows) {
    windows.colorsWindowAvailable =
        open_window(colorsWindow, window_x(mainWindow) + 80, window_y(mainWindow) + 80,
                    colorsWindowWidth, colorsWindowHeight(colorRowCount), "Colours",
                    window_caption | window_system_menu | window_minimise_box | window_hidden) != 0;
    if (!windows.colorsWindowAvailable) {
        message_requester("Gridlet", "Colours not available", message_ok);
        return;
    }
    for (int row = 0; row < colorRowCount; ++row) {
        const int y = colorRowTop(row);
        create_label(colorRowLabels + row, colorsMargin, y, swatchRowWidth, colorLabelHeight, "",
                     0);
        create_canvas(colorRowSwatches + row, colorsMargin, y + colorLabelHeight, swatchRowWidth,
                      swatchRowHeight, 0);
    }
}
