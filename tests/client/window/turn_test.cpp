// The turn buttons, the server's prompts, time-outs and the pause.

#include "harness.h"

#include "client/turn/turncontrols.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

using namespace testing_client;

namespace {

void click(Harness& h, const char* name) {
    auto* b = h.tchat.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

// Ann in seat 1, Bob in seat 2, a game started, `turn` on turn.
void seat(Harness& h, int myslot, int turn) {
    h.login(myslot, myslot == 1 ? QStringLiteral("Ann") : QStringLiteral("Bob"));
    h.feed(myslot == 1 ? "CMD_existingplayers+2+Bob+0" : "CMD_existingplayers+1+Ann+0");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_nextplayer+" + std::to_string(turn) + "+70+1+0+14+2+0+14+3+0+0+4+0+0");
    h.sent.clear();
    h.cues.clear();
}

} // namespace

TEST(TurnButtons, SendOnlyDuringTheOwnTurn) {
    Harness off;
    seat(off, 2, 1);
    click(off, "button_draw");
    click(off, "button_finish");
    click(off, "button_clear");
    EXPECT_TRUE(off.sent.empty());

    Harness on;
    seat(on, 2, 2);
    click(on, "button_clear");
    click(on, "button_finish");
    EXPECT_FALSE(on.visible("button_draw"));
    EXPECT_FALSE(on.visible("button_finish"));
    click(on, "button_draw");
    ASSERT_EQ(on.sent.size(), 3u);
    EXPECT_EQ(on.sent[0], "CMD_undothem+2+" + E);
    EXPECT_EQ(on.sent[1], "CMD_finish+2+" + E);
    EXPECT_EQ(on.sent[2], "CMD_drawcard+2+" + E);
}

TEST(TurnPrompts, PenaltyAndFirstLayDown) {
    Harness h;
    seat(h, 2, 2);
    h.feed("CMD_askpenalty+1+"); // another seat's prompt
    EXPECT_FALSE(h.visible("panel_penalty"));
    h.feed("CMD_askpenalty+2+");
    EXPECT_TRUE(h.visible("panel_penalty"));
    EXPECT_FALSE(h.visible("button_draw"));
    EXPECT_EQ(h.cues, QStringList{"notvalid"});
    click(h, "button_edit");
    EXPECT_FALSE(h.visible("panel_penalty"));
    EXPECT_TRUE(h.visible("button_finish"));
    EXPECT_TRUE(h.visible("button_clear"));
    h.feed("CMD_askpenalty+2+");
    click(h, "button_yes");
    EXPECT_EQ(h.sent.back(), "CMD_clickyes+2+" + E);
    EXPECT_TRUE(h.cues.contains("pressyes"));

    h.feed("CMD_notenough+2+");
    EXPECT_EQ(h.text("label_status"), "Your first lay down must equal at least 30 points");
    EXPECT_TRUE(h.visible("panel_laydown"));
    click(h, "image_edit2");
    EXPECT_FALSE(h.visible("panel_laydown"));
    EXPECT_EQ(h.text("label_status"), "Your Turn."); // the refusal is no longer news

    h.feed("CMD_incomplete+2+");
    EXPECT_EQ(h.text("label_status"), "Board is incomplete.");
    auto* log = openLog(h.tchat);
    EXPECT_TRUE(log->toPlainText().endsWith("Board is incomplete."));

    h.feed("CMD_showdraw+2+1+");
    EXPECT_TRUE(h.visible("button_finish"));
}

// Another seat's moves, thousands of them in one turn: the game log keeps its latest lines only.
TEST(TurnPrompts, TheGameLogKeepsItsLatestLines) {
    Harness h;
    seat(h, 1, 2);
    constexpr int kMoves = client::TurnControls::kLogLines + 500;
    for (int i = 0; i < kMoves; ++i) {
        h.feed("CMD_placehistile+2+19+3+3+");
        h.feed("CMD_removetile+3+3+");
    }
    h.feed("CMD_placehistile+2+20+4+4+");
    auto* log = openLog(h.tchat);
    EXPECT_LE(log->blockCount(), client::TurnControls::kLogLines);
    EXPECT_GE(log->blockCount(), client::TurnControls::kLogLines / 2);
    EXPECT_EQ(log->document()->lastBlock().text(), h.text("label_played"));
}

// Lines that come while the log is open are shown at once; lines that come while it is closed are
// there, in order and once each, when it opens again.
TEST(TurnPrompts, TheGameLogShowsEveryLineOnceWhetherOpenOrClosed) {
    Harness h;
    seat(h, 1, 2);
    QPlainTextEdit* log = openLog(h.tchat);
    h.feed("CMD_placehistile+2+19+3+3+");
    const QStringList open = log->toPlainText().split('\n');
    h.tchat.findChild<QWidget*>(QStringLiteral("panel_log"))
        ->findChild<QAbstractButton*>(QStringLiteral("button_x"))
        ->click();
    ASSERT_FALSE(log->isVisibleTo(&h.tchat));
    h.feed("CMD_placehistile+2+20+4+3+");
    h.feed("CMD_placehistile+2+21+5+3+");
    openLog(h.tchat);
    const QStringList lines = log->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), open.size() + 2) << log->toPlainText().toStdString();
    EXPECT_EQ(lines.mid(0, open.size()), open);
    QStringList moves = lines.mid(open.size() - 1);
    for (const QString& line : moves)
        EXPECT_TRUE(line.startsWith("Bob played")) << line.toStdString();
    EXPECT_EQ(moves.removeDuplicates(), 0);
    EXPECT_EQ(lines.last(), h.text("label_played"));
}

