#include "dragcontroller.h"

#include "boardview.h"
#include "client/net/clientstate.h"
#include "client/panel/panelscale.h"
#include "client/table/rackmodel.h"
#include "client/turn/turncontrols.h"
#include "rackview.h"
#include "tileimages.h"

#include <QApplication>
#include <QChildEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace client {

// The tiles of a set carried across the board, following the pointer as the held tile does.
class SetPicture : public QWidget {
public:
    SetPicture(QWidget* panel, const TileImages* tiles) : QWidget(panel), tiles_(tiles) {
        setObjectName(QStringLiteral("draggingset"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        scale::placedByOwner(this);
        hide();
    }
    // The tiles side by side, each at the size of a board cell.
    void showCodes(std::vector<int> codes, const QSize& cell) {
        codes_ = std::move(codes);
        cell_ = cell;
        resize(static_cast<int>(codes_.size()) * cell.width(), cell.height());
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (std::size_t i = 0; i < codes_.size(); ++i)
            tiles_->drawSmall(p, QRectF(QPointF(static_cast<int>(i) * cell_.width(), 0), cell_), codes_[i]);
    }

private:
    const TileImages* tiles_;
    std::vector<int> codes_;
    QSize cell_;
};

namespace {

bool isCard(const QWidget* w) {
    return w && w->objectName().startsWith(QLatin1String("card"));
}

void watch(QObject* filter, QWidget* w) {
    w->setMouseTracking(true);
    w->installEventFilter(filter);
}

} // namespace

DragController::DragController(QWidget* panel, Parts parts)
    : QObject(panel), panel_(panel), parts_(parts), area_(parts.board->paintArea()),
      cards_(panel->findChild<QWidget*>(QStringLiteral("panel_cards"))),
      setPicture_(new SetPicture(panel, parts.tiles)) {
    watch(this, area_);
    if (cards_) cards_->installEventFilter(this); // a release over the rack reaches it when nothing grabs
    // The rack's tiles come and go: each one is watched from the moment it is added.
    if (auto* strip = panel->findChild<QWidget*>(QStringLiteral("rackstrip"))) {
        strip->installEventFilter(this);
        for (QWidget* w : strip->findChildren<QWidget*>())
            if (isCard(w)) watch(this, w);
    }
}

bool DragController::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) watch(this, w);
        break;
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        pressed(static_cast<QWidget*>(watched), e->globalPosition().toPoint(), e->button(), e->modifiers());
        break;
    }
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (from_ != From::Nothing && (e->buttons() & Qt::LeftButton)) moved(e->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (from_ != From::Nothing && e->button() == Qt::LeftButton) released(e->globalPosition().toPoint());
        break;
    }
    default:
        break;
    }
    return false;
}

// Seen before the press reaches the tile or the board, which then pick up as a click does.
void DragController::pressed(QWidget* w, const QPoint& global, Qt::MouseButton button,
                             Qt::KeyboardModifiers keys) {
    endGesture();
    if (button != Qt::LeftButton || parts_.model->held().holding()) return;
    pressGlobal_ = global;
    if (w == area_) {
        from_ = From::Board;
        pressCell_ = cellAt(global);
        wholeSet_ = (keys & (Qt::AltModifier | Qt::ShiftModifier)) && pressCell_.x() != 0;
        if (wholeSet_) set_ = setAt(parts_.board->mirror(), pressCell_.x(), pressCell_.y());
    } else if (isCard(w)) {
        from_ = From::Rack;
    }
}

void DragController::moved(const QPoint& global) {
    if (!dragging_) {
        if ((global - pressGlobal_).manhattanLength() < QApplication::startDragDistance()) return;
        // Only a press that picked a tile up starts a drag.
        const Hand& held = parts_.model->held();
        const bool picked = from_ == From::Board ? held.fromBoard() : held.fromRack();
        if (!picked) {
            endGesture();
            return;
        }
        dragging_ = true;
        if (wholeSet_ && set_.last > set_.first) {
            // The set travels whole: its tile goes back to its cell until the drop moves them all.
            parts_.board->putBack();
            parts_.board->refreshIndicator();
            std::vector<int> codes;
            for (int c = set_.first; c <= set_.last; ++c)
                codes.push_back(parts_.board->mirror().at(c, set_.row));
            setPicture_->showCodes(std::move(codes), parts_.board->cellSize());
        } else {
            wholeSet_ = false;
        }
    }
    if (wholeSet_) {
        const int grabbed = parts_.board->cellRect(pressCell_.x(), 1).left() -
                            parts_.board->cellRect(std::max(1, set_.first), 1).left();
        setPicture_->move(panel_->mapFromGlobal(global) + QPoint(3 - grabbed, 3));
    }
}

