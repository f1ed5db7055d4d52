#pragma once
// The texts of the help window's topics (rich text).

#include <QString>

namespace windows::helptext {
QString overview();
QString connecting();
QString gamePlay();
QString scoring();
QString documentation(const QString& version);
QString lobby();
} // namespace windows::helptext
