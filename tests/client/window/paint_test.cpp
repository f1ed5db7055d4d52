// Painting the board: only what is exposed, from pictures made once, leaving the screen exactly as
// a full repaint would.

#include "harness.h"

#include "client/play/boardview.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <map>

using namespace testing_client;
using client::BoardView;

namespace {

// The regions each watched widget painted, in the board panel's coordinates.
struct PaintLog : QObject {
    QWidget* panel = nullptr;
    std::map<QString, QRegion> painted;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* w = static_cast<QWidget*>(watched);
            painted[w->objectName()] += static_cast<QPaintEvent*>(event)->region().translated(
                w->mapToGlobal(QPoint(0, 0)) - panel->mapToGlobal(QPoint(0, 0)));
        }
        return false;
    }
    QRegion all() const {
        QRegion r;
        for (const auto& [name, region] : painted)
            r += region;
        return r;
    }
};

// A shown window on its turn with tiles on the board and in the rack.
struct ShownTable : Seated {
    QWidget* area = tchat.findChild<QWidget*>("board");
    QWidget* panel = tchat.findChild<QWidget*>("panel_board");
    QWidget* held = tchat.findChild<QWidget*>("draggingimage");
    PaintLog log;

    ShownTable() {
        feed("CMD_loadboard+1+1+1+1+2+1+2+3+1+3+5+2+40+6+2+41+7+2+42+8+2+53+22+12+13");
        deal({5, 18, 31});
        showWindow();
        settle();
        log.panel = panel;
        for (const char* name : {"board", "boardimage", "panel_board", "clientarea", "draggingimage"})
            tchat.findChild<QWidget*>(name)->installEventFilter(&log);
    }
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    QRect cell(int c, int r) const {
        return board->cellRect(c, r).translated(area->mapTo(panel, QPoint(0, 0)));
    }
    // The pointer moved to `at` in the paint area, and the window painted.
    void pointerAt(const QPoint& at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(area->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &move);
        settle();
    }
    void press(int c, int r) { board->boardMouseDown(Qt::LeftButton, board->cellRect(c, r).center()); }
    // What the screen shows, and what painting the whole window afresh gives.
    QImage onScreen() {
        return tchat.screen()->grabWindow(tchat.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage repainted() { return tchat.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

} // namespace

TEST(BoardPaint, PartialRepaintsLeaveTheScreenAsAFullRepaintWould) {
    ShownTable t;
    ASSERT_EQ(t.onScreen().size(), t.repainted().size());
    EXPECT_EQ(t.onScreen(), t.repainted());
    t.clickCell(6, 2); // lift the 41 out of the middle of its run
    ASSERT_TRUE(t.tchat.table().rack().held().holding());
    // Across the tiles and the gaps, by small steps and by jumps, and out over the frame.
    for (const QPoint at : {QPoint(100, 40), QPoint(105, 42), QPoint(111, 47), QPoint(140, 31), QPoint(3, 3),
                            QPoint(-8, 50), QPoint(430, 350), QPoint(200, 200)}) {
        t.pointerAt(at);
        ASSERT_TRUE(t.held->isVisible());
        EXPECT_EQ(t.onScreen(), t.repainted()) << at.x() << "," << at.y();
    }
    t.clickCell(10, 6); // put down on an empty cell
    t.settle();
    EXPECT_EQ(t.onScreen(), t.repainted());
    // Another seat's move, a move summary's frames, and their wiping.
    t.feed("CMD_placehistile+2+44+12+9+");
    t.feed("CMD_movedtiles+2+25+5+5+2+40+7+2+42");
    t.settle();
    EXPECT_EQ(t.onScreen(), t.repainted());
    t.feed("CMD_placehistile+2+45+14+9+");
    t.settle();
    EXPECT_EQ(t.onScreen(), t.repainted());
}

TEST(BoardPaint, OnlyTheChangedCellsAndTheHeldTilesOldAndNewPlaceArePainted) {
    ShownTable t;
    const int backdrops = t.board->backdropPaints();
    EXPECT_EQ(backdrops, 1);

    t.log.painted.clear();
    t.feed("CMD_placehistile+2+44+12+9+");
    t.settle();
    EXPECT_EQ(t.log.painted["board"], QRegion(t.cell(12, 9)));
    EXPECT_TRUE(t.log.painted["boardimage"].isEmpty());

    t.clickCell(6, 2);
    t.pointerAt(QPoint(100, 40));
    const QRect before = t.held->geometry();
    t.log.painted.clear();
    t.pointerAt(QPoint(105, 40));
    const QRect after = t.held->geometry();
    EXPECT_EQ(after, before.translated(5, 0));
    EXPECT_TRUE((t.log.all() - (QRegion(before) + after)).isEmpty());
    EXPECT_FALSE(t.log.painted["board"].isEmpty());
    // The board and its picture hide everything beneath them.
    EXPECT_TRUE(t.log.painted["boardimage"].isEmpty());
    EXPECT_TRUE(t.log.painted["panel_board"].isEmpty());
    EXPECT_TRUE(t.log.painted["clientarea"].isEmpty());

    // Outside the board the panel shows through, painted from its own picture.
    t.pointerAt(QPoint(-9, 370));
    t.log.painted.clear();
    t.pointerAt(QPoint(-9, 375));
    EXPECT_TRUE(
        (t.log.all() - (QRegion(t.held->geometry().translated(0, -5)) + t.held->geometry())).isEmpty());
    EXPECT_FALSE(t.log.painted["panel_board"].isEmpty());
    t.clickCell(6, 2); // back where it came from
    t.settle();

    // The board picture is painted once, and again only for a new tile set.
    t.area->repaint();
    t.tchat.findChild<QWidget*>("boardimage")->repaint();
    EXPECT_EQ(t.board->backdropPaints(), 1);
    t.board->redrawTiles();
    t.settle();
    EXPECT_EQ(t.board->backdropPaints(), 2);
    EXPECT_EQ(t.onScreen(), t.repainted());
}
