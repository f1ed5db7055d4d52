#pragma once
// Painted artwork shared by every window: the backdrop, image buttons and small painted pictures.
// Nothing is loaded from files; everything is drawn with QPainter and stays crisp at any scale.

#include <QAbstractButton>
#include <QColor>
#include <QWidget>

#include <functional>

class QPainter;

namespace windows {

namespace palette {
inline const QColor text{224, 227, 157};  // labels on the backdrop
inline const QColor cream{239, 240, 202}; // chat and rack areas
inline const QColor felt{58, 95, 57};     // the board surface
inline const QColor wood{150, 92, 44};    // the board frame
inline const QColor gold{236, 190, 72};   // highlights
} // namespace palette

// The dark backdrop behind the game surface and the dialogs.
void paintBackdrop(QPainter& p, const QRect& area);
// A rounded, slightly raised panel for groups of controls on the backdrop.
void paintInset(QPainter& p, const QRectF& area, int alpha = 110);

// A widget whose whole look is one paint function.
class PaintedImage : public QWidget {
public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    PaintedImage(const QString& name, Painter painter, QWidget* parent = nullptr);
    void setPainter(Painter painter);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Painter painter_;
};

// A framed plaque that floats over the board: banners and prompts.
class Plaque : public QWidget {
public:
    Plaque(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A rounded, shaded push button with a caption and an optional glyph painted before it.
class ImageButton : public QAbstractButton {
public:
    using Glyph = std::function<void(QPainter&, const QRectF&, const QColor&)>;
    ImageButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
    void setBaseColour(const QColor& colour) {
        base_ = colour;
        update();
    }
    void setGlyph(Glyph glyph) {
        glyph_ = std::move(glyph);
        update();
    }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QColor base_{64, 112, 150};
    Glyph glyph_;
    bool hover_ = false;
};

// Small pictures used on the seat rows and the board panel.
namespace glyphs {
void eyes(QPainter& p, const QRectF& r);
void sitout(QPainter& p, const QRectF& r);
void turnArrow(QPainter& p, const QRectF& r);
void teamFlag(QPainter& p, const QRectF& r);
void pauseBars(QPainter& p, const QRectF& r, const QColor& colour);
void playTriangle(QPainter& p, const QRectF& r, const QColor& colour);
void sortNumbers(QPainter& p, const QRectF& r, const QColor& colour);
void sortSuits(QPainter& p, const QRectF& r, const QColor& colour);
void logLines(QPainter& p, const QRectF& r, const QColor& colour);
void smiley(QPainter& p, const QRectF& r);
void speech(QPainter& p, const QRectF& r, const QColor& colour);
void cross(QPainter& p, const QRectF& r, const QColor& colour);
void logo(QPainter& p, const QRectF& r);
// The program's icon: the logo's fanned tiles on a framed square of board felt, the same picture at
// every size (the lines and letters grow with it).
void appIcon(QPainter& p, const QRectF& square);
} // namespace glyphs

} // namespace windows
