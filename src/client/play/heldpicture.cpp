#include "heldpicture.h"

#include "client/net/clientstate.h"
#include "client/panel/panelscale.h"
#include "client/table/rackmodel.h"
#include "tileimages.h"

#include <QMouseEvent>
#include <QPainter>

namespace client {

HeldPicture::HeldPicture(QWidget* panel, const ClientState* state, const RackModel* rack,
                         const TileImages* tiles)
    : QWidget(panel), state_(state), rack_(rack), tiles_(tiles), panel_(panel) {
    setObjectName(QStringLiteral("draggingimage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    scale::placedByOwner(this);
    resize(TileImages::kSmallWidth, TileImages::kSmallHeight);
    hide();
    connect(rack_, &RackModel::heldChanged, this, [this] {
        if (!rack_->held().holding()) release();
    });
}

void HeldPicture::showAt(int code, const QPoint& panelPos) {
    code_ = code;
    move(panelPos + QPoint(3, 3));
    raise();
    show();
    update();
    if (board_) board_->setCursor(Qt::PointingHandCursor);
}

void HeldPicture::release() {
    hide();
    if (board_) board_->setCursor(Qt::ArrowCursor);
}

void HeldPicture::trackPanel() {
    panel_->setMouseTracking(true);
    panel_->installEventFilter(this);
    for (QWidget* w : panel_->findChildren<QWidget*>()) {
        if (w == this) continue;
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool HeldPicture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && rack_->held().holding() && state_->myTurn()) {
        auto* w = static_cast<QWidget*>(watched);
        const auto* e = static_cast<QMouseEvent*>(event);
        const QPoint at = w == panel_ ? e->position().toPoint() : w->mapTo(panel_, e->position().toPoint());
        move(at + QPoint(3, 3));
        if (!isVisible()) {
            raise();
            show();
        }
    }
    return false;
}

void HeldPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    tiles_->drawSmall(p, QRectF(rect()), code_);
}

} // namespace client
