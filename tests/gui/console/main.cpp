#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "card_demo_app.h"

// Window tests need an application object, and no display: they run offscreen unless
// the caller chose a platform (test discovery runs without the test environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    KeepNoUserSettings();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
