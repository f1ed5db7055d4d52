#pragma once
// Round scoring and the game's winner, over the four seat records.

#include <array>
#include <string>

namespace rules {

// What scoring needs of a seat. Arrays of these are indexed by seat 1..4 (index 0 unused).
struct SeatRecord {
    std::string name;    // the human's name, empty for a computer-played seat
    std::string botname; // the computer player's name
    int score = 0;       // cumulative game score
    int points = 0;      // during a turn the value played; after a round the round result
    int rackvalue = 0;   // sum of the tile values still in the rack (input to endround)
    bool playing = true; // took part in the round; a seat that did not can never win the game
};
using SeatRecords = std::array<SeatRecord, 5>;

inline constexpr const char* kGreenTeam = "The Green Team"; // seats 1 and 3
inline constexpr const char* kBrownTeam = "The Brown Team"; // seats 2 and 4

// Settles a round: winner 1..4, or 0 when every playing seat met an empty pool.
// Sets points and score of seats 1..4 from their rackvalue.
void endround(SeatRecords& seats, int winner, bool teamgame);

struct WinResult {
    bool over = false; // a seat (or team) reached the target with no tie at the top
    int bestseat = 0;  // seat with the highest score (lowest seat on equal scores); 0 if nobody reached it
    std::string text;  // winner text when over
};
WinResult checkforwin(const SeatRecords& seats, int playtoscore, bool teamgame);

// A finished turn adds `value` to the seat's score; in a team game the partner copies it.
void addTurnScore(SeatRecords& seats, int seat, int value, bool teamgame);
int partnerOf(int seat); // 1<->3, 2<->4

} // namespace rules
