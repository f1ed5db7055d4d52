// Whole solo games from the deal to the winner, the human seat played only as a player plays it: once
// with the mouse alone (drags between the rack and the board, the Finish and Draw buttons), once with
// the keyboard alone (arrows, Space, Enter, D, Esc).

#include "sologame.h"

#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/table/table.h"
#include "tally/tally.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

using autoplay::SoloGame;

namespace {

// Cells by BoardView::cellRect, rack tiles by their pictures' geometry: wherever the window puts them.
class Mouse : public autoplay::Hands {
public:
    explicit Mouse(SoloGame& game)
        : game_(game), area_(game.board().paintArea()),
          cards_(game.window().findChild<QWidget*>(QStringLiteral("panel_cards"))) {}

    void place(int cell, int column, int row) override {
        QWidget* tile = game_.rack().picture(cell);
        ASSERT_TRUE(tile && tile->isVisible()) << "rack cell " << cell << " is not shown";
        drag(tile, tile->rect().center(), area_, centre(column, row));
    }
    void move(int fromColumn, int fromRow, int toColumn, int toRow) override {
        drag(area_, centre(fromColumn, fromRow), area_, centre(toColumn, toRow));
    }
    bool takeBack(int column, int row) override {
        drag(area_, centre(column, row), cards_, cards_->rect().center());
        return true;
    }
    void finish() override { click("button_finish"); }
    void draw() override { click("button_draw"); }
    void clear() override { click("button_clear"); }

private:
    QPoint centre(int column, int row) const { return game_.board().cellRect(column, row).center(); }
    // Press on `from` at `a`, move past the drag distance, then over `to` at `b`, and release there.
    static void drag(QWidget* from, QPoint a, QWidget* to, QPoint b) {
        QTest::mousePress(from, Qt::LeftButton, {}, a);
        QTest::mouseMove(from, a + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseMove(to, b);
        QTest::mouseRelease(to, Qt::LeftButton, {}, b);
    }
    void click(const char* name) {
        auto* b = game_.window().findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_TRUE(b && b->isVisible()) << name << " is not there to click";
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }

    SoloGame& game_;
    QWidget* area_;
    QWidget* cards_;
};

// The cursor is found where the window draws it, over a board cell or a rack tile, and steered there.
class Keys : public autoplay::Hands {
public:
    explicit Keys(SoloGame& game)
        : game_(game), area_(game.board().paintArea()),
          cursor_(game.window().findChild<QWidget*>(QStringLiteral("keycursor"))) {}

    void place(int cell, int column, int row) override {
        const std::vector<int> cells = game_.shownCells();
        const auto slot = std::find(cells.begin(), cells.end(), cell);
        ASSERT_NE(slot, cells.end()) << "rack cell " << cell << " is not shown";
        toSlot(static_cast<int>(slot - cells.begin()));
        key(Qt::Key_Space);
        ASSERT_EQ(game_.window().table().rack().held().rackCell(), cell);
        toCell(column, row);
        key(Qt::Key_Space);
    }
    void move(int fromColumn, int fromRow, int toColumn, int toRow) override {
        toCell(fromColumn, fromRow);
        key(Qt::Key_Space);
        ASSERT_TRUE(game_.window().table().rack().held().fromBoard());
        toCell(toColumn, toRow);
        key(Qt::Key_Space);
    }
    bool takeBack(int, int) override { return false; } // no key takes one tile back
    void finish() override { key(Qt::Key_Return); }
    void draw() override { key(Qt::Key_D); }
    void clear() override { key(Qt::Key_Escape); }

private:
    struct Place {
        bool onBoard = false;
        QPoint cell;   // on the board
        int slot = -1; // among the shown rack tiles
    };

    void key(Qt::Key k) { QTest::keyClick(area_, k); }
    // Where the cursor frame is: the board cell or rack tile its centre lies on.
    Place where() const {
        if (!cursor_->isVisible()) return {};
        const QPoint at = cursor_->mapToGlobal(cursor_->rect().center());
        for (int row = 1; row <= rules::kLastRow; ++row)
            for (int column = 1; column <= rules::kLastColumn; ++column) {
                const QRect cell = game_.board().cellRect(column, row);
                if (cell.contains(area_->mapFromGlobal(at))) return {true, {column, row}, -1};
            }
        const std::vector<int> cells = game_.shownCells();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QWidget* tile = game_.rack().picture(cells[i]);
            if (tile->rect().contains(tile->mapFromGlobal(at))) return {false, {}, static_cast<int>(i)};
        }
        return {};
    }
    void showCursor() {
        if (!cursor_->isVisible()) key(Qt::Key_Space);
    }
    void toSlot(int slot) {
        showCursor();
        for (int i = 0; i <= rules::kLastRow && where().onBoard; ++i)
            key(Qt::Key_Down);
        for (int i = 0; i < 2 * RackSlots && where().slot != slot; ++i)
            key(where().slot < slot ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(where().slot, slot) << "the cursor did not reach the rack tile";
    }
    void toCell(int column, int row) {
        showCursor();
        if (!where().onBoard) key(Qt::Key_Up);
        for (int i = 0; i < rules::kLastColumn && where().cell.x() != column; ++i)
            key(where().cell.x() < column ? Qt::Key_Right : Qt::Key_Left);
        for (int i = 0; i < rules::kLastRow && where().cell.y() != row; ++i)
            key(where().cell.y() < row ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(where().cell, QPoint(column, row)) << "the cursor did not reach the cell";
    }

    static constexpr int RackSlots = client::RackView::kSlots;
    SoloGame& game_;
    QWidget* area_;
    QWidget* cursor_;
};

void expectAWholeGame(const SoloGame& game) {
    const autoplay::Record& r = game.record();
    std::cout << "[ game     ] " << r.summary() << std::endl;
    ::testing::Test::RecordProperty("game", r.summary());
    EXPECT_FALSE(r.winner.isEmpty());
    EXPECT_EQ(r.recorded,
              r.winner == QLatin1String("You")
                  ? QString::fromLatin1(tally::kOwnWin.data(), static_cast<qsizetype>(tally::kOwnWin.size()))
                  : r.winner)
        << "the window recorded another winner than the server announced";
    EXPECT_GT(r.layingTurns, 0) << "the human seat never laid a tile";
    EXPECT_TRUE(game.refusals().empty()) << game.refusals().front();
    EXPECT_EQ(game.mismatches(), 0);
    EXPECT_EQ(r.giveUps, 0) << "the planned moves could not always be made by hand";
}

} // namespace

TEST(SoloGame, PlayedFromDealToWinnerWithTheMouseOnly) {
    SoloGame game(1, false, 100, 2); // the lowest target the start dialog offers
    ASSERT_TRUE(game.start());
    Mouse mouse(game);
    EXPECT_TRUE(game.play(mouse));
    expectAWholeGame(game);
    EXPECT_EQ(game.record().takeBacks, 1) << "a tile laid was dragged back onto the rack";
    EXPECT_GT(game.record().boardMoves, 0) << "no tile was dragged from one board cell to another";
}

TEST(SoloGame, PlayedFromDealToWinnerWithTheKeyboardOnly) {
    SoloGame game(3, true, 300, 3); // more than one round
    ASSERT_TRUE(game.start());
    Keys keys(game);
    EXPECT_TRUE(game.play(keys));
    expectAWholeGame(game);
    EXPECT_GT(game.record().boardMoves, 0) << "no board tile was moved with the keys";
    EXPECT_GE(game.record().roundWinners.size(), 2u) << "the game ended in its first round";
}
