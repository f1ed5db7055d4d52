// A joined window whose connection drops during a game stays open and claims its seat back with its
// seat token; a table code given on the command line is joined before the login.

#include "harness.h"

#include "client/table/table.h"

#include <QAction>
#include <QMessageBox>
#include <QTcpServer>
#include <QTest>

using namespace testing_client;

namespace {

bool sentStartingWith(const Harness& h, const std::string& prefix) {
    return std::any_of(h.sent.begin(), h.sent.end(),
                       [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
}

// Bob joined Ann's game (seat 2), holds a seat token, and a game runs.
void joinedAndPlaying(Harness& h) {
    h.tchat.processparams({"Bob", "127.0.0.1:1", "false"});
    h.login(2, QStringLiteral("Bob"));
    h.feed("CMD_seattoken+00ff00ff00ff00ff00ff00ff00ff00ff+");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.sent.clear();
}

} // namespace

TEST(Reconnect, ADroppedConnectionDuringAGameIsTriedAgainWithTheSeatToken) {
    Harness h;
    joinedAndPlaying(h);
    emit h.tchat.connection().closed();
    EXPECT_TRUE(h.lastLine().contains(QStringLiteral("Connection lost — reconnecting… (attempt 1 in 1 s)")))
        << h.lastLine().toStdString();
    EXPECT_FALSE(h.tchat.findChild<QMessageBox*>(QStringLiteral("message_closed")));
    auto* timer = h.tchat.findChild<QTimer*>(QStringLiteral("reconnecttimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());

    // A failed attempt waits longer before the next.
    emit h.tchat.connection().closed();
    EXPECT_TRUE(h.lastLine().contains(QStringLiteral("(attempt 2 in 2 s)"))) << h.lastLine().toStdString();

    // Connected again: the token first, then the login to the seat the server gives back.
    h.feed("CMD_sendlogininfo+4");
    EXPECT_EQ(h.sent, std::vector<std::string>{"CMD_reconnect+00ff00ff00ff00ff00ff00ff00ff00ff+" + E});
    h.feed("CMD_sendlogininfo+2");
    EXPECT_TRUE(sentStartingWith(h, "CMD_logininfo+2+"));
    EXPECT_TRUE(h.chatLines().filter(QStringLiteral("Reconnected.")).size() == 1);
    EXPECT_EQ(h.tchat.findChild<QMessageBox*>(QStringLiteral("message_closed")), nullptr);
}

// While the connection was down the computer played the seat: the tile we had laid went back and the
// turn moved on. Back at the seat, nothing of the old mirror stays and the server's turn shows.
TEST(Reconnect, BackAtTheSeatTheOldBoardGoesAndTheServersTurnShows) {
    Harness h;
    joinedAndPlaying(h); // Bob in seat 2
    h.feed("CMD_newplayerinfo+1+Ann+0");
    auto* rack = h.tchat.findChild<client::RackView*>();
    auto* board = h.tchat.findChild<client::BoardView*>();
    h.feed("CMD_yourtiles+2+1,5+2,6");
    h.feed("CMD_nextplayer+2+70+1+0+14+2+0+14+3+0+0+4+0+0");
    rack->cardimagesMouseDown(1, Qt::LeftButton, {}, QPoint(50, 50));
    board->boardMouseDown(Qt::LeftButton, QPoint(88, 132)); // cell (5, 5)
    ASSERT_NE(board->mirror().at(5, 5), 0);

    emit h.tchat.connection().closed();
    h.feed("CMD_tablecode+Q3TNPA+t+Table Q3TNPA"); // where the server seats a new connection
    h.feed("CMD_sendlogininfo+4");
    h.feed("CMD_sendlogininfo+2");
    EXPECT_TRUE(h.chatLines().filter(QStringLiteral("Q3TNPA")).isEmpty());
    h.feed("CMD_loadstats+2+1+500+60+t+f+1+0+14+f+f+2+0+15+f+f+3+0+0+f+t+4+0+0+f+t");
    EXPECT_EQ(board->mirror().at(5, 5), 0);
    EXPECT_EQ(h.tchat.findChild<client::Table*>()->turn(), 1);
    EXPECT_EQ(h.text("label_status"), "Ann's turn.");
}

TEST(Reconnect, ASeatNoLongerKeptEndsAsALostConnection) {
    Harness h;
    joinedAndPlaying(h);
    emit h.tchat.connection().closed();
    h.feed("CMD_sendlogininfo+3");
    h.feed("CMD_tableerror+Your seat is no longer kept for you.");
    EXPECT_NE(h.tchat.findChild<QMessageBox*>(QStringLiteral("message_closed")), nullptr);
    EXPECT_EQ(h.lastLine(), "The connection to the host was lost.");
}

TEST(Reconnect, WithoutAGameOrATokenTheWindowClosesAsBefore) {
    Harness h;
    h.tchat.processparams({"Bob", "127.0.0.1:1", "false"});
    h.login(2, QStringLiteral("Bob"));
    emit h.tchat.connection().closed();
    EXPECT_NE(h.tchat.findChild<QMessageBox*>(QStringLiteral("message_closed")), nullptr);
}

TEST(TableCode, TheCodeIsJoinedBeforeTheLogin) {
    Harness h;
    h.tchat.processparams({"Bob", "127.0.0.1:1/k7mxq4", "false"});
    h.sent.clear();
    h.feed("CMD_sendlogininfo+1");
    EXPECT_EQ(h.sent, std::vector<std::string>{"CMD_tablejoin+K7MXQ4+" + E});
    h.feed("CMD_tablecode+K7MXQ4+f+Ann's table");
    EXPECT_EQ(h.lastLine(), "Table K7MXQ4 (private): friends join it with this code.");
    h.feed("CMD_sendlogininfo+2");
    EXPECT_TRUE(sentStartingWith(h, "CMD_logininfo+2+"));
}

// A table that lives on another server of the same service: the window goes there at once, asks for
// the table again and shows nothing of the detour; a chain of redirects is not followed for ever.
TEST(TableCode, ARedirectIsFollowedAtOnceToTheServerHoldingTheTable) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, 0));
    const std::string there = "127.0.0.1+" + std::to_string(other.serverPort()) + "+";
    Harness h;
    h.tchat.processparams({"Bob", "127.0.0.1:1/k7mxq4", "false"});
    h.feed("CMD_sendlogininfo+1");
    const int lines = h.chatLines().size();
    h.sent.clear();
    h.feed("CMD_redirect+K7MXQ4+" + there);
    h.feed("CMD_tableerror+That table is on 127.0.0.1:" + std::to_string(other.serverPort()) + ".");
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.hasPendingConnections(); }, 5000));
    h.feed("CMD_tablecode+Q3TNPA+t+Table Q3TNPA"); // where the other server seats us first
    EXPECT_EQ(h.chatLines().size(), lines);
    h.feed("CMD_sendlogininfo+1");
    EXPECT_EQ(h.sent, std::vector<std::string>{"CMD_tablejoin+K7MXQ4+" + E});
    h.feed("CMD_tablecode+K7MXQ4+t+Ann's table");
    EXPECT_EQ(h.lastLine(), "Table K7MXQ4 (public): friends join it with this code.");

    for (int hop = 2; hop <= 4; ++hop) {
        h.feed("CMD_redirect+K7MXQ4+" + there);
        QCoreApplication::processEvents();
        h.feed("CMD_sendlogininfo+1");
    }
    h.feed("CMD_tableerror+That table is on 127.0.0.1:9.");
    // Shown as any server's words (the chat sets off what precedes the first colon).
    EXPECT_TRUE(h.lastLine().startsWith(QStringLiteral("That table is on 127.0.0.1:")))
        << h.lastLine().toStdString();
}

