#include "tileimages.h"

#include "client/settings/filelocations.h"

#include "rules/tiles.h"
#include "windows/artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace client {

namespace {

// Green, orange, red and black, by suit.
const QColor kClassicSuits[] = {{0, 128, 48}, {232, 118, 0}, {204, 20, 30}, {24, 24, 24}};
// Chosen so that the smallest colour difference (CIEDE2000) between two suits stays above 15 under
// simulated deuteranopia, protanopia and tritanopia and in greyscale: a dark green, an amber, a
// raspberry red and black, four clearly different lightnesses on a white tile.
const QColor kHighContrastSuits[] = {{7, 78, 33}, {230, 141, 26}, {208, 50, 117}, {8, 8, 8}};

QString numberText(int code) {
    switch (rules::tilenumber(code)) {
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rules::tilenumber(code));
    }
}

// `path` scaled (keeping its shape) to fill `box` and centred in it.
QPainterPath fitted(const QPainterPath& path, const QRectF& box) {
    const QRectF b = path.boundingRect();
    if (b.isEmpty()) return path;
    const qreal scale = qMin(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

QPainterPath textPath(const QString& text) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(40);
    QPainterPath path;
    path.addText(0, 0, f, text);
    return path;
}

// The suit symbol in a unit box: circles and triangles joined into one outline.
QPainterPath suitPath(int suit) {
    QPainterPath s;
    auto add = [&s](const QPainterPath& piece) { s = s.isEmpty() ? piece : s.united(piece); };
    auto circle = [&add](qreal x, qreal y, qreal r) {
        QPainterPath c;
        c.addEllipse(QPointF(x, y), r, r);
        add(c);
    };
    auto triangle = [&add](QPointF a, QPointF b, QPointF c) {
        QPainterPath t;
        t.addPolygon(QPolygonF({a, b, c, a}));
        add(t);
    };
    switch (suit) {
    case 1: // clubs
        circle(0.5, 0.26, 0.22);
        circle(0.25, 0.58, 0.22);
        circle(0.75, 0.58, 0.22);
        triangle({0.5, 0.45}, {0.3, 1.0}, {0.7, 1.0});
        break;
    case 2: // diamonds
        s.addPolygon(QPolygonF({{0.5, 0.0}, {0.88, 0.5}, {0.5, 1.0}, {0.12, 0.5}, {0.5, 0.0}}));
        break;
    case 3: // hearts
        circle(0.28, 0.3, 0.26);
        circle(0.72, 0.3, 0.26);
        triangle({0.04, 0.4}, {0.96, 0.4}, {0.5, 0.98});
        break;
    default: // spades
        circle(0.28, 0.6, 0.24);
        circle(0.72, 0.6, 0.24);
        triangle({0.05, 0.52}, {0.95, 0.52}, {0.5, 0.0});
        triangle({0.5, 0.6}, {0.3, 1.0}, {0.7, 1.0});
        break;
    }
    return s;
}

bool isWhole(qreal v) {
    return qAbs(v - qRound(v)) < 1e-6;
}

// Whether `at`, in the painter's coordinates, falls on a whole pixel of its device and nothing but a
// move lies between the two.
bool onWholePixels(const QPainter& p, const QPointF& at) {
    const QTransform& t = p.transform();
    if (t.type() > QTransform::TxTranslate) return false;
    const QPointF device = t.map(at) * p.device()->devicePixelRatioF();
    return isWhole(device.x()) && isWhole(device.y());
}

void paintFace(QPainter& p, const QRectF& face, TileImages::Look look) {
    const qreal radius = face.width() * 0.14;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(face.translated(1, 1), radius, radius);
    if (look == TileImages::Look::HighContrast) {
        // Plain white with a dark edge, so the tile stands out from the felt in any vision.
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(40, 40, 40), 1));
    } else {
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0, QColor(249, 249, 232));
        g.setColorAt(1, QColor(228, 228, 198));
        p.setBrush(g);
        p.setPen(QPen(QColor(130, 120, 90), 1));
    }
    p.drawRoundedRect(face, radius, radius);
}

} // namespace

