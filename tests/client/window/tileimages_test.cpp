// The tile pictures: the painted ones, tile sets from the tile folder, and the "Tile Sets" menu.

#include "harness.h"

#include "client/play/tileimages.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>

#include <algorithm>

using namespace testing_client;
using client::TileImages;

namespace {

bool hasPixel(const QImage& image, const std::function<bool(QColor)>& test) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y))) return true;
    return false;
}

// A sheet in the tile-set layout: small block i in colour (i, 100, 50), large block i in (i, 200, 50),
// with one white pixel in small block 5.
void writeSheet(const QString& path) {
    QImage sheet(2200, 90, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int i = 0; i < 56; ++i)
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x)
                sheet.setPixel(20 * i + x, y, qRgb(i, 100, 50));
    for (int i = 0; i < 55; ++i)
        for (int y = 31; y < 90; ++y)
            for (int x = 0; x < 40; ++x)
                sheet.setPixel(40 * i + x, y, qRgb(i, 200, 50));
    sheet.setPixel(20 * 5 + 3, 3, qRgb(255, 255, 255));
    ASSERT_TRUE(sheet.save(path, "BMP"));
}

struct TileFolder : Harness {
    QString folder;
    TileFolder() {
        folder = TileImages::folder();
        QDir().mkpath(folder);
        writeSheet(folder + "/Wood.bmp");
        QFile::copy(folder + "/Wood.bmp", folder + "/my.set.bmp");
        QFile broken(folder + "/broken.bmp");
        EXPECT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM this is not a bitmap");
    }
    QAction* item(const char* name) { return tchat.findChild<QAction*>(QString::fromLatin1(name)); }
};

} // namespace

TEST(TileImages, BuiltInPicturesAreDistinctAndInTheirSuitColours) {
    const TileImages tiles;
    EXPECT_TRUE(tiles.builtIn());
    EXPECT_EQ(tiles.smallCount(), 55);
    EXPECT_EQ(tiles.bigCount(), 54);
    std::vector<QImage> small, big;
    for (int code = 1; code <= 53; ++code) {
        small.push_back(tiles.smallImage(code));
        big.push_back(tiles.bigImage(code));
    }
    for (std::size_t a = 0; a < small.size(); ++a)
        for (std::size_t b = a + 1; b < small.size(); ++b) {
            EXPECT_NE(small[a], small[b]) << a + 1 << " " << b + 1;
            EXPECT_NE(big[a], big[b]) << a + 1 << " " << b + 1;
        }
    auto cream = [](QColor c) {
        return c.red() > 225 && c.green() > 225 && c.blue() > 190 && c.blue() < 240;
    };
    auto green = [](QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 90; };
    auto red = [](QColor c) { return c.red() > 170 && c.green() < 60 && c.blue() < 60; };
    auto yellow = [](QColor c) { return c.red() > 220 && c.green() > 170 && c.blue() < 110; };
    EXPECT_TRUE(hasPixel(big[0], cream));
    EXPECT_TRUE(hasPixel(small[0], green)); // Green 1
    EXPECT_FALSE(hasPixel(small[0], red));
    EXPECT_TRUE(hasPixel(small[30], red));                                              // Red 5
    EXPECT_TRUE(hasPixel(big[52], yellow));                                             // the joker's face
    EXPECT_TRUE(tiles.smallImage(0).isNull() || !hasPixel(tiles.smallImage(0), cream)); // blank: nothing

    const QImage frame = tiles.smallImage(TileImages::kMoveFrame);
    EXPECT_EQ(frame.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(frame.pixelColor(19, 29), QColor(255, 0, 0));
    EXPECT_EQ(frame.pixelColor(10, 15).alpha(), 0);
}

TEST(TileImages, ASetReplacesBothListsAndBadFilesChangeNothing) {
    TileFolder f;
    QStringList names = TileImages::setNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"Wood", "broken", "my"}));

    TileImages tiles;
    EXPECT_EQ(tiles.loadtile("my"), TileImages::Load::Missing); // listed as "my", looked for as my.bmp
    EXPECT_EQ(tiles.loadtile("broken"), TileImages::Load::Unreadable);
    EXPECT_TRUE(tiles.builtIn());
    ASSERT_EQ(tiles.loadtile("Wood"), TileImages::Load::Loaded);
    EXPECT_EQ(tiles.smallCount(), 56);
    EXPECT_EQ(tiles.bigCount(), 55);
    EXPECT_EQ(tiles.bigImage(40).pixel(20, 59), qRgb(40, 200, 50));
    EXPECT_EQ(tiles.smallImage(7).pixel(0, 0), qRgb(7, 100, 50));
    EXPECT_EQ(tiles.smallImage(5).pixelColor(3, 3).alpha(), 0); // white shows what lies beneath
    // A later bad file leaves the loaded set in force.
    EXPECT_EQ(tiles.loadtile("broken"), TileImages::Load::Unreadable);
    EXPECT_EQ(tiles.bigImage(40).pixel(0, 0), qRgb(40, 200, 50));
}

