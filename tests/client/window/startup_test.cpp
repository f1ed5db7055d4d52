// Command-line roles: what connects where, and the lobby link.

#include "harness.h"

#include "client/window/commandline.h"
#include "windows/tdownload.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTcpServer>
#include <QTest>

using namespace testing_client;
using client::StartRole;

TEST(CommandLine, Roles) {
    const StartRole solo = client::readArguments({});
    EXPECT_EQ(solo.kind, StartRole::Solo);
    EXPECT_EQ(solo.playername, "You");
    EXPECT_EQ(solo.hostaddress, "127.0.0.1");
    EXPECT_FALSE(solo.opensLobbyLink);

    const StartRole host = client::readArguments({"Ann", "10.0.0.5", "true", "ignored"});
    EXPECT_EQ(host.kind, StartRole::Host);
    EXPECT_EQ(host.playername, "Ann");
    EXPECT_TRUE(host.opensLobbyLink);
    EXPECT_EQ(client::readArguments({"Ann", "10.0.0.5", "True"}).kind, StartRole::Join);
    EXPECT_EQ(client::readArguments({"Ann", "10.0.0.5", "false"}).kind, StartRole::Join);
    EXPECT_EQ(client::readArguments({"Ann", "10.0.0.5"}).kind, StartRole::Waiting);
    EXPECT_EQ(client::readArguments({"Ann"}).kind, StartRole::Waiting);
    // A name cannot carry the field separator.
    EXPECT_EQ(client::readArguments({"A+nn", "h", "x"}).playername, "A nn");
    EXPECT_EQ(client::readArguments({"+++", "h", "x"}).playername, "Player");
}

namespace {

// A listening socket on a free loopback port that counts the connections it gets.
struct Listener {
    QTcpServer server;
    Listener() { server.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return server.serverPort(); }
    bool waitForConnection() {
        for (int i = 0; i < 200 && !server.hasPendingConnections(); ++i)
            QTest::qWait(10);
        return server.hasPendingConnections();
    }
};

} // namespace

TEST(StartUp, SoloHostsOnLoopbackAndShowsTheDownloadDialog) {
    Harness h;
    Listener game;
    windows::Tdownload download;
    h.tchat.attachWindows({nullptr, nullptr, nullptr, nullptr, &download});
    int started = 0;
    h.tchat.setServerStarter([&](quint16, QString*) -> quint16 {
        ++started;
        return game.port();
    });
    h.tchat.processparams({});
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(download.isVisible());
    EXPECT_TRUE(h.tchat.state().ishost);
    EXPECT_EQ(h.tchat.state().playername, "You");
    EXPECT_TRUE(game.waitForConnection());
    EXPECT_EQ(h.tchat.lobbyLink().state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(h.visible("button_start"));
    EXPECT_TRUE(h.enabled("button_pause"));
    EXPECT_TRUE(h.action("StartGame1")->isEnabled());
    EXPECT_EQ(h.chatLines().first().trimmed(), "Loading Solo Game..Please wait.");
}

TEST(StartUp, HostConnectsToLoopbackWhateverTheAddressAndOpensTheLobbyLink) {
    Harness h;
    Listener game, lobby;
    h.tchat.setLobbyPort(lobby.port());
    h.tchat.setServerStarter([&](quint16, QString*) -> quint16 { return game.port(); });
    h.tchat.processparams({"Ann", "10.0.0.5", "true"});
    EXPECT_TRUE(h.tchat.state().ishost);
    EXPECT_EQ(h.tchat.connection().socket().peerName(), "127.0.0.1");
    EXPECT_TRUE(game.waitForConnection());
    EXPECT_TRUE(lobby.waitForConnection());
    EXPECT_EQ(h.chatLines().first().trimmed(), "Loading Multi-player Game.. Please Wait.");
}

TEST(StartUp, AnyOtherRoleJoinsTheGivenAddress) {
    Harness h;
    Listener game;
    int started = 0;
    h.tchat.setServerStarter([&](quint16, QString*) -> quint16 { return ++started, 1; });
    h.tchat.setGamePort(game.port());
    h.tchat.setLobbyPort(1);
    h.tchat.processparams({"Bob", "127.0.0.1", "True"});
    EXPECT_EQ(started, 0);
    EXPECT_FALSE(h.tchat.state().ishost);
    EXPECT_TRUE(game.waitForConnection());
    EXPECT_FALSE(h.visible("button_start"));
    EXPECT_FALSE(h.action("StartGame1")->isEnabled());
    EXPECT_FALSE(h.enabled("button_pause"));
}

TEST(StartUp, OneOrTwoArgumentsConnectNothing) {
    Harness h;
    int started = 0;
    h.tchat.setServerStarter([&](quint16, QString*) -> quint16 { return ++started, 1; });
    h.tchat.processparams({"Ann", "10.0.0.5"});
    EXPECT_EQ(started, 0);
    EXPECT_EQ(h.tchat.connection().socket().state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(h.tchat.lobbyLink().state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(h.lastLine(), "Loading Multi-player Game.. Please Wait.");
}

TEST(StartUp, AHostWhoseServerCannotListenConnectsNowhere) {
    Harness h;
    h.tchat.setServerStarter([](quint16, QString* error) -> quint16 {
        *error = QStringLiteral("The bound address is already in use");
        return 0;
    });
    h.tchat.processparams({});
    EXPECT_EQ(h.tchat.connection().socket().state(), QAbstractSocket::UnconnectedState);
    EXPECT_EQ(h.lastLine(), "The game could not be hosted: The bound address is already in use");
}

// Taking the window down closes its sockets; that must not run the window's own close (which saves the
// settings) on a window half taken apart, nor write anything beside the test program.
TEST(StartUp, AConnectedWindowIsTakenDownWithoutClosingItself) {
    const QFileInfo besideProgram(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vemkolobby.ini")));
    const bool existed = besideProgram.exists();
    const QDateTime modified = besideProgram.lastModified();

    auto h = std::make_unique<Harness>();
    Listener game, lobby;
    h->tchat.setLobbyPort(lobby.port());
    h->tchat.setServerStarter([&](quint16, QString*) -> quint16 { return game.port(); });
    h->tchat.processparams({"Ann", "10.0.0.5", "true"});
    ASSERT_TRUE(game.waitForConnection());
    ASSERT_TRUE(lobby.waitForConnection());
    for (int i = 0; i < 200 && !(h->tchat.connection().isConnected() &&
                                 h->tchat.lobbyLink().state() == QAbstractSocket::ConnectedState);
         ++i)
        QTest::qWait(10);
    ASSERT_TRUE(h->tchat.connection().isConnected());
    int closes = 0;
    QObject::connect(&h->tchat, &client::Tchat::closed, [&closes] { ++closes; });
    h.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(closes, 0);
    const QFileInfo after(besideProgram.filePath());
    EXPECT_EQ(after.exists(), existed);
    if (existed) {
        EXPECT_EQ(after.lastModified(), modified);
    }
}
