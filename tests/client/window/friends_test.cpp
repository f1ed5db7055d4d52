// Playing with others from the window: hosting and joining, connects that fail, connections that end.

#include "harness.h"

#include "client/window/commandline.h"

#include "windows/hostdialog.h"
#include "windows/joindialog.h"
#include "windows/tdownload.h"
#include "windows/tgamestart.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace testing_client;

namespace {

// A port on the loopback address that nothing listens on (found free, then let go).
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The game's side of the connection: accepts one client and sends what it is told to.
struct FakeHost {
    QTcpServer server;
    QTcpSocket* socket = nullptr;
    bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
    quint16 port() const { return server.serverPort(); }
    bool accept() {
        if (!QTest::qWaitFor([this] { return server.hasPendingConnections(); }, 5000)) return false;
        socket = server.nextPendingConnection();
        return true;
    }
    void send(const std::string& entry) {
        socket->write(QByteArray::fromStdString(entry + E));
        socket->flush();
    }
};

// `h` joins `game` as Bob, on the network (nothing captured), and the game accepts the connection.
bool joinOnTheNetwork(Harness& h, FakeHost& game) {
    h.tchat.connection().setSink({});
    if (!game.listen()) return false;
    h.tchat.joinGame(QStringLiteral("Bob"), QStringLiteral("127.0.0.1"), game.port());
    return game.accept();
}

QMessageBox* box(const Harness& h, const char* name) {
    return h.tchat.findChild<QMessageBox*>(QString::fromLatin1(name));
}

void clickBox(QMessageBox* b, QMessageBox::StandardButton which) {
    b->button(which)->click();
}

QByteArray settingsText(const Harness& h) {
    QFile f(h.dir.filePath(QStringLiteral("vemkolobby.ini")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeSettings(const Harness& h, const QByteArray& text) {
    QFile f(h.dir.filePath(QStringLiteral("vemkolobby.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

TEST(Joining, AClosedPortShowsTheFailureAndRetryConnectsOnceTheGameListens) {
    Harness h;
    writeSettings(h, "[other]\r\nkey=1\r\n[rimbalo]\r\nBotspeed=500\r\n");
    const quint16 port = closedPort();
    h.tchat.joinGame(QStringLiteral("Bob"), QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box(h, "message_connect") != nullptr; }, 5000));
    const QString prefix = QStringLiteral("Could not connect to 127.0.0.1:%1: ").arg(port);
    QMessageBox* failure = box(h, "message_connect");
    EXPECT_TRUE(failure->text().startsWith(prefix)) << failure->text().toStdString();
    EXPECT_GT(failure->text().size(), prefix.size()) << "the reason is given";
    EXPECT_FALSE(failure->isModal());
    EXPECT_EQ(h.lastLine().toStdString(), "Not connected: " + failure->text().toStdString());

    // The host is remembered, and nothing else of the file changes.
    const QByteArray saved = settingsText(h);
    EXPECT_TRUE(saved.startsWith("[other]\r\nkey=1\r\n[rimbalo]\r\nBotspeed=500\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("PlayerName=Bob\r\n"));
    EXPECT_TRUE(saved.contains(QStringLiteral("RecentHost1=127.0.0.1:%1\r\n").arg(port).toUtf8()));
    // The Join dialog offers them next time.
    windows::JoinDialog join;
    h.tchat.attachWindows({.joinDialog = &join});
    h.action("JoinGame1")->trigger();
    EXPECT_TRUE(join.isVisible());
    EXPECT_EQ(join.findChild<QLineEdit*>(QStringLiteral("edit_name"))->text(), "Bob");
    EXPECT_EQ(join.findChild<QComboBox*>(QStringLiteral("combo_host"))->currentText(),
              QStringLiteral("127.0.0.1:%1").arg(port));

    FakeHost game;
    ASSERT_TRUE(game.listen(port));
    clickBox(failure, QMessageBox::Retry);
    ASSERT_TRUE(game.accept());
    game.send("CMD_sendlogininfo+2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.tchat.state().loggedin; }, 5000));
    EXPECT_EQ(h.tchat.state().myslot, 2);
    EXPECT_FALSE(h.tchat.findChild<QTimer*>(QStringLiteral("logintimer"))->isActive());
    EXPECT_EQ(box(h, "message_connect"), nullptr);
    ASSERT_FALSE(h.sent.empty());
    EXPECT_EQ(h.sent.back(), "CMD_logininfo+2+1.0.11+Bob" + E + E);
}

TEST(Joining, AnotherGameLeavesNothingOfTheGameInProgressOnThePanel) {
    Harness h;
    h.login(1);
    h.feed("CMD_existingplayers+2+Bob+0");
    h.feed("CMD_startgame+Ann+500+60+t+t+14+"); // a team game: seats 3 and 4 show their computers
    h.feed("CMD_startround+10+20+0+0+");
    h.feed("CMD_nextplayer+1+70+1+10+14+2+20+14+3+0+14+4+0+14");
    h.feed("CMD_justwatching+2+1");
    h.feed("CMD_askpenalty+1+");
    h.feed("CMD_gamepause+1");
    ASSERT_EQ(h.text("label_playername3"), "Klock");
    ASSERT_TRUE(h.visible("image_Turn"));
    ASSERT_TRUE(h.visible("image_pause"));

    FakeHost game;
    ASSERT_TRUE(joinOnTheNetwork(h, game));
    EXPECT_EQ(h.text("label_playername3"), "Klock") << "the game goes on until the new one gives a slot";
    game.send("CMD_sendlogininfo+2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.tchat.state().myslot == 2; }, 5000));
    for (const char* name :
         {"label_playername1", "label_playername2", "label_playername3", "label_playername4"})
        EXPECT_EQ(h.text(name), "<Waiting>") << name;
    for (const char* name : {"image_Turn", "image_eyes2", "animated_incomplete", "panel_penalty",
                             "image_pause", "image_cover", "image_Tg"})
        EXPECT_FALSE(h.visible(name)) << name;
    EXPECT_EQ(h.text("label_score2"), "0");
    EXPECT_EQ(h.text("label_cards1"), "");
    EXPECT_EQ(h.text("label_Tg"), "Good Luck");
    EXPECT_EQ(h.text("label_tilesleft"), "Tile's Left: 0");
    EXPECT_EQ(h.text("label_timer"), "Time: 0:00");
    EXPECT_EQ(h.text("label_status"), "");
    EXPECT_FALSE(h.enabled("button_pause"));
    EXPECT_EQ(h.tchat.state().turnslot, 0);
    EXPECT_FALSE(h.tchat.state().clientteamgame);
}

TEST(Joining, AGameThatNeverGreetsFailsAfterTheLoginTime) {
    Harness h;
    FakeHost game;
    ASSERT_TRUE(game.listen());
    h.tchat.joinGame(QStringLiteral("Bob"), QStringLiteral("127.0.0.1"), game.port());
    ASSERT_TRUE(game.accept());
    auto* timer = h.tchat.findChild<QTimer*>(QStringLiteral("logintimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    h.tchat.logintimerTimer();
    QMessageBox* failure = box(h, "message_connect");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->text(), QStringLiteral("Could not connect to 127.0.0.1:%1: no answer from the game "
                                              "within 10 seconds")
                                   .arg(game.port()));
    EXPECT_EQ(h.tchat.connection().socket().state(), QAbstractSocket::UnconnectedState);
    // Cancel leaves the window open and unconnected.
    QSignalSpy closed(&h.tchat, &client::Tchat::closed);
    clickBox(failure, QMessageBox::Cancel);
    QCoreApplication::processEvents();
    EXPECT_EQ(closed.size(), 0);
    EXPECT_FALSE(h.tchat.state().loggedin);
}

TEST(Joining, AnEndedConnectionSaysWhyAndTheWindowClosesOnlyOnceRead) {
    // Only a close the host announced is the host's doing: one that turns hostile is dropped, and a
    // close without a word (a host cut off, or one that dropped a joiner for not reading) is lost.
    enum class End { Ended, Removed, Silent, Hostile };
    for (const End end : {End::Ended, End::Removed, End::Silent, End::Hostile}) {
        Harness h;
        FakeHost game;
        ASSERT_TRUE(joinOnTheNetwork(h, game));
        game.send("CMD_sendlogininfo+2");
        ASSERT_TRUE(QTest::qWaitFor([&] { return h.tchat.state().loggedin; }, 5000));
        QSignalSpy closed(&h.tchat, &client::Tchat::closed);
        if (end == End::Ended) game.send("CMD_closing+1+");
        if (end == End::Removed) game.send("CMD_closing+2+");
        if (end == End::Hostile)
            game.socket->write(QByteArray(70 * 1024, 'x'));
        else
            game.socket->disconnectFromHost();
        ASSERT_TRUE(QTest::qWaitFor([&] { return box(h, "message_closed") != nullptr; }, 5000));
        QMessageBox* notice = box(h, "message_closed");
        const QString why = end == End::Ended     ? QStringLiteral("The host has closed the game.")
                            : end == End::Removed ? QStringLiteral("The host has removed you from the game.")
                                                  : QStringLiteral("The connection to the host was lost.");
        EXPECT_EQ(notice->text(), why);
        EXPECT_EQ(h.lastLine().toStdString(), why.toStdString());
        EXPECT_FALSE(notice->isModal());
        EXPECT_EQ(closed.size(), 0);
        clickBox(notice, QMessageBox::Ok);
        EXPECT_EQ(closed.size(), 1);
    }
}

TEST(Joining, AFullGameSaysSoOnceAndCloses) {
    // Started to join (no other game to go back to): the window closes once the notice is read.
    Harness h;
    FakeHost game;
    h.tchat.connection().setSink({});
    ASSERT_TRUE(game.listen());
    h.tchat.setLobbyPort(closedPort());
    h.tchat.processparams({"Bob", QStringLiteral("127.0.0.1:%1").arg(game.port()), "false"});
    ASSERT_TRUE(game.accept());
    QSignalSpy closed(&h.tchat, &client::Tchat::closed);
    game.send("CMD_full+");
    game.socket->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed.size() == 1; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(h.notices, QStringList{"Game is full"});
    EXPECT_EQ(box(h, "message_connect"), nullptr);
    EXPECT_EQ(box(h, "message_closed"), nullptr);
}

// Joining from the window: the game in progress goes on until the new game has given this window a
// slot; a join that fails (no game there, a full one, no answer) leaves it as it was.
TEST(Joining, AFailedJoinKeepsTheGameInProgress) {
    Harness h;
    h.login(1);
    h.feed("CMD_existingplayers+2+Bob+0");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_startround+0+0+0+0+");
    h.feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
    const auto gameIsOn = [&] {
        return h.tchat.state().loggedin && h.tchat.state().myslot == 1 && h.tchat.state().turnslot == 1 &&
               h.text("label_playername2") == "Bob" && h.text("label_cards1") == "14";
    };
    ASSERT_TRUE(gameIsOn());

    // Nobody there.
    h.tchat.joinGame(QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), closedPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return box(h, "message_connect") != nullptr; }, 5000));
    EXPECT_TRUE(gameIsOn());
    clickBox(box(h, "message_connect"), QMessageBox::Cancel);
    QCoreApplication::processEvents();
    EXPECT_TRUE(gameIsOn());
    // The game's commands still arrive and what the player does still goes to it.
    h.feed("CMD_chat+2+Bob chats: still here|clBlack");
    EXPECT_TRUE(h.lastLine().contains("still here"));
    h.sent.clear();
    h.action("StartGame1")->setEnabled(true);
    h.tchat.sendStartGame(500, 60, true, false, 14);
    EXPECT_EQ(h.sent.size(), 1u);

    // A full game, and one that never answers.
    FakeHost full;
    ASSERT_TRUE(full.listen());
    h.tchat.joinGame(QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), full.port());
    ASSERT_TRUE(full.accept());
    full.send("CMD_full+");
    ASSERT_TRUE(QTest::qWaitFor([&] { return box(h, "message_connect") != nullptr; }, 5000));
    EXPECT_TRUE(box(h, "message_connect")->text().endsWith(": the game is full"));
    EXPECT_TRUE(h.notices.isEmpty()) << "no \"Game is full\" notice that would close the window";
    EXPECT_TRUE(gameIsOn());
    FakeHost silent;
    ASSERT_TRUE(silent.listen());
    h.tchat.joinGame(QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), silent.port());
    ASSERT_TRUE(silent.accept());
    h.tchat.logintimerTimer();
    EXPECT_TRUE(box(h, "message_connect")->text().endsWith("no answer from the game within 10 seconds"));
    EXPECT_TRUE(gameIsOn());
    QSignalSpy closed(&h.tchat, &client::Tchat::closed);
    clickBox(box(h, "message_connect"), QMessageBox::Cancel);
    QCoreApplication::processEvents();
    EXPECT_EQ(closed.size(), 0);
    EXPECT_TRUE(gameIsOn());
}

TEST(Hosting, FromASoloGameTheServerRestartsOnTheChosenPortUnderTheChosenName) {
    Harness h;
    windows::HostDialog host;
    windows::Tgamestart gamestart;
    h.tchat.attachWindows({.gamestart = &gamestart, .hostDialog = &host});
    FakeHost game;
    ASSERT_TRUE(game.listen());
    std::vector<quint16> asked;
    int stopped = 0;
    bool busy = false;
    h.tchat.setServerStarter([&](quint16 port, QString* error) -> quint16 {
        asked.push_back(port);
        if (busy) {
            *error = QStringLiteral("The bound address is already in use");
            return 0;
        }
        return game.port();
    });
    h.tchat.setServerStopper([&] { ++stopped; });
    h.tchat.processparams({});
    ASSERT_TRUE(game.accept());
    // Before the first game the panel shows what the start dialog will send.
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: 500");
    EXPECT_EQ(h.text("label_timeperturn"), "Time Per Turn: 1:00");
    gamestart.restore(1000, 90, 14, false);
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: 1000");
    EXPECT_EQ(h.text("label_timeperturn"), "Time Per Turn: 1:30");
    EXPECT_EQ(h.text("label_tp"), "Time Penalty: OFF");

    host.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Ann"));
    // A port nobody holds (7772 itself may be taken by another program on this machine).
    const quint16 chosen = closedPort();
    host.findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(chosen);
    host.host();
    EXPECT_EQ(asked, (std::vector<quint16>{7772, chosen}));
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(h.tchat.state().playername, "Ann");
    EXPECT_TRUE(h.tchat.state().ishost);
    ASSERT_TRUE(game.accept()) << "the client connects again, to the new server";
    auto* list = host.findChild<QListWidget*>(QStringLiteral("list_addresses"));
    ASSERT_GT(list->count(), 0);
    EXPECT_TRUE(host.addressText().contains(QStringLiteral("127.0.0.1:%1").arg(game.port())));
    EXPECT_TRUE(h.lastLine().startsWith("Friends can join this game at: ")) << h.lastLine().toStdString();
    EXPECT_TRUE(settingsText(h).contains("PlayerName=Ann"));
    // Reopened from the menu while hosting, the dialog still shows where to find the game.
    host.close();
    h.action("HostGame1")->trigger();
    EXPECT_TRUE(host.isVisible());
    EXPECT_TRUE(host.addressText().contains(QStringLiteral("127.0.0.1:%1").arg(game.port())));

    // While hosting the dialog offers Stop Hosting: nobody has joined, so it asks nothing and the
    // window plays alone again, on this computer's own address.
    EXPECT_FALSE(host.findChild<QAbstractButton*>(QStringLiteral("button_host"))->isVisibleTo(&host));
    host.findChild<QAbstractButton*>(QStringLiteral("button_stophosting"))->click();
    EXPECT_EQ(stopped, 2);
    EXPECT_EQ(h.tchat.state().playername, "You");
    EXPECT_TRUE(h.tchat.state().ishost);
    ASSERT_TRUE(game.accept());
    EXPECT_TRUE(host.findChild<QAbstractButton*>(QStringLiteral("button_host"))->isVisibleTo(&host));

    // A port that cannot be had: the dialog says so and offers another; the window has no game.
    busy = true;
    const quint16 free = closedPort();
    host.findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(free);
    host.host();
    EXPECT_FALSE(h.tchat.state().ishost);
    EXPECT_EQ(stopped, 3);
    EXPECT_EQ(list->count(), 0);
    const QString status = host.findChild<QLabel*>(QStringLiteral("label_status"))->text();
    EXPECT_TRUE(status.startsWith(
        QStringLiteral("Port %1 cannot be used: The bound address is already in use.").arg(free)))
        << status.toStdString();
    EXPECT_EQ(h.tchat.connection().socket().state(), QAbstractSocket::UnconnectedState);
}

TEST(Hosting, AJoinerDoesNotClaimToKnowTheNextGame) {
    Harness h;
    windows::Tgamestart gamestart;
    h.tchat.attachWindows({.gamestart = &gamestart});
    h.tchat.setGamePort(closedPort());
    h.tchat.processparams({"Bob", "127.0.0.1", "false"});
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: -");
    EXPECT_EQ(h.text("label_timeperturn"), "Time Per Turn: -");
    gamestart.restore(1000, 90, 14, false);
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: -");
}

TEST(Lobby, TheDialogFollowsTheSettingsAndItsBoxIsSaved) {
    Harness h;
    writeSettings(h, "[rimbalo]\nLobbyUrl=https://example.org/get/Setup.exe\n");
    windows::Tdownload download;
    h.tchat.attachWindows({.download = &download});
    h.tchat.setServerStarter([](quint16, QString*) -> quint16 { return closedPort(); });
    h.tchat.processparams({});
    EXPECT_TRUE(download.isVisible());
    auto* get = download.findChild<QAbstractButton*>(QStringLiteral("getbutton"));
    EXPECT_TRUE(get->isEnabled());
    EXPECT_EQ(get->toolTip(), "https://example.org/get/Setup.exe");
    download.findChild<QCheckBox*>(QStringLiteral("checkbox_dontshow"))->click();
    EXPECT_EQ(settingsText(h).toStdString(),
              "[rimbalo]\nLobbyUrl=https://example.org/get/Setup.exe\nShowLobby=false\n");

    // The next solo start shows no lobby dialog.
    client::Tchat next;
    windows::Tdownload nextDownload;
    next.attachWindows({.download = &nextDownload});
    next.setServerStarter([](quint16, QString*) -> quint16 { return closedPort(); });
    next.processparams({});
    EXPECT_FALSE(nextDownload.isVisible());
    EXPECT_TRUE(nextDownload.findChild<QCheckBox*>(QStringLiteral("checkbox_dontshow"))->isChecked());
}

TEST(CommandLine, TheHostAddressMayCarryAPort) {
    using client::readArguments;
    const client::StartRole join = readArguments({"Bob", "192.0.2.7:7800", "false"});
    EXPECT_EQ(join.hostaddress, "192.0.2.7");
    EXPECT_EQ(join.port, 7800);
    const client::StartRole v6 = readArguments({"Bob", "[2001:db8::7]:7801", "false"});
    EXPECT_EQ(v6.hostaddress, "2001:db8::7");
    EXPECT_EQ(v6.port, 7801);
    const client::StartRole plain = readArguments({"Bob", "2001:db8::7", "false"}, 7772);
    EXPECT_EQ(plain.hostaddress, "2001:db8::7");
    EXPECT_EQ(plain.port, 7772);
    EXPECT_EQ(readArguments({"Ann", "x:7802", "true"}).port, 7802);
    // What does not read is passed on as given, for the connect to report.
    EXPECT_EQ(readArguments({"Bob", "bad host:1", "false"}).hostaddress, "bad host:1");
    // A table of a table server, by its code.
    const client::StartRole table = readArguments({"Bob", "192.0.2.7:7800/k7mxq4", "false"});
    EXPECT_EQ(table.hostaddress, "192.0.2.7");
    EXPECT_EQ(table.port, 7800);
    EXPECT_EQ(table.tablecode, "K7MXQ4");
    EXPECT_EQ(readArguments({"Bob", "[2001:db8::7]/P9RT3W", "false"}).hostaddress, "2001:db8::7");

    // A host given a port listens there.
    Harness h;
    std::vector<quint16> asked;
    h.tchat.setServerStarter([&](quint16 port, QString*) -> quint16 {
        asked.push_back(port);
        return closedPort();
    });
    h.tchat.setLobbyPort(1);
    h.tchat.processparams({"Ann", "0.0.0.0:7803", "true"});
    EXPECT_EQ(asked, std::vector<quint16>{7803});
}

namespace {

// The question before leaving a game, once its earlier copy has gone.
QMessageBox* leaveQuestion(const Harness& h) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return box(h, "message_leave");
}

void answer(QMessageBox* question, const char* button) {
    ASSERT_NE(question, nullptr);
    question->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// Leaving a game asks first when that loses something, and says what; otherwise it just goes.
TEST(Leaving, HostingForFriendsExitNamesWhoseGameEnds) {
    Harness h;
    FakeHost game;
    ASSERT_TRUE(game.listen());
    h.tchat.setServerStarter([&](quint16, QString*) -> quint16 { return game.port(); });
    h.tchat.setLobbyPort(closedPort());
    h.tchat.processparams({"Ann", "127.0.0.1:7772", "true"});
    h.login(1);
    h.feed("CMD_existingplayers+2+Bob+0+5+Cid+0");
    QSignalSpy closed(&h.tchat, &client::Tchat::closed);
    h.action("Exit1")->trigger();
    QMessageBox* question = leaveQuestion(h);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), "You are hosting: the game ends for Bob and Cid.");
    EXPECT_EQ(question->informativeText(), "Exit all the same?");
    answer(question, "button_stay");
    EXPECT_EQ(closed.size(), 0);
    EXPECT_EQ(leaveQuestion(h), nullptr);

    // Once Cid has gone the question names Bob alone; the answer "Exit" closes the window.
    h.feed("CMD_playerdisconnected+5+Cid");
    h.action("Exit1")->trigger();
    EXPECT_EQ(leaveQuestion(h)->text(), "You are hosting: the game ends for Bob.");
    answer(leaveQuestion(h), "button_leave");
    EXPECT_EQ(closed.size(), 1);
}

TEST(Leaving, ASoloGameAsksOnlyDuringARoundAndAJoinedOneDuringTheGame) {
    {
        Harness h;
        FakeHost game;
        ASSERT_TRUE(game.listen());
        h.tchat.setServerStarter([&](quint16, QString*) -> quint16 { return game.port(); });
        h.tchat.processparams({});
        h.login(1, QStringLiteral("You"));
        h.feed("CMD_startgame+You+500+60+t+f+14+");
        h.feed("CMD_startround+0+0+0+0+");
        h.feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
        QSignalSpy closed(&h.tchat, &client::Tchat::closed);
        h.action("PlaySolo1")->trigger();
        ASSERT_NE(leaveQuestion(h), nullptr);
        EXPECT_EQ(leaveQuestion(h)->text(), "The round you are playing ends.");
        EXPECT_EQ(leaveQuestion(h)->informativeText(), "Play Solo all the same?");
        answer(leaveQuestion(h), "button_stay");
        EXPECT_EQ(h.tchat.state().turnslot, 1) << "the round goes on";
        // Between rounds nothing is asked.
        h.feed("CMD_endround+2+1+-35+-35+2+2+47+47+0+3+0+0+0+4+0+0+0");
        h.action("Exit1")->trigger();
        EXPECT_EQ(leaveQuestion(h), nullptr);
        EXPECT_EQ(closed.size(), 1);
    }
    {
        Harness h;
        h.login(2, QStringLiteral("Bob"));
        h.feed("CMD_existingplayers+1+Ann+0");
        EXPECT_EQ(h.tchat.leavingLoss(), "") << "no game yet: nothing to lose";
        h.feed("CMD_startgame+Ann+500+60+t+f+14+");
        h.feed("CMD_startround+0+0+0+0+");
        h.feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
        QSignalSpy closed(&h.tchat, &client::Tchat::closed);
        h.action("Exit1")->trigger();
        ASSERT_NE(leaveQuestion(h), nullptr);
        EXPECT_EQ(leaveQuestion(h)->text(), "You leave the game in progress: the computer plays your seat.");
        answer(leaveQuestion(h), "button_stay");
        EXPECT_EQ(closed.size(), 0);
        // A close that is not the player's (the program told to stop) asks nothing.
        h.tchat.close();
        EXPECT_EQ(leaveQuestion(h), nullptr);
        EXPECT_EQ(closed.size(), 1);
    }
}
