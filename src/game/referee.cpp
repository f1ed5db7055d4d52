// Games, rounds, the passing of the turn, the turn clock and the pause.

#include "game.h"

#include "protocol/facts.h"
#include "protocol/text.h"

#include <algorithm>

using namespace game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

// The ranges the host's start dialog offers.
constexpr int kMostDealt = 96; // leaves at least 10 tiles in the pool
constexpr int kClockLead = 4;  // a turn lasts its seconds plus this before the time-out notice
constexpr int kGraceSeconds = 2;

} // namespace

void Game::startgame(std::string_view args, int fromSlot) {
    if (!hasPowers(fromSlot)) return;
    const auto m = protocol::decode<protocol::StartGame>(args);
    if (!m) return;

    stopTimer1();
    computertimer_.active = false;
    gamestarted_ = true;
    resumedFrom_.clear();
    resumedRound_ = 0;
    resumedPlaying_ = {};
    keptFor_ = {};
    options_.hostname = protocol::cleanName(m->hostname);
    using protocol::kSecondsRange, protocol::kTargetRange, protocol::kTilesRange;
    options_.playtoscore = std::clamp(m->target, kTargetRange.low, kTargetRange.high);
    options_.turnseconds = std::clamp(m->seconds, kSecondsRange.low, kSecondsRange.high);
    options_.dealsize = std::clamp(m->tiles, kTilesRange.low, kTilesRange.high);
    options_.timepenalty = m->timepenalty;
    options_.teamgame = m->teamgame;
    limitDealSize();

    sendAll(protocol::StartGame{options_.hostname, options_.playtoscore, options_.turnseconds,
                                options_.timepenalty, options_.teamgame, options_.dealsize});
    sendAll(protocol::toclient::Hints{hintsAllowed_ ? 1 : 0});
    for (int seat = 1; seat <= kSeats; ++seat) {
        tplayer& p = player(seat);
        p.score = 0;
        p.justwatching = false;
        p.emptypool = false;
        p.playing = seatPlays(seat);
    }
    tell(TableEvent::GameStarted);
    if (events_.gameStarted) events_.gameStarted(seatsToDeal(), options_.dealsize);
    startround();
}

void Game::resume(const ResumedTable& table) {
    stopTimer1();
    computertimer_.active = false;
    gamestarted_ = true;
    options_ = table.options;
    resumedFrom_ = table.from;
    resumedRound_ = table.round;
    resumedPlaying_ = table.playing;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        tplayer& p = player(seat);
        if (!table.names[s].empty()) p.botname = table.names[s];
        p.score = table.scores[s];
        p.tiles = table.racks[s];
        p.laidpoints = table.laid[s];
        p.emptypool = table.dry[s];
        p.playing = table.playing[s];
        p.justwatching = false;
        p.points = 0;
        // The host's own seat is the hosting window's, whatever its name was.
        const bool own = seat == 1 && firstSlotKept_;
        keptFor_[s] = table.playing[s] && table.humans[s] && !own && !p.connected
                          ? protocol::cleanName(table.names[s])
                          : std::string();
    }
    board_ = table.board;
    turnboard_ = table.board;
    pool_ = table.pool;
    currentplayer_ = table.seat;
    sendAll(protocol::StartGame{options_.hostname, options_.playtoscore, options_.turnseconds,
                                options_.timepenalty, options_.teamgame, options_.dealsize});
    tell(TableEvent::Resumed, table.seat, {table.round, table.roundEnd ? 1 : 0}, table.from);
    for (int slot = 1; slot <= slotcount_; ++slot)
        if (player(slot).connected) bringUpToDate(slot);
    if (table.roundEnd)
        startround();
    else
        beginTurn();
}

// Seats 1 and 2 always play; seats 3 and 4 when someone holds them, or all four in a team game.
int Game::seatsToDeal() const {
    if (options_.teamgame) return kSeats;
    return 2 + (seatPlays(3) ? 1 : 0) + (seatPlays(4) ? 1 : 0);
}

// A seat takes part in a round when someone holds it, when it is seat 2, in a team game, or when the
// host asked for more computer opponents and it is among the first that many empty seats of 2..4.
bool Game::seatPlays(int seat) const {
    if (player(seat).connected || held(seat) || seat == 2 || options_.teamgame) return true;
    if (resumedPlaying_[static_cast<std::size_t>(seat)]) return true;
    if (computerOpponents_ == 0 || seat < 2) return false;
    int computers = 0; // empty seats before this one, which the computer plays
    for (int s = 2; s < seat; ++s)
        if (!player(s).connected) ++computers;
    return computers < computerOpponents_;
}

void Game::setComputerOpponents(int count) {
    computerOpponents_ = std::clamp(count, 0, kSeats - 1);
}

void Game::limitDealSize() {
    const int seats = seatsToDeal();
    while (seats * options_.dealsize > kMostDealt)
        --options_.dealsize;
}

