// Test main for code that uses Qt's serial port: Qt wants its application object on the
// main thread, and workers on QThreads, before it will watch a port without complaint.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
