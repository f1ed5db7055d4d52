#pragma once
// The computer player's move search. It looks only at its rack and the live board, tries a fixed list
// of patterns for each rack tile in turn and carries out every pattern it finds at once, through the
// referee's own placing and moving operations. It does not weigh alternatives or count points: the
// referee's finish judges the turn afterwards.

#include "rules/tiles.h"

#include <array>
#include <random>

namespace game {

// What the search needs of the game: read access to the board and racks, the computer's working marks,
// the shared random generator, and the referee's two moves (which may refuse; the search never checks).
class ComputerTable {
public:
    virtual ~ComputerTable() = default;
    virtual const rules::Board& liveBoard() const = 0;
    virtual const rules::Rack& rackOf(int seat) const = 0;
    virtual std::array<bool, rules::kRackCells + 1>& botused(int seat) = 0;
    virtual std::array<bool, 6>& botsuits(int seat) = 0;
    virtual std::mt19937& random() = 0;
    virtual void placeTile(int seat, int cell, int column, int row) = 0;
    virtual void moveTile(int seat, int toColumn, int toRow, int fromColumn, int fromRow) = 0;
};

// A board cell; (0, 0) means "none" in the results below.
struct Cell {
    int column = 0;
    int row = 0;
    bool none() const { return column == 0 || row == 0; }
};

class ComputerSearch {
public:
    explicit ComputerSearch(ComputerTable& table) : t_(table) {}

    // The whole search of one turn: clears the seat's marks, repeats the group pass until it lays
    // nothing, then the run pass likewise. True when anything was laid.
    // A beginner's turn makes new sets from the rack and adds tiles to the free end of a run, but never
    // moves a board tile (no group built around board tiles, no run rebuilt elsewhere), and it passes
    // over a rack tile now and then (one time in kOverlook) as a newcomer overlooks a set.
    bool playTurn(int seat, bool beginner = false);
    static constexpr int kOverlook = 3;

    // Group pass and its strategies.
    bool computermatches(int seat);
    bool computermatch1(int seat, int anchor);
    bool computermatch2(int seat, int anchor);
    bool computermatch3(int seat, int anchor);
    Cell computertwoonboard(int seat, int face);
    Cell computeroneonboard(int seat, int face, int othersuit);

    // Run pass and its strategies.
    bool computerruns(int seat);
    bool computerrun1(int seat, int anchor);
    bool computerrun2(int seat, int anchor);
    bool computerrun3(int seat, int anchor);

private:
    using Partners = std::array<int, 14>; // number 1..13 -> rack cell, 0 = none

    int random(int n);
    bool freeStretch(int width, Cell& found);
    bool usableAnchor(int seat, int cell) const;
    int face(int column, int row) const;
    Partners partnerTable(int seat, int anchor) const;
    bool layRun(int seat, std::array<int, 3> cells);
    bool tryPlainRuns(int seat, int anchor, const Partners& t);
    enum class Extended { NotHere, Laid, NoRoom };
    Extended extendRight(int seat, int anchor, int x, int row);
    bool extendLeft(int seat, int anchor, int x, int row);
    Cell groupStretch(int row, int face, int& last) const;

    bool overlooks();

    ComputerTable& t_;
    bool beginner_ = false;
};

} // namespace game
