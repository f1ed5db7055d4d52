#include "panelscale.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QLayout>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace client::scale {

namespace {

const char* const kFactor = "panelScale";
const char* const kBaseGeometry = "baseGeometry";
const char* const kBaseFont = "baseFont";
const char* const kOwnerPlaces = "placedByOwner";

QFont sized(QFont f, qreal factor) {
    if (f.pixelSize() > 0)
        f.setPixelSize(px(f.pixelSize(), factor));
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * factor);
    return f;
}

// Whether something other than the recording places `w`.
bool placedElsewhere(const QWidget* w) {
    if (w->property(kOwnerPlaces).toBool()) return true;
    const QWidget* parent = w->parentWidget();
    return parent && (parent->layout() || qobject_cast<const QAbstractScrollArea*>(parent) ||
                      qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()));
}

void recordOne(QWidget* w) {
    if (!w->property(kBaseGeometry).isValid() && !placedElsewhere(w))
        w->setProperty(kBaseGeometry, w->geometry());
    if (!w->property(kBaseFont).isValid() && w->testAttribute(Qt::WA_SetFont))
        w->setProperty(kBaseFont, w->font());
}

void applyOne(QWidget* w, qreal f) {
    if (const QVariant g = w->property(kBaseGeometry); g.isValid()) w->setGeometry(rect(g.toRect(), f));
    if (const QVariant font = w->property(kBaseFont); font.isValid())
        w->setFont(sized(font.value<QFont>(), f));
}

} // namespace

qreal fitting(const QSize& area, qreal least) {
    const qreal wide = qreal(area.width() - kMargin.width()) / kPanel.width();
    const qreal high = qreal(area.height() - kMargin.height()) / kPanel.height();
    // A hair over the step counts as the step (sizes computed from a factor come back to it).
    const qreal tenths = std::floor(std::min(wide, high) * 10 + 1e-6);
    return std::max(least, tenths / 10);
}

qreal least(const QSize& room) {
    return std::clamp(fitting(room, kLeast), kLeast, 1.0);
}

int px(int base, qreal factor) {
    return qRound(base * factor);
}

QRect rect(const QRect& base, qreal factor) {
    const QPoint topLeft(px(base.left(), factor), px(base.top(), factor));
    const QPoint end(px(base.left() + base.width(), factor), px(base.top() + base.height(), factor));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

qreal factor(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (const QVariant f = w->property(kFactor); f.isValid()) return f.toReal();
    return 1;
}

void setPanelFactor(QWidget* panel, qreal factor) {
    panel->setProperty(kFactor, factor);
}

void place(QWidget* w, const QRect& base) {
    w->setProperty(kBaseGeometry, base);
    w->setGeometry(rect(base, factor(w)));
}

void setFont(QWidget* w, const QFont& base) {
    w->setProperty(kBaseFont, base);
    w->setFont(sized(base, factor(w)));
}

void placedByOwner(QWidget* w) {
    w->setProperty(kOwnerPlaces, true);
}

void record(QWidget* root) {
    recordOne(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->window() == root->window()) recordOne(w); // not the popup menus
}

void apply(QWidget* root) {
    const qreal f = factor(root);
    applyOne(root, f);
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->window() == root->window()) applyOne(w, f);
}

} // namespace client::scale
