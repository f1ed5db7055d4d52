#pragma once
// The master's judgement over the round: it starts from the expert's best lay-down and decides what to
// lay now and what to keep, from what any player at the table can see (the board, its own rack, how many
// tiles the others hold and how many are left to draw).

#include "layout.h"

#include <vector>

namespace game {

struct MasterView {
    const rules::Board& board;
    const rules::Rack& rack;
    bool opened = false;          // the seat has made its first lay-down this round
    int poolLeft = 0;             // tiles still to be drawn
    std::vector<int> othersTiles; // tiles held by every other seat in the round
};

// The turn the master plays; empty when nothing can be laid out (the seat then draws).
// - It goes out whenever a lay-down empties its rack.
// - It keeps its jokers while the round is young (a full pool, every other seat far from going out) and
//   a lay-down without them is still worth making: a joker kept makes a set of any two tiles later, and
//   the round is won by going out, not by the points of one turn.
std::optional<Turn> masterTurn(const MasterView& view);

// The master keeps its jokers while at least this many tiles are left to draw and every other seat holds
// at least kFarFromOut tiles.
inline constexpr int kYoungPool = 20;
inline constexpr int kFarFromOut = 6;

} // namespace game
