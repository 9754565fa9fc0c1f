// The conformance suite on the Qt binding needs a QApplication; without a display it runs
// offscreen, one screen pixel to a canvas pixel.
#include <QApplication>
#include <gtest/gtest.h>

#include "toolkit/qt/qt_binding.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    toolkit::qt::prepare_application();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
