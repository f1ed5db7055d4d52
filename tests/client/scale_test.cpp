// The window that grows: at every size the board, the rack and the side panels keep the base layout's
// proportions, a click lands on the cell or tile drawn under it, and the tiles are drawn for the size
// they are shown at.

// Clicks go through the window, which finds the control under the point as it does for the player.
#define QTEST_QPA_MOUSE_HANDLING

#include "harness.h"

#include "client/boardview.h"
#include "client/panelscale.h"
#include "client/rackview.h"
#include "client/roundsummary.h"
#include "client/tileimages.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace testing_client;
using client::BoardView;
using client::RackView;

namespace {

// A shown window on its own turn.
struct Table : Harness {
    BoardView* board = tchat.findChild<BoardView*>();
    RackView* rack = tchat.findChild<RackView*>();
    QWidget* area = tchat.findChild<QWidget*>("board");
    QWidget* panel = tchat.findChild<QWidget*>("panel_board");
    QWidget* host = tchat.findChild<QWidget*>("clientarea");

    Table() {
        login(1);
        feed("CMD_newplayerinfo+2+Bob+0");
        feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
        tchat.setArguments({"Ann"}); // waits for a full command line: connects nowhere
        tchat.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&tchat));
    }
    // Sizes the window so that its client area fits the panel at exactly `factor`.
    void showAt(qreal factor) {
        const QSize frame = tchat.size() - host->size(); // the menu bar
        tchat.resize(QSize(client::scale::px(750, factor) + 15, client::scale::px(520, factor) + 12) + frame);
        settle();
        ASSERT_DOUBLE_EQ(tchat.panelScale(), factor);
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // A left click on the point `at` of `w`, delivered to whatever the window shows there.
    void click(QWidget* w, const QPoint& at) {
        QWidget* window = w->window();
        QTest::mouseClick(window, Qt::LeftButton, {}, w->mapTo(window, at));
    }
    QImage shown(QWidget* w, const QRect& r) const {
        return w->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
    }
    const client::Hand& held() const { return tchat.state().held; }
};

const qreal kFactors[] = {1.0, 1.5, 2.0};

} // namespace

TEST(Scaling, TheFactorGrowsInTenthsWithTheClientAreaAndTheBaseLayoutIsTheSmallest) {
    using client::scale::fitting;
    EXPECT_DOUBLE_EQ(fitting(QSize(765, 532)), 1.0);
    EXPECT_DOUBLE_EQ(fitting(QSize(600, 400)), 1.0);
    EXPECT_DOUBLE_EQ(fitting(QSize(839, 600)), 1.0); // 1.099 wide
    EXPECT_DOUBLE_EQ(fitting(QSize(840, 600)), 1.1);
    EXPECT_DOUBLE_EQ(fitting(QSize(1920, 1052)), 2.0); // the height decides
    EXPECT_DOUBLE_EQ(fitting(QSize(1920, 1051)), 1.9);

    Table t;
    t.showAt(1.5);
    // Edges are rounded one by one, so controls side by side stay side by side.
    EXPECT_EQ(client::scale::rect(QRect(1, 1, 3, 3), 1.5), QRect(QPoint(2, 2), QPoint(5, 5)));
    // The panel sits in the middle of a wider client area, the margin split on both sides.
    t.tchat.resize(t.tchat.width() + 100, t.tchat.height());
    t.settle();
    EXPECT_DOUBLE_EQ(t.tchat.panelScale(), 1.5);
    EXPECT_LE(std::abs(t.panel->geometry().center().x() - t.host->rect().center().x()), 1);
}

