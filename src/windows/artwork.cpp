#include "artwork.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace windows {

void paintBackdrop(QPainter& p, const QRect& area) {
    p.save();
    QLinearGradient g(area.topLeft(), area.bottomRight());
    g.setColorAt(0.0, QColor(28, 62, 78));
    g.setColorAt(1.0, QColor(14, 33, 44));
    p.fillRect(area, g);
    // A faint diamond weave, like a card table's cloth.
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = area.left() - area.height(); x < area.right(); x += 14) {
        p.drawLine(x, area.top(), x + area.height(), area.bottom());
        p.drawLine(x + area.height(), area.top(), x, area.bottom());
    }
    p.restore();
}

void paintInset(QPainter& p, const QRectF& area, int alpha) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(QColor(0, 0, 0, alpha));
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.restore();
}

PaintedImage::PaintedImage(const QString& name, Painter painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
}

void PaintedImage::setPainter(Painter painter) {
    painter_ = std::move(painter);
    update();
}

void PaintedImage::paintEvent(QPaintEvent*) {
    if (!painter_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    painter_(p, rect());
}

Plaque::Plaque(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void Plaque::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(40, 70, 110, 238));
    g.setColorAt(1, QColor(16, 32, 56, 238));
    p.setPen(QPen(palette::gold, 3));
    p.setBrush(g);
    p.drawRoundedRect(r, 12, 12);
}

ImageButton::ImageButton(const QString& name, const QString& caption, QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

QSize ImageButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 24 + (glyph_ ? 16 : 0), fm.height() + 10};
}

void ImageButton::enterEvent(QEnterEvent*) {
    hover_ = true;
    update();
}

void ImageButton::leaveEvent(QEvent*) {
    hover_ = false;
    update();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor base = isEnabled() ? base_ : QColor(90, 96, 100);
    if (hover_ && isEnabled()) base = base.lighter(118);
    const bool down = isDown() || isChecked();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, down ? base.darker(135) : base.lighter(150));
    g.setColorAt(0.5, down ? base.darker(115) : base);
    g.setColorAt(1.0, down ? base : base.darker(140));
    p.setPen(QPen(base.darker(200), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, down ? 30 : 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    const QColor ink = isEnabled() ? QColor(255, 255, 240) : QColor(170, 170, 170);
    QRectF content = r.adjusted(3, 2, -3, -2);
    if (down) content.translate(0, 1);
    if (glyph_) {
        // Three quarters of the height of a tall button (16 pixels in one 27 high), all of a low one's:
        // the glyph grows with the button.
        const qreal side = qMin(content.height(), qMax(16.0, content.height() * 16 / 22));
        if (text().isEmpty()) {
            const QRectF g2(content.center().x() - side / 2, content.center().y() - side / 2, side, side);
            glyph_(p, g2, ink);
            return;
        }
        glyph_(p, QRectF(content.left() + 2, content.center().y() - side / 2, side, side), ink);
        content.setLeft(content.left() + side + 4);
    }
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(content.translated(1, 1), Qt::AlignCenter, text());
    p.setPen(ink);
    p.drawText(content, Qt::AlignCenter, text());
}

namespace glyphs {

void eyes(QPainter& p, const QRectF& r) {
    p.save();
    const qreal w = r.width() / 2;
    for (int i = 0; i < 2; ++i) {
        const QRectF eye(r.left() + i * w + 0.5, r.top() + r.height() * 0.2, w - 1, r.height() * 0.6);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(eye);
        p.setBrush(QColor(40, 90, 160));
        p.setPen(Qt::NoPen);
        const qreal d = eye.height() * 0.62;
        p.drawEllipse(QPointF(eye.center().x() + d * 0.12, eye.center().y()), d / 2, d / 2);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(eye.center().x() + d * 0.12, eye.center().y()), d / 5, d / 5);
    }
    p.restore();
}

void sitout(QPainter& p, const QRectF& r) {
    p.save();
    // A small hourglass: the seat waits for the next round.
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.2, r.top() + 1);
    path.lineTo(r.right() - r.width() * 0.2, r.top() + 1);
    path.lineTo(r.center().x() + 1, r.center().y());
    path.lineTo(r.right() - r.width() * 0.2, r.bottom() - 1);
    path.lineTo(r.left() + r.width() * 0.2, r.bottom() - 1);
    path.lineTo(r.center().x() - 1, r.center().y());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 40, 10), 1));
    p.setBrush(QColor(230, 200, 120));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 110, 40));
    p.drawRect(QRectF(r.left() + r.width() * 0.15, r.top(), r.width() * 0.7, 1.5));
    p.drawRect(QRectF(r.left() + r.width() * 0.15, r.bottom() - 1.5, r.width() * 0.7, 1.5));
    p.restore();
}

void turnArrow(QPainter& p, const QRectF& r) {
    p.save();
    QPainterPath path;
    path.moveTo(r.left() + 1, r.top() + r.height() * 0.3);
    path.lineTo(r.center().x(), r.top() + r.height() * 0.3);
    path.lineTo(r.center().x(), r.top() + 1);
    path.lineTo(r.right() - 1, r.center().y());
    path.lineTo(r.center().x(), r.bottom() - 1);
    path.lineTo(r.center().x(), r.bottom() - r.height() * 0.3);
    path.lineTo(r.left() + 1, r.bottom() - r.height() * 0.3);
    path.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 230, 120));
    g.setColorAt(1, QColor(220, 150, 20));
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void teamFlag(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 70));
    p.drawRect(QRectF(r.left() + 2, r.top() + 1, (r.width() - 3) / 2, r.height() * 0.6));
    p.setBrush(QColor(150, 95, 45));
    p.drawRect(
        QRectF(r.left() + 2 + (r.width() - 3) / 2, r.top() + 1, (r.width() - 3) / 2, r.height() * 0.6));
    p.setPen(QPen(QColor(230, 230, 230), 1.2));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 1), QPointF(r.left() + 1.5, r.bottom()));
    p.restore();
}

