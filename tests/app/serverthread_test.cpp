// The hosting program's server in its own thread: started, restarted and stopped from the window's
// thread, always reached over a real loopback socket, and gone promptly when the program ends.

#include "solohost.h"

#include "app/serverthread.h"
#include "client/settings/filelocations.h"
#include "client/window/tchat.h"
#include "windows/tgamestart.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <memory>

using namespace testing_app;

namespace {

// A client that waits by blocking: the window's thread does not run its event loop meanwhile, so
// whatever answers comes from the server's own thread.
struct BlockingClient {
    QTcpSocket socket;
    bool connectTo(quint16 port) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(kWaitMs);
    }
    QByteArray firstCommand() {
        QByteArray got;
        while (!got.contains('\xff') && socket.waitForReadyRead(kWaitMs))
            got += socket.readAll();
        return got.left(got.indexOf('\xff'));
    }
    bool closedByServer() {
        if (socket.state() == QAbstractSocket::UnconnectedState) return true;
        while (socket.waitForReadyRead(kWaitMs))
            socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState;
    }
};

bool refusesConnections(quint16 port) {
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    return !probe.waitForConnected(kWaitMs);
}

TEST(ServerThread, ServesFromItsOwnThreadAndEveryStartIsAFreshServer) {
    ServerThread server;
    QString error;
    const quint16 first = server.start(0, &error);
    ASSERT_NE(first, 0) << error.toStdString();
    EXPECT_TRUE(server.serving());
    EXPECT_TRUE(server.thread().isRunning());

    BlockingClient ann;
    ASSERT_TRUE(ann.connectTo(first));
    EXPECT_EQ(ann.firstCommand(), "CMD_sendlogininfo+1");

    // Hosting again: the first game's connections close and its port is let go.
    const quint16 second = server.start(0, &error);
    ASSERT_NE(second, 0) << error.toStdString();
    EXPECT_TRUE(ann.closedByServer());
    EXPECT_TRUE(refusesConnections(first));
    BlockingClient bob;
    ASSERT_TRUE(bob.connectTo(second));
    EXPECT_EQ(bob.firstCommand(), "CMD_sendlogininfo+1") << "a fresh server seats its first player in 1";

    // Stopping (before joining someone else's game) keeps the thread for the next server.
    server.stop();
    EXPECT_FALSE(server.serving());
    EXPECT_TRUE(bob.closedByServer());
    EXPECT_TRUE(refusesConnections(second));
    server.stop(); // nothing left to stop
    const quint16 third = server.start(0, &error);
    ASSERT_NE(third, 0) << error.toStdString();
    BlockingClient carl;
    ASSERT_TRUE(carl.connectTo(third));
    EXPECT_EQ(carl.firstCommand(), "CMD_sendlogininfo+1");
}

TEST(ServerThread, APortInUseIsReportedWithItsReasonAndLeavesNothingServing) {
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::Any, 0));
    ServerThread server;
    QString error;
    EXPECT_EQ(server.start(squatter.serverPort(), &error), 0);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(server.serving());
    server.stop();
    EXPECT_EQ(server.start(squatter.serverPort()), 0) << "no error text asked for: still refused";

    // A failed start also ends the game served before it.
    const quint16 port = server.start(0, &error);
    ASSERT_NE(port, 0) << error.toStdString();
    BlockingClient ann;
    ASSERT_TRUE(ann.connectTo(port));
    EXPECT_EQ(server.start(squatter.serverPort(), &error), 0);
    EXPECT_TRUE(ann.closedByServer());
}

TEST(ServerThread, EndsWithItsConnectionsOpenOrWithoutEverServing) {
    { ServerThread never; } // a program that only ever joined
    auto server = std::make_unique<ServerThread>();
    const quint16 port = server->start(0);
    ASSERT_NE(port, 0);
    BlockingClient ann, bob;
    ASSERT_TRUE(ann.connectTo(port));
    ASSERT_TRUE(bob.connectTo(port));
    EXPECT_EQ(ann.firstCommand(), "CMD_sendlogininfo+1");
    server.reset();
    EXPECT_TRUE(ann.closedByServer());
    EXPECT_TRUE(bob.closedByServer());
    EXPECT_TRUE(refusesConnections(port));
}

