#include "tabout.h"

#include "artwork.h"
#include "version.h"

#include <QDate>
#include <QLabel>
#include <QMouseEvent>

namespace windows {

namespace {

// The picture: a click on it hides the box.
class Picture : public PaintedImage {
public:
    Picture(QWidget* box)
        : PaintedImage(
              QStringLiteral("image_picture"),
              [](QPainter& p, const QRect& r) { glyphs::logo(p, QRectF(r)); }, box),
          box_(box) {}

protected:
    void mousePressEvent(QMouseEvent*) override { box_->hide(); }

private:
    QWidget* box_;
};

} // namespace

Tabout::Tabout(QWidget* parent) : AuxWindow(QStringLiteral("Tabout"), tr("Rimbalo - About"), parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(340, 250);

    auto* picture = new Picture(this);
    picture->setGeometry(20, 18, 130, 66);

    auto* title = makeLabel(QStringLiteral("label_title"), QStringLiteral("Rimbalo"), 26, true);
    title->setGeometry(160, 18, 170, 36);
    makeLabel(QStringLiteral("label_versioncaption"), tr("Version"), 12)->setGeometry(160, 58, 52, 18);
    version_ = makeLabel(QStringLiteral("version"), QString::fromLatin1(kVersionText), 12, true);
    version_->setGeometry(212, 58, 44, 18);
    auto* build = makeLabel(QStringLiteral("label_build"), QString::fromLatin1(kBuildText), 12, true);
    build->setGeometry(256, 58, 30, 18);

    auto* maker = makeLabel(QStringLiteral("label_maker"), QString::fromLatin1(kMakerName), 14, true);
    maker->setGeometry(20, 104, 300, 22);
    auto* link = makeLabel(
        QStringLiteral("label_link"),
        QStringLiteral("<a style=\"color:#ecbe48\" href=\"%1\">%1</a>").arg(QString::fromLatin1(kMakerSite)),
        12);
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    link->setGeometry(20, 128, 300, 20);
    makeLabel(QStringLiteral("label_copyright"), tr("Copyright \u00a9"), 11)->setGeometry(20, 152, 72, 18);
    auto* year = makeLabel(QStringLiteral("label_year"), QString::number(QDate::currentDate().year()), 11);
    year->setGeometry(92, 152, 60, 18);

    auto* done = new ImageButton(QStringLiteral("button_done"), tr("Done"), this);
    done->setBaseColour(QColor(46, 140, 70));
    done->setGeometry(120, 196, 100, 32);
    connect(done, &QAbstractButton::clicked, this, &QWidget::hide);
}

QString Tabout::versionText() const {
    return version_->text();
}

} // namespace windows
