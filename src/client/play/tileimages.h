#pragma once
// The tile pictures: a small one per tile code for the board and the tile in hand, a large one for the
// rack. The built-in pictures are painted once per size and device pixel ratio into images and blitted
// from then on; a tile set loaded from the tile folder replaces both lists.

#include <QColor>
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

    // The painted looks: the classic cream tiles, or white tiles with larger symbols whose four suit
    // colours stay apart for every common kind of colour blindness and in greyscale.
    enum class Look { Classic, HighContrast };
    // The name the high-contrast look is remembered by in the settings: a name no tile set file can
    // have on any system ("*" is not allowed in a Windows file name, and files are never listed so).
    static QString highContrastName() { return QStringLiteral("*high-contrast"); }

    // The folder of tile sets, "rimbalotiles" beside the program.
    static QString folder();
    // The set names found in the folder: each "*.bmp" file's name up to its first ".".
    static QStringList setNames();

    enum class Load { Loaded, Missing, Unreadable };
    // Replaces both lists from "<folder>/<name>.bmp". A missing file changes nothing; so does a file
    // that is not a readable image (the caller says so to the player).
    // The high-contrast name is not a file: it switches to that painted look.
    Load loadtile(const QString& name);
    // Drops a loaded set and paints the tiles in `look`.
    void useBuiltIn(Look look);
    Look look() const { return look_; }

    bool builtIn() const { return small_.empty(); }
    int smallCount() const { return builtIn() ? kBuiltInSmall : static_cast<int>(small_.size()); }
    int bigCount() const { return builtIn() ? kBuiltInBig : static_cast<int>(big_.size()); }

    // Draw picture `index` scaled into `target`. Index 0 and indexes past the list draw nothing. On whole
    // pixels of the painter's device the picture is blitted from an image made for that size and pixel
    // ratio on its first use (a built-in one painted from its outlines, crisp at any scale; a loaded one
    // scaled smoothly once); elsewhere it is drawn into the target directly.
    void drawSmall(QPainter& p, const QRectF& target, int index) const;
    void drawBig(QPainter& p, const QRectF& target, int index) const;
    // Picture `index` at its own size, with a transparent background.
    QImage smallImage(int index) const;
    QImage bigImage(int index) const;

    // How many pictures have been made into images so far (each once per size and pixel ratio).
    int paintedPictures() const { return paintedPictures_; }
    // The image that picture `index` is blitted from at `size` on a device of pixel ratio `dpr` (made
    // now if need be); a null image when it would not be blitted at that size.
    QImage cachedImage(int index, bool big, const QSizeF& size, qreal dpr) const;

    // The built-in artwork: a tile with the number over the suit symbol, or the joker.
    static void paintTile(QPainter& p, const QRectF& r, int code, Look look = Look::Classic);
    static void paintMoveFrame(QPainter& p, const QRectF& r, Look look = Look::Classic);
    // The colours of the marks drawn over the board: the frame around the last move's cells and the
    // outline of a set that fails the set check (high contrast: two colours, dashes and gaps).
    static QColor moveFrameColour(Look look);
    static QColor badSetColour(Look look);
    static QColor badSetGapColour(Look look); // transparent in the classic look
    static QColor suitColour(int suit, Look look);

private:
    void draw(QPainter& p, const QRectF& target, int index, bool big) const;
    // Picture `index` made for `size` at `dpr` on its first use; null when `size` at `dpr` is not a
    // whole number of pixels (it is then drawn into its target each time).
    const QImage& image(int index, bool big, const QSizeF& size, qreal dpr) const;
    // Draws picture `index` into `r` directly, from its outlines or its loaded image.
    void paintPicture(QPainter& p, const QRectF& r, int index, bool big) const;

    std::vector<QImage> small_; // empty while the built-in pictures are in force
    std::vector<QImage> big_;
    // The pictures made per size and pixel ratio, the most recently used first; only a few sizes are
    // kept (those of the board, the rack and the tile in hand, and the ones just left behind).
    struct Made {
        bool big;
        QSizeF size;
        qreal dpr;
        std::vector<QImage> images; // by index
    };
    static constexpr std::size_t kSizesKept = 6;
    mutable std::vector<Made> made_;
    Look look_ = Look::Classic;
    mutable int paintedPictures_ = 0;
};

} // namespace client
