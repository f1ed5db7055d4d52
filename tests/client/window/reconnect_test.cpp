// A joined window whose connection drops during a game stays open and claims its seat back with its
// seat token; a table code given on the command line is joined before the login.

#include "harness.h"

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