QString TileImages::folder() {
    return QDir(FileLocations::programFolder()).filePath(QStringLiteral("rimbalotiles"));
}

QStringList TileImages::setNames() {
    const QDir dir(folder());
    const QStringList files =
        dir.entryList({QStringLiteral("*.bmp")}, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    QStringList names;
    for (const QString& file : files) {
        // Each set is found again by its name, so a name is listed once.
        const QString name = file.section(QLatin1Char('.'), 0, 0);
        if (!name.isEmpty() && !names.contains(name)) names << name;
    }
    return names;
}

QColor TileImages::suitColour(int suit, Look look) {
    if (suit < 1 || suit > 4) return Qt::black;
    return (look == Look::HighContrast ? kHighContrastSuits : kClassicSuits)[suit - 1];
}

QColor TileImages::moveFrameColour(Look look) {
    // Magenta keeps its distance from white tiles, cream and the green felt in every simulated kind of
    // colour blindness; the classic red fades into the felt for a protanope.
    return look == Look::HighContrast ? QColor(255, 0, 255) : QColor(255, 0, 0);
}

QColor TileImages::badSetColour(Look look) {
    return look == Look::HighContrast ? QColor(0, 0, 0) : QColor(255, 170, 0);
}

QColor TileImages::badSetGapColour(Look look) {
    return look == Look::HighContrast ? QColor(255, 230, 0) : QColor(Qt::transparent);
}

void TileImages::useBuiltIn(Look look) {
    look_ = look;
    made_.clear();
    small_.clear();
    big_.clear();
}

TileImages::Load TileImages::loadtile(const QString& name) {
    if (name == highContrastName()) {
        useBuiltIn(Look::HighContrast);
        return Load::Loaded;
    }
    const QString path = QDir(folder()).filePath(name + QStringLiteral(".bmp"));
    if (name.isEmpty() || !QFileInfo(path).isFile()) return Load::Missing;
    QImageReader reader(path);
    QImage sheet = reader.read();
    if (sheet.isNull()) return Load::Unreadable;
    sheet = sheet.convertToFormat(QImage::Format_ARGB32);
    // Pure white is transparent.
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x)
            if ((line[x] & 0xffffffu) == 0xffffffu) line[x] = 0;
    }
    // Every pixel is now opaque or clear, so this changes none; it is the format blitted fastest.
    sheet = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Blocks past the sheet's edge come out transparent.
    made_.clear();
    small_.clear();
    big_.clear();
    for (int i = 0; i < kLoadedSmall; ++i) {
        small_.push_back(sheet.copy(kSmallWidth * i, 0, kSmallWidth, kSmallHeight));
        if (i < kLoadedBig)
            big_.push_back(sheet.copy(kBigWidth * i, 31, kBigWidth, kBigHeight - 1)
                               .scaled(kBigWidth, kBigHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return Load::Loaded;
}

void TileImages::draw(QPainter& p, const QRectF& target, int index, bool big) const {
    // Only tiles and (small) the move frame are ever drawn; the blank and the spare blocks are not.
    const int last = big ? rules::kJoker : kMoveFrame;
    if (index < 1 || index > last) return;
    if (onWholePixels(p, target.topLeft())) {
        const QImage& made = image(index, big, target.size(), p.device()->devicePixelRatioF());
        if (!made.isNull()) {
            p.drawImage(target.topLeft(), made);
            return;
        }
    }
    paintPicture(p, target, index, big);
}

const QImage& TileImages::image(int index, bool big, const QSizeF& size, qreal dpr) const {
    static const QImage none;
    if (size.isEmpty() || !isWhole(size.width() * dpr) || !isWhole(size.height() * dpr)) return none;
    // The built-in pictures are the same in both lists.
    const bool list = big && !builtIn();
    auto made = std::find_if(made_.begin(), made_.end(), [&](const Made& m) {
        return m.big == list && m.size == size && qFuzzyCompare(m.dpr, dpr);
    });
    if (made == made_.end()) {
        if (made_.size() >= kSizesKept) made_.pop_back();
        made = made_.insert(made_.begin(), {list, size, dpr, std::vector<QImage>(kBuiltInSmall + 1)});
    } else if (made != made_.begin()) {
        std::rotate(made_.begin(), made, made + 1);
        made = made_.begin();
    }
    QImage& image = made->images[static_cast<std::size_t>(index)];
    if (image.isNull()) {
        image = QImage(qRound(size.width() * dpr), qRound(size.height() * dpr),
                       QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        paintPicture(p, QRectF(QPointF(0, 0), size), index, big);
        ++paintedPictures_;
    }
    return image;
}

QImage TileImages::cachedImage(int index, bool big, const QSizeF& size, qreal dpr) const {
    return image(index, big, size, dpr);
}

void TileImages::paintPicture(QPainter& p, const QRectF& r, int index, bool big) const {
    if (!builtIn()) {
        const QImage& loaded = (big ? big_ : small_)[static_cast<std::size_t>(index)];
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, r.size() != QSizeF(loaded.size()));
        p.drawImage(r, loaded);
        p.restore();
    } else if (!big && index == kMoveFrame) {
        paintMoveFrame(p, r, look_);
    } else {
        paintTile(p, r, index, look_);
    }
}

void TileImages::drawSmall(QPainter& p, const QRectF& target, int index) const {
    draw(p, target, index, false);
}

void TileImages::drawBig(QPainter& p, const QRectF& target, int index) const {
    draw(p, target, index, true);
}

QImage TileImages::smallImage(int index) const {
    QImage image(kSmallWidth, kSmallHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawSmall(p, QRectF(0, 0, kSmallWidth, kSmallHeight), index);
    return image;
}

QImage TileImages::bigImage(int index) const {
    QImage image(kBigWidth, kBigHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawBig(p, QRectF(0, 0, kBigWidth, kBigHeight), index);
    return image;
}

void TileImages::paintTile(QPainter& p, const QRectF& r, int code, Look look) {
    if (!rules::isTile(code)) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // One pixel is left at the right and bottom for the shadow (on the board: the grid line).
    const QRectF face = r.adjusted(0.5, 0.5, -1.5, -1.5);
    paintFace(p, face, look);
    const qreal w = face.width();
    const qreal h = face.height();
    p.setPen(Qt::NoPen);
    if (code == rules::kJoker) {
        p.setBrush(QColor(150, 30, 120));
        const QRectF word(face.left() + w * 0.08, face.top() + h * 0.08, w * 0.84, h * 0.3);
        p.drawPath(fitted(textPath(QStringLiteral("JOKER")), word));
        const qreal d = qMin(w * 0.84, h * 0.5);
        windows::glyphs::smiley(p, QRectF(face.center().x() - d / 2, face.top() + h * 0.44, d, d));
    } else {
        p.setBrush(suitColour(rules::getsuit(code), look));
        // High contrast: a shorter number and a symbol a third larger.
        const bool large = look == Look::HighContrast;
        const QRectF number(face.left() + w * 0.1, face.top() + h * (large ? 0.05 : 0.08), w * 0.8,
                            h * (large ? 0.36 : 0.4));
        p.drawPath(fitted(textPath(numberText(code)), number));
        const qreal d = large ? qMin(w * 0.84, h * 0.5) : qMin(w * 0.62, h * 0.36);
        const QRectF symbol(face.center().x() - d / 2, face.top() + h * (large ? 0.46 : 0.56), d, d);
        p.drawPath(fitted(suitPath(rules::getsuit(code)), symbol));
    }
    p.restore();
}

void TileImages::paintMoveFrame(QPainter& p, const QRectF& r, Look look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // High contrast: twice as wide.
    const qreal width = qMax(1.0, r.width() / kSmallWidth) * (look == Look::HighContrast ? 2 : 1);
    p.setPen(QPen(moveFrameColour(look), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    p.restore();
}

} // namespace client