TEST(TableCode, AHostOrASeatedPlayerIsNeverRedirected) {
    Harness h;
    h.tchat.processparams({"Bob", "127.0.0.1:1", "false"});
    h.login(2, QStringLiteral("Bob"));
    const QAbstractSocket::SocketState before = h.tchat.connection().socket().state();
    h.feed("CMD_redirect+K7MXQ4+127.0.0.1+9+");
    QCoreApplication::processEvents();
    EXPECT_EQ(h.tchat.connection().socket().state(), before);
    EXPECT_FALSE(h.tchat.findChild<QMessageBox*>(QStringLiteral("message_connect")));
}

// At a table server the window in seat 1 gets the host's controls (Start, the options), and gives them
// up when the server names another holder; a window joining elsewhere has none.
TEST(TableCode, SeatOneHoldsTheHostsControlsUntilTheServerNamesAnotherHolder) {
    Harness h;
    h.tchat.processparams({"Ann", "127.0.0.1:1/k7mxq4", "false"});
    auto* start = h.tchat.findChild<QAction*>(QStringLiteral("StartGame1"));
    ASSERT_NE(start, nullptr);
    h.feed("CMD_tablecode+Q3TNPA+t+Table Q3TNPA"); // seated before asking: no powers from that
    h.feed("CMD_sendlogininfo+2");
    EXPECT_FALSE(h.visible("button_start"));
    h.feed("CMD_tablecode+K7MXQ4+f+Ann's table");
    h.feed("CMD_sendlogininfo+1");
    EXPECT_TRUE(h.visible("button_start"));
    EXPECT_TRUE(start->isEnabled());
    h.feed("CMD_powers+2+Bob");
    EXPECT_FALSE(h.visible("button_start"));
    EXPECT_FALSE(start->isEnabled());
    h.feed("CMD_powers+1+Ann");
    EXPECT_TRUE(h.visible("button_start"));

    Harness joiner;
    joiner.tchat.processparams({"Bob", "127.0.0.1:1/k7mxq4", "false"});
    joiner.feed("CMD_sendlogininfo+1");
    joiner.feed("CMD_tablecode+K7MXQ4+f+Ann's table");
    joiner.feed("CMD_sendlogininfo+2");
    EXPECT_FALSE(joiner.visible("button_start"));
    EXPECT_FALSE(joiner.tchat.findChild<QAction*>(QStringLiteral("StartGame1"))->isEnabled());
}
