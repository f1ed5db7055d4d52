#pragma once
// The computer player: plays the turn of a seat that no human plays, through the same referee
// handlers that serve the clients' commands.

#include "computersearch.h"
#include "layout.h"
#include "masterplan.h"

#include <functional>
#include <optional>
#include <string_view>

namespace game {
enum class ComputerLevel;

// The level a name of protocol::kComputerLevels stands for, and back.
std::optional<ComputerLevel> computerLevelNamed(std::string_view name);
std::string_view computerLevelName(ComputerLevel level);
} // namespace game

namespace game {

class Game;

// A master's turn to be thought over away from the table (on a worker thread): everything it needs is
// copied in, so the table may go on meanwhile; `serial` tells the answer's turn from any later one.
struct MasterJob {
    int seat = 0;
    long serial = 0;
    MasterView view;
    std::uint32_t seed = 0;
    MasterBudget budget;
    int capMs = 0; // the bot speed: a wall-clock cap on the thinking, for whoever runs the job
};
// What the master of `seat` sees of the game: what any player at the table sees, and its own rack.
MasterView masterView(const Game& game, int seat);

// Runs a job somewhere else and later hands its turn to Game::masterThought on the table's own thread.
using MasterThinker = std::function<void(MasterJob)>;

class ComputerPlayer : private ComputerTable {
public:
    explicit ComputerPlayer(Game& game) : game_(game), search_(*this) {}

    // Plays the whole turn of `seat`, the seat on turn, at `level`, and ends it before returning: a
    // finish when anything was laid, else a draw.
    // A master seat is played at once too, unless a thinker is set: then its job goes to the thinker and
    // the turn is ended when the answer comes back to masterThought.
    void computerplay(int seat, ComputerLevel level);
    void setMasterThinker(MasterThinker thinker) { thinker_ = std::move(thinker); }
    bool hasThinker() const { return static_cast<bool>(thinker_); }
    // The answer to a job: played when the seat is still on the turn the job was made for (the same
    // serial, board and rack); otherwise dropped. True when it was played.
    bool masterThought(const MasterJob& job, const std::optional<Turn>& turn);
    // The job for the master's turn of `seat`, the seat on turn.
    MasterJob masterJob(int seat);

    ComputerSearch& search() { return search_; }

    // The most board tiles the strong player moves to lay its tiles.
    static constexpr int kStrongMoves = 8;

private:
    // The turn at `level`; false when it lays nothing.
    bool playLevel(int seat, ComputerLevel level);
    static std::optional<Turn> strongTurn(const rules::Board& board, const rules::Rack& rack, bool opened);
    // A planned turn (the expert's, the strong player's, the master's) laid through the referee's
    // handlers. False when it lays nothing.
    bool playPlanned(int seat, const std::optional<Turn>& turn);
    // Ends the turn: a finish when anything was laid and the board is whole, else a draw.
    void endTurn(int seat, bool laid);

    // What the search sees of the server and does through its referee.
    const rules::Board& liveBoard() const override;
    const rules::Rack& rackOf(int seat) const override;
    std::array<bool, rules::kRackCells + 1>& botused(int seat) override;
    std::array<bool, 6>& botsuits(int seat) override;
    std::mt19937& random() override;
    void placeTile(int seat, int cell, int column, int row) override;
    void moveTile(int seat, int toColumn, int toRow, int fromColumn, int fromRow) override;

    Game& game_;
    ComputerSearch search_;
    MasterThinker thinker_;
    long serial_ = 0; // computer turns begun
};

} // namespace game
