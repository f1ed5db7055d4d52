#pragma once
// The onlooker ("spy") list: everybody connected in a slot above the four seats.

#include "auxwindow.h"

#include <QPersistentModelIndex>

class QListWidget;
class QMenu;
class QAction;

namespace windows {

class Tspylist : public AuxWindow {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);

    static QString entryText(int slot, const QString& name);
    void addEntry(int slot, const QString& name);
    // Removes the entry with exactly this text; false when there is none.
    bool removeEntry(const QString& text);
    bool contains(const QString& text) const;
    QStringList entries() const;
    void clear();

    // Only the host may remove onlookers.
    void setKickEnabled(bool enabled);
    // "Remove From Game" on the entry at `row` (-1: none): asks for that slot to be removed.
    void kickAt(int row);

signals:
    void kickRequested(int slot);

private:
    QListWidget* list_;
    QMenu* popup_;
    QAction* kick_;
    QPersistentModelIndex menuEntry_;
};

} // namespace windows
