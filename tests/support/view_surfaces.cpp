#include "view_surfaces.h"

#include <algorithm>

#include "app/app_state.h"
#include "toolkit/drawing.h"
#include "toolkit/windows.h"

void createViewSurfaces(std::initializer_list<Surface> leftOut) {
    using namespace toolkit;
    const auto wanted = [&](Surface surface) {
        return std::find(leftOut.begin(), leftOut.end(), surface) == leftOut.end();
    };
    open_window(mainWindow, 0, 0, 640, 480, "gridlet v2 0.9f",
                window_centre_on_screen | window_caption | window_system_menu |
                    window_minimise_box);
    if (wanted(Surface::charsetView)) {
        create_canvas(charsetView, 0, 0, 260, 260, canvas_border | canvas_keyboard);
    }
    if (wanted(Surface::dataField)) {
        create_text_field(dataField, 262, 148, 128, 40, "",
                          text_centred | text_right | text_multi_line);
    }
    if (wanted(Surface::glyphEditor)) create_canvas(glyphEditor, 262, 0, 128, 128, 0);
    if (wanted(Surface::charsetImage)) create_image(charsetImage, 256, 256);
    if (wanted(Surface::mapWindow)) {
        // Shown, as a map size leaves it: the map is first drawn when its window shows.
        open_window(mapWindow, 40, 40, 522, 394, "Character map",
                    window_caption | window_system_menu | window_minimise_box);
        create_canvas(mapView, 0, 0, 1280, 800, 0);
    }
}
