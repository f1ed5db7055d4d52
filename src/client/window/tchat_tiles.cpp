// The "Tile Sets" menu: the two painted looks, the sets found in the tile folder, and switching the
// pictures to one of them.

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
    auto add = [&](const QString& text, const QString& name, const QString& objectName) {
        QAction* a = menu->addAction(text);
        a->setObjectName(objectName);
        a->setToolTip(text);
        a->setData(name);
        a->setCheckable(true);
        a->setChecked(name == currenttileset_);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, name] { tilemenuClick(name); });
    };
    // The painted looks first; the classic one is the empty set name, as before any set was chosen.
    add(tr("Classic"), QString(), QStringLiteral("tilesclassic"));
    add(tr("High contrast"), TileImages::highContrastName(), QStringLiteral("tileshighcontrast"));
    const QStringList files = TileImages::setNames();
    if (!files.isEmpty()) menu->addSeparator();
    // A file set is found again by its name followed by "3".
    for (const QString& name : files)
        add(name, name, name + QLatin1Char('3'));
}

void Tchat::loadtile(const QString& name) {
    if (name.isEmpty()) {
        tiles_->useBuiltIn(TileImages::Look::Classic);
        currenttileset_.clear();
        return;
    }
    switch (tiles_->loadtile(name)) {
    case TileImages::Load::Missing:
        return;
    case TileImages::Load::Unreadable:
        systemLine(tr("The tile set \"%1\" could not be read; the tiles keep their pictures.").arg(name));
        return;
    case TileImages::Load::Loaded:
        break;
    }
    currenttileset_ = name;
    if (auto* menu = findChild<QMenu*>(QStringLiteral("tiles1"))) {
        for (QAction* a : menu->actions())
            if (a->isCheckable() && a->data().toString() == name) a->setChecked(true);
    }
}

void Tchat::tilemenuClick(const QString& name) {
    loadtile(name);
    // A set that could not be loaded leaves the check mark on the set in use.
    if (auto* menu = findChild<QMenu*>(QStringLiteral("tiles1"))) {
        for (QAction* a : menu->actions())
            if (a->isCheckable()) a->setChecked(a->data().toString() == currenttileset_);
    }
    board_->redrawTiles();
    rack_->redrawTiles();
    saveinifile();
}

} // namespace client
