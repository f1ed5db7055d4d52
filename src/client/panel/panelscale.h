#pragma once
// The game panel grows with the window: every control keeps its place and size of the base layout
// (the smallest window) multiplied by one factor, fonts included. The factor goes in steps of a tenth,
// so a board cell (20 x 30 at the base) and a tile are always a whole number of pixels and their
// pictures are copied to the screen pixel for pixel.

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

namespace client::scale {

// The base layout: the panel, and the margin the window keeps around it.
constexpr QSize kPanel(750, 520);
constexpr QSize kMargin(15, 12);

// The smallest factor: on a work area too small for the base layout the panel shrinks in tenths
// down to this one.
constexpr qreal kLeast = 0.7;

// The largest factor (1, 1.1, 1.2 ...) at which the panel and its margin fit in `area`, and never
// less than `least`.
qreal fitting(const QSize& area, qreal least = 1);
// The factor, in tenths from 1 down to kLeast, at which the panel and its margin fit in `room`
// (the work area less the window's frame and menu bar); kLeast when none does.
qreal least(const QSize& room);
int px(int base, qreal factor);
// `base` at `factor`, rounded edge by edge so that neighbours stay neighbours.
QRect rect(const QRect& base, qreal factor);

// The factor of the game panel that holds `w` (1 outside one).
qreal factor(const QWidget* w);
// Marks `panel` as the game panel shown at `factor`.
void setPanelFactor(QWidget* panel, qreal factor);

// Places `w` at `base` times its panel's factor; `base` is kept for later changes of the factor.
void place(QWidget* w, const QRect& base);
// Gives `w` the font `base`, sized by its panel's factor; kept likewise.
void setFont(QWidget* w, const QFont& base);

// Takes the present geometry and font of every control below `root` as its base, once: controls that
// a layout, a scroll area or their owner places are left to them (their fonts are taken all the same).
void record(QWidget* root);
// The owner places `w` itself when the factor changes: the recording leaves its geometry alone.
void placedByOwner(QWidget* w);
// Shows every recorded control below `root` at the factor of its panel.
void apply(QWidget* root);

} // namespace client::scale
