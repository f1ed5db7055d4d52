// The window that grows: at every size the board, the rack and the side panels keep the base layout's
// proportions, a click lands on the cell or tile drawn under it, and the tiles are drawn for the size
// they are shown at.

// Clicks go through the window, which finds the control under the point as it does for the player.
#define QTEST_QPA_MOUSE_HANDLING

#include "harness.h"

#include "client/panel/fittinglabel.h"
#include "client/panel/panelscale.h"
#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/play/tileimages.h"
#include "client/seats/roundsummary.h"
#include "client/turn/turncontrols.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QTest>

#include <cmath>

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

    // On a desktop whose work area is `area` (the offscreen screen's own when empty).
    explicit Table(const QRect& area = {}) {
        if (area.isValid()) tchat.setWorkArea([area] { return area; });
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
    const client::Hand& held() const { return tchat.table().rack().held(); }
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
            const std::vector<int> cells = t.tchat.table().rack().order();
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

// 1920 x 1080 at 200 % display scaling leaves a work area of 775 x 551: the base layout and the menu
// bar do not fit in it, so the panel shrinks by tenths (down to 0.7) and the rack's lower row stays on
// screen; on a larger screen the base layout is the smallest again.
TEST(Scaling, OnAWorkAreaTooSmallForTheBaseLayoutThePanelShrinksAndEverythingStaysOnScreen) {
    using client::scale::least;
    EXPECT_DOUBLE_EQ(least(QSize(765, 532)), 1.0);
    EXPECT_DOUBLE_EQ(least(QSize(764, 532)), 0.9);
    EXPECT_DOUBLE_EQ(least(QSize(690, 480)), 0.9);
    EXPECT_DOUBLE_EQ(least(QSize(690, 479)), 0.8);
    EXPECT_DOUBLE_EQ(least(QSize(300, 200)), 0.7); // never smaller

    // The work area of the report less the frame and the menu bar this platform draws: 20 pixels too
    // low for the base layout.
    QRect small;
    Table t(QRect(0, 0, 1920, 1080));
    const QSize frame = t.tchat.frameGeometry().size() - t.tchat.size();
    const QSize extra = t.tchat.frameGeometry().size() - t.host->size();
    small = QRect(QPoint(0, 0), QSize(765, 532) + extra - QSize(0, 20));
    t.tchat.setWorkArea([&small] { return small; });
    t.tchat.hide();
    t.tchat.show(); // as on another screen
    std::string items = "CMD_yourtiles+1";
    for (int cell = 1; cell <= 24; ++cell) // two rows
        items += "+" + std::to_string(cell) + "," + std::to_string(cell);
    t.feed(items);
    t.tchat.resize(small.size() - frame); // as the desktop maximises it
    t.settle();
    EXPECT_LE(t.tchat.frameGeometry().width(), small.width());
    EXPECT_LE(t.tchat.frameGeometry().height(), small.height());
    const qreal f = t.tchat.panelScale();
    EXPECT_LT(f, 1.0);
    EXPECT_GE(f, 0.7);
    EXPECT_DOUBLE_EQ(f * 10, std::round(f * 10)); // in tenths
    EXPECT_EQ(t.board->cellSize(), QSize(20, 30) * f);
    // Every tile of both rows lies inside the window and inside the rack's view.
    auto* cards = t.tchat.findChild<QAbstractScrollArea*>("panel_cards");
    for (int cell = 1; cell <= 24; ++cell) {
        const QWidget* w = t.rack->picture(cell);
        const QRect inWindow(w->mapTo(&t.tchat, QPoint(0, 0)), w->size());
        EXPECT_TRUE(t.tchat.rect().contains(inWindow)) << cell;
        EXPECT_TRUE(
            cards->viewport()->rect().contains(QRect(w->mapTo(cards->viewport(), QPoint(0, 0)), w->size())))
            << cell;
    }
    // A click still lands on the tile drawn under it.
    const QRect r = t.rack->slotRect(20);
    t.click(t.rack->strip(), r.center());
    ASSERT_TRUE(t.held().fromRack());
    EXPECT_EQ(t.held().rackCell(), t.tchat.table().rack().order()[19]);

    // On a screen large enough the window may not shrink below the base layout again.
    t.tchat.setWorkArea([] { return QRect(0, 0, 1920, 1080); });
    t.tchat.hide();
    t.tchat.show();
    t.settle();
    EXPECT_DOUBLE_EQ(t.tchat.panelScale(), 1.0);
    EXPECT_GE(t.host->width(), 765);
    EXPECT_GE(t.host->height(), 532);
}

namespace {

// Whether the text of `l` fits inside it, on one line or, for a wrapping label, in its height. The
// labels that show names and messages may draw a long text smaller (or cut short): what they draw fits.
bool textFits(const QLabel* l) {
    static const QStringList shrinking{
        "label_status",      "label_played",   "label_playername1", "label_playername2", "label_playername3",
        "label_playername4", "label_round1_0", "label_round2_0",    "label_round3_0",    "label_round4_0"};
    QFont font = l->font();
    QString text = l->text();
    if (shrinking.contains(l->objectName())) {
        const auto* fitting = dynamic_cast<const client::FittingLabel*>(l);
        if (!fitting) return false;
        font = fitting->shownFont();
        text = fitting->shownText();
    }
    const QFontMetrics fm(font);
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (l->wordWrap())
        return fm.boundingRect(room, int(l->alignment()) | Qt::TextWordWrap, text).height() <=
               room.height() + 1;
    return fm.horizontalAdvance(text) <= room.width() && fm.height() <= room.height() + 2;
}

// Controls that float over the board by design: each may cover the board and what lies on it.
bool floatsOverTheBoard(const QWidget* w) {
    static const QStringList names{"panel_roundsummary", "panel_winner", "panel_penalty", "panel_laydown",
                                   "panel_log",          "image_pause",  "draggingimage", "keycursor"};
    return names.contains(w->objectName());
}

// The visible controls directly on `parent`, and the pairs of them that overlap though not meant to.
QStringList overlapping(const QWidget* parent) {
    QList<const QWidget*> shown;
    for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(parent) && !w->geometry().isEmpty() && w->windowType() == Qt::Widget) shown << w;
    QStringList pairs;
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j) {
            const QWidget* a = shown[i];
            const QWidget* b = shown[j];
            if (!a->geometry().intersects(b->geometry())) continue;
            const QStringList boardParts{"boardimage", "board"}; // the paint area lies on the picture
            const bool onA = boardParts.contains(a->objectName());
            const bool onB = boardParts.contains(b->objectName());
            if (onA && onB) continue;
            if ((onA || onB) && (floatsOverTheBoard(a) || floatsOverTheBoard(b))) continue;
            pairs << a->objectName() + " & " + b->objectName();
        }
    return pairs;
}

} // namespace

