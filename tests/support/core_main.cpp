// The one main of the test programs that need a Qt event loop but no widgets.
#include <QCoreApplication>

#include <gtest/gtest.h>

// The server's sockets and timers need an application object and its event loop.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
