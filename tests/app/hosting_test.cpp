// Hosting from the window with the program's own server thread: who gets slot 1, where the server
// listens, what a game between friends is dealt, stopping a hosted game, and a failed join.

#include "solohost.h"

#include "windows/hostdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testing_app;

namespace {

const QByteArray kEnd(1, '\xff');

// A friend's game window, reduced to the protocol: joins, and keeps every command it is sent.
struct Friend {
    QTcpSocket socket;
    QByteArray pending;
    std::vector<std::string> received;
    int slot = 0;

    Friend() {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            pending += socket.readAll();
            for (qsizetype end = pending.indexOf('\xff'); end >= 0; end = pending.indexOf('\xff')) {
                if (end > 0) received.push_back(pending.left(end).toStdString());
                pending.remove(0, end + 1);
            }
        });
    }
    bool join(quint16 port, const QByteArray& name) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!QTest::qWaitFor([this] { return !received.empty(); }, kWaitMs)) return false;
        const std::string first = received.front();
        if (first.rfind("CMD_sendlogininfo+", 0) != 0) return false;
        slot = std::stoi(first.substr(18));
        socket.write("CMD_logininfo+" + QByteArray::number(slot) + "+1.0.11+" + name + kEnd + kEnd);
        const std::string joined =
            "CMD_newplayerinfo+" + std::to_string(slot) + "+" + name.toStdString() + "+0";
        return QTest::qWaitFor([&] { return has(joined); }, kWaitMs);
    }
    bool has(const std::string& entry) const {
        return std::find(received.begin(), received.end(), entry) != received.end();
    }
    bool closed() const { return socket.state() == QAbstractSocket::UnconnectedState; }
};

QMessageBox* leaveBox(const client::Tchat& w) {
    return w.findChild<QMessageBox*>(QStringLiteral("message_leave"));
}

void click(QMessageBox* box, const char* button) {
    ASSERT_NE(box, nullptr);
    box->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// A port nobody listens on now.
quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

// Hosting for friends from the window, on a free port; waits for the window's own login.
bool hostForFriends(SoloHost& h) {
    h.window.hostGame(QStringLiteral("Ann"), freePort());
    return QTest::qWaitFor([&] { return label(h.window, "label_playername1") == "Ann"; }, kWaitMs);
}

// Somebody on this computer connects to the game's port as fast as it can, over and over, while the
// window starts one game after the other there, solo and hosted for friends. However early the
// stranger comes, slot 1 (and with it the host's powers) is the window's.
TEST(Hosting, SlotOneIsTheHostingWindowsHoweverFastAStrangerConnects) {
    SoloHost h;
    const quint16 port = freePort();
    ASSERT_NE(port, 0);
    h.window.setGamePort(port);
    Stranger stranger(port);
    int starts = 0, windowFirst = 0;
    QElapsedTimer clock;
    clock.start();
    // Hundreds of starts, within a bounded time on a slow machine.
    while (starts < 300 && clock.elapsed() < 60'000) {
        if (starts % 2 == 0)
            h.window.playSolo();
        else
            h.window.hostGame(QStringLiteral("Ann"), port);
        ++starts;
        if (!QTest::qWaitFor([&] { return h.window.state().loggedin; }, kWaitMs)) break;
        if (h.window.state().myslot == 1) ++windowFirst;
    }
    stranger.stop();
    EXPECT_GE(starts, 100);
    EXPECT_EQ(windowFirst, starts);
    EXPECT_EQ(stranger.inSlotOne(), 0) << "a stranger took slot 1";
    EXPECT_GT(stranger.seated(), 0) << "the stranger never got in: the race was not run";
}

// A solo game is nobody else's: it listens on this computer's own address. Hosting for friends
// listens on every address.
TEST(Hosting, ASoloGameListensOnThisComputerOnlyAHostedOneOnEveryAddress) {
    SoloHost h;
    ASSERT_TRUE(h.playSolo());
    EXPECT_EQ(h.server.address(), QHostAddress(QHostAddress::LocalHost));
    // Where this computer has an address others reach, nothing answers there.
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.isLoopback() || a.protocol() != QAbstractSocket::IPv4Protocol) continue;
        QTcpSocket outside;
        outside.connectToHost(a, h.server.port());
        EXPECT_FALSE(outside.waitForConnected(kWaitMs)) << a.toString().toStdString();
    }
    ASSERT_TRUE(hostForFriends(h));
    EXPECT_EQ(h.server.address(), QHostAddress(QHostAddress::Any));
    h.window.playSolo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_playername1") == "You"; }, kWaitMs));
    EXPECT_EQ(h.server.address(), QHostAddress(QHostAddress::LocalHost)) << "Play Solo after hosting";
}

