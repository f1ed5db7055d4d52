#pragma once
// A player's statistics over the games of a records folder: games played and won against each
// opponent, the rounds played, gone out and their points, and the best round.

#include "record.h"

#include <string>
#include <vector>

namespace records {

struct OpponentStats {
    std::string name;
    int played = 0; // games both played in
    int won = 0;    // of those, the games the player won
};

struct BestRound {
    int points = 0;
    int round = 0;
    std::string started; // the game's start, as its record gives it
};

struct PlayerStats {
    std::string player;
    int games = 0; // finished games the player played in
    int won = 0;
    int rounds = 0;    // rounds the player was dealt into, finished games or not
    int roundsOut = 0; // rounds the player went out
    long long points = 0;
    bool hasBest = false;
    BestRound best;
    std::vector<OpponentStats> opponents; // the most played first, then by name

    double averagePoints() const { return rounds == 0 ? 0.0 : static_cast<double>(points) / rounds; }
};

// What the statistics and the list of games need of one record: a few hundred bytes where the whole
// record holds every position.
struct RoundResult {
    int round = 0;
    int winner = 0; // the seat that went out, 0 when the pool ran dry
    std::array<int, 5> points{};
    std::array<bool, 5> playing{};
};

struct GameSummary {
    std::string file;
    std::string started;
    bool team = false;
    std::array<RecordSeat, 5> seats{};
    std::array<bool, 5> playing{}; // dealt into any round
    std::array<int, 5> scores{};   // as the record last gives them
    std::vector<RoundResult> rounds;
    std::string winner; // empty for a game without its winner
    std::string problem;
};

// The same from a record read whole or as a summary (Detail::Summary).
GameSummary summarize(const Record& record, const std::string& file = {});
// The summaries of every record in `folder`, newest first (damaged ones as far as they could be read),
// each record read as a summary.
std::vector<GameSummary> summarizeFolder(const std::string& folder);

// Adds one game to `stats` (nothing when the player holds no seat in it). A game counts as played and
// won only when its record reaches its winner; its rounds count as far as they were played.
void addGame(PlayerStats& stats, const GameSummary& game);
PlayerStats statsFor(const std::string& player, const std::vector<GameSummary>& games);

// Every seat name in `games`: the names people played under first, each group the most often seen
// first.
std::vector<std::string> playerNames(const std::vector<GameSummary>& games);

} // namespace records
