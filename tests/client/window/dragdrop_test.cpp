// Drag and drop with the mouse on the real rack and board: each gesture sends exactly what the
// matching clicks send, and a press that does not move is still a click.

#include "harness.h"

#include "client/play/boardview.h"
#include "client/play/rackview.h"

#include <QApplication>
#include <QTest>

using namespace testing_client;
using client::BoardView;
using client::RackView;

namespace {

// A shown window on its own turn, with a rack and a few sets on the board.
struct Table : Seated {
    QWidget* area = tchat.findChild<QWidget*>("board");
    QWidget* cards = tchat.findChild<QWidget*>("panel_cards");

    Table() {
        // Green 5 6 7 in row 2, a lone Black 3 at (12, 8).
        feed("CMD_loadboard+1+3+2+5+4+2+6+5+2+7+12+8+42");
        deal({4, 8, 31, 20});
        showWindow();
    }
    QPoint inCards(QWidget* w, const QPoint& p) const { return cards->mapFromGlobal(w->mapToGlobal(p)); }

    // Press on `from` at `a`, move in steps past the drag distance, release over `to` at `b`.
    void drag(QWidget* from, QPoint a, QWidget* to, QPoint b, Qt::KeyboardModifiers keys = {}) {
        QTest::mousePress(from, Qt::LeftButton, keys, a);
        const QPoint step(QApplication::startDragDistance() + 1, 0);
        QTest::mouseMove(from, a + step);
        QTest::mouseMove(to, b);
        QTest::mouseRelease(to, Qt::LeftButton, {}, b);
    }
    void click(QWidget* w, QPoint p) { QTest::mouseClick(w, Qt::LeftButton, {}, p); }
    bool holding() const { return tchat.table().rack().held().holding(); }
};

// What a gesture sent and left on the board, for comparing with the clicks that do the same.
struct Outcome {
    std::vector<std::string> sent;
    std::vector<int> cells;
    bool holding;
    bool operator==(const Outcome&) const = default;
};

Outcome outcome(const Table& t) {
    std::vector<int> cells;
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 22; ++c)
            cells.push_back(t.at(c, r));
    return {t.sent, cells, t.holding()};
}

} // namespace

TEST(DragDrop, RackToBoardBoardToBoardAndBoardToRackSendWhatClicksSend) {
    // Rack to board: a Green 8 after the run.
    Table dragged;
    dragged.drag(dragged.card(2), {20, 30}, dragged.area, Table::centre(6, 2));
    Table clicked;
    clicked.click(clicked.card(2), {20, 30});
    clicked.click(clicked.area, Table::centre(6, 2));
    EXPECT_EQ(outcome(dragged), outcome(clicked));
    EXPECT_EQ(dragged.sent, std::vector<std::string>{"CMD_placemytile+1+2+6+2+" + E});
    EXPECT_TRUE(dragged.card(2)->isHidden());

    // Board to board: the Black 3 moves to (14, 9).
    dragged.drag(dragged.area, Table::centre(12, 8), dragged.area, Table::centre(14, 9));
    clicked.click(clicked.area, Table::centre(12, 8));
    clicked.click(clicked.area, Table::centre(14, 9));
    EXPECT_EQ(outcome(dragged), outcome(clicked));
    EXPECT_EQ(dragged.sent.back(), "CMD_swaptiles+1+14+9+12+8+" + E);

    // Board to rack: back into its cell, and taken back as a right-click asks.
    dragged.drag(dragged.area, Table::centre(14, 9), dragged.cards, {30, 40});
    clicked.click(clicked.area, Table::centre(14, 9));
    QTest::mouseClick(clicked.area, Qt::RightButton, {}, Table::centre(3, 3));
    QTest::mouseClick(clicked.area, Qt::RightButton, {}, Table::centre(14, 9));
    EXPECT_EQ(outcome(dragged), outcome(clicked));
    EXPECT_EQ(dragged.at(14, 9), 42);
    EXPECT_EQ(dragged.sent.back(), "CMD_replacetile+1+14+9+" + E);
}

