#include "rackview.h"

#include "panelstyle.h"

#include "windows/artwork.h"

#include <QLabel>
#include <QScrollArea>

namespace client {

RackView::RackView(QWidget* panel) : QObject(panel) {
    slots_.fill(-1);
    area_ = new QScrollArea(panel);
    area_->setObjectName(QStringLiteral("panel_cards"));
    area_->setGeometry(5, 425, 740, 91);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setFrameShape(QFrame::Panel);
    area_->setFrameShadow(QFrame::Sunken);
    QPalette pal = area_->palette();
    pal.setColor(QPalette::Window, windows::palette::cream);
    area_->setPalette(pal);
    area_->setAutoFillBackground(true);
    strip_ = new QWidget;
    strip_->setObjectName(QStringLiteral("rackstrip"));
    strip_->setPalette(pal);
    strip_->setAutoFillBackground(true);
    strip_->resize(736, 87);
    area_->setWidget(strip_);

    sitout_ = style::label(
        strip_, QStringLiteral("label_sitout"),
        QStringLiteral("This round has already started. You will have to wait until the next round."), 13,
        true);
    style::setTextColour(sitout_, QColor(120, 60, 20));
    sitout_->setGeometry(10, 30, 716, 24);
    sitout_->setAlignment(Qt::AlignCenter);
    sitout_->hide();

    QLabel* caption =
        style::label(panel, QStringLiteral("label_sortby"), QStringLiteral("SORT BY:"), 11, true);
    caption->setGeometry(472, 398, 68, 18);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto makeButton = [panel](const char* name, const QString& hint, const QRect& g,
                              windows::ImageButton::Glyph glyph) {
        auto* b = new windows::ImageButton(QString::fromLatin1(name), QString(), panel);
        b->setGeometry(g);
        b->setToolTip(hint);
        b->setCheckable(true);
        b->setBaseColour(QColor(110, 90, 60));
        b->setGlyph(std::move(glyph));
        return b;
    };
    bynumber_ = makeButton("button_bynumber", QStringLiteral("Sort by Numbers"), QRect(542, 393, 27, 27),
                           windows::glyphs::sortNumbers);
    bysuit_ = makeButton("button_bysuit", QStringLiteral("Sort by Suits"), QRect(571, 393, 27, 27),
                         windows::glyphs::sortSuits);
    // One group in which at most one button is down; both may be up.
    connect(bynumber_, &QAbstractButton::clicked, this, [this] {
        bynumber_->setChecked(true);
        bysuit_->setChecked(false);
        emit sortChosen();
    });
    connect(bysuit_, &QAbstractButton::clicked, this, [this] {
        bysuit_->setChecked(true);
        bynumber_->setChecked(false);
        emit sortChosen();
    });
}

void RackView::clearallcards() {
    slots_.fill(-1);
    const auto pictures = strip_->findChildren<QWidget*>();
    for (QWidget* w : pictures)
        if (w->objectName().startsWith(QLatin1String("card"))) delete w;
}

void RackView::redrawTiles() {
    strip_->update();
    for (QWidget* w : strip_->findChildren<QWidget*>())
        w->update();
}

int RackView::occupiedSlots() const {
    int n = 0;
    for (int s = 1; s <= kSlots; ++s)
        if (slots_[static_cast<std::size_t>(s)] != -1) ++n;
    return n;
}

int RackView::sortChoice() const {
    if (bynumber_->isChecked()) return 1;
    if (bysuit_->isChecked()) return 2;
    return 0;
}

void RackView::setSortChoice(int choice) {
    bynumber_->setChecked(choice == 1);
    bysuit_->setChecked(choice == 2);
}

void RackView::setSitoutShown(bool shown) {
    sitout_->setVisible(shown);
}

} // namespace client
