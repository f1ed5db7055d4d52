#include "fittinglabel.h"

#include <QPainter>

#include <algorithm>

namespace client {

FittingLabel::FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QRect FittingLabel::room() const {
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (indent() > 0) {
        if (alignment() & Qt::AlignLeft) r.setLeft(r.left() + indent());
        if (alignment() & Qt::AlignRight) r.setRight(r.right() - indent());
    }
    return r;
}

bool FittingLabel::fits() const {
    return wordWrap() || text().isEmpty() || QFontMetrics(font()).horizontalAdvance(text()) <= room().width();
}

QFont FittingLabel::shownFont() const {
    if (fits()) return font();
    QFont f = font();
    const int width = QFontMetrics(f).horizontalAdvance(text());
    const bool pixels = f.pixelSize() > 0;
    const qreal size = pixels ? f.pixelSize() : f.pointSizeF();
    // The largest whole size that fits, but not below the least.
    const qreal least = size * kLeast;
    qreal s = std::max(least, std::floor(size * room().width() / width));
    for (;; s -= 1) {
        if (pixels)
            f.setPixelSize(std::max(1, int(s)));
        else
            f.setPointSizeF(std::max(1.0, s));
        if (s - 1 < least || QFontMetrics(f).horizontalAdvance(text()) <= room().width()) break;
    }
    return f;
}

QString FittingLabel::shownText() const {
    if (fits()) return text();
    return QFontMetrics(shownFont()).elidedText(text(), Qt::ElideRight, room().width());
}

void FittingLabel::paintEvent(QPaintEvent* e) {
    if (fits() || textFormat() == Qt::RichText) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(shownFont());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.drawText(room(), int(alignment()), shownText());
}

} // namespace client
