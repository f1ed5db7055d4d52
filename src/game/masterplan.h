#pragma once
// The master's judgement over the round. It sees what any player at the table sees (the board, its own
// rack, how many tiles the others hold, whether they have opened, how many tiles are left to draw) and
// weighs a few ways to play the turn (the expert's best lay-down, the same without its jokers, a
// lay-down of new sets only, laying nothing) by playing each out: the hidden tiles are dealt at random
// to the others' racks and the pool, consistently with what it can see, and every seat then plays its
// next turns with the expert's exact search. The way with the best mean result, counted in the points
// the round gives, is played.

#include "layout.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace game {

struct Opponent {
    int tiles = 0;       // tiles in its rack
    bool opened = false; // it has made its first lay-down this round
};

struct MasterView {
    rules::Board board;
    rules::Rack rack;
    bool opened = false; // the seat has made its first lay-down this round
    int poolLeft = 0;    // tiles still to be drawn
    // The other seats in the round, in the order they play after this one.
    std::vector<Opponent> others;
};

// How much the master may think: deals of the hidden tiles it plays out, and how many turns of each
// seat every play-out looks ahead. Work, not time, so a seed plays the same game on every machine.
struct MasterBudget {
    int deals = 48;
    int turnsAhead = 2;
};
// The budget for a computer delay in ms (the bot speed): more deals for a slower speed, each fitting
// well inside the delay on an ordinary machine.
MasterBudget masterBudget(int botDelayMs);

// What the master weighed, for the benchmark and the tests.
struct MasterStats {
    int choices = 0;      // ways of playing the turn weighed (1 when the turn is plain)
    int deals = 0;        // deals played out
    int chosen = 0;       // 0: the expert's lay-down; otherwise the way that beat it
    bool stopped = false; // `stop` ended the thinking early
};

// The turn the master plays; a turn with `draw` set, or empty, when it lays nothing (the seat then
// draws). `seed` deals the hidden tiles; `stop`, when given, is asked between deals and ends the
// thinking early with what has been weighed by then (a wall-clock cap).
std::optional<Turn> masterTurn(const MasterView& view, std::uint32_t seed, const MasterBudget& budget,
                               const std::function<bool()>& stop = {}, MasterStats* stats = nullptr);

} // namespace game
