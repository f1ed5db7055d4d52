#include "panelstyle.h"

#include "fittinglabel.h"
#include "panelscale.h"

#include "windows/artwork.h"

#include <QLabel>

namespace client::style {

QLabel* label(QWidget* parent, const QString& name, const QString& text, int pixelSize, bool bold) {
    // A line too long for its label is drawn smaller rather than cut off.
    auto* l = new FittingLabel(text, parent);
    l->setObjectName(name);
    // Names and server texts end up in these labels: markup in them is shown, never interpreted.
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    if (pixelSize > 0) f.setPixelSize(pixelSize);
    f.setBold(bold);
    // Sized with the panel, also when the label comes after the panel has grown.
    scale::setFont(l, f);
    setTextColour(l, windows::palette::text);
    return l;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

void paintPanelSurface(QPainter& p, const QRect& r) {
    windows::paintBackdrop(p, r);
    const qreal f = qreal(r.width()) / scale::kPanel.width();
    auto inset = [&p, &r, f](int x, int y, int w, int h, int alpha) {
        windows::paintInset(p, QRectF(scale::rect(QRect(x, y, w, h), f).translated(r.topLeft())), alpha);
    };
    inset(463, 1, 284, 124, 110);  // seats, tiles left, clock
    inset(463, 349, 284, 40, 110); // game options
    inset(1, 382, 460, 41, 70);    // status, last move, turn buttons
}

} // namespace client::style
