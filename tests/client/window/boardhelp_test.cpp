// The board explains itself: sets that fail the check are outlined while a turn runs, a refused
// drop says why, and the first lay-down shows how far the player has come.

#include "harness.h"

#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/seats/roundsummary.h"
#include "client/turn/turncontrols.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace testing_client;
using client::BoardView;
using client::RackView;

namespace {

// A round that has just started, on Ann's turn.
struct Round : Seated {
    Round() : Seated(1, true) {}
    QString status() const { return text("label_status"); }
    // The colours along the top edge of cell (c, r), `down` pixels below it.
    std::vector<QColor> topEdge(int c, int r, int down = 1) const {
        const QImage shot = board->paintArea()->grab().toImage();
        std::vector<QColor> colours;
        for (int x = (c - 1) * 20 + 2; x < c * 20 - 2; ++x)
            colours.push_back(shot.pixelColor(x, (r - 1) * 30 + down));
        return colours;
    }
    static bool amber(const QColor& c) {
        return c.red() > 200 && c.green() > 120 && c.green() < 210 && c.blue() < 80;
    }
    static bool red(const QColor& c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }
    // Whether the top edge of cell (c, r) shows the outline of a bad set.
    bool outlined(int c, int r) const {
        const std::vector<QColor> edge = topEdge(c, r);
        return std::any_of(edge.begin(), edge.end(), amber);
    }
};

} // namespace

TEST(BoardHelp, BadSetsAreOutlinedAsTilesComeAndGoAndOnlyWhileATurnRuns) {
    Round t;
    t.feed("CMD_placehistile+2+5+3+2+"); // Green 5 alone
    t.feed("CMD_placehistile+2+6+4+2+");
    EXPECT_TRUE(t.outlined(3, 2));
    EXPECT_TRUE(t.outlined(4, 2));       // the outline runs around the whole set
    t.feed("CMD_placehistile+2+7+5+2+"); // Green 5 6 7: a run
    EXPECT_FALSE(t.outlined(3, 2));
    t.feed("CMD_placehistile+2+46+6+2+"); // a Black 7 after it breaks the run
    EXPECT_TRUE(t.outlined(3, 2));
    t.feed("CMD_removetile+6+2+");
    EXPECT_FALSE(t.outlined(3, 2));
    // A group of three is good; lifting one of its tiles makes it bad until it is put back.
    t.feed("CMD_placehistile+2+9+3+5+");
    t.feed("CMD_placehistile+2+22+4+5+");
    t.feed("CMD_placehistile+2+35+5+5+");
    EXPECT_FALSE(t.outlined(3, 5));
    t.clickCell(5, 5);
    EXPECT_TRUE(t.outlined(3, 5));
    t.clickCell(5, 5);
    EXPECT_FALSE(t.outlined(3, 5));
    // Between rounds nothing is outlined.
    t.feed("CMD_placehistile+2+40+10+8+");
    EXPECT_TRUE(t.outlined(10, 8));
    t.feed("CMD_endround+2+1+0+-5+3+2+5+5+0+3+0+0+0+4+0+0+0");
    EXPECT_FALSE(t.outlined(10, 8));
}

// The last move's frame is solid red; a bad set's outline is dashed amber, so neither is taken for the
// other, and a refused finish names the set at fault.
TEST(BoardHelp, ABadSetsOutlineCannotBeMistakenForTheLastMovesFrame) {
    Round t;
    t.feed("CMD_placehistile+2+10+3+2+"); // Green 10 and Black 10: two tiles, no set
    t.feed("CMD_placehistile+2+49+4+2+");
    t.feed("CMD_movedtiles+2+25+25+5+5+1+6+5+2+7+5+3"); // Bob's run: its cells framed
    const std::vector<QColor> frame = t.topEdge(5, 5, 0);
    EXPECT_TRUE(std::all_of(frame.begin(), frame.end(), Round::red));
    for (const int c : {3, 4}) {
        const std::vector<QColor> edge = t.topEdge(c, 2);
        EXPECT_TRUE(std::none_of(edge.begin(), edge.end(), Round::red)) << c;
        EXPECT_TRUE(std::any_of(edge.begin(), edge.end(), Round::amber)) << c;
        // Dashed: the tile shows between the dashes.
        EXPECT_FALSE(std::all_of(edge.begin(), edge.end(), Round::amber)) << c;
    }
    EXPECT_FALSE(t.outlined(5, 5));

    auto* log = openLog(t.tchat);
    t.feed("CMD_incomplete+1");
    EXPECT_EQ(t.status(), "Board is incomplete: a set in row 2 has 2 tiles.");
    EXPECT_TRUE(log->toPlainText().endsWith("\nBoard is incomplete.")); // the log keeps the plain line
    t.feed("CMD_placehistile+2+11+5+2+"); // Green 11 after the Black 10: three tiles, still no set
    t.feed("CMD_incomplete+1");
    EXPECT_EQ(t.status(), "Board is incomplete: a set in row 2 is no run or group.");
    t.feed("CMD_incomplete+2"); // another seat's refusal says nothing here
    EXPECT_EQ(t.status(), "Board is incomplete: a set in row 2 is no run or group.");
}

