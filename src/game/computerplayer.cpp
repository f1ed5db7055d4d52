// The computer player in the game: its delay, its turn, and what its search sees of the game.

#include "computerplayer.h"

#include "game.h"
#include "layout.h"
#include "masterplan.h"

#include "rules/boardcheck.h"

#include <algorithm>

using namespace game;

void ComputerPlayer::computerplay(int seat, ComputerLevel level) {
    if (!game_.isOnTurn(seat)) return;
    ++serial_;
    if (level == ComputerLevel::Master) {
        MasterJob job = masterJob(seat);
        if (thinker_) {
            thinker_(std::move(job));
            return;
        }
        endTurn(seat, playPlanned(seat, masterTurn(job.view, job.seed, job.budget)));
        return;
    }
    endTurn(seat, playLevel(seat, level));
}

void ComputerPlayer::endTurn(int seat, bool laid) {
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

MasterView game::masterView(const Game& game, int seat) {
    const tplayer& p = game.player(seat);
    MasterView view{
        game.board(), p.tiles, p.laidpoints > 0, std::max(0, rules::kTileSetSize - game.pool().poolnext), {}};
    for (int step = 1; step < kSeats; ++step) {
        const tplayer& other = game.player((seat - 1 + step) % kSeats + 1);
        if (other.playing) view.others.push_back({other.tilecount(), other.laidpoints > 0});
    }
    return view;
}

MasterJob ComputerPlayer::masterJob(int seat) {
    MasterJob job;
    job.seat = seat;
    job.serial = serial_;
    job.view = masterView(game_, seat);
    job.capMs = game_.botDelay();
    job.budget = masterBudget(job.capMs);
    job.seed = static_cast<std::uint32_t>(game_.random()());
    return job;
}

bool ComputerPlayer::masterThought(const MasterJob& job, const std::optional<Turn>& turn) {
    // A human who took the seat back meanwhile plays the turn; so does a later computer turn.
    if (job.serial != serial_ || !game_.isOnTurn(job.seat) || !game_.computerControlled(job.seat) ||
        !(game_.board() == job.view.board) || !(game_.player(job.seat).tiles.cells == job.view.rack.cells))
        return false;
    endTurn(job.seat, playPlanned(job.seat, turn));
    return true;
}

bool ComputerPlayer::playLevel(int seat, ComputerLevel level) {
    const tplayer& p = game_.player(seat);
    const bool opened = p.laidpoints > 0;
    switch (level) {
    case ComputerLevel::Classic:
        return search_.playTurn(seat);
    case ComputerLevel::Beginner:
        return search_.playTurn(seat, true);
    case ComputerLevel::Strong:
        return playPlanned(seat, strongTurn(game_.board(), p.tiles, opened));
    case ComputerLevel::Expert:
    case ComputerLevel::Master:
        break;
    }
    return playPlanned(seat, planTurn(game_.board(), p.tiles, opened));
}

// The strong player sees the expert's best lay-down but makes it only when it moves few board tiles;
// otherwise it lays what its rack makes as new sets, leaving the board as it is.
std::optional<Turn> ComputerPlayer::strongTurn(const rules::Board& board, const rules::Rack& rack,
                                               bool opened) {
    auto best = planTurn(board, rack, opened);
    if (best && !best->draw && best->boardTilesMoved > kStrongMoves)
        return planTurn(board, rack, opened, View::NewSetsOnly);
    return best;
}

bool ComputerPlayer::playPlanned(int seat, const std::optional<Turn>& turn) {
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

namespace {
constexpr std::array<ComputerLevel, 5> kByStrength = {ComputerLevel::Beginner, ComputerLevel::Classic,
                                                      ComputerLevel::Strong, ComputerLevel::Expert,
                                                      ComputerLevel::Master};
static_assert(kByStrength.size() == protocol::kComputerLevels.size());
} // namespace

std::optional<ComputerLevel> game::computerLevelNamed(std::string_view name) {
    const int i = protocol::computerLevelIndex(name);
    if (i < 0) return std::nullopt;
    return kByStrength[static_cast<std::size_t>(i)];
}

std::string_view game::computerLevelName(ComputerLevel level) {
    for (std::size_t i = 0; i < kByStrength.size(); ++i)
        if (kByStrength[i] == level) return protocol::kComputerLevels[i];
    return protocol::kComputerLevels[protocol::kClassicLevel];
}

ComputerLevel Game::computerLevel(int seat) const {
    return isSeat(seat) ? levels_[static_cast<std::size_t>(seat)] : ComputerLevel::Classic;
}

void Game::startComputerTimer() {
    computertimer_.active = false;
    if (!computerControlled(currentplayer_)) return;
    // A master that thinks on a worker starts at once: its thinking is its delay (the thinker holds its
    // answer back until the delay has passed).
    const bool thinks = computerLevel(currentplayer_) == ComputerLevel::Master && computer_.hasThinker();
    computertimerInterval_ = thinks ? 0 : botDelay();
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
