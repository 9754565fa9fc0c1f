// A second reference for the start-up benchmark: the bare 640 x 480 window with one line of
// text. The first text any program shows makes Qt set up its fonts, a fixed cost that the
// empty window never pays; this probe shows how much of gridlet's start-up that is.
#include <QApplication>
#include <QLabel>
#include <cstdlib>

#include "first_paint_watch.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 480);
    QLabel label("gridlet", &window);
    window.show();
    FirstPaintWatch watch(&window, {&window, &label});
    application.installEventFilter(&watch);
    while (!watch.done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::_Exit(0);
}
