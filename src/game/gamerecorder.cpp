#include "gamerecorder.h"

#include "records/recordfolder.h"

namespace game {

records::Position positionOf(const Game& game) {
    records::Position p;
    fillPosition(game, p);
    return p;
}

namespace {

// Everything of the position but the pool's order (which only a deal changes) and its next tile.
void fillTurn(const Game& game, records::Position& p) {
    p.time = game.now();
    p.board = game.turnboard();
    for (int seat = 1; seat <= kSeats; ++seat) {
        const tplayer& player = game.player(seat);
        const auto s = static_cast<std::size_t>(seat);
        p.racks[s] = player.tiles;
        p.scores[s] = player.score;
        p.points[s] = player.points;
        p.laid[s] = player.laidpoints;
        p.playing[s] = player.playing;
        p.dry[s] = player.emptypool;
    }
}

} // namespace

void fillPosition(const Game& game, records::Position& p) {
    fillTurn(game, p);
    p.pool = game.pool();
}

std::optional<ResumedTable> resumePoint(const records::Record& record, const std::string& from) {
    // Only a record read whole is gone on from: a damaged one might hold a position that never was.
    if (!record.stopped || record.finished() || record.positions.empty()) return std::nullopt;
    const records::Position& p = record.positions.back();
    ResumedTable t;
    const records::RecordOptions& o = record.options;
    t.options = {o.host, o.target, o.seconds, o.tiles, o.timepenalty, o.team};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        t.names[s] = record.seats[s].name;
        t.racks[s] = p.racks[s];
        t.scores[s] = p.scores[s];
        t.laid[s] = p.laid[s];
        t.playing[s] = p.playing[s];
        t.dry[s] = p.dry[s];
        t.humans[s] = !record.seats[s].computer;
    }
    t.board = p.board;
    t.pool = p.pool;
    t.round = p.round;
    t.seat = p.seat;
    t.roundEnd = p.roundEnd;
    t.from = from;
    return t;
}

GameRecorder::~GameRecorder() {
    if (writer_) writer_->finish();
}

GameRecorder::GameRecorder(std::string folder, int keep, Clock clock)
    : folder_(std::move(folder)), keep_(keep),
      clock_(clock ? std::move(clock) : Clock(&std::chrono::system_clock::now)) {}

void GameRecorder::open(const Game& game) {
    if (writer_) writer_->finish();
    writer_.reset();
    file_.close();
    file_.clear();
    round_ = 0;
    const auto now = clock_();
    const auto second = std::chrono::floor<std::chrono::seconds>(now);
    sequence_ = second == lastSecond_ ? sequence_ + 1 : 1;
    lastSecond_ = second;
    path_ = records::newRecordPath(folder_, now, &sequence_);
    if (!path_.empty()) file_.open(path_, std::ios::out | std::ios::trunc | std::ios::binary);
    if (path_.empty() || !file_) {
        problem_ = "cannot write a game record in " + folder_;
        return;
    }
    problem_.clear();
    writer_ = std::make_unique<records::RecordWriter>(file_);
    const GameOptions& o = game.options();
    std::array<records::RecordSeat, 5> seats{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const tplayer& p = game.player(seat);
        seats[static_cast<std::size_t>(seat)] = {p.name.empty() ? p.botname : p.name, p.name.empty()};
    }
    writer_->header(records::utcText(now),
                    {o.hostname, o.playtoscore, o.turnseconds, o.dealsize, o.timepenalty, o.teamgame}, seats);
    records::keepNewest(folder_, keep_);
}

void GameRecorder::tableEvent(const Game& game, const TableEventInfo& e) {
    if (e.kind == TableEvent::GameStarted || e.kind == TableEvent::Resumed) open(game);
    if (!writer_) return;
    switch (e.kind) {
    case TableEvent::GameStarted:
        break;
    case TableEvent::Resumed:
        resumed(game, e);
        break;
    case TableEvent::RoundDealt: {
        records::Position p = positionOf(game);
        p.round = ++round_;
        writer_->round(p);
        break;
    }
    case TableEvent::TurnStarted:
    case TableEvent::RoundEnded: {
        // Filled in place every turn, never allocated again; the writer reads only the pool's next tile.
        records::Position& p = scratch_;
        fillTurn(game, p);
        p.pool.poolnext = game.pool().poolnext;
        p.round = round_;
        p.seat = e.seat;
        p.roundEnd = e.kind == TableEvent::RoundEnded;
        p.winner = e.values[0];
        writer_->position(p);
        break;
    }
    case TableEvent::GameWon:
        writer_->winner(e.text);
        break;
    default:
        event(e);
    }
    if (!writer_->good() && problem_.empty()) problem_ = "cannot write the game record " + path_;
}

// The new record names the one it goes on from and, for a turn in the middle of a round, gives the
// whole position as a deal: the round's pool, every rack, then the turn.
void GameRecorder::resumed(const Game& game, const TableEventInfo& e) {
    if (!e.text.empty()) writer_->resumes(e.text);
    round_ = e.values[0];
    if (e.values[1] != 0) return; // a round's end: the next round's deal follows
    records::Position p = positionOf(game);
    p.round = round_;
    writer_->round(p);
}

void GameRecorder::event(const TableEventInfo& e) {
    const auto& v = e.values;
    switch (e.kind) {
    case TableEvent::Placed:
        writer_->placed(e.seat, v[0], v[1], v[2], v[3]);
        break;
    case TableEvent::Moved:
        writer_->moved(e.seat, v[0], v[1], v[2], v[3], v[4]);
        break;
    case TableEvent::TookBack:
        writer_->tookBack(e.seat, v[0], v[1], v[2]);
        break;
    case TableEvent::Undone:
        writer_->undone(e.seat);
        break;
    case TableEvent::Drew:
        writer_->drew(e.seat, v[0]);
        break;
    case TableEvent::Penalty:
        writer_->penalty(e.seat, v[0]);
        break;
    case TableEvent::TimeUp:
        writer_->timeUp(e.seat);
        break;
    case TableEvent::Paused:
        writer_->paused(v[0] != 0);
        break;
    case TableEvent::Finished:
        writer_->finished(e.seat, v[0]);
        break;
    default:
        break;
    }
}

} // namespace game