void Game::startround() {
    stopTimer1();
    computertimer_.active = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
        tplayer& p = player(seat);
        p.tiles.clear();
        p.laidpoints = 0;
        p.emptypool = false;
        p.playing = seatPlays(seat);
    }
    board_.clear();
    turnboard_.clear();
    shuffle();
    sendAll(msg::StartRound{{player(1).score, player(2).score, player(3).score, player(4).score}});
    playedlist_.clear();
    givetiles();
    findplayer();
}

// From the game's generator, or from a fresh seed whose digest everyone is told before the deal.
void Game::shuffle() {
    roundSeed_.clear();
    if (seedSource_) roundSeed_ = seedSource_();
    if (!roundSeed_.empty() && rules::shuffleFromSeed(pool_, roundSeed_)) {
        sendAll(msg::ShuffleCommit{digest_ ? digest_(roundSeed_) : std::string()});
        return;
    }
    roundSeed_.clear();
    rules::shuffletiles(pool_, rng_);
}

void Game::setShuffleSource(std::function<std::string()> seedHex,
                            std::function<std::string(std::string_view)> digestHex) {
    seedSource_ = std::move(seedHex);
    digest_ = std::move(digestHex);
}

void Game::givetiles() {
    limitDealSize();
    std::array<rules::Rack, kSeats + 1> racks{}; // by seat, index 0 unused
    std::array<bool, kSeats + 1> playing{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        player(seat).tiles.clear();
        playing[static_cast<std::size_t>(seat)] = player(seat).playing;
    }
    rules::givetiles(pool_, racks, playing, options_.dealsize);
    for (int seat = 1; seat <= kSeats; ++seat) {
        tplayer& p = player(seat);
        p.tiles = racks[static_cast<std::size_t>(seat)];
        msg::YourTiles dealt{seat, {}};
        for (int cell = 1; cell <= options_.dealsize; ++cell)
            if (const int tile = p.tiles.cells[static_cast<std::size_t>(cell)]; tile != 0)
                dealt.cells.push_back({cell, tile});
        if (p.connected) send(seat, dealt);
    }
    tell(TableEvent::RoundDealt);
}

void Game::findplayer() {
    computertimer_.active = false;
    // Seat 2 always plays, so at most four steps find the next seat.
    for (int step = 0; step < kSeats; ++step) {
        currentplayer_ = currentplayer_ % kSeats + 1;
        if (player(currentplayer_).playing) break;
    }
    beginTurn();
}

void Game::beginTurn() {
    playedlist_.clear();
    movesThisTurn_ = 0;
    sendNextPlayer();
    turnclock_ = options_.turnseconds + kClockLead;
    clockphase_ = ClockPhase::Turn;
    tell(TableEvent::TurnStarted, currentplayer_);
    startTimer1();
    startComputerTimer();
}

void Game::sendNextPlayer() {
    msg::NextPlayer next{currentplayer_, pool_.tilesleft(), {}};
    for (int seat = 1; seat <= kSeats; ++seat)
        next.seats[static_cast<std::size_t>(seat - 1)] = {seat, player(seat).score, player(seat).tilecount()};
    sendAll(next);
}

void Game::timer1Timer() {
    if (!gamestarted_) {
        stopTimer1();
        return;
    }
    if (--turnclock_ > 0) return;
    stopTimer1();
    switch (clockphase_) {
    case ClockPhase::Turn:
        sendAll(msg::NoTime{currentplayer_});
        turnclock_ = kGraceSeconds;
        clockphase_ = ClockPhase::Grace;
        startTimer1();
        break;
    case ClockPhase::BetweenRounds:
        startround();
        break;
    case ClockPhase::Grace:
        timeup(currentplayer_);
        break;
    }
}

void Game::timeup(int seat) {
    if (!gamestarted_ || !isSeat(seat)) return;
    stopTimer1();
    tell(TableEvent::TimeUp, seat);
    if (options_.timepenalty) tell(TableEvent::Penalty, seat, {3});
    takeBackAndDraw(seat, options_.timepenalty ? 3 : 1);
}

// The host or the seat on turn stops and restarts the turn clock while a turn is running.
void Game::pause(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::Pause>(args);
    if (!m || !fromSender(m->slot, fromSlot)) return;
    if (!gamestarted_ || clockphase_ != ClockPhase::Turn) return;
    if (!hasPowers(m->slot) && m->slot != currentplayer_) return;
    if (m->flag == 1 && timer1_.active) {
        stopTimer1();
        tell(TableEvent::Paused, 0, {1});
        sendAll(msg::GamePause{1});
    } else if (m->flag == 0 && !timer1_.active) {
        startTimer1();
        tell(TableEvent::Paused, 0, {0});
        sendAll(msg::GamePause{0});
    }
}
