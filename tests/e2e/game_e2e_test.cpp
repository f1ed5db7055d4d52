// The host's window and server, and players joining over loopback, as in a real game.

#include "client/settings/filelocations.h"
#include "client/window/tchat.h"
#include "protocol/messages.h"
#include "server/tserver.h"
#include "windows/hostdialog.h"
#include "windows/joindialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

const char kEnd = '\xff';

QString label(const client::Tchat& t, const char* name) {
    auto* l = t.findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

QString chat(const client::Tchat& t) {
    return t.findChild<QTextBrowser*>(QStringLiteral("mainchat"))->toPlainText();
}

// A player's program reduced to its socket: reads commands, sends raw protocol text.
struct RawPlayer {
    QTcpSocket socket;
    std::string buffer;
    std::vector<std::string> received;

    bool connectTo(quint16 port) {
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        return socket.waitForConnected(3000);
    }
    void pump() {
        buffer += socket.readAll().toStdString();
        std::size_t end;
        while ((end = buffer.find(kEnd)) != std::string::npos) {
            received.push_back(buffer.substr(0, end));
            buffer.erase(0, end + 1);
        }
    }
    // Waits (bounded) for a command starting with `prefix`; returns it, or empty text.
    std::string waitFor(const std::string& prefix, int ms = 5000) {
        for (int waited = 0; waited <= ms; waited += 10) {
            pump();
            for (const std::string& c : received)
                if (c.rfind(prefix, 0) == 0) return c;
            QTest::qWait(10);
        }
        return {};
    }
    void send(const std::string& text) {
        socket.write(text.data(), static_cast<qint64>(text.size()));
        socket.flush();
    }
};

struct Table {
    QTemporaryDir dir;
    TServer server;
    client::Tchat host;

    Table() {
        client::FileLocations::setProgramFolder(dir.path());
        client::FileLocations::setUserFolder(dir.path());
        server.setVersionText(QStringLiteral("1.0.11"));
        server.setSeed(7);
        server.setBotDelaySource([this] { return host.botspeed(); });
        host.setMessageBox([](const QString&) {});
        host.setLobbyPort(1);
        host.setServerStarter([this](quint16, QString* error) -> quint16 {
            if (server.listen(0, QHostAddress::LocalHost)) return server.serverPort();
            *error = server.errorString();
            return 0;
        });
    }
    ~Table() {
        client::FileLocations::setProgramFolder({});
        client::FileLocations::setUserFolder({});
    }
};

} // namespace