TEST(BoardHelp, RefusedDropsSayWhyAndKeepTheTileInHand) {
    Round t;
    t.deal({4, 31, 13, 8});
    t.feed("CMD_placehistile+2+5+3+2+");  // Green 5
    t.feed("CMD_placehistile+2+12+8+2+"); // Green Queen
    t.clickCard(1);                       // Green 4
    t.clickCell(4, 2);
    EXPECT_EQ(t.status(), "A 4 cannot go next to a 5 here.");
    EXPECT_TRUE(t.tchat.table().rack().held().holding());
    t.clickCell(3, 2);
    EXPECT_EQ(t.status(), "That cell is taken.");
    EXPECT_TRUE(t.sent.empty());
    t.clickCell(2, 2); // left of the 5: fine
    EXPECT_EQ(t.sent.size(), 1u);
    t.clickCard(4); // Green 8 right of the Queen: refused, the Queen named
    t.clickCell(9, 2);
    EXPECT_EQ(t.status(), "An 8 cannot go next to a Queen here.");
    t.clickCell(7, 2, Qt::RightButton);
    t.clickCard(3); // Green King: only another King may follow it
    t.clickCell(9, 2);
    EXPECT_EQ(t.sent.size(), 2u);
    t.clickCard(2); // Red 5 right of a King
    t.clickCell(10, 2);
    EXPECT_EQ(t.status(), "A 5 cannot go next to a King here.");
}

TEST(BoardHelp, TheFirstLayDownValueFollowsTheTilesLaidUntilItIsMade) {
    Round t;
    t.deal({10, 23, 36, 53, 1});
    t.clickCard(1);
    t.clickCell(2, 3);
    EXPECT_EQ(t.status(), "First lay-down: 10 of 30");
    t.clickCard(4); // the joker counts 30
    t.clickCell(6, 3);
    EXPECT_EQ(t.status(), "First lay-down: 40 of 30");
    // Only moving a tile on the board does not count.
    t.clickCell(6, 3);
    t.clickCell(8, 3);
    EXPECT_EQ(t.status(), "First lay-down: 40 of 30");
    // The server takes the joker back.
    t.feed("CMD_nouse+1+");
    t.feed("CMD_yourtiles+1+4,53");
    t.feed("CMD_removetile+8+3+");
    EXPECT_EQ(t.status(), "First lay-down: 10 of 30");
    t.feed("CMD_undothem+1+2+3+0");
    EXPECT_EQ(t.status(), "First lay-down: 0 of 30");
    // Made: an accepted finish; the next turn shows no count.
    t.feed("CMD_movedtiles+1+30+30+2+3+10+3+3+23+4+3+36");
    t.feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
    t.clickCard(5);
    t.clickCell(2, 6);
    EXPECT_EQ(t.status(), "Your Turn.");
}

TEST(BoardHelp, APartnersFirstLayDownCountsOnlyInATeamGame) {
    for (const bool team : {false, true}) {
        Round t;
        t.feed(std::string("CMD_startgame+Ann+500+60+t+") + (team ? "t" : "f") + "+14+");
        t.feed("CMD_startround+0+0+0+0+");
        t.feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+14+4+0+14");
        t.deal({10});
        t.feed("CMD_movedtiles+3+30+30+2+4+10+3+4+23+4+4+36");
        t.clickCard(1);
        t.clickCell(2, 3);
        EXPECT_EQ(t.status(), team ? QString("Your Turn.") : QString("First lay-down: 10 of 30")) << team;
    }
}

