#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Window tests need an application object, and no display: they run offscreen unless
// the caller chose a platform (test discovery runs without the test environment).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
