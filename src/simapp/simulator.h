#pragma once
// Plays whole games between computer seats in the real game, with no sockets and no waiting: every
// seat is held by a connection whose player just watches, the computer delay is 0, and the game's time
// is moved straight to its next deadline whenever a turn would otherwise sit and wait.

#include "protocol/facts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace game {
class Game;
class TableSink;
enum class ComputerLevel;
} // namespace game

namespace sim {

struct SimOptions {
    int games = 1;
    int seats = 4; // 2..4 seats hold a player; all four play in a team game
    std::uint32_t seed = 1;
    bool team = false;
    int target = protocol::kTargetRange.initial;
    int tiles = protocol::kTilesRange.initial;
    int seconds = protocol::kSecondsRange.initial;
    bool timepenalty = true;
    std::array<game::ComputerLevel, 5> levels{}; // by seat: Classic unless set
    bool levelsGiven = false;                    // the report then tells the levels apart
    bool check = false;                          // checks the tiles and the board after every step
    // The bot speed in ms: the computer's delay in the game's own time (no real waiting), and how long a
    // master may think. 0 plays at once, with the master's smallest budget.
    int speed = 0;
    // Steps one round may take before the game counts as stalled (a round takes a few hundred); the run
    // stops at the first stalled game, so a fault that keeps the game going shows at once.
    long long stepLimit = 100'000;
};

struct SimReport {
    int games = 0;
    long long rounds = 0;
    long long turns = 0;
    long long laidTurns = 0;               // turns accepted at finish
    long long undoneTurns = 0;             // turns that laid tiles which the finish took back
    long long clockTurns = 0;              // turns settled by the turn clock
    long long stalledGames = 0;            // games stopped because nothing could move (should stay 0)
    std::array<int, 5> wins{};             // by seat; a team win counts for both partners
    std::array<long long, 5> finalScore{}; // summed over games, by seat
    std::array<long long, 5> seatTurns{};  // turns played, by seat
    std::array<long long, 5> seatPoints{}; // value of the turns accepted at finish, by seat
    long long roundsGoneOut = 0;           // rounds a seat won by going out (not a dry pool)
    std::array<long long, 5> seatOut{};    // rounds the seat went out, by seat
    std::array<double, 5> seatThinking{};  // seconds of the computer's turns, by seat (varies by run)
    long long checkedSteps = 0;            // steps after which the tiles and the board were checked
    long long faults = 0;                  // checks that found a fault (should stay 0)
    std::string firstFault;
    double seconds = 0; // wall time of the run
};

// The 95 % (Wilson score) interval of a share `wins` of `games`, in per cent.
struct Interval {
    double low = 0;
    double high = 0;
};
Interval winInterval(long long wins, long long games);

// What is wrong with the game's tiles, or empty when nothing is: every tile code 1..53 is somewhere
// exactly twice (the pool still to be drawn, a rack, the board), and the committed board passes the
// board check.
std::string tileFault(const game::Game& server);

// Gives the game a computer delay of `speed` ms and `seats` connections without sockets in seats 1..seats,
// logged in as "Seat1", "Seat2", ...
void seatPlayers(game::Game& server, int seats, int speed = 0);
// Starts a game with the options' settings and hands every seat to the computer (its player just watches);
// `afterEach` runs after each seat is handed over. The seat on turn plays at once.
void startComputerGame(game::Game& server, const SimOptions& options,
                       const std::function<void()>& afterEach = {});
// One step of play: the time moves to the next deadline (the pending computer turn, else the next second
// of the turn clock) and that one runs. False when nothing waits.
bool step(game::Game& server);

class Simulator {
public:
    explicit Simulator(const SimOptions& options);

    // Called after every step of play (a computer turn, a clock tick) with the game.
    void setStepObserver(std::function<void(const game::Game&)> observer) { observer_ = std::move(observer); }
    // Hears every table event of the games played (a game record); not owned.
    void setTableSink(game::TableSink* sink) { sink_ = sink; }
    // Sees every command the games send, by slot, as a server would send it to the slot's connection.
    void setSendTap(std::function<void(int slot, const std::string& text)> tap) { tap_ = std::move(tap); }

    SimReport run();

    // The report as text; the timing lines only when asked, so that equal seeds give equal text.
    static std::string format(const SimOptions& options, const SimReport& report, bool withTiming);
    // What varies from run to run: the run's time and each seat's mean thinking time per turn.
    static std::string timing(const SimOptions& options, const SimReport& report);

private:
    void playGame(game::Game& server, SimReport& report);

    SimOptions options_;
    std::function<void(const game::Game&)> observer_;
    game::TableSink* sink_ = nullptr;
    std::function<void(int slot, const std::string& text)> tap_;
};

} // namespace sim