// From the smallest panel a small screen gets (0.7) to twice the base: every label's text fits its
// label, a button's caption and glyph fit the button, the glyphs grow with it, and no two controls
// overlap unless one is meant to float over the board; the round summary and the winner's plaque
// never show together, and the pause cover keeps within the panel it covers.
TEST(Scaling, AtEveryScaleTextFitsItsControlAndNoControlsOverlap) {
    QRect area(0, 0, 600, 440); // small enough to allow 0.7
    Table t(area);
    ASSERT_DOUBLE_EQ(t.tchat.panelScale(), 0.7);
    t.feed("CMD_newplayerinfo+3+Carol-Anne+0");
    t.feed("CMD_newplayerinfo+4+Bartholomew the Thirty-Second+0");
    t.feed("CMD_startgame+Ann+500+60+t+f+14+");
    t.feed("CMD_nextplayer+1+70+1+120+14+2+95+14+3+60+14+4+135+14");
    t.feed("CMD_yourtiles+1+1,4+2,8+3,31+4,53");
    t.feed("CMD_endround+2+1+120+-25+3+2+135+40+0+3+60+-12+2+4+95+-3+1");
    auto* summary = t.tchat.findChild<client::RoundSummary*>();
    ASSERT_TRUE(summary->isVisibleTo(t.panel));
    // The longest status and last-move lines the program writes.
    auto* turn = t.tchat.findChild<client::TurnControls*>();
    turn->setStatus(QStringLiteral("No hint: a set on the board cannot be completed. Clear your moves."));
    turn->setPlayed(QStringLiteral("Bartholomew the Thirty-Second cleared tiles."));
    auto* logButton = t.tchat.findChild<QWidget*>("button_log");
    for (int tenths = 7; tenths <= 20; ++tenths) {
        const qreal f = tenths / 10.0;
        t.showAt(f);
        for (const QLabel* l : t.panel->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(t.panel) || l->text().isEmpty() || l->textFormat() == Qt::RichText) continue;
            EXPECT_TRUE(textFits(l)) << l->objectName().toStdString() << " \"" << l->text().toStdString()
                                     << "\" at " << f;
        }
        EXPECT_EQ(overlapping(t.panel).join(", ").toStdString(), "") << f;
        EXPECT_EQ(overlapping(summary).join(", ").toStdString(), "") << f;
        // The labels of the summary's table keep apart.
        const QList<QLabel*> cells = summary->findChildren<QLabel*>();
        for (int i = 0; i < cells.size(); ++i)
            for (int j = i + 1; j < cells.size(); ++j)
                EXPECT_FALSE(cells[i]->geometry().intersects(cells[j]->geometry()))
                    << cells[i]->text().toStdString() << " & " << cells[j]->text().toStdString() << " at "
                    << f;
        // The game log button's glyph grows with the button: over half its width at every scale.
        const QImage glyph = logButton->grab().toImage();
        int left = glyph.width();
        int right = -1;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x)
                if (qGray(glyph.pixel(x, y)) > 200) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GE(right - left + 1, glyph.width() / 2) << f;
    }
}

// While paused a blank cover lies over the turn buttons: blank means the panel's own surface, the edge of
// the darker inset under the buttons included, at every scale.
TEST(Scaling, ThePauseCoverShowsThePanelsOwnSurface) {
    Table t; // on Ann's own turn: the turn buttons are up
    auto* cover = t.tchat.findChild<QWidget*>("image_cover");
    for (const qreal f : kFactors) {
        t.showAt(f);
        const QRect place = cover->geometry();
        // The panel alone there, without the controls on it.
        QImage bare(place.size(), QImage::Format_RGB32);
        t.panel->render(&bare, QPoint(), QRegion(place), QWidget::DrawWindowBackground);
        t.feed("CMD_gamepause+1");
        t.settle();
        ASSERT_TRUE(cover->isVisible());
        EXPECT_LE(largestDifference(t.shown(t.panel, place), bare), 2) << f;
        for (const char* name : {"button_draw", "button_hint"}) {
            const QWidget* b = t.tchat.findChild<QWidget*>(name);
            if (b->isVisible()) {
                EXPECT_TRUE(place.contains(b->geometry())) << name << " at " << f;
            }
        }
        t.feed("CMD_gamepause+0");
    }
}