TEST(Scaling, EveryControlKeepsItsBasePlaceAndTextSizeTimesTheFactor) {
    Table t;
    const struct {
        const char* name;
        QRect base;
    } controls[] = {{"boardimage", {1, 1, 460, 380}},          {"panel_cards", {5, 425, 740, 91}},
                    {"frame_mainchat", {466, 150, 279, 171}},  {"mychat", {465, 324, 224, 22}},
                    {"label_playername3", {484, 61, 116, 18}}, {"button_finish", {282, 401, 50, 22}},
                    {"b_phrase10", {715, 128, 25, 19}},        {"animated_incomplete", {384, 406, 12, 13}}};
    auto* status = t.tchat.findChild<QLabel*>("label_status");
    for (const qreal f : kFactors) {
        t.showAt(f);
        EXPECT_EQ(t.panel->size(), QSize(750, 520) * f);
        for (const auto& c : controls)
            EXPECT_EQ(t.tchat.findChild<QWidget*>(c.name)->geometry(), client::scale::rect(c.base, f))
                << c.name << " at " << f;
        EXPECT_EQ(status->font().pixelSize(), qRound(13 * f));
        // The text still fits its label.
        EXPECT_LE(QFontMetrics(status->font()).height(), status->height() + 2);
        EXPECT_EQ(t.board->cellSize(), QSize(20, 30) * f);
    }
    // A panel filled after the window grew: its place and its new lines' text follow the factor too.
    auto* summary = t.tchat.findChild<client::RoundSummary*>();
    summary->showResult(QStringLiteral("Ann is out of tiles!"), {{QStringLiteral("Ann"), 0, 25, 125}});
    EXPECT_EQ(summary->geometry(), client::scale::rect(QRect(70, 80, 320, 210), 2.0));
    EXPECT_EQ(t.tchat.findChild<QLabel*>("label_round1_0")->font().pixelSize(), 24);
    // Back to the smallest window: exactly the base layout again.
    t.showAt(1.0);
    EXPECT_EQ(t.area->geometry(), QRect(11, 11, 441, 361));
    EXPECT_EQ(status->font().pixelSize(), 13);
}

// Every drawn cell, clicked in its middle through the window: the tile there is lifted, and a second
// click puts it back.
TEST(Scaling, AClickOnTheMiddleOfEachCellHitsThatCellAtEveryScale) {
    Table t;
    std::string items = "CMD_loadboard+1";
    for (int c = 1; c <= rules::kLastColumn; ++c)
        for (int r = 1; r <= rules::kLastRow; ++r)
            items +=
                "+" + std::to_string(c) + "+" + std::to_string(r) + "+" + std::to_string((c + r) % 52 + 1);
    t.feed(items);
    for (const qreal f : kFactors) {
        t.showAt(f);
        for (int c = 1; c <= rules::kLastColumn; ++c) {
            for (int r = 1; r <= rules::kLastRow; ++r) {
                const QRect cell = t.board->cellRect(c, r);
                ASSERT_EQ(t.board->cellAt(cell.center()), QPoint(c, r)) << f;
                t.click(t.area, cell.center());
                ASSERT_TRUE(t.held().fromBoard()) << c << "," << r << " at " << f;
                ASSERT_EQ(QPoint(t.held().column(), t.held().row()), QPoint(c, r)) << f;
                t.click(t.area, cell.center());
                ASSERT_FALSE(t.held().holding());
            }
        }
        // The drawn cells and the paint area end together; past them nothing is hit.
        const QRect last = t.board->cellRect(rules::kLastColumn, rules::kLastRow);
        EXPECT_EQ(t.area->size(), QSize(last.right() + 2, last.bottom() + 2));
        EXPECT_TRUE(t.board->cellAt(QPoint(last.right(), last.center().y())).isNull());
        EXPECT_TRUE(t.board->cellAt(QPoint(last.center().x(), last.bottom())).isNull());
        EXPECT_TRUE(t.board->cellAt(QPoint(-1, 5)).isNull());
    }
    EXPECT_TRUE(t.sent.empty()); // lifting and putting back send nothing
}

TEST(Scaling, AClickOnTheMiddleOfEachRackSlotPicksItsTileInOneRowOrTwo) {
    for (const int tiles : {12, 30}) {
        Table t;
        std::string items = "CMD_yourtiles+1";
        for (int cell = 1; cell <= tiles; ++cell)
            items += "+" + std::to_string(cell) + "," + std::to_string((cell * 7) % 52 + 1);
        t.feed(items);
        t.rack->sortthem(); // slots no longer in the order of the cells
        for (const qreal f : kFactors) {
            t.showAt(f);
            const std::vector<int> cells = t.rack->cellsInOrder();
            ASSERT_EQ(static_cast<int>(cells.size()), tiles);
            for (int slot = 1; slot <= tiles; ++slot) {
                const QRect r = t.rack->slotRect(slot);
                const int cell = cells[static_cast<std::size_t>(slot - 1)];
                EXPECT_EQ(t.rack->picture(cell)->geometry(), r) << slot << " at " << f;
                EXPECT_EQ(t.rack->slotAt(r.center()), slot);
                t.click(t.rack->strip(), r.center());
                ASSERT_TRUE(t.held().fromRack()) << slot << " at " << f;
                EXPECT_EQ(t.held().rackCell(), cell) << slot << " at " << f;
                // Raised, it is still under the pointer: the second click lowers it.
                t.click(t.rack->strip(), r.center());
                ASSERT_FALSE(t.held().holding());
            }
            // No tile is out of sight: the rack does not scroll.
            EXPECT_LE(t.rack->strip()->width(), t.tchat.findChild<QWidget*>("panel_cards")->width());
        }
    }
}

