#pragma once
// What a screen reader says about the tiles: a tile by its colour and value ("Red 7", "Black King",
// "Joker"), and a board cell with the set it belongs to ("row 3, column 5: Black King, in a run of 3").

#include "rules/tiles.h"

#include <QString>

namespace client {

QString spokenTile(int code);
// A tile as the status line and the game log name it: as spoken, but the joker is "WILD" in English.
QString shownTile(int code);
// A tile's number as the status line names it: "7", "Queen" ("WILD" for the joker).
QString shownNumber(int code);
// The cell's tile and its set; the empty cell says so.
QString spokenCell(const rules::Board& board, int column, int row);
// The board as a whole: how many tiles and sets lie on it, and how many of the sets are unfinished.
QString spokenBoard(const rules::Board& board);

} // namespace client
