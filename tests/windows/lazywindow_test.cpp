// Windows built when first needed, and icons drawn when first shown.

#include "windows/artwork.h"
#include "windows/lazywindow.h"
#include "windows/paintedicon.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using windows::LazyWindow;

namespace {

struct Counted : QWidget {
    explicit Counted(int* built) { ++*built; }
};

TEST(LazyWindow, BuiltOnceWhenFirstUsedAndSharedByCopies) {
    int built = 0;
    std::vector<int> order;
    auto handle = LazyWindow<Counted>::later([&] { return std::make_unique<Counted>(&built); });
    handle.whenBuilt([&](Counted*) { order.push_back(1); });
    const LazyWindow<Counted> copy = handle;
    copy.whenBuilt([&](Counted*) { order.push_back(2); });
    EXPECT_TRUE(handle);
    EXPECT_FALSE(copy.built());
    EXPECT_EQ(built, 0) << "a window was built before anything needed it";

    Counted* window = copy.get();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(handle.get(), window) << "copies of a handle must share the one window";
    EXPECT_EQ(built, 1);
    EXPECT_EQ(order, (std::vector<int>{1, 2})) << "what waited for the window runs once, in order";

    Counted* seen = nullptr;
    handle.whenBuilt([&](Counted* w) { seen = w; });
    EXPECT_EQ(seen, window) << "a window already built is handed over at once";
    (void)handle->isVisible();
    EXPECT_EQ(built, 1);
    EXPECT_EQ(order.size(), 2u);
}

TEST(LazyWindow, PointersAndEmptyHandles) {
    int built = 0;
    Counted outside(&built);
    const LazyWindow<Counted> given = &outside;
    EXPECT_TRUE(given.built());
    Counted* seen = nullptr;
    given.whenBuilt([&](Counted* w) { seen = w; });
    EXPECT_EQ(seen, &outside);
    EXPECT_EQ(built, 1);

    const LazyWindow<Counted> none = nullptr;
    bool ran = false;
    none.whenBuilt([&](Counted*) { ran = true; });
    EXPECT_FALSE(none);
    EXPECT_EQ(none.get(), nullptr);
    EXPECT_FALSE(ran);
}

QImage face() {
    QImage image(18, 18, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::yellow);
    p.drawEllipse(QRectF(1, 1, 16, 16));
    return image;
}

TEST(PaintedIcon, DrawnOnlyWhenShownAndAsAnIconMadeFromThePicture) {
    int made = 0;
    const QIcon icon = windows::imageIcon([&] {
        ++made;
        return face();
    });
    EXPECT_EQ(made, 0) << "the picture was drawn before the icon was shown";
    EXPECT_FALSE(icon.isNull());

    const QIcon loaded(QPixmap::fromImage(face()));
    for (const QSize size : {QSize(16, 16), QSize(18, 18), QSize(32, 32), QSize(12, 12)}) {
        const QImage drawn = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage expected =
            loaded.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(drawn.size(), expected.size()) << size.width();
        EXPECT_TRUE(drawn == expected) << "a different picture at " << size.width();
    }
    EXPECT_EQ(made, 1) << "the picture is drawn once";
}

TEST(PaintedIcon, TheProgramsIconIsTheArtworksAtWindowIconSizes) {
    const QIcon icon = windows::appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_EQ(sizes.front(), QSize(16, 16));
    EXPECT_EQ(sizes.back(), QSize(128, 128));
    QImage expected(48, 48, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    {
        QPainter p(&expected);
        windows::glyphs::appIcon(p, QRectF(0, 0, 48, 48));
    }
    const QImage drawn = icon.pixmap(QSize(48, 48)).toImage().convertToFormat(expected.format());
    EXPECT_TRUE(drawn == expected);
}

} // namespace
