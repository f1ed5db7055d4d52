#include "paintedicon.h"

#include "artwork.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <map>
#include <memory>
#include <utility>

namespace windows {

namespace {

// Makes the icon's picture at the size asked for; the pictures are kept, shared by every copy.
class PaintedIconEngine : public QIconEngine {
public:
    using Maker = std::function<QImage(const QSize&)>;
    PaintedIconEngine(Maker make, QList<QSize> sizes)
        : make_(std::make_shared<Maker>(std::move(make))), sizes_(std::move(sizes)),
          pictures_(std::make_shared<Pictures>()) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const auto key = std::pair(size.width(), size.height());
        auto found = pictures_->find(key);
        if (found == pictures_->end())
            found = pictures_->emplace(key, QPixmap::fromImage((*make_)(size))).first;
        return found->second;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
    QIconEngine* clone() const override { return new PaintedIconEngine(*this); }
    QString key() const override { return QStringLiteral("rimbalo-painted"); }

private:
    using Pictures = std::map<std::pair<int, int>, QPixmap>;
    std::shared_ptr<Maker> make_;
    QList<QSize> sizes_;
    std::shared_ptr<Pictures> pictures_;
};

} // namespace

QIcon paintedIcon(std::function<QImage(const QSize&)> make, const QList<QSize>& sizes) {
    return QIcon(new PaintedIconEngine(std::move(make), sizes));
}

QIcon imageIcon(std::function<QImage()> image) {
    auto whole = std::make_shared<QImage>();
    return paintedIcon([image = std::move(image), whole](const QSize& size) {
        if (whole->isNull()) *whole = image();
        if (whole->width() <= size.width() && whole->height() <= size.height()) return *whole;
        return whole->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    });
}

QIcon appIcon() {
    QList<QSize> sizes;
    for (int side : {16, 22, 24, 32, 48, 64, 128})
        sizes << QSize(side, side);
    return paintedIcon(
        [](const QSize& size) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            {
                QPainter p(&image);
                glyphs::appIcon(p, QRectF(image.rect()));
            }
            return image;
        },
        sizes);
}

} // namespace windows
