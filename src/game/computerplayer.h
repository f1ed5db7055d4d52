#pragma once
// The computer player: plays the turn of a seat that no human plays, through the same referee
// handlers that serve the clients' commands.

#include "computersearch.h"
#include "layout.h"

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

class ComputerPlayer : private ComputerTable {
public:
    explicit ComputerPlayer(Game& game) : game_(game), search_(*this) {}

    // Plays the whole turn of `seat`, the seat on turn, at `level`, and ends it before returning: a
    // finish when anything was laid, else a draw.
    void computerplay(int seat, ComputerLevel level);

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
};

} // namespace game
