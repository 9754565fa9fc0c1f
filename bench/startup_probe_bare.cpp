// The baseline of the start-up benchmark: a Qt Widgets program that only shows an empty
// 640 x 480 window, and ends as soon as that window has been exposed and painted.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

#include "first_paint_watch.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    FirstPaintWatch watch(&window, {&window});
    application.installEventFilter(&watch);
    while (!watch.done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Teardown is no part of what the user waits for, in either probe.
    std::_Exit(0);
}
