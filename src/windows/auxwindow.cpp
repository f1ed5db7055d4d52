#include "auxwindow.h"

#include "artwork.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace windows {

AuxWindow::AuxWindow(const QString& objectName, const QString& caption, QWidget* parent) : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AuxWindow::showOver(QWidget* owner) {
    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void AuxWindow::showCentred() {
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
}

void AuxWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintBackdrop(p, rect());
}

QLabel* AuxWindow::makeLabel(const QString& name, const QString& text, int pixelSize, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    // Player names and downloaded file names are shown as they are; a label that wants links says so.
    label->setTextFormat(Qt::PlainText);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, palette::text);
    label->setPalette(pal);
    return label;
}

} // namespace windows
