// The "Tile Sets" menu: the sets found in the tile folder, and switching the pictures to one of them.

#include "tchat.h"

#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/play/tileimages.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace client {

void Tchat::tilemenu() {
    auto* menu = findChild<QMenu*>(QStringLiteral("tiles1"));
    if (!menu) return;
    menu->clear();
    auto* group = new QActionGroup(menu);
    for (const QString& name : TileImages::setNames()) {
        QAction* a = menu->addAction(name);
        // Found again by the set name followed by "3".
        a->setObjectName(name + QLatin1Char('3'));
        a->setToolTip(name);
        a->setData(name);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, name] { tilemenuClick(name); });
    }
    menu->setEnabled(!menu->actions().isEmpty());
}

void Tchat::loadtile(const QString& name) {
    switch (tiles_->loadtile(name)) {
    case TileImages::Load::Missing:
        return;
    case TileImages::Load::Unreadable:
        systemLine(QStringLiteral("The tile set \"%1\" could not be read; the tiles keep their pictures.")
                       .arg(name));
        return;
    case TileImages::Load::Loaded:
        break;
    }
    currenttileset_ = name;
    if (auto* menu = findChild<QMenu*>(QStringLiteral("tiles1"))) {
        for (QAction* a : menu->actions())
            if (a->data().toString() == name) a->setChecked(true);
    }
}

void Tchat::tilemenuClick(const QString& name) {
    loadtile(name);
    // A set that could not be loaded leaves the check mark on the set in use.
    if (auto* menu = findChild<QMenu*>(QStringLiteral("tiles1"))) {
        for (QAction* a : menu->actions())
            a->setChecked(!currenttileset_.isEmpty() && a->data().toString() == currenttileset_);
    }
    board_->redrawTiles();
    rack_->redrawTiles();
    saveinifile();
}

} // namespace client