void DragController::released(const QPoint& global) {
    // A tile taken out of the hand meanwhile (the turn ran out, the turn was taken back) is not dropped:
    // the release must not act as a click that lifts whatever lies under it.
    if (!dragging_ || (!wholeSet_ && !parts_.model->held().holding())) {
        endGesture();
        return;
    }
    const auto over = [global](const QWidget* w) { return w->rect().contains(w->mapFromGlobal(global)); };
    if (over(area_))
        dropOnBoard(global);
    else if (cards_ && over(cards_))
        dropOnRack(global);
    endGesture();
}

QPoint DragController::cellAt(const QPoint& global) const {
    return parts_.board->cellAt(area_->mapFromGlobal(global));
}

void DragController::click(Qt::MouseButton button, int column, int row) {
    parts_.board->boardMouseDown(button, parts_.board->cellRect(column, row).center());
}

void DragController::dropOnBoard(const QPoint& global) {
    if (!wholeSet_) {
        // The very click that would put the tile down here.
        parts_.board->boardMouseDown(Qt::LeftButton, area_->mapFromGlobal(global));
        return;
    }
    const QPoint to = cellAt(global);
    if (to.x() != 0) moveSet(pressCell_.x(), pressCell_.y(), to.x(), to.y());
}

void DragController::dropOnRack(const QPoint& global) {
    const Hand& held = parts_.model->held();
    if (wholeSet_) {
        // Each tile of the set as a right-click would take it back; the server returns only those laid
        // this turn.
        for (int c = std::max(1, set_.first); c <= set_.last; ++c)
            click(Qt::RightButton, c, set_.row);
        return;
    }
    if (held.fromBoard()) {
        const int column = held.column();
        const int row = held.row();
        click(Qt::RightButton, column, row); // back into its cell
        click(Qt::RightButton, column, row); // and the take-back a right-click asks for
        return;
    }
    if (!held.holding()) return;
    // Over another tile the two change places; anywhere else in the rack the tile is put down again,
    // as a second click on it does.
    auto* strip = panel_->findChild<QWidget*>(QStringLiteral("rackstrip"));
    QWidget* under = strip ? strip->childAt(strip->mapFromGlobal(global)) : nullptr;
    while (under && !isCard(under) && under != strip)
        under = under->parentWidget();
    const int cell = isCard(under) && under->isVisible() ? under->property("Tag").toInt() : held.rackCell();
    parts_.rack->cardimagesMouseDown(cell, Qt::LeftButton, {}, panel_->mapFromGlobal(global));
}

bool DragController::moveSet(int column, int row, int toColumn, int toRow) {
    const rules::Board& mirror = parts_.board->mirror();
    const SetSpan set = setAt(mirror, column, row);
    if (set.last < set.first || (toColumn == column && toRow == row)) return false;
    const int shift = toColumn - column;
    const int first = std::max(1, set.first);
    // Tiles go in the order that never lands one on a cell its own set still holds.
    std::vector<int> order;
    for (int c = first; c <= set.last; ++c)
        order.push_back(c);
    if (toRow == row && shift > 0) std::reverse(order.begin(), order.end());
    // Each step checked on a copy of the board as the click that makes it would check it.
    rules::Board trial = mirror;
    for (int c : order) {
        const int to = c + shift;
        QString why;
        if (to < 1 || to > rules::kLastColumn || toRow < 1 || toRow > rules::kLastRow)
            why = QCoreApplication::translate("client::BoardView", "The set does not fit there.");
        else if (trial.at(to, toRow) != 0)
            why = QCoreApplication::translate("client::BoardView", "That cell is taken.");
        else {
            const int code = trial.at(c, row);
            trial.set(c, row, 0);
            why = orderRefusal(trial, code, to, toRow);
            trial.set(to, toRow, code);
        }
        if (!why.isEmpty()) {
            parts_.turn->setStatus(why);
            return false;
        }
    }
    for (int c : order) {
        click(Qt::LeftButton, c, row);
        click(Qt::LeftButton, c + shift, toRow);
    }
    return true;
}

void DragController::endGesture() {
    from_ = From::Nothing;
    dragging_ = false;
    wholeSet_ = false;
    setPicture_->hide();
}

} // namespace client
