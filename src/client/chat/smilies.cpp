#include "smilies.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace client::smilies {

namespace {

enum class Eyes { Dots, Wink, Happy, Wide, Shades, Hearts, Closed, Angry };
enum class Mouth { Smile, Grin, Frown, Open, Flat, Tongue, Wavy, Small };

struct Mood {
    Eyes eyes;
    Mouth mouth;
    QColor face;
    bool blush = false;
    bool tear = false;
};

const QColor kYellow(255, 214, 60);
const QColor kOrange(250, 170, 50);
const QColor kRed(235, 90, 60);
const QColor kGreen(150, 210, 90);
const QColor kBlue(130, 180, 240);
const QColor kInk(60, 35, 0);

const std::array<Mood, kCount> kMoods = {{
    {Eyes::Dots, Mouth::Smile, kYellow},
    {Eyes::Happy, Mouth::Grin, kYellow},
    {Eyes::Wink, Mouth::Smile, kYellow},
    {Eyes::Dots, Mouth::Frown, kYellow},
    {Eyes::Wide, Mouth::Open, kYellow},
    {Eyes::Dots, Mouth::Tongue, kYellow},
    {Eyes::Shades, Mouth::Smile, kYellow},
    {Eyes::Hearts, Mouth::Smile, kYellow, true},
    {Eyes::Closed, Mouth::Small, kYellow, true},
    {Eyes::Angry, Mouth::Frown, kRed},
    {Eyes::Dots, Mouth::Flat, kYellow},
    {Eyes::Dots, Mouth::Frown, kBlue, false, true},
    {Eyes::Wide, Mouth::Wavy, kGreen},
    {Eyes::Happy, Mouth::Open, kOrange},
    {Eyes::Closed, Mouth::Flat, kYellow},
    {Eyes::Wink, Mouth::Tongue, kOrange},
    {Eyes::Angry, Mouth::Grin, kOrange},
    {Eyes::Happy, Mouth::Smile, kYellow, true},
}};

void heart(QPainter& p, QPointF c, qreal s) {
    QPainterPath path;
    path.moveTo(c + QPointF(0, s));
    path.cubicTo(c + QPointF(-2 * s, -0.2 * s), c + QPointF(-0.8 * s, -1.6 * s), c + QPointF(0, -0.5 * s));
    path.cubicTo(c + QPointF(0.8 * s, -1.6 * s), c + QPointF(2 * s, -0.2 * s), c + QPointF(0, s));
    p.fillPath(path, QColor(220, 30, 60));
}

void drawEyes(QPainter& p, Eyes eyes) {
    const QPointF left(5.7, 6.2);
    const QPointF right(11.3, 6.2);
    const QPen line(kInk, 1.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    switch (eyes) {
    case Eyes::Dots:
        p.drawEllipse(left, 1.1, 1.5);
        p.drawEllipse(right, 1.1, 1.5);
        break;
    case Eyes::Wink:
        p.drawEllipse(left, 1.1, 1.5);
        p.setPen(line);
        p.drawLine(right + QPointF(-1.4, 0.3), right + QPointF(1.4, 0.3));
        break;
    case Eyes::Happy:
    case Eyes::Closed: {
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        const int start = eyes == Eyes::Happy ? 0 : 180 * 16;
        p.drawArc(QRectF(left - QPointF(1.6, 1.2), QSizeF(3.2, 2.6)), start, 180 * 16);
        p.drawArc(QRectF(right - QPointF(1.6, 1.2), QSizeF(3.2, 2.6)), start, 180 * 16);
        break;
    }
    case Eyes::Wide:
        p.setBrush(Qt::white);
        p.setPen(QPen(kInk, 0.8));
        p.drawEllipse(left, 1.9, 2.2);
        p.drawEllipse(right, 1.9, 2.2);
        p.setBrush(kInk);
        p.drawEllipse(left, 0.9, 0.9);
        p.drawEllipse(right, 0.9, 0.9);
        break;
    case Eyes::Shades:
        p.setBrush(QColor(20, 20, 30));
        p.drawRoundedRect(QRectF(2.6, 4.6, 5.2, 3.2), 1.2, 1.2);
        p.drawRoundedRect(QRectF(9.2, 4.6, 5.2, 3.2), 1.2, 1.2);
        p.setPen(QPen(QColor(20, 20, 30), 1));
        p.drawLine(QPointF(7.8, 5.4), QPointF(9.2, 5.4));
        break;
    case Eyes::Hearts:
        heart(p, left, 1.5);
        heart(p, right, 1.5);
        break;
    case Eyes::Angry:
        p.drawEllipse(left + QPointF(0, 0.6), 1.0, 1.1);
        p.drawEllipse(right + QPointF(0, 0.6), 1.0, 1.1);
        p.setPen(line);
        p.drawLine(QPointF(3.8, 3.6), QPointF(7.2, 5.0));
        p.drawLine(QPointF(13.2, 3.6), QPointF(9.8, 5.0));
        break;
    }
}

void drawMouth(QPainter& p, Mouth mouth) {
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    switch (mouth) {
    case Mouth::Smile:
        p.drawArc(QRectF(4.5, 6.0, 8, 5.5), 200 * 16, 140 * 16);
        break;
    case Mouth::Small:
        p.drawArc(QRectF(6.5, 8.5, 4, 3), 200 * 16, 140 * 16);
        break;
    case Mouth::Grin:
    case Mouth::Tongue: {
        QPainterPath path;
        path.moveTo(4.4, 9.2);
        path.lineTo(12.6, 9.2);
        path.cubicTo(12.2, 14.2, 4.8, 14.2, 4.4, 9.2);
        p.setBrush(mouth == Mouth::Grin ? QColor(Qt::white) : QColor(120, 20, 20));
        p.drawPath(path);
        if (mouth == Mouth::Tongue) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(240, 110, 130));
            p.drawEllipse(QPointF(9.6, 12.0), 1.8, 1.4);
        }
        break;
    }
    case Mouth::Frown:
        p.drawArc(QRectF(4.8, 10.0, 7.4, 5), 30 * 16, 120 * 16);
        break;
    case Mouth::Open:
        p.setBrush(QColor(120, 20, 20));
        p.drawEllipse(QPointF(8.5, 11.4), 1.8, 2.2);
        break;
    case Mouth::Flat:
        p.drawLine(QPointF(5.5, 11.2), QPointF(11.5, 11.2));
        break;
    case Mouth::Wavy: {
        QPainterPath path;
        path.moveTo(4.8, 11.4);
        path.cubicTo(6.2, 9.8, 7.2, 13.0, 8.5, 11.4);
        path.cubicTo(9.8, 9.8, 10.8, 13.0, 12.2, 11.4);
        p.drawPath(path);
        break;
    }
    }
}

} // namespace

