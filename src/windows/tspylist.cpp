#include "tspylist.h"

#include "artwork.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

namespace windows {

Tspylist::Tspylist(QWidget* parent) : AuxWindow(QStringLiteral("Tspylist"), tr("Rimbalo - Spys"), parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(230, 300);
    makeLabel(QStringLiteral("label_spylist"), tr("Spy List"), 16, true)->setGeometry(14, 10, 200, 24);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("listbox_spys"));
    list_->setGeometry(14, 40, 202, 200);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup_kick"));
    kick_ = popup_->addAction(tr("Remove From Game"));
    kick_->setObjectName(QStringLiteral("popup_kickhim"));
    kick_->setEnabled(false);
    // The menu acts on the entry it was opened over, wherever that entry has moved since (onlookers may
    // come and go while the menu is open); none when it was opened over an empty part of the list.
    connect(kick_, &QAction::triggered, this,
            [this] { kickAt(menuEntry_.isValid() ? menuEntry_.row() : -1); });
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        menuEntry_ = QPersistentModelIndex(list_->indexAt(pos));
        popup_->popup(list_->viewport()->mapToGlobal(pos));
    });

    auto* done = new ImageButton(QStringLiteral("button_done"), QStringLiteral("Done"), this);
    done->setBaseColour(QColor(46, 140, 70));
    done->setGeometry(65, 252, 100, 32);
    connect(done, &QAbstractButton::clicked, this, &QWidget::close);
}

QString Tspylist::entryText(int slot, const QString& name) {
    return QStringLiteral("%1: %2").arg(slot).arg(name);
}

void Tspylist::addEntry(int slot, const QString& name) {
    list_->addItem(entryText(slot, name));
}

bool Tspylist::removeEntry(const QString& text) {
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->text() == text) {
            delete list_->takeItem(i);
            return true;
        }
    }
    return false;
}

bool Tspylist::contains(const QString& text) const {
    return entries().contains(text);
}

QStringList Tspylist::entries() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i)
        out << list_->item(i)->text();
    return out;
}

void Tspylist::clear() {
    list_->clear();
}

void Tspylist::setKickEnabled(bool enabled) {
    kick_->setEnabled(enabled);
}

void Tspylist::kickAt(int row) {
    if (!kick_->isEnabled() || row < 0 || row >= list_->count()) return;
    const QString text = list_->item(row)->text();
    bool ok = false;
    const int slot = text.left(text.indexOf(QLatin1Char(':'))).toInt(&ok);
    if (ok) emit kickRequested(slot);
}

} // namespace windows