// A friend in seat 2 and the start dialog left as it was: the two play alone, as before there was a
// choice of computer opponents; asked for one, the computer takes seat 3.
TEST(Hosting, TwoFriendsPlayWithoutAComputerUnlessTheHostAsksForOne) {
    SoloHost h;
    auto* shown = h.gamestart.findChild<QLineEdit*>(QStringLiteral("edit_opponents"));
    EXPECT_EQ(shown->text(), "1") << "solo: the computer plays seat 2";
    ASSERT_TRUE(hostForFriends(h));
    Friend bob;
    ASSERT_TRUE(bob.join(h.server.port(), "Bob"));
    EXPECT_EQ(bob.slot, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown->text() == "0"; }, kWaitMs));
    h.window.startGame();
    h.gamestart.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_cards2") == "14"; }, kWaitMs));
    EXPECT_EQ(label(h.window, "label_cards1"), "14");
    EXPECT_NE(label(h.window, "label_cards3"), "14");
    EXPECT_NE(label(h.window, "label_cards4"), "14");
    EXPECT_EQ(label(h.window, "label_playername3"), "<Waiting>");

    h.gamestart.restore(std::nullopt, std::nullopt, std::nullopt, true, 1);
    h.window.startGame();
    h.gamestart.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_cards3") == "14"; }, kWaitMs));
    EXPECT_EQ(label(h.window, "label_playername3"), "Klock");
    EXPECT_NE(label(h.window, "label_cards4"), "14");
}

// While friends play, Host a Game… shows the game and offers Stop Hosting, which names who will be
// disconnected and ends their game only once confirmed; the window then plays alone.
TEST(Hosting, StopHostingNamesTheFriendsAndEndsTheirGameOnlyWhenConfirmed) {
    SoloHost h;
    windows::HostDialog dialog;
    h.window.attachWindows({.gamestart = &h.gamestart, .hostDialog = &dialog});
    ASSERT_TRUE(hostForFriends(h));
    const quint16 port = h.server.port();
    Friend bob, cid;
    ASSERT_TRUE(bob.join(port, "Bob"));
    ASSERT_TRUE(cid.join(port, "Cid"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_playername3") == "Cid"; }, kWaitMs));

    h.window.findChild<QAction*>(QStringLiteral("HostGame1"))->trigger();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.showsHosting());
    EXPECT_FALSE(dialog.findChild<QAbstractButton*>(QStringLiteral("button_host"))->isVisibleTo(&dialog));
    auto* stop = dialog.findChild<QAbstractButton*>(QStringLiteral("button_stophosting"));
    stop->click();
    ASSERT_NE(leaveBox(h.window), nullptr);
    EXPECT_EQ(leaveBox(h.window)->text(), "You are hosting: the game ends for Bob and Cid.");
    click(leaveBox(h.window), "button_stay");
    QTest::qWait(50);
    EXPECT_FALSE(bob.closed());
    EXPECT_EQ(h.server.port(), port);

    stop->click();
    click(leaveBox(h.window), "button_leave");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.closed() && cid.closed(); }, kWaitMs));
    EXPECT_TRUE(bob.has("CMD_closing+1+")) << "told the host ended it, not that the connection was lost";
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_playername1") == "You"; }, kWaitMs));
    EXPECT_EQ(h.server.address(), QHostAddress(QHostAddress::LocalHost));
    EXPECT_FALSE(dialog.showsHosting());
}

// A join that fails, then Cancel: the solo game is as it was and its server still plays it.
TEST(Hosting, AFailedJoinAndCancelLeaveTheSoloGamePlaying) {
    SoloHost h;
    ASSERT_TRUE(h.playSolo());
    h.window.startGame();
    h.gamestart.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_cards1") == "14"; }, kWaitMs));
    const quint16 solo = h.server.port();

    h.window.joinGame(QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), freePort());
    QMessageBox* failed = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (failed = h.window.findChild<QMessageBox*>(QStringLiteral("message_connect"))); },
        kWaitMs));
    failed->button(QMessageBox::Cancel)->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(h.server.port(), solo) << "the solo game's server still runs";
    EXPECT_TRUE(h.window.state().loggedin);
    EXPECT_TRUE(h.window.state().ishost);
    EXPECT_EQ(label(h.window, "label_playername1"), "You");
    EXPECT_EQ(label(h.window, "label_cards1"), "14");
    // The game answers: starting again deals afresh.
    h.gamestart.restore(std::nullopt, std::nullopt, 20, true);
    h.window.startGame();
    h.gamestart.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(h.window, "label_cards1") == "20"; }, kWaitMs));
}

} // namespace
