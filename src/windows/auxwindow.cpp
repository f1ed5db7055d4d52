#include "auxwindow.h"

#include "artwork.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>

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

QLabel* AuxWindow::makeHeading(const QString& text) {
    QLabel* heading = makeLabel(QStringLiteral("label_heading"), text, 20, true);
    heading->setGeometry(0, 10, width(), 30);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

QLineEdit* AuxWindow::makeNameField(int y) {
    makeLabel(QStringLiteral("label_name"), tr("Your name:"))->setGeometry(24, y, 100, 24);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edit_name"));
    edit->setMaxLength(24);
    edit->setGeometry(130, y, 160, 24);
    return edit;
}

QSpinBox* AuxWindow::makePortField(int y, quint16 port) {
    makeLabel(QStringLiteral("label_port"), tr("Port:"))->setGeometry(24, y, 100, 24);
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QStringLiteral("edit_port"));
    spin->setRange(1, 65535);
    spin->setValue(port);
    spin->setGeometry(130, y, 90, 24);
    return spin;
}

} // namespace windows
