#pragma once
// Putting a lay-down on the board grid: where each set goes, and the moves that get it there,
// made through the same two operations a player has (place a rack tile in an empty cell, move
// a board tile to an empty cell).

#include "rules/tiles.h"

#include <optional>
#include <string>
#include <vector>

namespace game {

// A set as it lies on the board: its row, its first column and its codes from left to right.
struct PlacedSet {
    int row = 0;
    int column = 0;
    std::vector<int> codes;
    bool operator==(const PlacedSet&) const = default;
};

// The board's sets as the board check sees them: maximal runs of tiles in a row, columns 0..22.
std::vector<PlacedSet> boardSets(const rules::Board& board);

struct Move {
    enum class Kind { Place, Shift };
    Kind kind = Kind::Place;
    int rackCell = 0;   // Place: the rack cell the tile comes from
    int fromColumn = 0; // Shift: the cell the tile leaves
    int fromRow = 0;
    int toColumn = 0;
    int toRow = 0;
    int tile = 0;
    bool operator==(const Move&) const = default;
};

// One move, as the referee makes it: a Place needs the rack cell to hold the tile, a Shift needs
// the source cell to hold it; both need an empty target cell inside columns 0..22, rows 0..12.
// Returns false, changing nothing, when the move cannot be made.
bool applyMove(rules::Board& board, rules::Rack& rack, const Move& move);

// Where the sets go: board sets that `sets` keeps whole stay where they are (a kept set may
// grow at either end when the cells are free), the others go where they keep most tiles in
// their cells, on rows 1..12 and columns 1..22, an empty cell between sets. Empty when they do
// not fit.
std::optional<rules::Board> arrange(const rules::Board& board, const std::vector<std::vector<int>>& sets);

// The moves that turn `board` into `target`, taking the tiles that `target` adds from `rack`:
// board tiles first, each into a cell already empty (a tile that stands in the way of a ring of
// moves goes to a spare empty cell first), then the rack tiles. Empty when `target` does not
// hold exactly the board's tiles plus tiles the rack has.
std::optional<std::vector<Move>> movesTo(const rules::Board& board, const rules::Rack& rack,
                                         const rules::Board& target);

// The argument text a seat's move takes to the referee's handlers, as a computer seat passes it:
// a Place to `placemytile` as "seat+cell+column+row+", a Shift to `swaptiles` as
// "seat+target column+target row+source column+source row+".
std::string refereeArguments(int seat, const Move& move);

// A whole turn for a computer seat: the best lay-down for its rack on this board, laid out.
struct Turn {
    bool draw = true; // nothing worth laying: the seat draws
    int value = 0;
    int tiles = 0;
    rules::Board board; // the board after the moves
    std::vector<Move> moves;
    int boardTilesMoved = 0; // board tiles whose cell changes
    bool cut = false;        // the search stopped at its bound: the best lay-down it had found by then
};
// How much of the board the search may use: all of it, rearranged freely, or none of it (the rack's
// tiles make new sets and the board's sets stay as they are).
enum class View { WholeBoard, NewSetsOnly };
std::optional<Turn> planTurn(const rules::Board& board, const rules::Rack& rack, bool opened,
                             View view = View::WholeBoard);

} // namespace game
