#pragma once
// A game record as read back: the game's options and seats, the committed position at the start of
// every turn and at the end of every round, and the log of everything that happened, line by line.
// The text format is described in docs/game-record.md.

#include "rules/tiles.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace records {

inline constexpr int kFormatVersion = 1;
inline constexpr std::string_view kMagic = "rimbalo-record";
inline constexpr std::string_view kExtension = ".rimrec";
inline constexpr std::size_t kMostLineBytes = 4096;
inline constexpr std::uintmax_t kMostFileBytes = 64u << 20;

struct RecordOptions {
    std::string host;
    int target = 0;
    int seconds = 0;
    int tiles = 0;
    bool timepenalty = true;
    bool team = false;
};

struct RecordSeat {
    std::string name;
    bool computer = false;
};

// The committed state of the table: at a turn's start (seat = the seat on turn) or at a round's end
// (roundEnd, winner = the seat that went out or 0 when the pool ran dry).
struct Position {
    int round = 0;
    int turn = 0; // counts the turns of the whole game from 1; at a round's end, the last turn's
    int seat = 0;
    bool roundEnd = false;
    int winner = 0;
    std::int64_t time = 0; // the game's clock in milliseconds
    rules::Board board;
    std::array<rules::Rack, 5> racks{}; // by seat, index 0 unused
    rules::Pool pool;                   // the round's pool order and the next tile to draw
    std::array<int, 5> scores{};        // game scores by seat
    std::array<int, 5> points{};        // at a round's end, the round's result by seat
    std::array<int, 5> laid{};          // value laid down this round by seat (0 = not yet down)
    std::array<bool, 5> playing{};      // seats dealt in this round
    std::array<bool, 5> dry{};          // seats that found the pool empty this round
    std::size_t logSize = 0;            // log lines up to and including this position
};

struct Record {
    int version = 0;
    std::string started; // when the game began, as written (UTC, ISO 8601)
    RecordOptions options;
    std::array<RecordSeat, 5> seats{}; // by seat, index 0 unused
    std::vector<Position> positions;
    std::vector<std::string> log; // one readable line per event
    std::string winner;           // empty while the game has no winner
    std::string resumes;          // the record of the stopped game this one goes on from, if any
    // Empty when the whole record was read; otherwise what stopped the reading (a damaged or cut
    // record, or one from a newer version), for the reader to show beside what could be read.
    std::string problem;
    // The record was read whole up to where it ends, before the game's winner: a stopped game.
    bool stopped = false;

    bool finished() const { return !winner.empty(); }
    int rounds() const { return positions.empty() ? 0 : positions.back().round; }
};

// How much of a record to keep. Both read and check every line alike and stop at the same line.
enum class Detail {
    Whole,   // every position and the log, for the replay and a resumed game
    Summary, // for the statistics and the list of games: no log, and of the positions only the last
             // one of each round's turns and each round's end (the scores, rounds and seats dealt)
};

// Reads a record; never throws and never trusts the text. `problem` tells what was wrong, if anything.
Record readRecord(std::istream& in, Detail detail = Detail::Whole);
Record readRecordText(std::string_view text, Detail detail = Detail::Whole);
Record readRecordFile(const std::string& path, Detail detail = Detail::Whole);

// Every tile code 1..53 exactly twice among the pool still to draw, the racks and the board: empty
// when so, else what is wrong.
std::string tileProblem(const Position& position);

} // namespace records