TEST(EndToEnd, HostWindowAndARawJoinerLogInAndStartAGame) {
    Table t;
    t.host.processparams({"Ann", "192.0.2.1", "true"});
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_playername1"), QStringLiteral("Ann"), 5000);
    EXPECT_EQ(t.host.state().myslot, 1);
    EXPECT_TRUE(t.host.state().ishost);

    RawPlayer bob;
    ASSERT_TRUE(bob.connectTo(t.server.serverPort()));
    ASSERT_EQ(bob.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+2");
    bob.send(protocol::encode(protocol::toserver::LoginInfo{.slot = 2, .version = "1.0.11", .name = "Bob"}));
    EXPECT_EQ(bob.waitFor("CMD_existingplayers+"), "CMD_existingplayers+1+Ann+0");
    EXPECT_EQ(bob.waitFor("CMD_newplayerinfo+"), "CMD_newplayerinfo+2+Bob+0");
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_playername2"), QStringLiteral("Bob"), 5000);
    EXPECT_TRUE(chat(t.host).contains("Bob is Connected."));
    EXPECT_FALSE(chat(t.host).contains("different version"));

    t.host.sendStartGame(500, 60, true, false, 14);
    EXPECT_EQ(bob.waitFor("CMD_startgame+"), "CMD_startgame+Ann+500+60+t+f+14+");
    EXPECT_EQ(bob.waitFor("CMD_startround+"), "CMD_startround+0+0+0+0+");
    const std::string tiles = bob.waitFor("CMD_yourtiles+2+");
    EXPECT_EQ(std::count(tiles.begin(), tiles.end(), ','), 14);
    EXPECT_EQ(bob.waitFor("CMD_nextplayer+").rfind("CMD_nextplayer+1+", 0), 0u);
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_status"), QStringLiteral("Your Turn."), 5000);
    EXPECT_EQ(label(t.host, "label_playtoscore"), "Play To Score: 500");
    EXPECT_EQ(label(t.host, "label_timeperturn"), "Time Per Turn: 1:00");
    EXPECT_EQ(label(t.host, "label_cards1"), "14");
    EXPECT_EQ(label(t.host, "label_cards2"), "14");
    EXPECT_TRUE(chat(t.host).contains("You have started a game."));

    bob.socket.disconnectFromHost();
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_playername2"), QStringLiteral("Klot"), 5000);
    EXPECT_TRUE(chat(t.host).contains("Bob disconnected."));
}

TEST(EndToEnd, AJoinerWithAnotherVersionIsSeatedAndBothSidesAreTold) {
    Table t;
    t.host.processparams({});
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_playername1"), QStringLiteral("You"), 5000);
    RawPlayer old;
    ASSERT_TRUE(old.connectTo(t.server.serverPort()));
    ASSERT_FALSE(old.waitFor("CMD_sendlogininfo+").empty());
    old.send(protocol::encode(protocol::toserver::LoginInfo{.slot = 2, .version = "1.0.10", .name = "Old"}));
    EXPECT_FALSE(old.waitFor("CMD_wrongversion+").empty());
    QTRY_VERIFY_WITH_TIMEOUT(chat(t.host).contains("Old has a different version of the game then you."),
                             5000);
    EXPECT_EQ(label(t.host, "label_playername2"), "Old");
}

TEST(EndToEnd, TwoWindowsHostAndJoinOneGame) {
    Table t;
    t.host.processparams({"Ann", "127.0.0.1", "true"});
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_playername1"), QStringLiteral("Ann"), 5000);

    client::Tchat joiner;
    joiner.setMessageBox([](const QString&) {});
    joiner.setLobbyPort(1);
    joiner.setGamePort(t.server.serverPort());
    joiner.processparams({"Bob", "127.0.0.1", "false"});
    QTRY_COMPARE_WITH_TIMEOUT(label(joiner, "label_playername2"), QStringLiteral("Bob"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(label(joiner, "label_playername1"), QStringLiteral("Ann"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_playername2"), QStringLiteral("Bob"), 5000);
    EXPECT_EQ(joiner.state().myslot, 2);
    EXPECT_FALSE(joiner.state().ishost);

    t.host.sendStartGame(1000, 30, false, true, 20);
    QTRY_COMPARE_WITH_TIMEOUT(label(joiner, "label_status"), QStringLiteral("Ann's turn."), 5000);
    EXPECT_EQ(label(joiner, "label_Tg"), "Team Game");
    EXPECT_EQ(label(joiner, "label_playername3"), "Klock");
    EXPECT_EQ(label(joiner, "label_timeperturn"), "Time Per Turn: 0:30");
    EXPECT_TRUE(chat(joiner).contains("Ann has started a game."));
    QTRY_COMPARE_WITH_TIMEOUT(label(t.host, "label_status"), QStringLiteral("Your Turn."), 5000);
}

TEST(EndToEnd, TwoWindowsMeetThroughTheHostAndJoinDialogs) {
    QTemporaryDir dir;
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
    // As the program does: a fresh server for every hosted game (here on the loopback address only).
    std::unique_ptr<TServer> server;
    client::Tchat host;
    host.setServerStarter([&](quint16 port, QString* error) -> quint16 {
        server.reset();
        auto fresh = std::make_unique<TServer>();
        fresh->setVersionText(QStringLiteral("1.0.11"));
        fresh->setBotDelaySource([&host] { return host.botspeed(); });
        if (!fresh->listen(port, QHostAddress::LocalHost)) {
            *error = fresh->errorString();
            return 0;
        }
        server = std::move(fresh);
        return server->serverPort();
    });
    host.setServerStopper([&] { server.reset(); });
    windows::HostDialog hostDialog;
    host.attachWindows({.hostDialog = &hostDialog});
    host.setMessageBox([](const QString&) {});
    host.setGamePort(0);
    host.processparams({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(host, "label_playername1") == "You"; }, 5000));

    // Hosting on a port something else holds says so and offers another, which then works.
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, 0));
    hostDialog.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Ann"));
    hostDialog.findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(squatter.serverPort());
    TServer* solo = server.get();
    hostDialog.host();
    EXPECT_EQ(server.get(), solo) << "the solo game goes on until a port is had";
    EXPECT_EQ(label(host, "label_playername1"), "You");
    const QString busy = hostDialog.findChild<QLabel*>(QStringLiteral("label_status"))->text();
    EXPECT_TRUE(busy.startsWith(QStringLiteral("Port %1 cannot be used: ").arg(squatter.serverPort())))
        << busy.toStdString();
    auto* other = hostDialog.findChild<QAbstractButton*>(QStringLiteral("button_otherport"));
    ASSERT_TRUE(other->isVisibleTo(&hostDialog)) << busy.toStdString();
    other->click();
    ASSERT_NE(server, nullptr);
    const quint16 port = server->serverPort();
    EXPECT_NE(port, squatter.serverPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(host, "label_playername1") == "Ann"; }, 5000));
    EXPECT_TRUE(hostDialog.addressText().contains(QStringLiteral("127.0.0.1:%1").arg(port)));

    RawPlayer carl;
    ASSERT_TRUE(carl.connectTo(port));
    ASSERT_EQ(carl.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+2");
    carl.send(
        protocol::encode(protocol::toserver::LoginInfo{.slot = 2, .version = "1.0.11", .name = "Carl"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(host, "label_playername2") == "Carl"; }, 5000));

    client::Tchat joiner;
    windows::JoinDialog joinDialog;
    joiner.attachWindows({.joinDialog = &joinDialog});
    joiner.setMessageBox([](const QString&) {});
    joiner.openJoinDialog();
    joinDialog.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Bob"));
    joinDialog.findChild<QComboBox*>(QStringLiteral("combo_host"))
        ->setEditText(QStringLiteral("127.0.0.1:%1").arg(port));
    joinDialog.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(host, "label_playername3") == "Bob"; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(joiner, "label_playername1") == "Ann"; }, 5000));
    EXPECT_EQ(joiner.state().myslot, 3);
    client::FileLocations::setProgramFolder({});
    client::FileLocations::setUserFolder({});
}
