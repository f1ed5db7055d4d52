#pragma once
// The game's record of one connection slot. Slots 1..4 are the seats, 5..9 onlookers, 10 only turns
// a connection away.

#include "rules/tiles.h"

#include <array>
#include <string>

namespace game {

inline constexpr int kSeats = rules::kSeats;
inline constexpr int kLastSlot = 9;  // the highest slot a connection can hold
inline constexpr int kFullSlot = 10; // where a connection is turned away
inline constexpr int kInternal = 0;  // the "sender" of the computer player's own calls

struct tplayer {
    std::string name;          // the logged-in human's name; empty while no human holds the slot
    bool connected = false;    // a connection occupies the slot (set at accept time, before the login)
    int score = 0;             // cumulative game score
    int partner = 0;           // team partner seat (1<->3, 2<->4)
    bool justwatching = false; // the seat's human just watches; the computer plays the seat
    std::string botname;       // the computer player's name for this slot
    bool playing = false;      // the seat takes part in the current round
    rules::Rack tiles;         // cells 1..60
    int points = 0;            // value played this turn; after a round, the round result
    std::array<bool, rules::kRackCells + 1> botused{}; // the computer's marks of rack cells used this turn
    std::array<bool, 6> botsuits{};                    // the computer's working marks of suit codes 1..5
    bool emptypool = false;                            // had to draw from an empty pool this round
    int laidpoints = 0; // value laid down this round; 0 until the first lay-down

    int tilecount() const { return tiles.tilecount(); }
};

inline bool isSeat(int n) {
    return n >= 1 && n <= kSeats;
}
inline bool isSlot(int n) {
    return n >= 1 && n <= kLastSlot;
}

} // namespace game