TEST(Scaling, DragAndKeyboardPlayFollowTheScale) {
    Table t;
    t.feed("CMD_yourtiles+1+1,4+2,8+3,31");
    t.showAt(1.5);
    // Rack to board by dragging the Green 8 onto (9, 4).
    QWidget* card = t.rack->picture(2);
    const QPoint a = card->rect().center();
    QTest::mousePress(card, Qt::LeftButton, {}, a);
    QTest::mouseMove(card, a + QPoint(QApplication::startDragDistance() + 1, 0));
    const QPoint drop = t.board->cellRect(9, 4).center();
    QTest::mouseMove(t.area, drop);
    QTest::mouseRelease(t.area, Qt::LeftButton, {}, drop);
    ASSERT_EQ(t.sent.size(), 1u);
    EXPECT_EQ(t.sent[0], "CMD_placemytile+1+2+9+4+" + E);
    EXPECT_EQ(t.board->mirror().at(9, 4), 8);

    // The keyboard cursor frames the cell it is on, at the cell's size.
    t.showAt(2.0);
    auto* cursor = t.tchat.findChild<QWidget*>("keycursor");
    t.area->setFocus();
    QTest::keyClick(&t.tchat, Qt::Key_Up); // from the rack to the bottom row of the board
    ASSERT_TRUE(cursor->isVisible());
    const QRect frame =
        t.board->cellRect(1, rules::kLastRow).translated(t.area->mapTo(t.panel, QPoint(0, 0)));
    EXPECT_EQ(cursor->geometry(), frame);
    // Growing the window moves the frame with its cell.
    t.showAt(1.0);
    EXPECT_EQ(cursor->geometry(),
              t.board->cellRect(1, rules::kLastRow).translated(t.area->mapTo(t.panel, QPoint(0, 0))));
}

// At twice the size a board tile is a picture made at twice the pixels, over the cell's own piece of
// the board picture, whose grid lines run along the cells' edges.
TEST(Scaling, TilesAreDrawnForTheSizeTheyAreShownAt) {
    Table t;
    t.showAt(2.0);
    const QRect cell = t.board->cellRect(7, 5);
    const QImage empty = t.shown(t.area, cell);
    // The grid line along the cell's last pixel column and row.
    EXPECT_EQ(empty.pixelColor(cell.width() - 1, cell.height() / 2), QColor(88, 128, 86));
    EXPECT_EQ(empty.pixelColor(cell.width() / 2, cell.height() - 1), QColor(88, 128, 86));
    EXPECT_NE(empty.pixelColor(cell.width() - 2, cell.height() / 2), QColor(88, 128, 86));

    t.feed("CMD_loadboard+1+7+5+33+8+5+34+9+5+35"); // Red 7 8 9: a run, not outlined
    t.settle();
    const QImage withTile = t.shown(t.area, cell);
    client::TileImages tiles;
    const QImage picture = tiles.cachedImage(33, false, QSizeF(cell.size()), 1.0);
    ASSERT_EQ(picture.size(), QSize(40, 60));
    QImage expected = empty;
    {
        QPainter p(&expected);
        p.drawImage(0, 0, picture);
    }
    // Only the rounding of blending on another surface may differ.
    EXPECT_LE(largestDifference(withTile, expected), 2);
    // Not the small picture blown up.
    QImage blownUp = empty;
    {
        QPainter p(&blownUp);
        p.drawImage(QRect(QPoint(0, 0), cell.size()), tiles.cachedImage(33, false, QSizeF(20, 30), 1.0));
    }
    EXPECT_GT(largestDifference(withTile, blownUp), 40);
    // The rack tiles likewise, at 80 x 120.
    t.feed("CMD_yourtiles+1+1,33");
    EXPECT_EQ(t.rack->picture(1)->size(), QSize(80, 120));
    // The tile in hand is a board cell's size.
    t.click(t.rack->strip(), t.rack->slotRect(1).center());
    EXPECT_EQ(t.tchat.findChild<QWidget*>("draggingimage")->size(), cell.size());
}