TEST(TileImages, MenuPicksASetAndTheSettingsRememberIt) {
    TileFolder f;
    f.tchat.tilemenu();
    EXPECT_TRUE(f.tchat.findChild<QMenu*>("tiles1")->isEnabled());
    ASSERT_NE(f.item("Wood3"), nullptr);
    ASSERT_NE(f.item("my3"), nullptr);
    EXPECT_FALSE(f.item("Wood3")->isChecked());
    f.login(1);
    f.item("Wood3")->trigger();
    EXPECT_EQ(f.tchat.currentTileSet(), "Wood");
    EXPECT_TRUE(f.item("Wood3")->isChecked());

    f.item("broken3")->trigger();
    EXPECT_EQ(f.tchat.currentTileSet(), "Wood");
    EXPECT_TRUE(f.item("Wood3")->isChecked());
    EXPECT_FALSE(f.item("broken3")->isChecked());
    EXPECT_TRUE(f.lastLine().contains("could not be read")) << f.lastLine().toStdString();
    f.item("my3")->trigger();
    EXPECT_EQ(f.tchat.currentTileSet(), "Wood");

    // The next start finds the choice in the settings and loads it when the login is confirmed.
    Harness next;
    client::FileLocations::setProgramFolder(f.dir.path());
    next.tchat.tilemenu();
    EXPECT_EQ(next.tchat.currentTileSet(), "");
    next.login(1);
    EXPECT_EQ(next.tchat.currentTileSet(), "Wood");
    EXPECT_TRUE(next.tchat.findChild<QAction*>("Wood3")->isChecked());
}

namespace {

// A felt-coloured surface of 60 x 80 at `dpr`.
QImage feltSurface(qreal dpr) {
    QImage image(qRound(60 * dpr), qRound(80 * dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(58, 95, 57));
    return image;
}

// The largest difference of one colour channel between two images of one size.
// Picture `index` drawn at `target` through the lists, and painted from its outlines.
std::pair<QImage, QImage> bothWays(const TileImages& tiles, int index, bool big, qreal dpr,
                                   const QRectF& target) {
    QImage listed = feltSurface(dpr);
    QImage outlined = feltSurface(dpr);
    {
        QPainter p(&listed);
        big ? tiles.drawBig(p, target, index) : tiles.drawSmall(p, target, index);
        QPainter q(&outlined);
        if (!big && index == TileImages::kMoveFrame)
            TileImages::paintMoveFrame(q, target);
        else
            TileImages::paintTile(q, target, index);
    }
    return {listed, outlined};
}

} // namespace

TEST(TileImages, ListedPicturesLookLikeTheirOutlinesAndArePaintedOncePerPixelRatio) {
    const TileImages tiles;
    int painted = 0;
    for (const qreal dpr : {1.0, 2.0}) {
        for (const bool big : {false, true}) {
            const QRectF target(7, 9, big ? 40 : 20, big ? 60 : 30);
            for (int index = 1; index <= (big ? 53 : TileImages::kMoveFrame); ++index) {
                const auto [listed, outlined] = bothWays(tiles, index, big, dpr, target);
                // Only the rounding of antialiased edges blended twice may differ.
                EXPECT_LE(largestDifference(listed, outlined), 2) << dpr << " " << big << " " << index;
                // A second draw takes the picture made by the first.
                QImage again = feltSurface(dpr);
                QPainter p(&again);
                big ? tiles.drawBig(p, target, index) : tiles.drawSmall(p, target, index);
                p.end();
                EXPECT_EQ(again, listed);
            }
        }
        painted += 54 + 53;
        EXPECT_EQ(tiles.paintedPictures(), painted) << dpr;
    }
    // Sizes and ratios that give no whole pixels are painted from the outlines, exactly as before.
    for (const auto& [dpr, target] : {std::pair{1.25, QRectF(7, 9, 20, 30)},
                                      {1.0, QRectF(7, 9, 30.5, 45)},
                                      {1.0, QRectF(7.5, 9, 20, 30)}}) {
        const auto [listed, outlined] = bothWays(tiles, 29, false, dpr, target);
        EXPECT_EQ(listed, outlined) << dpr;
    }
    EXPECT_EQ(tiles.paintedPictures(), painted);
    // Any other whole size is made once, from the outlines at that size.
    for (int i = 0; i < 2; ++i) {
        const auto [listed, outlined] = bothWays(tiles, 29, false, 1.0, QRectF(7, 9, 30, 45));
        EXPECT_LE(largestDifference(listed, outlined), 2);
    }
    EXPECT_EQ(tiles.paintedPictures(), painted + 1);
}
