#pragma once
// The board check: is every row of the board made of valid sets? One
// implementation for the server (at every finish) and the client's indicator.

#include "tiles.h"

namespace rules {

// True when every row 0..12 passes checkrow; stops at the first failing row.
bool boardok(const Board& board);
// True when every set (maximal run of tiles in the row, columns 0..22) has at least
// three tiles and is a run or a group.
bool checkrow(const Board& board, int row);
// Run: one suit (jokers aside), no repeated number, and a start number s >= 1 with
// s + length - 1 <= 13 puts every real tile at position i on number s + i.
bool checkforsuit(const Board& board, int row, int first, int last);
// Group: one number (jokers aside), no suit twice.
bool checkfornumber(const Board& board, int row, int first, int last);

// The same checks over a plain sequence of codes, for callers that hold a set outside a board.
bool isRun(const std::vector<int>& codes);
bool isGroup(const std::vector<int>& codes);
bool isValidSet(const std::vector<int>& codes);

} // namespace rules
