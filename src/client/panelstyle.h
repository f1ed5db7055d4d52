#pragma once
// Small helpers that give the controls on the game panel their look.

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace client::style {

// A label in the panel's text colour; `pixelSize` 0 keeps the default size.
QLabel* label(QWidget* parent, const QString& name, const QString& text, int pixelSize = 12,
              bool bold = false);
void setTextColour(QLabel* label, const QColor& colour);

} // namespace client::style
