#pragma once
// This seat's rack as the server has dealt it, kept as tile codes: which cell holds which tile, the
// order the player keeps them in (the rack's slots, left to right), the tiles laid on the board this
// turn that the server has not taken off the rack yet, and the tile in hand. The server's messages and
// the player's moves change it; it tells the views what changed and they paint it.

#include "hand.h"

#include "rules/tiles.h"

#include <QObject>

#include <array>
#include <vector>

namespace client {

class RackModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kCells = rules::kRackCells;
    explicit RackModel(QObject* parent = nullptr);

    static bool isCell(int cell) { return cell >= 1 && cell <= kCells; }
    // The code of the tile in `cell`, 0 when the rack holds none there.
    int code(int cell) const;
    // The cells that hold a tile, in the order the player keeps them (laid ones included).
    const std::vector<int>& order() const { return order_; }
    int size() const { return static_cast<int>(order_.size()); }
    // The slot (1..) that shows `cell`, 0 when the rack holds no tile there.
    int slotOf(int cell) const;
    // Whether the tile of `cell` is laid on the board this turn and waits for the server to take it
    // off the rack.
    bool onBoard(int cell) const { return isCell(cell) && onBoard_[at(cell)]; }
    // The cells still in the player's rack (not laid on the board), in slot order, and their tiles.
    std::vector<int> inRack() const;
    rules::Rack tiles() const;
    const Hand& held() const { return held_; }

    // "CMD_yourtiles" for this seat: each tile new to the rack takes the slot after the last; a cell
    // already held takes the code sent and keeps its slot. A list naming a cell outside the rack or a
    // code that is no tile is dropped whole (false).
    bool deal(const std::vector<rules::RackItem>& items);
    // "CMD_freecard" for this seat: the tile of `cell` leaves; the later slots close the gap.
    void remove(int cell);
    // Every tile leaves; a rack tile in hand goes with it.
    void clear();
    // Stable sort: by number (jokers after the 13s), or by tile code.
    void sort(bool byNumber);
    // The tiles of two cells change slots.
    void swap(int a, int b);
    // The tile of `cell` went on the board; it stays out of the rack until the server takes it off.
    void layOnBoard(int cell);
    // Tiles laid that the server never took off the rack (it refused the move) are back in the rack.
    void returnLaid();

    // The tile in hand (see Hand); every change is told.
    void pickFromRack(int cell);
    void liftFromBoard(int column, int row, int code);
    void emptyHand();
    void resetHand();
    void setCompletion(Hand::Completion c);

signals:
    // The tiles, their order or which of them are laid changed.
    void changed();
    // A deal arrived: the cells new to the rack, and whether they joined tiles already there (drawn or
    // dealt as a penalty rather than the round's deal).
    void dealt(const std::vector<int>& added, bool drawn);
    void heldChanged();

private:
    static std::size_t at(int cell) { return static_cast<std::size_t>(cell); }
    void setHeld(const Hand& now);

    rules::Rack codes_;
    std::vector<int> order_;
    std::array<bool, kCells + 1> onBoard_{};
    Hand held_;
};

} // namespace client
