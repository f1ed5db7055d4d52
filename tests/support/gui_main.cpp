// The one main of the widget test programs.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstring>

// Widgets need an application object. Listing the tests (at build time) needs none.
int main(int argc, char** argv) {
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);
    if (listing) return RUN_ALL_TESTS();
    QStandardPaths::setTestModeEnabled(true);
    // No test shows the desktop anything: a turn's notification goes only to a bus a test starts.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_RUNTIME_DIR");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
