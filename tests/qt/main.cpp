// The Qt tests need a QApplication before any widget; without a display they run offscreen.
#include <QApplication>
#include <gtest/gtest.h>

#include "toolkit/qt/qt_binding.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Pixel checks read widgets at one screen pixel per canvas pixel.
    qputenv("QT_SCALE_FACTOR", "1");
    toolkit::qt::prepare_application();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
