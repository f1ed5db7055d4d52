#include "panelstyle.h"

#include "panelscale.h"

#include "windows/artwork.h"

#include <QLabel>

namespace client::style {

QLabel* label(QWidget* parent, const QString& name, const QString& text, int pixelSize, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    // Names and server texts end up in these labels: markup in them is shown, never interpreted.
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    if (pixelSize > 0) f.setPixelSize(pixelSize);
    f.setBold(bold);
    // Sized with the panel, also when the label comes after the panel has grown.
    scale::setFont(l, f);
    setTextColour(l, windows::palette::text);
    return l;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

} // namespace client::style