TEST(RoundSummaryPanel, ListsEachSeatCountsDownAndClosesWhenTheNextRoundStarts) {
    Round t;
    auto* panel = t.tchat.findChild<client::RoundSummary*>("panel_roundsummary");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(t.visible("panel_roundsummary"));
    t.feed("CMD_endround+2+1+-10+-25+3+2+25+25+0+3+0+0+0+4+0+0+0");
    EXPECT_TRUE(t.visible("panel_roundsummary"));
    EXPECT_EQ(t.text("label_roundtitle"), "Bob is out of tiles! The Round is Over.");
    const QStringList ann{t.text("label_round1_0"), t.text("label_round1_1"), t.text("label_round1_2"),
                          t.text("label_round1_3")};
    EXPECT_EQ(ann, (QStringList{"Ann", "3", "-25", "-10"}));
    EXPECT_EQ(t.text("label_round2_0"), "Bob");
    EXPECT_EQ(t.text("label_round2_2"), "+25");
    EXPECT_EQ(panel->findChild<QLabel*>("label_round3_0"), nullptr); // empty seats are left out
    // Every text stands out from the panel's own background (WCAG contrast of at least 4.5).
    const auto luminance = [](const QColor& c) {
        const auto lin = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double back = luminance(panel->palette().color(QPalette::Window));
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
        const double ink = luminance(label->palette().color(QPalette::WindowText));
        EXPECT_GE((std::max(back, ink) + 0.05) / (std::min(back, ink) + 0.05), 4.5)
            << label->text().toStdString();
    }
    EXPECT_EQ(t.text("label_nextround"), "Next round in 20 s");
    for (int i = 0; i < 19; ++i)
        panel->tick();
    EXPECT_EQ(t.text("label_nextround"), "Next round in 1 s");
    panel->tick();
    panel->tick();
    EXPECT_EQ(t.text("label_nextround"), "The next round is starting.");
    t.feed("CMD_startround+-10+25+0+0+");
    EXPECT_FALSE(t.visible("panel_roundsummary"));

    // A round that ends the game counts down to nothing.
    t.feed("CMD_endround+1+1+510+30+0+2+-30+-30+4+3+0+0+0+4+0+0+0");
    t.feed("CMD_winner+Ann+");
    EXPECT_TRUE(t.visible("panel_roundsummary"));
    EXPECT_EQ(t.text("label_nextround"), "Ann has Won the Game!");
    // The summary names the winner: the winner's plaque, which it would cover but for its edges, comes
    // up only when the summary is closed.
    EXPECT_FALSE(t.visible("panel_winner"));
    EXPECT_EQ(panel->secondsLeft(), 20);
    t.tchat.findChild<QAbstractButton*>("button_roundclose")->click();
    EXPECT_FALSE(t.visible("panel_roundsummary"));
    EXPECT_TRUE(t.visible("panel_winner"));
    EXPECT_EQ(t.text("label_winner1"), "Ann has Won the Game!");
}

TEST(RackRows, PastEighteenTilesASecondRowKeepsEveryTileInSightAndPicksStillWork) {
    Round t;
    std::vector<int> codes;
    for (int i = 1; i <= 20; ++i)
        codes.push_back(i);
    t.deal(codes);
    ASSERT_TRUE(t.showWindow());
    auto* cards = t.tchat.findChild<QAbstractScrollArea*>("panel_cards");
    const QRect view = cards->viewport()->rect();
    for (int cell = 1; cell <= 20; ++cell) {
        const QWidget* w = t.rack->picture(cell);
        EXPECT_TRUE(view.contains(QRect(w->mapTo(cards->viewport(), QPoint(0, 0)), w->size()))) << cell;
    }
    EXPECT_GT(t.rack->picture(20)->y(), t.rack->picture(1)->y() + t.rack->picture(1)->height() - 1);
    // A pick raises the tile within its row; a second click lowers it.
    const int resting = t.rack->picture(20)->y();
    t.clickCard(20);
    EXPECT_LT(t.rack->picture(20)->y(), resting);
    t.clickCard(20);
    EXPECT_EQ(t.rack->picture(20)->y(), resting);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
    // Back to 18 tiles: one row of full-size tiles again.
    t.feed("CMD_freecard+1+1+");
    t.feed("CMD_freecard+1+2+");
    EXPECT_EQ(t.rack->picture(20)->geometry(), QRect(17 * 40, 8, 40, 60));
}

TEST(RackRows, TheSortButtonThatIsDownIsMarked) {
    Round t;
    auto* mark = t.tchat.findChild<QWidget*>("sortmark");
    auto* bysuit = t.tchat.findChild<QAbstractButton*>("button_bysuit");
    bysuit->click();
    EXPECT_TRUE(mark->isVisibleTo(mark->parentWidget()));
    EXPECT_EQ(mark->x() + mark->width() / 2, bysuit->x() + bysuit->width() / 2);
    t.rack->setSortChoice(0);
    EXPECT_FALSE(mark->isVisibleTo(mark->parentWidget()));
}