// A turn that ends with more tiles on the rack than it began with was a draw or a penalty: the
// last-move line and the game log say so, instead of keeping the seat's previous move.
TEST(TurnPrompts, DrawsAndPenaltiesAreAnnounced) {
    Harness h;
    seat(h, 1, 2);
    h.feed("CMD_placehistile+2+19+3+3+");
    h.feed("CMD_undothem+2+3+3+0");
    EXPECT_EQ(h.text("label_played"), "Bob cleared tiles.");
    h.feed("CMD_nextplayer+1+69+1+0+14+2+0+15+3+0+0+4+0+0"); // Bob drew
    EXPECT_EQ(h.text("label_played"), "Bob drew a tile.");
    h.feed("CMD_placehistile+1+20+4+4+");
    h.feed("CMD_undothem+1+4+4+0");
    h.feed("CMD_nextplayer+2+66+1+0+17+2+0+15+3+0+0+4+0+0"); // Ann took the penalty
    EXPECT_EQ(h.text("label_played"), "Ann took a 3 tile penalty.");
    h.feed("CMD_placehistile+2+21+5+5+");
    h.feed("CMD_placehistile+2+22+6+5+");
    h.feed("CMD_placehistile+2+23+7+5+");
    h.feed("CMD_movedtiles+2+18+18+5+5+21+6+5+22+7+5+23");
    h.feed("CMD_nextplayer+1+66+1+0+17+2+18+12+3+0+0+4+0+0"); // Bob laid three: nothing to add
    EXPECT_EQ(h.text("label_played"), "Bob played a Orange 10.");
    auto* log = openLog(h.tchat);
    const QStringList lines = log->toPlainText().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.filter("drew").size(), 1);
    EXPECT_EQ(lines.filter("penalty").size(), 1);
    EXPECT_LT(lines.indexOf("Bob drew a tile."), lines.indexOf("Your Turn."));

    h.feed("CMD_endround+1+1+9+9+0+2+0+0+12+3+0+0+0+4+0+0+0");
    h.feed("CMD_startround+0+18+0+0+");
    h.feed("CMD_yourtiles+1+1,5");
    h.feed("CMD_nextplayer+2+52+1+0+14+2+18+14+3+0+0+4+0+0"); // a new round's deal is no draw
    EXPECT_EQ(h.text("label_played"), "Bob played a Orange 10.");
}

TEST(TurnPrompts, TimeOutsAreToldToEverybody) {
    Harness h;
    seat(h, 2, 1);
    h.feed("CMD_notime+1+");
    EXPECT_EQ(h.lastLine(), "Ann has ran out of time.");
    h.feed("CMD_notime+2+");
    EXPECT_EQ(h.lastLine(), "You have run out of time!.");
}

TEST(Pause, FollowsTheServerAndKeepsTheSecondsLeft) {
    Harness h;
    h.becomeHost();
    seat(h, 1, 2);
    click(h, "button_pause");
    EXPECT_EQ(h.sent.back(), "CMD_pause+1+1+" + E);
    h.feed("CMD_gamepause+1+");
    EXPECT_TRUE(h.visible("image_pause"));
    EXPECT_TRUE(h.visible("image_cover"));
    const QString before = h.text("label_timer");
    h.feed("CMD_gamepause+0+");
    EXPECT_FALSE(h.visible("image_pause"));
    EXPECT_EQ(h.text("label_timer"), before);
    h.feed("CMD_gamepause+7+");
    EXPECT_FALSE(h.visible("image_pause"));
}

TEST(TurnClock, BarColourCuesAndALateTimeOut) {
    Harness h;
    seat(h, 2, 2);
    auto* clock = h.tchat.findChild<client::TurnControls*>();
    ASSERT_NE(clock, nullptr);
    auto* bar = h.tchat.findChild<QWidget*>(QStringLiteral("image_timer"));
    EXPECT_EQ(bar->width(), 180); // 60 seconds, 3 pixels each
    clock->tick();
    EXPECT_EQ(bar->width(), 177);
    EXPECT_EQ(h.text("label_timer"), "Time: 0:59");
    clock->setTimeLeft(21);
    h.cues.clear();
    for (int i = 0; i < 21; ++i)
        clock->tick();
    // 20, 15 and every second from 10 down to 1.
    EXPECT_EQ(h.cues.size(), 12);
    EXPECT_EQ(h.text("label_timer"), "Time: 0:00");
    EXPECT_EQ(bar->width(), 0);
    EXPECT_TRUE(h.visible("button_draw"));
    for (int i = 0; i < 3; ++i)
        clock->tick();
    EXPECT_FALSE(h.visible("button_draw"));
    EXPECT_EQ(h.tchat.state().turnslot, 0);
}
