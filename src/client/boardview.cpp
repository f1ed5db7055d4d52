#include "boardview.h"

#include "windows/artwork.h"

#include <QPainter>

namespace client {

namespace {

constexpr int kCellWidth = 20;
constexpr int kCellHeight = 30;
constexpr int kFrame = 10;

} // namespace

void BoardView::paintBoardPicture(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Frame: wood with a lighter top-left edge and a darker bottom-right edge.
    QLinearGradient wood(r.topLeft(), r.bottomRight());
    wood.setColorAt(0.0, windows::palette::wood.lighter(120));
    wood.setColorAt(0.5, windows::palette::wood);
    wood.setColorAt(1.0, windows::palette::wood.darker(125));
    p.fillRect(r, wood);
    p.setPen(QColor(0, 0, 0, 40));
    for (int y = r.top() + 2; y < r.bottom(); y += 5)
        p.drawLine(r.left(), y, r.left() + kFrame - 2, y + 1);
    p.setPen(QColor(255, 230, 190, 90));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(40, 20, 5, 160));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const QRect felt = r.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    QRadialGradient g(felt.center(), felt.width() * 0.7);
    g.setColorAt(0, windows::palette::felt.lighter(108));
    g.setColorAt(1, windows::palette::felt.darker(108));
    p.fillRect(felt, g);
    p.setPen(QColor(88, 128, 86));
    for (int x = felt.left() + kCellWidth - 1; x <= felt.right(); x += kCellWidth)
        p.drawLine(x, felt.top(), x, felt.bottom());
    for (int y = felt.top() + kCellHeight - 1; y <= felt.bottom(); y += kCellHeight)
        p.drawLine(felt.left(), y, felt.right(), y);
    // Inner shadow where the felt meets the frame.
    p.setPen(QColor(0, 0, 0, 90));
    p.drawLine(felt.topLeft(), felt.topRight());
    p.drawLine(felt.topLeft(), felt.bottomLeft());
    p.restore();
}

BoardView::BoardView(QWidget* panel) : QObject(panel) {
    image_ = new windows::PaintedImage(QStringLiteral("boardimage"), &BoardView::paintBoardPicture, panel);
    image_->setGeometry(1, 1, 460, 380);
    board_ = new QWidget(panel);
    board_->setObjectName(QStringLiteral("board"));
    board_->setGeometry(11, 11, 441, 361);
    board_->setCursor(Qt::UpArrowCursor);
    dragging_ = new QWidget(panel);
    dragging_->setObjectName(QStringLiteral("draggingimage"));
    dragging_->setGeometry(0, 0, kCellWidth, kCellHeight);
    dragging_->hide();
}

void BoardView::cleartheboard() {
    mirror_.clear();
    board_->update();
}

} // namespace client

namespace client {

void BoardView::redrawTiles() {
    board_->update();
}

} // namespace client