TEST(DragDrop, ARefusedDropSaysWhyAndKeepsTheTileInHandAsAClickWould) {
    Table dragged;
    dragged.drag(dragged.card(1), {20, 30}, dragged.area, Table::centre(6, 2)); // a 4 after the 7
    Table clicked;
    clicked.click(clicked.card(1), {20, 30});
    clicked.click(clicked.area, Table::centre(6, 2));
    EXPECT_EQ(outcome(dragged), outcome(clicked));
    EXPECT_TRUE(dragged.sent.empty());
    EXPECT_TRUE(dragged.holding());
    EXPECT_EQ(dragged.text("label_status"), "A 4 cannot go next to a 7 here.");
    // The tile still in hand goes down with a plain click.
    dragged.click(dragged.area, Table::centre(2, 2));
    EXPECT_EQ(dragged.sent, std::vector<std::string>{"CMD_placemytile+1+1+2+2+" + E});
}

TEST(DragDrop, ATileTakenFromTheHandDuringADragIsNotDropped) {
    Table t;
    QTest::mousePress(t.card(2), Qt::LeftButton, {}, {20, 30});
    QTest::mouseMove(t.card(2), {40, 10});
    t.feed("CMD_notime+1+"); // the turn runs out: the tile goes back to the rack
    QTest::mouseMove(t.area, Table::centre(4, 2));
    QTest::mouseRelease(t.area, Qt::LeftButton, {}, Table::centre(4, 2)); // over the Green 6
    EXPECT_EQ(t.at(4, 2), 6);
    EXPECT_FALSE(t.holding());
    EXPECT_TRUE(t.sent.empty());
}

TEST(DragDrop, APressWithoutMovingIsAClickAndRackDropsSwapOrPutDown) {
    Table t;
    QTest::mousePress(t.card(3), Qt::LeftButton, {}, {20, 30});
    QTest::mouseMove(t.card(3), {21, 30}); // within the drag distance
    QTest::mouseRelease(t.card(3), Qt::LeftButton, {}, {21, 30});
    EXPECT_TRUE(t.holding());
    EXPECT_EQ(t.card(3)->y(), 4);
    t.click(t.card(3), {20, 30});
    EXPECT_FALSE(t.holding());

    // Dropped on another rack tile: the two change places, as the second click does.
    const int x1 = t.card(1)->x();
    const int x4 = t.card(4)->x();
    t.drag(t.card(1), {20, 30}, t.card(4), {20, 30});
    EXPECT_EQ(t.card(1)->x(), x4);
    EXPECT_EQ(t.card(4)->x(), x1);
    EXPECT_FALSE(t.holding());
    // Dropped on the rack's empty end: put down again.
    t.drag(t.card(2), {20, 30}, t.cards, {600, 40});
    EXPECT_FALSE(t.holding());
    EXPECT_EQ(t.card(2)->y(), 8);
    EXPECT_TRUE(t.sent.empty());
}

TEST(DragDrop, AnAltDragCarriesAWholeSetAsOneBoardMovePerTile) {
    Table t;
    t.drag(t.area, Table::centre(4, 2), t.area, Table::centre(10, 6), Qt::AltModifier);
    EXPECT_EQ(t.sent,
              (std::vector<std::string>{"CMD_swaptiles+1+9+6+3+2+" + E, "CMD_swaptiles+1+10+6+4+2+" + E,
                                        "CMD_swaptiles+1+11+6+5+2+" + E}));
    EXPECT_EQ(t.at(9, 6), 5);
    EXPECT_EQ(t.at(10, 6), 6);
    EXPECT_EQ(t.at(11, 6), 7);
    EXPECT_EQ(t.at(4, 2), 0);
    EXPECT_FALSE(t.holding());
    // One column to the right within its own row: the rightmost tile goes first.
    t.sent.clear();
    t.drag(t.area, Table::centre(9, 6), t.area, Table::centre(10, 6), Qt::ShiftModifier);
    ASSERT_FALSE(t.sent.empty());
    EXPECT_EQ(t.sent.front(), "CMD_swaptiles+1+12+6+11+6+" + E);
    EXPECT_EQ(t.at(10, 6), 5);
    // A set that would land next to a lower tile is refused whole.
    t.sent.clear();
    t.drag(t.area, Table::centre(10, 6), t.area, Table::centre(9, 8), Qt::AltModifier); // 5 6 7 before the 3
    EXPECT_TRUE(t.sent.empty());
    EXPECT_EQ(t.text("label_status"), "A 7 cannot go next to a 3 here.");
    EXPECT_EQ(t.at(10, 6), 5);
    EXPECT_FALSE(t.holding());
    // Pressed with Alt and released without moving: the one tile is lifted, as a click lifts it.
    QTest::mouseClick(t.area, Qt::LeftButton, Qt::AltModifier, Table::centre(10, 6));
    EXPECT_TRUE(t.holding());
    EXPECT_EQ(t.at(10, 6), 0);
}
