#pragma once
// Where the Hint button's advice comes from: the best lay-down for the player's rack on the board as
// the player sees it. The window does not search for it itself; the program hands it a source.

#include "rules/tiles.h"

#include <functional>
#include <optional>
#include <vector>

namespace client {

// One step of laying the advice, as the player would make it: a rack tile put into an empty board
// cell, or a board tile moved to an empty board cell.
struct HintStep {
    enum class Kind { Place, Move };
    Kind kind = Kind::Place;
    int rackCell = 0;   // Place: the rack cell the tile comes from
    int fromColumn = 0; // Move: the cell the tile leaves
    int fromRow = 0;
    int toColumn = 0;
    int toRow = 0;
    int tile = 0;
    bool operator==(const HintStep&) const = default;
};

struct HintPlan {
    int value = 0;               // the value of the rack tiles laid (number, joker 30); 0: nothing to lay
    std::vector<int> rackCells;  // the rack cells of the tiles laid
    std::vector<HintStep> steps; // in the order they are to be made
};

// The best lay-down for `rack` on `board` that is worth at least `minimum`: a plan laying nothing when
// there is none, nothing at all when the board's tiles cannot all stand in valid sets.
using HintSource =
    std::function<std::optional<HintPlan>(const rules::Board& board, const rules::Rack& rack, int minimum)>;

} // namespace client
