// The rack and the board under the player's hands, and the moves the server reports on them.

#include "harness.h"

#include "client/chat/chatview.h"
#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "windows/version.h"

#include <QAbstractButton>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>

using namespace testing_client;
using client::BoardView;
using client::RackView;

namespace {

struct Table : Seated {
    explicit Table(bool myTurn = true) : Seated(myTurn ? 1 : 2) {}
    // The codes shown from left to right.
    std::vector<int> rackCodes() const {
        std::vector<int> codes;
        for (int cell : model().order())
            codes.push_back(model().code(cell));
        return codes;
    }
    std::string lastSent() const { return sent.empty() ? std::string() : sent.back(); }
};

} // namespace

TEST(Rack, SortsByNumbersOrBySuitsStablyAndOnRightClickOutOfTurn) {
    Table t(false);
    t.deal({39, 53, 2, 52, 14}); // Red 13, joker, Green 2, Black 13, Orange 1
    ASSERT_NE(t.card(1), nullptr);
    EXPECT_EQ(t.model().code(1), 39);
    EXPECT_EQ(t.card(5)->objectName(), "card5");
    t.clickCard(3, Qt::RightButton); // by numbers is the default choice
    EXPECT_EQ(t.rackCodes(), (std::vector<int>{14, 2, 39, 52, 53}));
    EXPECT_EQ(t.card(1)->x(), 80); // Red 13 now in slot 3
    EXPECT_EQ(t.cues, QStringList{"sort"});
    t.tchat.findChild<QAbstractButton*>("button_bysuit")->click();
    EXPECT_EQ(t.rackCodes(), (std::vector<int>{2, 14, 39, 52, 53}));
    // Left clicks out of turn do nothing.
    t.clickCard(1);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
}

