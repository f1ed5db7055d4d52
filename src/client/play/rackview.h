#pragma once
// The rack strip under the board, the sort buttons, and the pictures of the player's tiles in their
// slots, painted from the rack model.

#include "rules/tiles.h"

#include <QObject>

#include <vector>

class QAbstractButton;
class QLabel;
class QScrollArea;
class QWidget;

namespace client {

struct ClientState;
class HeldPicture;
class RackModel;
class TileImages;

class RackView : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlots = rules::kRackCells;
    explicit RackView(QWidget* panel);
    // The rack's tiles and the tile in hand come from `model`; the view paints them as they change.
    void attach(const ClientState* state, RackModel* model, const TileImages* tiles, HeldPicture* held);

    // Sorts by the sort button that is down: by numbers, or (by suits or neither) by tile code.
    void sortthem();
    // A press on the picture of rack cell `cell` (`panelPos` in the board panel).
    void cardimagesMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                             const QPoint& panelPos);

    // The picture of a rack cell's tile (hidden while the tile lies on the board), or none.
    QWidget* picture(int cell) const;
    // Outlines the tiles of these rack cells (the hint's advice) and no others.
    void setOutlined(const std::vector<int>& cells);
    std::vector<int> outlined() const;
    // The tiles drawn (or dealt as a penalty) since the player last used the rack, marked in their
    // corner; `clearFresh` takes the marks off.
    std::vector<int> freshCells() const;
    void clearFresh();
    // Puts the held rack tile down again: the hand is empty and its picture hidden.
    void dropHeld();

    int occupiedSlots() const;
    // Repaints every tile picture from the current pictures (after a tile set was picked).
    void redrawTiles();

    // 1: by numbers, 2: by suits, 0: neither button down.
    int sortChoice() const;
    void setSortChoice(int choice);

    void setSitoutShown(bool shown);

    // The rack's geometry, the one place it is kept: the rectangle of display slot `slot` (its tile
    // raised when `up`) in the strip that holds the tiles, and the occupied slot under a point of the
    // strip (0: none).
    QRect slotRect(int slot, bool up = false) const;
    int slotAt(const QPoint& pos) const;
    QWidget* strip() const;
    // Follows the panel's factor: the tiles take their slots' new places and sizes.
    void rescale();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A sort button was pressed (the settings remember the choice).
    void sortChosen();
    void cue(const QString& name);
    void systemLine(const QString& text);

private:
    // Makes the pictures what the model holds: one per tile in its slot, the held one raised, those
    // laid on the board hidden.
    void sync();
    void dealt(const std::vector<int>& added, bool drawn);
    QWidget* addPicture(int cell, int code);
    bool raised(int cell) const;
    void layOut();
    void markSort();
    void updateStripWidth();

    const ClientState* state_ = nullptr;
    RackModel* model_ = nullptr;
    const TileImages* tiles_ = nullptr;
    HeldPicture* held_ = nullptr;
    QWidget* panel_;
    QScrollArea* area_;
    QWidget* strip_;
    QLabel* sitout_;
    QAbstractButton* bynumber_;
    QAbstractButton* bysuit_;
    QWidget* sortMark_;
    bool twoRows_ = false;
    int firstRow_ = 0; // tiles in the first of two rows
};

} // namespace client
