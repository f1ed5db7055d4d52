// The epoll dispatcher as the whole program's: timers, posted events from other threads and sockets
// over loopback, the way the server and the benchmarks use them.

#include "eventloop/epolldispatcher.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>
#include <vector>

namespace {

constexpr int kGiveUpMs = 20'000; // only a broken dispatcher gets here

// Runs the loop until `done` says so (checked after every event) or kGiveUpMs pass.
bool runUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    giveUp.start(kGiveUpMs);
    while (!done() && giveUp.isActive())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

TEST(EpollDispatcher, IsTheProgramsDispatcher) {
    ASSERT_NE(dynamic_cast<eventloop::EpollDispatcher*>(QAbstractEventDispatcher::instance()), nullptr);
}

TEST(EpollDispatcher, TimersFireInDeadlineOrderAndRepeatUntilStopped) {
    std::vector<int> order;
    QTimer::singleShot(30, [&] { order.push_back(30); });
    QTimer::singleShot(10, [&] { order.push_back(10); });
    QTimer::singleShot(20, [&] { order.push_back(20); });
    QTimer repeating;
    int ticks = 0;
    QObject::connect(&repeating, &QTimer::timeout, [&] {
        if (++ticks == 5) repeating.stop(); // stopped from its own handler
    });
    repeating.start(2);
    EXPECT_GT(repeating.remainingTime(), -1);
    ASSERT_TRUE(runUntil([&] { return order.size() == 3 && !repeating.isActive(); }));
    EXPECT_EQ(order, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(repeating.remainingTime(), -1);
}

TEST(EpollDispatcher, TimerRestartedOrKilledByAnotherHandlerIsRescheduled) {
    QTimer first, second, late;
    first.setSingleShot(true);
    second.setSingleShot(true);
    late.setSingleShot(true);
    int secondFired = 0, lateFired = 0;
    QObject::connect(&first, &QTimer::timeout, [&] {
        second.stop(); // due in the same round: must not fire
        late.start(5); // moved on
    });
    QObject::connect(&second, &QTimer::timeout, [&] { ++secondFired; });
    QObject::connect(&late, &QTimer::timeout, [&] { ++lateFired; });
    first.start(0);
    second.start(0);
    late.start(100'000);
    ASSERT_TRUE(runUntil([&] { return lateFired == 1; }));
    EXPECT_EQ(secondFired, 0);
    EXPECT_FALSE(late.isActive());
}

TEST(EpollDispatcher, AnotherThreadWakesTheWaitingLoop) {
    QObject receiver;
    bool arrived = false;
    QThread* thread = QThread::create([&receiver, &arrived] {
        QMetaObject::invokeMethod(
            &receiver, [&arrived] { arrived = true; }, Qt::QueuedConnection);
    });
    thread->start();
    // No timer of its own is due: only the wake-up ends the wait.
    EXPECT_TRUE(runUntil([&] { return arrived; }));
    thread->wait();
    delete thread;
}

// A descriptor closed and its number given to a new pipe before the loop runs again: the new pipe is
// watched, not the closed one.
TEST(EpollDispatcher, ADescriptorNumberUsedAgainWithinAPassIsWatched) {
    int first[2];
    ASSERT_EQ(pipe(first), 0);
    auto watcher = std::make_unique<QSocketNotifier>(first[0], QSocketNotifier::Read);
    ASSERT_TRUE(runUntil([] { return true; })); // the kernel now watches the first pipe
    watcher.reset();
    close(first[0]);
    close(first[1]);
    int second[2];
    ASSERT_EQ(pipe(second), 0);
    ASSERT_EQ(second[0], first[0]); // the lowest free numbers again
    QSocketNotifier again(second[0], QSocketNotifier::Read);
    bool readable = false;
    QObject::connect(&again, &QSocketNotifier::activated, [&] {
        char byte = 0;
        readable = read(second[0], &byte, 1) == 1 && byte == 'x';
    });
    ASSERT_EQ(write(second[1], "x", 1), 1);
    EXPECT_TRUE(runUntil([&] { return readable; }));
    close(second[0]);
    close(second[1]);
}

// An echo server over loopback: what a connection sends comes back to it.
class Echo : public QObject {
public:
    Echo() {
        // Room for every connection at once: a connection the kernel turns away is retried only
        // seconds later.
        server.setListenBacklogSize(1024);
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s] { s->write(s->readAll()); });
                connect(s, &QTcpSocket::disconnected, this, [this, s] {
                    ++closed;
                    s->deleteLater();
                });
            }
        });
    }
    QTcpServer server;
    int closed = 0;
};

TEST(EpollDispatcher, LargeTransfersBothWaysAndClosesOverLoopback) {
    Echo echo;
    for (int round = 0; round < 3; ++round) { // the descriptors of closed sockets are used again
        QTcpSocket client;
        client.setReadBufferSize(64 * 1024); // reading pauses and resumes
        QByteArray sent(2 * 1024 * 1024, '\0');
        for (int i = 0; i < sent.size(); ++i)
            sent[i] = static_cast<char>((i * 7 + round) & 0xff);
        QByteArray got;
        QObject::connect(&client, &QTcpSocket::readyRead, [&] { got += client.readAll(); });
        client.connectToHost(QHostAddress::LocalHost, echo.server.serverPort());
        client.write(sent);
        ASSERT_TRUE(runUntil([&] { return got.size() >= sent.size(); })) << "round " << round;
        EXPECT_EQ(got, sent);
        client.disconnectFromHost();
        ASSERT_TRUE(runUntil([&] { return echo.closed == round + 1; }));
    }
}

TEST(EpollDispatcher, ManyConnectionsAreAllServed) {
    Echo echo;
    constexpr int kClients = 300;
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    int answered = 0;
    for (int i = 0; i < kClients; ++i) {
        auto c = std::make_unique<QTcpSocket>();
        QTcpSocket* s = c.get();
        const QByteArray text = QByteArray::number(i) + '\n';
        QObject::connect(s, &QTcpSocket::connected, [s, text] { s->write(text); });
        QObject::connect(s, &QTcpSocket::readyRead, [s, text, &answered] {
            if (s->canReadLine() && s->readLine() == text) ++answered;
        });
        s->connectToHost(QHostAddress::LocalHost, echo.server.serverPort());
        clients.push_back(std::move(c));
    }
    EXPECT_TRUE(runUntil([&] { return answered == kClients; })) << answered << " answered";
}

} // namespace

int main(int argc, char** argv) {
    if (QAbstractEventDispatcher* dispatcher = eventloop::EpollDispatcher::create())
        QCoreApplication::setEventDispatcher(dispatcher);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
