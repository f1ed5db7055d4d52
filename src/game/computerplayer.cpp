// The computer player in the game: its delay, its turn, and what its search sees of the game.

#include "computerplayer.h"

#include "game.h"
#include "layout.h"

#include "rules/boardcheck.h"

using namespace game;

void ComputerPlayer::computerplay(int seat, ComputerLevel level) {
    if (!game_.isOnTurn(seat)) return;
    const bool laid = level == ComputerLevel::Expert ? playExpertTurn(seat) : search_.playTurn(seat);
    // The referee judges the turn: a finish may still be refused as too little for a first lay-down,
    // and then the turn is settled as for any computer seat. A board the search left incomplete is never
    // offered: the computer takes its placements back and draws at once, as the clock would make it do
    // a minute later.
    const std::string args = protocol::encodeArgs(protocol::toserver::Finish{seat});
    if (laid && rules::boardok(game_.board()))
        game_.finish(args);
    else
        game_.drawcard(args);
}

bool ComputerPlayer::playExpertTurn(int seat) {
    const tplayer& p = game_.player(seat);
    const auto turn = planTurn(game_.board(), p.tiles, p.laidpoints > 0);
    if (!turn || turn->draw) return false;
    for (const Move& move : turn->moves) {
        const std::string args = refereeArguments(seat, move);
        if (move.kind == Move::Kind::Place)
            game_.placemytile(args);
        else
            game_.swaptiles(args);
    }
    return true;
}

const rules::Board& ComputerPlayer::liveBoard() const {
    return game_.board();
}
const rules::Rack& ComputerPlayer::rackOf(int seat) const {
    return game_.player(seat).tiles;
}
std::array<bool, rules::kRackCells + 1>& ComputerPlayer::botused(int seat) {
    return game_.player(seat).botused;
}
std::array<bool, 6>& ComputerPlayer::botsuits(int seat) {
    return game_.player(seat).botsuits;
}
std::mt19937& ComputerPlayer::random() {
    return game_.random();
}
void ComputerPlayer::placeTile(int seat, int cell, int column, int row) {
    game_.placemytile(protocol::encodeArgs(protocol::toserver::PlaceMyTile{seat, cell, column, row}));
}
void ComputerPlayer::moveTile(int seat, int toColumn, int toRow, int fromColumn, int fromRow) {
    game_.swaptiles(
        protocol::encodeArgs(protocol::toserver::SwapTiles{seat, toColumn, toRow, fromColumn, fromRow}));
}

// The computer seat's delay has run out: play its turn unless a human has taken the seat meanwhile or
// the turn is no longer running.
void Game::computertimerTimer() {
    computertimer_.active = false;
    if (!turnRunning() || !computerControlled(currentplayer_)) return;
    computerplay(currentplayer_);
}

void Game::computerplay(int seat) {
    if (!isOnTurn(seat)) return;
    // A human who left the turn half done (a lost connection, "just watch") leaves tiles on the board
    // that the computer would otherwise have to build around: they go back to the rack first.
    undo(seat);
    computer_.computerplay(seat, computerLevel(seat));
}

void Game::setComputerLevel(int seat, ComputerLevel level) {
    if (isSeat(seat)) levels_[static_cast<std::size_t>(seat)] = level;
}

ComputerLevel Game::computerLevel(int seat) const {
    return isSeat(seat) ? levels_[static_cast<std::size_t>(seat)] : ComputerLevel::Classic;
}

void Game::startComputerTimer() {
    computertimer_.active = false;
    if (!computerControlled(currentplayer_)) return;
    computertimerInterval_ = botDelay();
    computertimer_ = {true, now_ + computertimerInterval_};
}

int Game::botDelay() const {
    constexpr int kLongest = 60000;
    if (!botDelaySource_) return kDefaultBotDelay;
    const int delay = botDelaySource_();
    return delay < 0 ? 0 : (delay > kLongest ? kLongest : delay);
}

bool Game::computerControlled(int seat) const {
    if (!isSeat(seat)) return false;
    const tplayer& p = players_[static_cast<std::size_t>(seat)];
    return !p.connected || p.justwatching;
}
