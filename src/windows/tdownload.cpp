#include "tdownload.h"

#include "artwork.h"

#include <QLabel>

namespace windows {

Tdownload::Tdownload(QWidget* parent)
    : AuxWindow(QStringLiteral("Tdownload"), QStringLiteral("Download The Vemko Lobby"), parent) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedSize(380, 300);

    auto* picture = new PaintedImage(
        QStringLiteral("Image1"),
        [](QPainter& p, const QRect& r) {
            paintInset(p, QRectF(r), 90);
            glyphs::logo(p, QRectF(r).adjusted(20, 8, -20, -8));
        },
        this);
    picture->setGeometry(20, 14, 340, 70);
    auto* closed = makeLabel(QStringLiteral("Label2"), QStringLiteral("IS CLOSED"), 16, true);
    closed->setGeometry(220, 36, 130, 24);
    QPalette red = closed->palette();
    red.setColor(QPalette::WindowText, QColor(235, 60, 50));
    closed->setPalette(red);

    auto wrapped = [this](const char* name, const QString& text, int y, int h) {
        QLabel* label = makeLabel(QString::fromLatin1(name), text, 12);
        label->setWordWrap(true);
        label->setGeometry(20, y, 340, h);
    };
    wrapped("Label1",
            QStringLiteral(
                "Download The Vemko Lobby Now to play this  and other exciting games online with other "
                "players! "),
            92, 36);
    wrapped(
        "Label7",
        QStringLiteral("To proceed to the game without the ability to play against others click the button "
                       "below."),
        134, 36);
    auto* solo = new ImageButton(QStringLiteral("Button1"), QStringLiteral("Play Solo Game"), this);
    solo->setBaseColour(QColor(46, 140, 70));
    solo->setGeometry(110, 176, 160, 32);
    connect(solo, &QAbstractButton::clicked, this, &QWidget::close);
    wrapped(
        "Label3",
        QStringLiteral("Note: Even if you are playing offline, you will need to configure your FIREWALL to "
                       "allow the game to access the internet components."),
        220, 52);
}

} // namespace windows
