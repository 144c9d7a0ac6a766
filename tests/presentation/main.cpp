// Runs the window's tests inside a QApplication (offscreen when the test sets QT_QPA_PLATFORM).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Headless unless told otherwise, and test discovery at build time runs without a display too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
