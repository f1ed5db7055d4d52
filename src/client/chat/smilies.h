#pragma once
// The chat's smiley pictures: eighteen small faces in different moods, drawn rather than loaded. In
// chat text a smiley is written ":)#" and a two-digit code, 10 to 27.

#include <QImage>
#include <QString>
#include <QStringView>

namespace client::smilies {

inline constexpr int kCount = 18;
inline constexpr int kFirstCode = 10;
inline constexpr int kWidth = 17;
inline constexpr int kHeight = 16;
inline const QString kMarker = QStringLiteral(":)#");

// The picture of smiley `index` (0 to 17); any other index gives the first.
QImage picture(int index);
// The text that stands for smiley `index`: ":)#10" ... ":)#27".
QString code(int index);
// The smiley a code's two characters select: code - 10 when they are a number from 10 to 27, else 0.
int indexOf(QStringView digits);

} // namespace client::smilies
