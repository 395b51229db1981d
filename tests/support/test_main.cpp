#include <gtest/gtest.h>

#include <QApplication>

#include "platform/runtimedir.h"

// Every test program runs on Qt's offscreen platform, with a display or without.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