TEST(Rack, PickLowerSwapAndTheGapClosingAfterATileLeaves) {
    Table t;
    t.deal({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    t.clickCard(2);
    EXPECT_EQ(t.card(2)->y(), 4);
    EXPECT_EQ(t.tchat.table().rack().held().rackCell(), 2);
    EXPECT_EQ(t.tchat.table().rack().held().code(), 2);
    t.clickCard(2);
    EXPECT_EQ(t.card(2)->y(), 8);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
    t.clickCard(2);
    t.clickCard(5);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
    EXPECT_EQ(t.rackCodes(), (std::vector<int>{1, 5, 3, 4, 2, 6, 7, 8, 9, 10}));
    EXPECT_EQ(t.cues, (QStringList{"clickcard", "clearcard", "clickcard", "sort"}));

    t.feed("CMD_freecard+1+3+");
    EXPECT_EQ(t.card(3), nullptr);
    EXPECT_EQ(t.rackCodes(), (std::vector<int>{1, 5, 4, 2, 6, 7, 8, 9, 10}));
    EXPECT_EQ(t.card(10)->x(), 8 * 40);
    t.feed("CMD_freecard+2+4+"); // another seat's rack
    EXPECT_EQ(t.rack->occupiedSlots(), 9);
    t.feed("CMD_yourtiles+1+20,5+21,54"); // one code that is no tile: none of it arrives
    EXPECT_EQ(t.rack->occupiedSlots(), 9);
}

TEST(Board, DropsFromTheRackAreSentAndTheOrderCheckRefusesMisplacedOnes) {
    Table t;
    t.deal({5, 4, 31, 13, 53});
    t.clickCard(1);
    t.clickCell(3, 2);
    EXPECT_EQ(t.lastSent(), "CMD_placemytile+1+1+3+2+" + E);
    EXPECT_EQ(t.at(3, 2), 5);
    EXPECT_TRUE(t.card(1)->isHidden());
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
    t.feed("CMD_placehistile+1+5+3+2+"); // the echo: already there
    EXPECT_EQ(t.cues, (QStringList{"clickcard", "placecard"}));

    t.sent.clear();
    t.clickCard(2); // Green 4 right of a Green 5: refused, still held
    t.clickCell(4, 2);
    EXPECT_TRUE(t.sent.empty());
    EXPECT_EQ(t.tchat.table().rack().held().rackCell(), 2);
    t.clickCard(2);
    for (int cell : {3, 4}) { // Red 5 and Green 13 may follow a 5
        t.clickCard(cell);
        t.clickCell(4, 2);
        EXPECT_EQ(t.at(4, 2), t.model().code(cell));
        t.board->putBack();
        t.feed("CMD_removetile+4+2+");
    }
    // Right of a 13 only a 13; next to a joker anything.
    t.feed("CMD_placehistile+1+13+6+4+");
    t.clickCard(2);
    t.clickCell(7, 4);
    EXPECT_EQ(t.at(7, 4), 0);
    t.clickCell(5, 4);
    EXPECT_EQ(t.at(5, 4), 4);
    // Presses past the last column or row count for nothing; a press at x 15 is column 2.
    t.feed("CMD_placehistile+1+9+2+2+");
    t.board->boardMouseDown(Qt::LeftButton, QPoint(436, 40));
    t.board->boardMouseDown(Qt::LeftButton, QPoint(15, 40));
    EXPECT_EQ(t.tchat.table().rack().held().column(), 2);
}

TEST(Board, ShiftAndCtrlPicksLayARunOrAGroupOfThree) {
    Table t;
    t.deal({30, 31, 27, 32, 40, 53});
    t.clickCard(1, Qt::LeftButton, Qt::ShiftModifier); // Red 4 with Red 5 and Red 6
    t.clickCell(2, 3);
    EXPECT_EQ(t.sent,
              (std::vector<std::string>{"CMD_placemytile+1+1+2+3+" + E, "CMD_placemytile+1+2+3+3+" + E,
                                        "CMD_placemytile+1+4+4+3+" + E}));
    EXPECT_EQ(t.tchat.table().rack().held().completion(), client::Hand::Completion::None);

    t.sent.clear();
    t.clickCard(6, Qt::LeftButton, Qt::ControlModifier); // the joker pulls two 1s of other codes
    t.clickCell(2, 6);
    EXPECT_EQ(t.at(3, 6), 27);
    EXPECT_EQ(t.at(4, 6), 40);
    EXPECT_EQ(t.sent.size(), 3u);

    // With the cells to the right taken only the one tile is laid and the mode stays.
    Table u;
    u.deal({30, 31, 32});
    u.feed("CMD_placehistile+2+1+4+5+");
    u.clickCard(1, Qt::LeftButton, Qt::ShiftModifier);
    u.clickCell(2, 5);
    EXPECT_EQ(u.sent.size(), 1u);
    EXPECT_EQ(u.tchat.table().rack().held().completion(), client::Hand::Completion::Run);
}

TEST(Board, BoardTilesAreLiftedMovedPutBackAndTakenBack) {
    Table t;
    t.feed("CMD_placehistile+1+7+5+5+");
    t.sent.clear();
    t.clickCell(5, 5, Qt::RightButton);
    EXPECT_EQ(t.lastSent(), "CMD_replacetile+1+5+5+" + E);
    EXPECT_EQ(t.at(5, 5), 7); // only the server's answer takes it away

    t.clickCell(5, 5);
    EXPECT_EQ(t.at(5, 5), 0);
    EXPECT_TRUE(t.tchat.table().rack().held().fromBoard());
    t.clickCell(8, 5);
    EXPECT_EQ(t.lastSent(), "CMD_swaptiles+1+8+5+5+5+" + E);
    EXPECT_EQ(t.at(8, 5), 7);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());

    t.clickCell(8, 5);
    t.clickCell(1, 1, Qt::RightButton); // put back
    EXPECT_EQ(t.at(8, 5), 7);
    t.clickCell(8, 5);
    t.feed("CMD_undothem+1+8+5+0+9+9+12"); // taken back while held: back first, then the undo
    EXPECT_EQ(t.at(8, 5), 0);
    EXPECT_EQ(t.at(9, 9), 12);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
    EXPECT_EQ(t.text("label_played"), "Ann cleared tiles.");
}

TEST(Board, OtherSeatsMovesAndSummariesAreDrawnAndBadCellsDropped) {
    Table t(false);
    t.feed("CMD_placehistile+2+44+3+3+");
    EXPECT_EQ(t.at(3, 3), 44);
    EXPECT_EQ(t.text("label_played"), "Bob played a Black 5.");
    EXPECT_TRUE(openLog(t.tchat)->toPlainText().contains("Bob played a Black 5."));
    t.feed("CMD_swaptiles+2+4+3+3+3+44+");
    EXPECT_EQ(t.at(3, 3), 0);
    EXPECT_EQ(t.at(4, 3), 44);
    t.feed("CMD_movedtiles+2+25+5+4+3+44");
    EXPECT_TRUE(t.board->marksShown());
    EXPECT_EQ(t.text("label_score2"), "+25");
    t.feed("CMD_placehistile+2+45+5+3+");
    EXPECT_FALSE(t.board->marksShown());

    t.feed("CMD_placehistile+2+45+23+3+"); // column 23 is off the board
    t.feed("CMD_undothem+2+4+3+0+1+1+99"); // one bad code: nothing of it is applied
    t.feed("CMD_loadboard+1+2+2+60");
    EXPECT_EQ(t.at(4, 3), 44);
    EXPECT_EQ(t.at(2, 2), 0);
    t.feed("CMD_loadboard+1+2+2+6+3+2+7");
    EXPECT_EQ(t.at(3, 2), 7);
}

// The red move frames show what the last finished turn laid, and nothing older: a later summary, a
// lifted tile, a new round or a new game leaves no frame behind, on the screen or after a repaint.
TEST(Board, MoveFramesShowOnlyTheLatestSummary) {
    Table t(false);
    auto framedCells = [&t] {
        const QImage shown = t.board->paintArea()->grab().toImage();
        std::vector<std::pair<int, int>> cells;
        for (int c = 1; c <= 22; ++c)
            for (int r = 1; r <= 12; ++r)
                if (shown.pixelColor((c - 1) * 20, (r - 1) * 30) == QColor(255, 0, 0))
                    cells.emplace_back(c, r);
        return cells;
    };
    using Cells = std::vector<std::pair<int, int>>;
    t.feed("CMD_placehistile+2+44+3+3+");
    t.feed("CMD_placehistile+2+45+4+3+");
    t.feed("CMD_placehistile+2+46+5+3+");
    t.feed("CMD_movedtiles+2+15+15+3+3+44+4+3+45+5+3+46");
    EXPECT_EQ(framedCells(), (Cells{{3, 3}, {4, 3}, {5, 3}}));

    t.feed("CMD_nextplayer+3+60+1+0+14+2+15+11+3+0+14+4+0+0");
    t.feed("CMD_placehistile+3+1+3+6+");
    EXPECT_EQ(framedCells(), Cells{});
    t.feed("CMD_placehistile+3+2+4+6+");
    t.feed("CMD_placehistile+3+3+5+6+");
    t.feed("CMD_movedtiles+3+6+6+3+6+1+4+6+2+5+6+3");
    EXPECT_EQ(framedCells(), (Cells{{3, 6}, {4, 6}, {5, 6}}));
    t.board->redrawTiles();
    EXPECT_EQ(framedCells(), (Cells{{3, 6}, {4, 6}, {5, 6}}));

    t.feed("CMD_nextplayer+1+59+1+0+14+2+15+11+3+6+11+4+0+0");
    t.clickCell(4, 6); // lifted: the board is changing, the summary is gone
    EXPECT_EQ(framedCells(), Cells{});
    t.clickCell(4, 6); // put back
    EXPECT_EQ(framedCells(), Cells{});

    t.feed("CMD_movedtiles+3+6+6+3+6+1");
    t.feed("CMD_startround+15+6+0+0+");
    EXPECT_EQ(framedCells(), Cells{});
    t.feed("CMD_placehistile+2+9+8+8+");
    t.feed("CMD_movedtiles+2+1+1+8+8+9");
    EXPECT_EQ(framedCells(), (Cells{{8, 8}}));
    t.feed("CMD_startgame+Ann+500+60+t+f+14+");
    EXPECT_EQ(framedCells(), Cells{});
    t.feed("CMD_movedtiles+2+1+1+9+9+10");
    EXPECT_EQ(framedCells(), (Cells{{9, 9}}));
}

// Below the board: the last-move line opens the game log, and the maker's logo opens the maker's site.
// Over the board the pointer is the hand while a tile is in hand, whichever way it was picked up.
TEST(Board, LastMoveLineLogoAndThePointerWhileHolding) {
    Table t;
    t.deal({5, 6, 7});
    QWidget* area = t.board->paintArea();
    t.clickCard(1);
    EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
    t.clickCell(2, 2, Qt::RightButton); // lowered again
    EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);
    t.clickCard(2);
    EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
    t.clickCell(2, 2);
    EXPECT_EQ(t.at(2, 2), 6);
    EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);
    t.clickCell(2, 2); // lifted off the board
    EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
    t.clickCell(2, 2);
    EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);

    auto* played = t.tchat.findChild<QLabel*>("label_played");
    EXPECT_FALSE(t.visible("panel_log"));
    QTest::mouseClick(played, Qt::LeftButton);
    EXPECT_TRUE(t.visible("panel_log"));
    EXPECT_TRUE(t.action("GameLog1")->isChecked());

    auto* logo = t.tchat.findChild<QWidget*>("Image2");
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->isVisibleTo(&t.tchat));
    EXPECT_GE(logo->y(), 381); // below the board picture
    EXPECT_LE(logo->x() + logo->width(), 461);
    const QImage picture = logo->grab().toImage();
    int drawn = 0;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            drawn += picture.pixelColor(x, y) == QColor(239, 239, 214);
    EXPECT_GT(drawn, 100); // the tiles of the logo
    std::vector<QUrl> opened;
    t.tchat.findChild<client::ChatView*>()->setOpener([&](const QUrl& u) {
        opened.push_back(u);
        return true;
    });
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(QString::fromLatin1(windows::kMakerSite))}));
}

