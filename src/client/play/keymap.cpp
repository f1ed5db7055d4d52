#include "keymap.h"

#include "boardview.h"
#include "client/net/clientstate.h"
#include "client/panel/panelscale.h"
#include "client/table/rackmodel.h"
#include "heldpicture.h"
#include "rackview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>

namespace client {

// The frame around the rack tile or board cell under the keyboard cursor.
class KeyCursor : public QWidget {
public:
    explicit KeyCursor(QWidget* panel) : QWidget(panel) {
        setObjectName(QStringLiteral("keycursor"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        scale::placedByOwner(this);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // Two pixels wide at the base size.
        const qreal width = 2 * scale::factor(this);
        p.setPen(QPen(QColor(255, 220, 40), width));
        p.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }
};

KeyMap::KeyMap(QWidget* window, QWidget* panel, Parts parts)
    : QObject(window), window_(window), panel_(panel), parts_(parts), cursor_(new KeyCursor(panel)) {
    // A click on the board or the rack takes the keyboard from the chat, and so does Tab.
    parts_.board->paintArea()->setFocusPolicy(Qt::StrongFocus);
    if (auto* cards = panel->findChild<QWidget*>(QStringLiteral("panel_cards")))
        cards->setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
}

bool KeyMap::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != window_) return false;
    const auto* e = static_cast<QKeyEvent*>(event);
    if (typingIn(static_cast<QWidget*>(watched))) {
        // Esc leaves the chat's text field for the board; every other key is the text's.
        if (e->key() != Qt::Key_Escape) return false;
        parts_.board->paintArea()->setFocus();
        return true;
    }
    return key(e->key(), e->modifiers());
}

bool KeyMap::typingIn(const QWidget* focus) {
    if (qobject_cast<const QLineEdit*>(focus)) return true;
    if (const auto* t = qobject_cast<const QTextEdit*>(focus)) return !t->isReadOnly();
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(focus)) return !t->isReadOnly();
    return false;
}

// Clicks the window's button of that name when the player could click it now.
bool KeyMap::clickButton(const char* name) const {
    auto* b = panel_->findChild<QAbstractButton*>(QLatin1String(name));
    if (!b || !b->isVisibleTo(panel_) || !b->isEnabled()) return false;
    if (const QWidget* cover = panel_->findChild<QWidget*>(QStringLiteral("image_cover"));
        cover && cover->isVisibleTo(panel_) && QLatin1String(name) != QLatin1String("button_pause"))
        return false;
    b->click();
    return true;
}

bool KeyMap::key(int key, Qt::KeyboardModifiers keys) {
    // Alt and the system key belong to the menus; Ctrl with a letter or digit to shortcuts.
    if (keys & (Qt::AltModifier | Qt::MetaModifier)) return false;
    if ((keys & Qt::ControlModifier) && key != Qt::Key_Space) return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        clickButton("button_finish");
        return true;
    case Qt::Key_D:
        clickButton("button_draw");
        return true;
    case Qt::Key_Escape:
        escape();
        return true;
    case Qt::Key_1:
        clickButton("button_bynumber");
        return true;
    case Qt::Key_2:
        clickButton("button_bysuit");
        return true;
    case Qt::Key_P:
        clickButton("button_pause");
        return true;
    case Qt::Key_H:
        clickButton("button_hint");
        return true;
    case Qt::Key_Left:
        moveCursor(-1, 0);
        return true;
    case Qt::Key_Right:
        moveCursor(1, 0);
        return true;
    case Qt::Key_Up:
        moveCursor(0, -1);
        return true;
    case Qt::Key_Down:
        moveCursor(0, 1);
        return true;
    case Qt::Key_Space:
        space(keys);
        return true;
    default:
        return false;
    }
}

// With a tile in hand it goes back where it came from (as a right-click on the board puts it back);
// otherwise the turn is cleared.
void KeyMap::escape() {
    const Hand& held = parts_.model->held();
    if (held.holding() && parts_.state->myTurn()) {
        parts_.board->boardMouseDown(Qt::RightButton, parts_.board->cellRect(1, 1).center());
        return;
    }
    clickButton("button_clear");
}

void KeyMap::moveCursor(int dx, int dy) {
    const int tiles = static_cast<int>(parts_.model->inRack().size());
    if (onBoard_) {
        cell_.rx() = std::clamp(cell_.x() + dx, 1, rules::kLastColumn);
        const int row = cell_.y() + dy;
        if (row > rules::kLastRow && tiles > 0) {
            onBoard_ = false;
            slot_ = std::clamp(cell_.x(), 1, tiles);
        } else {
            cell_.ry() = std::clamp(row, 1, rules::kLastRow);
        }
    } else if (dy < 0 || tiles == 0) {
        onBoard_ = true;
        cell_ = {std::clamp(slot_, 1, rules::kLastColumn), rules::kLastRow};
    } else {
        slot_ = std::clamp(slot_ + dx, 1, tiles);
    }
    showCursor();
}

void KeyMap::space(Qt::KeyboardModifiers keys) {
    if (!cursor_->isVisible()) {
        showCursor();
        return;
    }
    if (onBoard_) {
        parts_.board->boardMouseDown(Qt::LeftButton, parts_.board->cellRect(cell_.x(), cell_.y()).center());
    } else {
        const std::vector<int> cells = parts_.model->inRack();
        if (slot_ < 1 || slot_ > static_cast<int>(cells.size())) return;
        parts_.rack->cardimagesMouseDown(cells[static_cast<std::size_t>(slot_ - 1)], Qt::LeftButton, keys,
                                         cursorInPanel());
    }
    showCursor();
}

void KeyMap::rescale() {
    if (cursor_->isVisible()) showCursor();
}

QPoint KeyMap::cursorInPanel() const {
    return cursor_->geometry().center();
}

// Frames what is under the cursor; the tile in hand is shown there, as it follows the pointer.
void KeyMap::showCursor() {
    QRect frame;
    if (onBoard_) {
        const QRect cell = parts_.board->cellRect(cell_.x(), cell_.y());
        frame = cell.translated(parts_.board->paintArea()->mapTo(panel_, QPoint(0, 0)));
    } else {
        const std::vector<int> cells = parts_.model->inRack();
        slot_ = std::clamp(slot_, 1, std::max(1, static_cast<int>(cells.size())));
        const QWidget* tile =
            cells.empty() ? nullptr : parts_.rack->picture(cells[static_cast<std::size_t>(slot_ - 1)]);
        if (!tile) {
            cursor_->hide();
            return;
        }
        const int out = scale::px(2, scale::factor(panel_));
        frame = QRect(tile->mapTo(panel_, QPoint(0, 0)), tile->size()).adjusted(-out, -out, out, out);
    }
    cursor_->setGeometry(frame);
    cursor_->raise();
    cursor_->show();
    const Hand& held = parts_.model->held();
    if (held.holding() && parts_.state->myTurn())
        if (auto* picture =
                dynamic_cast<HeldPicture*>(panel_->findChild<QWidget*>(QStringLiteral("draggingimage"))))
            picture->showAt(held.code(), frame.center());
}

} // namespace client
