// gridlet's start-up as the desktop program runs it (the Qt binding, startUp, then turns of
// the event loop), ended as soon as the main window has been exposed and its charset view and
// glyph editor have painted. The Character map window starts hidden, so it paints nothing.
#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program.h"
#include "first_paint_watch.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/qt_binding.h"

int main(int argc, char** argv) {
    toolkit::qt::prepare_application();
    QApplication application(argc, argv);
    toolkit::qt::QtBinding binding;
    AppState state;
    if (!startUp(state, binding, std::vector<std::string>(argv + 1, argv + argc))) return 1;
    FirstPaintWatch watch(binding.window_widget(mainWindow),
                          {binding.gadget_widget(charsetView), binding.gadget_widget(glyphEditor)});
    application.installEventFilter(&watch);
    while (!watch.done()) {
        if (!handleNextEvent(state)) return 1;
    }
    std::_Exit(0);
}
