// The main of the server's tests: the server's sockets and timers need an application object and its
// event loop. With RIMBALO_TEST_EPOLL=1 the loop runs on the stand-alone server's epoll dispatcher,
// so the same tests check the server on both dispatchers it runs on.
#include "eventloop/epolldispatcher.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIntValue("RIMBALO_TEST_EPOLL") == 1) {
        QAbstractEventDispatcher* dispatcher = eventloop::EpollDispatcher::create();
        if (!dispatcher) return 1;
        QCoreApplication::setEventDispatcher(dispatcher);
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
