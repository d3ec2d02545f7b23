// Every test program runs on Qt's offscreen platform with a real application
// object, so windows can be created, shown and driven without a display.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/Platform.h"

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vel::PrepareRendering();
    QApplication app(argc, argv);
    vel::InitPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
