// rimbalo-painticons: paints the program's icon for the desktop's icon theme, as PNG files at the usual
// sizes and, when built with Qt SVG, as one scalable SVG drawn by the same paint calls.
//
//   rimbalo-painticons OUTDIR NAME
// writes OUTDIR/<n>x<n>/apps/NAME.png for every size and OUTDIR/scalable/apps/NAME.svg.

#include "windows/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#ifdef RIMBALO_HAS_SVG
#include <QSvgGenerator>
#endif

#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool makeFolder(const QString& path) {
    if (QDir().mkpath(path)) return true;
    std::fprintf(stderr, "rimbalo-painticons: cannot make %s\n", qPrintable(path));
    return false;
}

bool paintPng(const QString& root, const QString& name, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    if (!makeFolder(folder)) return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        windows::glyphs::appIcon(p, QRectF(0, 0, size, size));
    }
    const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
    if (image.save(file, "PNG")) return true;
    std::fprintf(stderr, "rimbalo-painticons: cannot write %s\n", qPrintable(file));
    return false;
}

bool paintSvg([[maybe_unused]] const QString& root, [[maybe_unused]] const QString& name) {
#ifdef RIMBALO_HAS_SVG
    const QString folder = root + QStringLiteral("/scalable/apps");
    if (!makeFolder(folder)) return false;
    constexpr int kSide = 256;
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(folder, name));
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle(QStringLiteral("Rimbalo"));
    svg.setDescription(QStringLiteral("The Rimbalo icon: three fanned tiles on the board's felt"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "rimbalo-painticons: cannot write %s\n", qPrintable(svg.fileName()));
        return false;
    }
    windows::glyphs::appIcon(p, QRectF(0, 0, kSide, kSide));
    return p.end();
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    // Painting text needs the font database, which needs a platform; none has to be on screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: rimbalo-painticons OUTDIR NAME\n");
        return 2;
    }
    bool ok = true;
    for (int size : kSizes)
        ok = paintPng(args[1], args[2], size) && ok;
    ok = paintSvg(args[1], args[2]) && ok;
    return ok ? 0 : 1;
}
