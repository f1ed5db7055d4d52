#pragma once
// The sets lying in the rows of the board, and which of them fail the set check the referee applies
// at every finish.

#include "rules/tiles.h"

#include <QString>

#include <vector>

namespace client {

// A set: columns `first` to `last` of a row, every cell holding a tile, empty cells (or the board's
// edge) on both sides.
struct SetSpan {
    int row = 0;
    int first = 0;
    int last = 0;
    bool operator==(const SetSpan&) const = default;
};

// The sets of `row` that are neither a run nor a group of at least three tiles.
std::vector<SetSpan> badSets(const rules::Board& board, int row);
// The set holding cell (column, row); an empty span (first > last) when the cell is empty.
SetSpan setAt(const rules::Board& board, int column, int row);

// Why `code` may not be put down at (column, row) next to its neighbours in the row: within a row,
// numbers may not fall from left to right across adjacent tiles (a 13 counts above a 12; jokers, and
// tiles left of a 13, are exempt). Empty text when it may.
QString orderRefusal(const rules::Board& board, int code, int column, int row);

} // namespace client
