// The tile looks seen with each common kind of colour blindness: the suits of the high-contrast look
// stay apart, and the marks drawn over the board stay visible.

#include "harness.h"

#include "client/play/tileimages.h"
#include "client/settings/filelocations.h"
#include "colourvision.h"

#include "rules/tiles.h"
#include "windows/artwork.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include <map>

using namespace testing_client;
using client::TileImages;
using colourvision::Vision;

namespace {

constexpr QSize kTile(80, 120);

// Thirteen codes per suit, in suit order (Red Queen is 38).
int tileCode(int suit, int number) {
    return (suit - 1) * 13 + number;
}

QImage painted(int code, TileImages::Look look) {
    QImage image(kTile, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    TileImages::paintTile(p, QRectF(QPointF(0, 0), kTile), code, look);
    return image;
}

// The colour the tile's number and symbol are painted in: the commonest opaque colour of the picture
// that stands clearly apart from the face beside it on the same row (the face may be a gradient).
QColor inkOf(const QImage& tile) {
    std::map<QRgb, int> counts;
    for (int y = 4; y < tile.height() - 4; ++y) {
        const QColor face = tile.pixelColor(5, y);
        for (int x = 5; x < tile.width() - 5; ++x) {
            const QColor c = tile.pixelColor(x, y);
            if (c.alpha() == 255 && colourvision::difference(c, face, Vision::Normal) > 10) ++counts[c.rgb()];
        }
    }
    auto best = std::max_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    return best == counts.end() ? QColor() : QColor(best->first);
}

int inkPixels(const QImage& tile, const QColor& ink) {
    int n = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (tile.pixel(x, y) == ink.rgb()) ++n;
    return n;
}

// The smallest difference between the inks of two suits, as `vision` sees them.
double closestSuits(TileImages::Look look, Vision vision) {
    std::vector<QColor> inks;
    for (int suit = 1; suit <= 4; ++suit)
        inks.push_back(inkOf(painted(tileCode(suit, 7), look)));
    double closest = 1e9;
    for (std::size_t a = 0; a < inks.size(); ++a)
        for (std::size_t b = a + 1; b < inks.size(); ++b)
            closest = std::min(closest, colourvision::difference(inks[a], inks[b], vision));
    return closest;
}

} // namespace

TEST(Colours, DifferenceFollowsThePublishedTestData) {
    // Pairs 1, 7 and 17 of Sharma, Wu and Dalal's CIEDE2000 test data.
    using colourvision::deltaE2000;
    EXPECT_NEAR(deltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(deltaE2000({50, 0, 0}, {50, -1, 2}), 2.3669, 1e-4);
    EXPECT_NEAR(deltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
    // A deuteranope sees pure red and a yellowish green nearly alike, a normal viewer does not.
    const QColor red(204, 20, 30), olive(140, 150, 30);
    EXPECT_GT(colourvision::difference(red, olive, Vision::Normal), 20);
    EXPECT_LT(colourvision::difference(red, olive, Vision::Deuteranopia),
              colourvision::difference(red, olive, Vision::Normal) / 2);
    EXPECT_EQ(colourvision::simulate(QColor(90, 90, 90), Vision::Greyscale), QColor(90, 90, 90));
}

TEST(Colours, HighContrastSuitsStayApartInEveryVisionWithLargerSymbols) {
    for (const Vision v : colourvision::kAllVisions) {
        const double classic = closestSuits(TileImages::Look::Classic, v);
        const double high = closestSuits(TileImages::Look::HighContrast, v);
        std::printf("closest suits, %s: classic %.1f, high contrast %.1f\n", colourvision::visionName(v),
                    classic, high);
        EXPECT_GE(high, 15.0) << colourvision::visionName(v);
    }
    // The classic look is the one that fails: red and green meet for a deuteranope.
    EXPECT_LT(closestSuits(TileImages::Look::Classic, Vision::Deuteranopia), 15.0);
    // Every tile of a suit is painted in that suit's ink, and the high-contrast symbol is larger.
    for (int suit = 1; suit <= 4; ++suit) {
        const QColor ink = TileImages::suitColour(suit, TileImages::Look::HighContrast);
        for (int number = 1; number <= 13; ++number)
            EXPECT_EQ(inkOf(painted(tileCode(suit, number), TileImages::Look::HighContrast)), ink)
                << suit << " " << number;
        // The 1 has the least number ink, so the symbol's share shows best there.
        const int code = tileCode(suit, 1);
        EXPECT_GT(inkPixels(painted(code, TileImages::Look::HighContrast), ink),
                  inkPixels(painted(code, TileImages::Look::Classic),
                            TileImages::suitColour(suit, TileImages::Look::Classic)) *
                      5 / 4)
            << suit;
    }
}

TEST(Colours, HighContrastMarksStandOutFromTilesAndFeltInEveryVision) {
    using Look = TileImages::Look;
    // The painted move frame's colour, over an empty cell.
    QImage frame(40, 60, QImage::Format_ARGB32);
    frame.fill(Qt::transparent);
    {
        QPainter p(&frame);
        TileImages::paintMoveFrame(p, QRectF(0, 0, 40, 60), Look::HighContrast);
    }
    const QColor frameInk = frame.pixelColor(1, 30);
    ASSERT_EQ(frameInk, TileImages::moveFrameColour(Look::HighContrast));
    EXPECT_EQ(frame.pixelColor(3, 30), frameInk); // twice the classic width
    const QColor face = painted(tileCode(1, 5), Look::HighContrast).pixelColor(5, 60);
    const QColor backgrounds[] = {face, windows::palette::felt, windows::palette::felt.lighter(108),
                                  windows::palette::felt.darker(108)};
    const QColor dash = TileImages::badSetColour(Look::HighContrast);
    const QColor gap = TileImages::badSetGapColour(Look::HighContrast);
    for (const Vision v : colourvision::kAllVisions) {
        for (const QColor& bg : backgrounds) {
            EXPECT_GE(colourvision::difference(frameInk, bg, v), 20) << colourvision::visionName(v);
            // The outline alternates two colours; one of them always stands out.
            EXPECT_GE(std::max(colourvision::difference(dash, bg, v), colourvision::difference(gap, bg, v)),
                      20)
                << colourvision::visionName(v) << " " << bg.name().toStdString();
        }
        // And the two marks are not taken for each other.
        EXPECT_GE(colourvision::difference(frameInk, dash, v), 15) << colourvision::visionName(v);
        EXPECT_GE(colourvision::difference(frameInk, gap, v), 15) << colourvision::visionName(v);
    }
}

TEST(Colours, TheMenuSwitchesLooksAndTheSettingsRememberIt) {
    Harness h;
    h.tchat.tilemenu();
    h.login(1);
    auto* high = h.tchat.findChild<QAction*>("tileshighcontrast");
    auto* classic = h.tchat.findChild<QAction*>("tilesclassic");
    ASSERT_TRUE(high && classic);
    EXPECT_TRUE(classic->isChecked());
    high->trigger();
    EXPECT_TRUE(high->isChecked());
    EXPECT_FALSE(classic->isChecked());
    EXPECT_EQ(h.tchat.currentTileSet(), TileImages::highContrastName());

    Harness next;
    client::FileLocations::setProgramFolder(h.dir.path());
    next.tchat.tilemenu();
    next.login(1);
    EXPECT_EQ(next.tchat.currentTileSet(), TileImages::highContrastName());
    EXPECT_TRUE(next.tchat.findChild<QAction*>("tileshighcontrast")->isChecked());
    next.tchat.findChild<QAction*>("tilesclassic")->trigger();
    EXPECT_EQ(next.tchat.currentTileSet(), "");
    EXPECT_TRUE(next.tchat.findChild<QAction*>("tilesclassic")->isChecked());
}

TEST(Colours, TheBoardIsPaintedInTheHighContrastLook) {
    Seated t;
    t.tchat.tilemenu();
    t.tchat.findChild<QAction*>("tileshighcontrast")->trigger();
    // A run of each suit and a joker.
    int column = 2;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int number = 5; number <= 7; ++number)
            t.feed("CMD_placehistile+2+" + std::to_string(tileCode(suit, number)) + "+" +
                   std::to_string(column++) + "+" + std::to_string(suit + 1) + "+");
        column = 2 + suit;
    }
    t.feed("CMD_placehistile+2+53+12+3+");
    const QImage shot = t.board->paintArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int suit = 1; suit <= 4; ++suit)
        EXPECT_GT(inkPixels(shot, TileImages::suitColour(suit, TileImages::Look::HighContrast)), 20) << suit;
    // For looking at: the board as painted and as a deuteranope sees it.
    const QString folder = qEnvironmentVariable("RIMBALO_SHOT_DIR");
    if (folder.isEmpty()) return;
    QImage seen = shot;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            seen.setPixelColor(x, y, colourvision::simulate(shot.pixelColor(x, y), Vision::Deuteranopia));
    EXPECT_TRUE(shot.save(folder + "/board-high-contrast.png"));
    EXPECT_TRUE(seen.save(folder + "/board-high-contrast-deuteranopia.png"));
}