QImage picture(int index) {
    if (index < 0 || index >= kCount) index = 0;
    const Mood& mood = kMoods[static_cast<std::size_t>(index)];
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(6.5, 5), 10);
    shade.setColorAt(0, mood.face.lighter(135));
    shade.setColorAt(1, mood.face.darker(115));
    p.setPen(QPen(mood.face.darker(190), 0.9));
    p.setBrush(shade);
    p.drawEllipse(QRectF(1, 0.5, 15, 15));
    if (mood.blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 120, 120, 140));
        p.drawEllipse(QPointF(3.8, 9.4), 1.6, 1.0);
        p.drawEllipse(QPointF(13.2, 9.4), 1.6, 1.0);
    }
    drawEyes(p, mood.eyes);
    drawMouth(p, mood.mouth);
    if (mood.tear) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 140, 255));
        p.drawEllipse(QPointF(4.8, 9.6), 0.9, 1.4);
    }
    return image;
}

QString code(int index) {
    return kMarker + QString::number(kFirstCode + index);
}

int indexOf(QStringView digits) {
    if (digits.size() != 2 || !digits[0].isDigit() || !digits[1].isDigit()) return 0;
    const int n = digits.toInt();
    return n >= kFirstCode && n < kFirstCode + kCount ? n - kFirstCode : 0;
}

} // namespace client::smilies
