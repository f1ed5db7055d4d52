#pragma once
// Icons drawn by the program's own artwork the first time they are shown, rather than read from files
// or painted while the windows are being built.

#include <QIcon>
#include <QImage>

#include <functional>

namespace windows {

// An icon whose picture at each size is made by `make` when first asked for, and kept. `sizes` are
// the sizes it offers (empty: any size is asked for as it comes).
QIcon paintedIcon(std::function<QImage(const QSize&)> make, const QList<QSize>& sizes = {});

// An icon showing `image`, made when first shown, as an icon made from that picture shows it: never
// enlarged, made smaller to fit a smaller size.
QIcon imageIcon(std::function<QImage()> image);

// The program's icon for its windows, at the sizes a window's icon is shown at (16 to 128 pixels; the
// icon theme the install rules fill, from the same artwork, has larger ones for the launchers).
QIcon appIcon();

} // namespace windows
