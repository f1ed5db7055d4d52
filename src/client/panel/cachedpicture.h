#pragma once
// A picture that depends only on its size: painted once per size and device pixel ratio into an
// image, then copied to the screen a piece at a time.

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;
class QPoint;
class QRect;
class QSize;

namespace client {

class CachedPicture {
public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    // `opaque`: the painter covers every pixel, so nothing needs blending when the picture is copied.
    CachedPicture(Painter painter, bool opaque);

    // Copies the piece `source` of the picture, painted at `size` for the painter's device, to `at`.
    void draw(QPainter& p, const QPoint& at, const QRect& source, const QSize& size);
    // Forgets the image; the next draw paints it again.
    void invalidate() { image_ = QImage(); }
    // How many times the picture has been painted.
    int paintCount() const { return paints_; }

private:
    Painter painter_;
    bool opaque_;
    QImage image_;
    QSize size_;
    int paints_ = 0;
};

// An opaque widget showing a cached picture: at each exposed point, the picture's point moved by
// `offset`; then whatever the widget paints over it.
class PictureWidget : public QWidget {
public:
    // Its own picture, at the widget's size.
    PictureWidget(CachedPicture::Painter painter, QWidget* parent);
    // A picture of `pictureSize` shared with other widgets.
    PictureWidget(CachedPicture* shared, const QSize& pictureSize, const QPoint& offset, QWidget* parent);
    // The shared picture is now shown at `pictureSize`, moved by `offset`.
    void setPicturePlace(const QSize& pictureSize, const QPoint& offset) {
        pictureSize_ = pictureSize;
        offset_ = offset;
        update();
    }

protected:
    void paintEvent(QPaintEvent* e) override;
    virtual void paintOver(QPainter&, const QRect& /*exposed*/) {}

private:
    std::unique_ptr<CachedPicture> own_;
    CachedPicture* picture_;
    QSize pictureSize_; // empty: the widget's size
    QPoint offset_;
};

} // namespace client
