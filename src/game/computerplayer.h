#pragma once
// The computer player: plays the turn of a seat that no human plays, through the same referee
// handlers that serve the clients' commands.

#include "computersearch.h"

namespace game {
enum class ComputerLevel;
}

namespace game {

class Game;

class ComputerPlayer : private ComputerTable {
public:
    explicit ComputerPlayer(Game& game) : game_(game), search_(*this) {}

    // Plays the whole turn of `seat`, the seat on turn, at `level`, and ends it before returning: a
    // finish when anything was laid, else a draw.
    void computerplay(int seat, ComputerLevel level);

    ComputerSearch& search() { return search_; }

private:
    // The expert's turn: the best lay-down for the rack, laid through the referee's handlers. False when
    // it lays nothing.
    bool playExpertTurn(int seat);

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