TEST(ServerThread, TheWindowGoesFromSoloToHostingAndClosesWithTheServerRunning) {
    QTemporaryDir dir;
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
    ServerThread server;
    server.setVersionText(QStringLiteral("1.0.11"));
    quint16 lastPort = 0;
    {
        client::Tchat window;
        wireHosting(window, server);
        // As the program does, but noting the port each hosted game got.
        window.setServerStarter(
            [&](quint16 port, QString* error) { return lastPort = server.start(port, error); });
        window.findChild<QAction*>(QStringLiteral("Fast1"))->trigger();
        EXPECT_EQ(server.botDelay(), 500) << "the server times the computer with the menu's speed";
        window.setMessageBox([](const QString&) {});
        window.setGamePort(0);
        window.processparams({});
        ASSERT_TRUE(QTest::qWaitFor([&] { return label(window, "label_playername1") == "You"; }, kWaitMs));
        const quint16 solo = lastPort;

        window.hostGame(QStringLiteral("Ann"), 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return label(window, "label_playername1") == "Ann"; }, kWaitMs));
        EXPECT_NE(lastPort, solo);
        EXPECT_TRUE(refusesConnections(solo));
        EXPECT_TRUE(window.state().ishost);
    }
    // The window went first, its connection with it; the server still runs until the program ends.
    EXPECT_TRUE(server.serving());
    BlockingClient late;
    ASSERT_TRUE(late.connectTo(lastPort));
    EXPECT_TRUE(late.firstCommand().startsWith("CMD_sendlogininfo+"));
    client::FileLocations::setProgramFolder({});
    client::FileLocations::setUserFolder({});
}

// The host's choice of computer opponents reaches the server in its thread, nothing goes on the wire:
// with three, the solo game deals to all four seats; the count is the one the dialog shows.
TEST(ServerThread, TheHostsComputerOpponentsTakeTheEmptySeats) {
    testing_app::SoloHost h;
    EXPECT_EQ(h.server.computerOpponents(), 1) << "as before: seat 2 alone";
    EXPECT_EQ(h.server.computerLevel(), protocol::kClassicLevel) << "as before: the classic player";
    h.gamestart.restore(std::nullopt, std::nullopt, std::nullopt, true, 3,
                        protocol::computerLevelIndex("master"));
    EXPECT_EQ(h.server.computerOpponents(), 3);
    EXPECT_EQ(h.server.computerLevel(), protocol::computerLevelIndex("master"));
    ASSERT_TRUE(h.playSolo());
    h.gamestart.start();
    for (const char* seat : {"label_cards2", "label_cards3", "label_cards4"})
        EXPECT_TRUE(QTest::qWaitFor([&] { return label(h.window, seat) == "14"; }, kWaitMs)) << seat;
    // The computer's seats show the computer's names, as seat 2 always has.
    EXPECT_EQ(label(h.window, "label_playername3"), "Klock");
    EXPECT_EQ(label(h.window, "label_playername4"), "Kling");
}

// The real program, hosting on a free port, in a folder of its own (its settings and lock live there).
class HostingProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        program = dir.filePath(QStringLiteral("rimbalo"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(RIMBALO_BIN), program));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("TMPDIR"), dir.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.setProcessChannelMode(QProcess::ForwardedChannels);
    }
    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(kWaitMs);
        }
    }
    // Whether the program's game server thread has started (its thread name, as Linux lists it).
    bool serverThreadRuns() const {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(process.processId()));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
            if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "game server") return true;
        }
        return false;
    }
    void expectCleanExitOnStop() {
        process.terminate();
        ASSERT_TRUE(process.waitForFinished(30'000)) << "still running after the stop signal";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }

    QTemporaryDir dir;
    QString program;
    QProcess process;
};

// The program started to host again and again while a stranger on this computer connects to its port
// as fast as it can: whenever the stranger gets in, it is not in slot 1, which is the program's own.
TEST_F(HostingProgram, AStrangerConnectingDuringItsStartNeverGetsSlotOne) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::Any, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    Stranger stranger(port);
    QElapsedTimer clock;
    clock.start();
    int starts = 0;
    while (starts < 40 && clock.elapsed() < 90'000) {
        const int before = stranger.offers();
        process.start(program, {QStringLiteral("Ann"), QStringLiteral("127.0.0.1:%1").arg(port),
                                QStringLiteral("true")});
        ASSERT_TRUE(process.waitForStarted(kWaitMs));
        ++starts;
        // Up and serving once the stranger has been given a slot.
        (void)QTest::qWaitFor([&] { return stranger.offers() > before; }, 30'000);
        process.kill();
        process.waitForFinished(kWaitMs);
    }
    stranger.stop();
    EXPECT_EQ(stranger.inSlotOne(), 0) << "a stranger took slot 1 in " << starts << " starts";
    EXPECT_GE(stranger.seated(), starts / 2) << "the stranger hardly ever got in: the race was not run";
}

TEST_F(HostingProgram, StopsCleanlyRightAfterItStartedHosting) {
    if (!QDir(QStringLiteral("/proc/self/task")).exists()) GTEST_SKIP() << "threads not listed here";
    process.start(program, {QStringLiteral("Ann"), QStringLiteral("127.0.0.1:0"), QStringLiteral("true")});
    ASSERT_TRUE(process.waitForStarted(kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverThreadRuns(); }, 30'000));
    expectCleanExitOnStop();
}

} // namespace
