// The end of a round and of the game, scored by the rules library.

#include "game.h"

#include "rules/scoring.h"

using namespace game;
namespace msg = protocol::toclient;

namespace {

constexpr int kRoundPauseSeconds = 20;

} // namespace

void Game::endround(int winner) {
    stopTimer1();
    computertimer_.active = false;
    playedlist_.clear();
    if (!isSeat(winner)) winner = 0;

    rules::SeatRecords records = seatRecords();
    rules::endround(records, winner, options_.teamgame);
    takeScores(records);

    msg::EndRound result{winner, {}};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const tplayer& p = player(seat);
        result.seats[static_cast<std::size_t>(seat - 1)] = {seat, p.score, p.points, p.tilecount()};
    }
    tell(TableEvent::RoundEnded, 0, {winner});
    sendAll(result);
    if (!roundSeed_.empty()) sendAll(msg::ShuffleReveal{roundSeed_});
    roundSeed_.clear();
    if (events_.roundEnded) events_.roundEnded(winner);

    if (checkforwin()) return;
    turnclock_ = kRoundPauseSeconds;
    clockphase_ = ClockPhase::BetweenRounds;
    startTimer1();
}

rules::SeatRecords Game::seatRecords() const {
    rules::SeatRecords records;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const tplayer& p = player(seat);
        records[static_cast<std::size_t>(seat)] = {p.name,   p.botname,       p.score,
                                                   p.points, p.tiles.value(), p.playing};
    }
    return records;
}

void Game::takeScores(const rules::SeatRecords& records) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        player(seat).score = records[static_cast<std::size_t>(seat)].score;
        player(seat).points = records[static_cast<std::size_t>(seat)].points;
    }
}

bool Game::checkforwin() {
    const rules::WinResult result =
        rules::checkforwin(seatRecords(), options_.playtoscore, options_.teamgame);
    if (!result.over) return false;
    // A seat that nobody holds and that has no computer name (the host's seat) still gets a name.
    const std::string text = result.text.empty() ? "Player" + std::to_string(result.bestseat) : result.text;
    tell(TableEvent::GameWon, 0, {}, text);
    sendAll(msg::Winner{text});
    gamestarted_ = false;
    keptFor_ = {};
    stopTimer1();
    computertimer_.active = false;
    if (events_.gameWon) events_.gameWon(text);
    return true;
}
