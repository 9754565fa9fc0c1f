// gridlet's start-up as the desktop program runs it (the desktop binding's application, startUp,
// then turns of the event loop), ended as soon as the main window has been exposed and its
// charset view and glyph editor have painted. The Character map window starts hidden, so it
// paints nothing.
#include <QCoreApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/program.h"
#include "first_paint_watch.h"
#include "toolkit/desktop_program.h"
#include "toolkit/qt/program_window.h"
#include "toolkit/qt/qt_binding.h"

namespace {

int startAndEndWhenPainted(toolkit::Binding& binding, std::vector<std::string> parameters) {
    AppState state;
    if (!startUp(state, binding, std::move(parameters))) return 1;
    const auto& desktop = static_cast<const toolkit::qt::QtBinding&>(binding);
    FirstPaintWatch watch(desktop.window_widget(mainWindow),
                          {desktop.gadget_widget(charsetView), desktop.gadget_widget(glyphEditor)});
    QCoreApplication::instance()->installEventFilter(&watch);
    while (!watch.done()) {
        if (!handleNextEvent(state)) return 1;
    }
    // Teardown is no part of what the user waits for, in either probe.
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv) {
    return toolkit::run_desktop_program(argc, argv, startAndEndWhenPainted);
}
