#pragma once
// Writes a game record as it happens: the header, each round's deal, the events of every turn and,
// at each turn's start and each round's end, what changed in the committed position since the last
// one. Every turn's start and round's end is flushed, so a crash loses at most the turn in play.

#include "record.h"

#include <ostream>
#include <string>

namespace records {

class RecordWriter {
public:
    explicit RecordWriter(std::ostream& out) : out_(out) {}

    void header(const std::string& started, const RecordOptions& options,
                const std::array<RecordSeat, 5>& seats);
    // A round is dealt: the seats that play, the pool's order with its next tile, every rack, the scores.
    void round(const Position& dealt);
    // A turn starts (position.seat on turn) or a round ends (position.roundEnd): the changes, then the line.
    void position(const Position& position);
    void winner(const std::string& name);
    // The game goes on from the record `from` (after the header).
    void resumes(const std::string& from);

    // The events of a turn, written as they happen.
    void placed(int seat, int cell, int tile, int column, int row);
    void moved(int seat, int fromColumn, int fromRow, int toColumn, int toRow, int tile);
    void tookBack(int seat, int column, int row, int tile);
    void undone(int seat);
    void drew(int seat, int count);
    void penalty(int seat, int tiles);
    void timeUp(int seat);
    void paused(bool on);
    void finished(int seat, int points);

    bool good() const { return out_.good(); }
    // Writes out the events not yet written (at the end of the game's record).
    void finish() { flush(); }

private:
    // The lines since the last flush, made without the stream's formatting.
    struct Line {
        std::string text;
        Line& operator<<(char c) {
            text += c;
            return *this;
        }
        Line& operator<<(std::string_view s) {
            text += s;
            return *this;
        }
        Line& operator<<(int n);
        Line& operator<<(std::int64_t n);
    };

    void racksAndScores(const Position& now, bool all);
    void writeRack(int seat, const rules::Rack& rack);
    void flush();

    std::ostream& out_;
    Line buffer_;
    Position last_;
};

} // namespace records
