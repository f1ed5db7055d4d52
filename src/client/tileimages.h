#pragma once
// The tile pictures: a small one per tile code for the board and the tile in hand, a large one for the
// rack. The built-in pictures are painted once per size and device pixel ratio into images and blitted
// from then on; a tile set loaded from the tile folder replaces both lists.

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QRectF;

namespace client {

class TileImages {
public:
    static constexpr int kSmallWidth = 20;
    static constexpr int kSmallHeight = 30;
    static constexpr int kBigWidth = 40;
    static constexpr int kBigHeight = 60;
    static constexpr int kMoveFrame = 54; // small picture: a red frame drawn over a cell
    static constexpr int kBuiltInSmall = 55;
    static constexpr int kBuiltInBig = 54;
    static constexpr int kLoadedSmall = 56;
    static constexpr int kLoadedBig = 55;

    // The folder of tile sets, "rimbalotiles" beside the program.
    static QString folder();
    // The set names found in the folder: each "*.bmp" file's name up to its first ".".
    static QStringList setNames();

    enum class Load { Loaded, Missing, Unreadable };
    // Replaces both lists from "<folder>/<name>.bmp". A missing file changes nothing; so does a file
    // that is not a readable image (the caller says so to the player).
    Load loadtile(const QString& name);

    bool builtIn() const { return small_.empty(); }
    int smallCount() const { return builtIn() ? kBuiltInSmall : static_cast<int>(small_.size()); }
    int bigCount() const { return builtIn() ? kBuiltInBig : static_cast<int>(big_.size()); }

    // Draw picture `index` scaled into `target`. Index 0 and indexes past the list draw nothing. At the
    // picture's own size, on whole pixels of the painter's device, the picture is blitted from its
    // image; at other sizes a built-in picture is painted from its outlines, crisp at any scale.
    void drawSmall(QPainter& p, const QRectF& target, int index) const;
    void drawBig(QPainter& p, const QRectF& target, int index) const;
    // Picture `index` at its own size, with a transparent background.
    QImage smallImage(int index) const;
    QImage bigImage(int index) const;

    // How many built-in pictures have been painted into images so far (each once per pixel ratio).
    int paintedPictures() const { return paintedPictures_; }

    // The built-in artwork: a cream tile with the number over the suit symbol, or the joker.
    static void paintTile(QPainter& p, const QRectF& r, int code);
    static void paintMoveFrame(QPainter& p, const QRectF& r);

private:
    void draw(QPainter& p, const QRectF& target, int index, bool big) const;
    // The built-in picture `index` painted at `dpr`, made on its first use; null when `dpr` does not
    // give the picture a whole number of pixels (it is then painted from its outlines each time).
    const QImage& builtInImage(int index, bool big, qreal dpr) const;
    static void paintBuiltIn(QPainter& p, const QRectF& r, int index, bool big);

    std::vector<QImage> small_; // empty while the built-in pictures are in force
    std::vector<QImage> big_;
    // The built-in pictures per device pixel ratio: small ones at 0..54, large ones after them.
    struct Painted {
        qreal dpr;
        std::vector<QImage> images;
    };
    mutable std::vector<Painted> painted_;
    mutable int paintedPictures_ = 0;
};

} // namespace client
