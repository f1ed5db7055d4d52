#pragma once
// The rack strip under the board, the sort buttons, and the display slots of the player's tiles.

#include "rules/tiles.h"

#include <QObject>

#include <array>
#include <vector>

class QAbstractButton;
class QLabel;
class QScrollArea;
class QWidget;

namespace client {

struct ClientState;
class HeldPicture;
class TileImages;

class RackView : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlots = rules::kRackCells;
    explicit RackView(QWidget* panel);
    void attach(ClientState* state, const TileImages* tiles, HeldPicture* held);

    // "CMD_yourtiles" for this seat: each tile takes the lowest free slot.
    void yourtiles(const std::vector<rules::RackItem>& items);
    // "CMD_freecard" for this seat: the tile of `cell` leaves; the later slots close the gap.
    void freecard(int cell);
    // Sorts by the sort button that is down: by numbers, or (by suits or neither) by tile code.
    void sortthem();
    // A press on the picture of rack cell `cell` (`panelPos` in the board panel).
    void cardimagesMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                             const QPoint& panelPos);

    // For the board: the rack cells in slot order, a cell's tile code (0 when not shown), hiding the
    // picture of a tile laid on the board, and putting the held rack tile down again.
    std::vector<int> cellsInOrder() const;
    int codeOf(int cell) const;
    QWidget* picture(int cell) const;
    void hideTile(int cell);
    // The tiles still in the rack, by rack cell: a tile laid on the board is not, though its picture
    // stays (hidden) until the server takes it off the rack.
    rules::Rack shownRack() const;
    // Outlines the tiles of these rack cells (the hint's advice) and no others.
    void setOutlined(const std::vector<int>& cells);
    std::vector<int> outlined() const;
    // The tiles drawn (or dealt as a penalty) since the player last used the rack, marked in their
    // corner; `clearFresh` takes the marks off.
    std::vector<int> freshCells() const;
    void clearFresh();
    // Lowers the held rack tile's picture and forgets the held tile (hiding its picture in hand).
    void dropHeld();

    // Frees every display slot and removes every tile picture.
    void clearallcards();
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
    int slotOf(int cell) const;
    void placeInSlot(int slot);
    void setRaised(QWidget* w, bool up);
    void layOut();
    void markSort();
    void raiseInSlotOrder(int from = 1);
    void updateStripWidth();
    std::size_t at(int slot) const { return static_cast<std::size_t>(slot); }

    ClientState* state_ = nullptr;
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
    int firstRow_ = 0;                    // tiles in the first of two rows
    std::array<int, kSlots + 1> slots_{}; // rack cell shown in each slot, -1 when free
};

} // namespace client
