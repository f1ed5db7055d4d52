#include "cachedpicture.h"

#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace client {

CachedPicture::CachedPicture(Painter painter, bool opaque) : painter_(std::move(painter)), opaque_(opaque) {}

void CachedPicture::draw(QPainter& p, const QPoint& at, const QRect& source, const QSize& size) {
    const qreal dpr = p.device()->devicePixelRatioF();
    if (image_.isNull() || size_ != size || !qFuzzyCompare(image_.devicePixelRatio(), dpr)) {
        size_ = size;
        image_ = QImage(static_cast<int>(std::ceil(size.width() * dpr)),
                        static_cast<int>(std::ceil(size.height() * dpr)),
                        opaque_ ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(dpr);
        image_.fill(Qt::transparent);
        QPainter ip(&image_);
        painter_(ip, QRect(QPoint(0, 0), size));
        ++paints_;
    }
    const QRect piece = source & QRect(QPoint(0, 0), size);
    if (piece.isEmpty()) return;
    p.drawImage(QRectF(at + (piece.topLeft() - source.topLeft()), piece.size()), image_,
                QRectF(piece.x() * dpr, piece.y() * dpr, piece.width() * dpr, piece.height() * dpr));
}

PictureWidget::PictureWidget(CachedPicture::Painter painter, QWidget* parent)
    : QWidget(parent), own_(std::make_unique<CachedPicture>(std::move(painter), true)), picture_(own_.get()) {
    // Every pixel is painted, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureWidget::PictureWidget(CachedPicture* shared, const QSize& pictureSize, const QPoint& offset,
                             QWidget* parent)
    : QWidget(parent), picture_(shared), pictureSize_(pictureSize), offset_(offset) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QSize size = pictureSize_.isEmpty() ? this->size() : pictureSize_;
    for (const QRect& r : e->region())
        picture_->draw(p, r.topLeft(), r.translated(offset_), size);
    paintOver(p, e->rect());
}

} // namespace client