// A tile that joins a dealt rack (drawn, or dealt as a penalty) carries a blue corner until the player
// next uses the rack; the dealt tiles carry none, and the rack's order is as before.
TEST(Rack, TheTilesJustDrawnAreMarkedUntilThePlayerUsesTheRack) {
    Table t;
    auto fresh = [&t] {
        std::vector<int> cells;
        for (int cell : t.model().order())
            if (t.card(cell)->property("justDrawn").toBool()) cells.push_back(cell);
        return cells;
    };
    auto cornerIsBlue = [&t](int cell) {
        const QImage shot = t.card(cell)->grab().toImage();
        const QColor c = shot.pixelColor(shot.width() - 3, 2);
        return c.blue() > 180 && c.red() < 80;
    };
    t.deal({1, 2, 3, 4, 5});
    EXPECT_TRUE(fresh().empty());
    EXPECT_FALSE(cornerIsBlue(5));
    t.feed("CMD_yourtiles+1+6,40"); // the draw
    EXPECT_EQ(fresh(), std::vector<int>{6});
    EXPECT_TRUE(cornerIsBlue(6));
    EXPECT_FALSE(cornerIsBlue(5));
    EXPECT_EQ(t.rackCodes(), (std::vector<int>{1, 2, 3, 4, 5, 40})); // appended, as before
    EXPECT_TRUE(t.card(6)->toolTip().endsWith("(just drawn)"));
    t.clickCard(2); // picking a tile up is using the rack
    EXPECT_TRUE(fresh().empty());
    EXPECT_FALSE(cornerIsBlue(6));
    t.clickCard(2);
    // A penalty of three: all three marked.
    t.feed("CMD_yourtiles+1+7,41+8,42+9,43");
    EXPECT_EQ(fresh(), (std::vector<int>{7, 8, 9}));
    // The next draw's tile replaces the marks of the last.
    t.feed("CMD_yourtiles+1+10,44");
    EXPECT_EQ(fresh(), std::vector<int>{10});
    // A sort is using the rack too.
    t.tchat.findChild<QAbstractButton*>("button_bynumber")->click();
    EXPECT_TRUE(fresh().empty());
    // A tile the server hands back to its own cell was not drawn.
    t.clickCard(1);
    t.clickCell(3, 3);
    t.feed("CMD_nouse+1+");
    t.feed("CMD_yourtiles+1+1,1");
    EXPECT_TRUE(fresh().empty());
}

// Tiles laid wait hidden for the server to take them off the rack; an earlier one leaving brings none
// back, a take-back brings back those it never took, and a tile picked meanwhile stays raised.
TEST(Rack, LaidTilesStayHiddenUntilFreedOrTakenBackAndThePickedOneStaysUp) {
    Table t;
    t.deal({5, 6, 7, 8});
    for (int cell : {1, 3}) {
        t.clickCard(cell);
        t.clickCell(cell + 1, 2);
    }
    t.clickCard(4);
    t.feed("CMD_freecard+1+1+");
    EXPECT_EQ(t.card(1), nullptr);
    EXPECT_TRUE(t.card(3)->isHidden());
    EXPECT_EQ(t.card(4)->y(), 4); // still in hand, still raised
    EXPECT_EQ(t.model().held().rackCell(), 4);
    t.clickCard(4);
    t.feed("CMD_undothem+1+4+2+0");
    EXPECT_FALSE(t.card(3)->isHidden());
    EXPECT_EQ(t.model().inRack(), (std::vector<int>{2, 3, 4}));
}