void pauseBars(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal w = r.width() * 0.3;
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.12, r.top(), w, r.height()), 1.5, 1.5);
    p.drawRoundedRect(QRectF(r.right() - r.width() * 0.12 - w, r.top(), w, r.height()), 1.5, 1.5);
    p.restore();
}

void playTriangle(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.2, r.top());
    path.lineTo(r.right(), r.center().y());
    path.lineTo(r.left() + r.width() * 0.2, r.bottom());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void sortNumbers(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(r.height() * 0.62));
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("123"));
    p.restore();
}

void sortSuits(QPainter& p, const QRectF& r, const QColor&) {
    p.save();
    const QColor colours[4] = {QColor(60, 170, 70), QColor(245, 150, 40), QColor(230, 60, 60),
                               QColor(20, 20, 20)};
    const qreal d = r.width() / 2.2;
    for (int i = 0; i < 4; ++i) {
        const QPointF c(r.left() + d * 0.6 + (i % 2) * d, r.top() + d * 0.6 + (i / 2) * d);
        p.setPen(QPen(QColor(255, 255, 255, 160), 0.8));
        p.setBrush(colours[i]);
        p.drawEllipse(c, d * 0.42, d * 0.42);
    }
    p.restore();
}

void logLines(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + 2 + i * (r.height() - 4) / 3;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - (i == 3 ? r.width() * 0.35 : 2), y));
    }
    p.restore();
}

void smiley(QPainter& p, const QRectF& r) {
    p.save();
    const QRectF face = r.adjusted(1, 1, -1, -1);
    QRadialGradient g(face.center() - QPointF(face.width() / 5, face.height() / 5), face.width() * 0.7);
    g.setColorAt(0, QColor(255, 245, 140));
    g.setColorAt(1, QColor(235, 185, 30));
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(g);
    p.drawEllipse(face);
    p.setBrush(QColor(60, 40, 0));
    p.setPen(Qt::NoPen);
    const qreal e = face.width() / 12;
    p.drawEllipse(QPointF(face.left() + face.width() * 0.35, face.top() + face.height() * 0.38), e, e * 1.4);
    p.drawEllipse(QPointF(face.left() + face.width() * 0.65, face.top() + face.height() * 0.38), e, e * 1.4);
    p.setPen(QPen(QColor(60, 40, 0), qMax(1.0, face.width() / 12), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(
        face.adjusted(face.width() * 0.25, face.height() * 0.3, -face.width() * 0.25, -face.height() * 0.18),
        200 * 16, 140 * 16);
    p.restore();
}

void speech(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    QPainterPath path;
    path.addRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.72), 3, 3);
    path.moveTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.7);
    path.lineTo(r.left() + r.width() * 0.2, r.bottom());
    path.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path.simplified());
    p.restore();
}

void cross(QPainter& p, const QRectF& r, const QColor& colour) {
    p.save();
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft() + QPointF(2, 2), r.bottomRight() - QPointF(2, 2));
    p.drawLine(r.topRight() + QPointF(-2, 2), r.bottomLeft() + QPointF(2, -2));
    p.restore();
}

void logo(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Three overlapping tiles, fanned.
    const QColor suits[3] = {QColor(40, 140, 60), QColor(230, 130, 30), QColor(210, 40, 40)};
    const qreal tw = r.height() * 0.55;
    const qreal th = r.height() * 0.8;
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(r.left() + r.height() * 0.45 + i * tw * 0.45, r.center().y() + th * 0.1);
        p.rotate(-15 + i * 15);
        const QRectF tile(-tw / 2, -th / 2, tw, th);
        p.setPen(QPen(QColor(90, 80, 60), 1));
        p.setBrush(QColor(239, 239, 214));
        p.drawRoundedRect(tile, 3, 3);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(static_cast<int>(th * 0.45));
        p.setFont(f);
        p.setPen(suits[i]);
        // The number sits in the tile's top corner, where the fan leaves it in view.
        p.drawText(tile.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(7 + i));
        p.restore();
    }
    p.restore();
}

void appIcon(QPainter& p, const QRectF& square) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(square.width(), square.height());
    p.translate(square.center().x() - side / 2, square.center().y() - side / 2);
    const qreal frame = side * 0.05;
    p.setPen(QPen(palette::wood, frame));
    p.setBrush(palette::felt);
    p.drawRoundedRect(QRectF(0, 0, side, side).adjusted(frame, frame, -frame, -frame), side * 0.16,
                      side * 0.16);
    // The logo is drawn at the height it has in the about box and scaled, so its outlines and numbers
    // keep their proportions. Its tiles span 0.08 to 1.31 of that height across and are centred 0.08
    // below the middle.
    constexpr qreal kLogoHeight = 48;
    const qreal scale = side * 0.70 / kLogoHeight;
    p.translate(side / 2, side / 2);
    p.scale(scale, scale);
    logo(p, QRectF(-0.6975 * kLogoHeight, -0.58 * kLogoHeight, 1.5 * kLogoHeight, kLogoHeight));
    p.restore();
}

} // namespace glyphs

} // namespace windows
