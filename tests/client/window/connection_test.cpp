// The receive path: commands are cut at the end marker and handled one at a time from the event loop.

#include "client/net/gameconnection.h"

#include "harness.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>

using client::GameConnection;
using testing_client::E;

namespace {

struct Recorder {
    GameConnection connection;
    std::vector<std::string> handled;
    Recorder() {
        connection.setCommandHandler([this](std::string_view entry) { handled.emplace_back(entry); });
    }
};

} // namespace

TEST(Connection, OneCommandPerEventLoopPassInArrivalOrder) {
    Recorder r;
    r.connection.receive("CMD_a+1" + E + "CMD_b+2" + E + "CMD_c+" + E);
    EXPECT_TRUE(r.handled.empty()) << "never handled inside the read";
    EXPECT_EQ(r.connection.queued(), 3u);
    QCoreApplication::sendPostedEvents(&r.connection);
    EXPECT_EQ(r.handled.size(), 1u);
    for (int i = 0; i < 10 && r.handled.size() < 3; ++i)
        QCoreApplication::sendPostedEvents(&r.connection);
    EXPECT_EQ(r.handled, (std::vector<std::string>{"CMD_a+1", "CMD_b+2", "CMD_c+"}));
    EXPECT_EQ(r.connection.queued(), 0u);
}

// A connection halted while a command waited ("Game is full" and the like) and then opened again
// handles what the new connection brings: the wake-up that found it halted is not left standing.
TEST(Connection, AfterAHaltTheNextConnectionsCommandsAreHandled) {
    Recorder r;
    r.connection.receive("CMD_a+" + E);
    r.connection.halt();
    QCoreApplication::sendPostedEvents(&r.connection);
    EXPECT_TRUE(r.handled.empty());
    r.connection.shut(); // as opening the next connection does
    r.connection.receive("CMD_b+" + E);
    for (int i = 0; i < 10 && r.handled.empty(); ++i)
        QCoreApplication::sendPostedEvents(&r.connection);
    EXPECT_EQ(r.handled, (std::vector<std::string>{"CMD_b+"}));
}

TEST(Connection, SplitCommandsWaitForTheirEndMarker) {
    Recorder r;
    r.connection.receive("CMD_chat+1+he");
    QCoreApplication::sendPostedEvents(&r.connection);
    EXPECT_TRUE(r.handled.empty());
    r.connection.receive(std::string("llo+world") + E + E);
    QTRY_COMPARE_WITH_TIMEOUT(r.connection.queued(), 0u, 1000);
    ASSERT_EQ(r.handled.size(), 2u);
    EXPECT_EQ(r.handled[0], "CMD_chat+1+hello+world");
    EXPECT_EQ(r.handled[1], ""); // the login's second end marker
}

TEST(Connection, NothingIsSentWhileUnconnected) {
    GameConnection c;
    EXPECT_FALSE(c.send("CMD_finish+1+" + E));
}

namespace {

// A server on a free loopback port with one accepted connection.
struct Peer {
    QTcpServer server;
    QTcpSocket* socket = nullptr;
    bool accept(GameConnection& c) {
        server.listen(QHostAddress::LocalHost, 0);
        c.open(QStringLiteral("127.0.0.1"), server.serverPort());
        if (!server.waitForNewConnection(2000)) return false;
        socket = server.nextPendingConnection();
        for (int i = 0; i < 200 && !c.isConnected(); ++i)
            QTest::qWait(5);
        return c.isConnected();
    }
};

} // namespace

TEST(Connection, CommandsBeforeTheCloseAreHandledBeforeClosing) {
    Recorder r;
    Peer peer;
    ASSERT_TRUE(peer.accept(r.connection));
    std::vector<std::string> order;
    r.connection.setCommandHandler([&](std::string_view e) { order.emplace_back(e); });
    QObject::connect(&r.connection, &GameConnection::closed, [&] { order.emplace_back("closed"); });
    peer.socket->write(QByteArray::fromStdString("CMD_full+" + E + "CMD_x+" + E));
    peer.socket->flush();
    peer.socket->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(!order.empty() && order.back() == "closed", 3000);
    EXPECT_EQ(order, (std::vector<std::string>{"CMD_full+", "CMD_x+", "closed"}));
}

TEST(Connection, SendsWholeCommandsOnTheSocket) {
    GameConnection c;
    Peer peer;
    ASSERT_TRUE(peer.accept(c));
    EXPECT_TRUE(c.send("CMD_finish+1+" + E));
    QTRY_VERIFY_WITH_TIMEOUT(peer.socket->bytesAvailable() >= 14, 2000);
    EXPECT_EQ(peer.socket->readAll().toStdString(), "CMD_finish+1+" + E);
}

TEST(Connection, AFloodWithoutEndMarkerDropsTheConnection) {
    Recorder r;
    Peer peer;
    ASSERT_TRUE(peer.accept(r.connection));
    bool closed = false;
    QObject::connect(&r.connection, &GameConnection::closed, [&] { closed = true; });
    peer.socket->write(QByteArray(70 * 1024, 'x'));
    QTRY_VERIFY_WITH_TIMEOUT(closed, 3000);
    EXPECT_TRUE(r.handled.empty());
}

// A flood waits in the network, not in our memory: the queue never holds much more than its cap, every
// command is handled in arrival order, and the close is reported once, after the last of them.
TEST(Connection, AFloodWaitsInTheSocketWhileTheQueueIsFull) {
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
    Recorder r;
    std::size_t most = 0;
    int closes = 0;
    r.connection.setCommandHandler([&](std::string_view entry) {
        most = std::max(most, r.connection.queued());
        r.handled.emplace_back(entry);
    });
    QObject::connect(&r.connection, &GameConnection::closed, [&] { ++closes; });
    r.connection.open(QStringLiteral("127.0.0.1"), listener.serverPort());
    ASSERT_TRUE(listener.waitForNewConnection(5000));
    QTcpSocket* peer = listener.nextPendingConnection();
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.connection.isConnected(); }, 5000));

    constexpr int kCommands = 60'000;
    std::string flood;
    for (int i = 0; i < kCommands; ++i)
        flood += "CMD_chat+" + std::to_string(i) + E;
    peer->write(flood.data(), static_cast<qint64>(flood.size()));
    peer->disconnectFromHost(); // after what was written has gone
    QEventLoop loop;
    QObject::connect(&r.connection, &GameConnection::closed, &loop, &QEventLoop::quit);
    QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
    if (closes == 0) loop.exec();
    ASSERT_EQ(closes, 1) << r.handled.size() << " handled, " << r.connection.queued() << " queued";
    ASSERT_EQ(r.handled.size(), static_cast<std::size_t>(kCommands));
    EXPECT_EQ(r.handled.front(), "CMD_chat+0");
    EXPECT_EQ(r.handled.back(), "CMD_chat+" + std::to_string(kCommands - 1));
    // One read past the cap at most: a chunk of the shortest commands here.
    EXPECT_LE(most, GameConnection::kMaxQueued + GameConnection::kReadChunk / 11);
}
