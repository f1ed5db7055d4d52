#pragma once
// Colours as text, the way chat lines and the settings file carry them: a standard colour by its name
// ("clBlack", "clRed" ...) or "$" and eight hexadecimal digits of the value 00BBGGRR.

#include <QColor>
#include <QString>

#include <optional>

namespace client {

QString colourToText(const QColor& colour);
// Names in any letter case, "$" and hexadecimal digits, or a decimal number of the 00BBGGRR value.
std::optional<QColor> colourFromText(const QString& text);

} // namespace client
