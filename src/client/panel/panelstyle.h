#pragma once
// Small helpers that give the controls on the game panel their look.

#include <QColor>
#include <QString>

class QLabel;
class QPainter;
class QRect;
class QWidget;

namespace client::style {

// A label in the panel's text colour; `pixelSize` 0 keeps the default size. A line too long for
// the label is drawn in a smaller font (see FittingLabel).
QLabel* label(QWidget* parent, const QString& name, const QString& text, int pixelSize = 12,
              bool bold = false);
void setTextColour(QLabel* label, const QColor& colour);

// The game panel's surface filling `panel` (the whole panel, at any factor): the backdrop with darker
// insets behind the groups of controls.
void paintPanelSurface(QPainter& p, const QRect& panel);

} // namespace client::style
