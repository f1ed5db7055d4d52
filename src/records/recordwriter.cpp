#include "recordwriter.h"

#include <charconv>

namespace records {

RecordWriter::Line& RecordWriter::Line::operator<<(int n) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    text.append(digits, end);
    return *this;
}

RecordWriter::Line& RecordWriter::Line::operator<<(std::int64_t n) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    text.append(digits, end);
    return *this;
}

void RecordWriter::flush() {
    out_.write(buffer_.text.data(), static_cast<std::streamsize>(buffer_.text.size()));
    out_.flush();
    buffer_.text.clear();
}

void RecordWriter::writeRack(int seat, const rules::Rack& rack) {
    buffer_ << "rack " << seat;
    for (int cell = 1; cell <= rules::kRackCells; ++cell)
        if (const int tile = rack.cells[static_cast<std::size_t>(cell)]; tile != 0)
            buffer_ << ' ' << cell << ':' << tile;
    buffer_ << '\n';
}

void RecordWriter::header(const std::string& started, const RecordOptions& options,
                          const std::array<RecordSeat, 5>& seats) {
    buffer_ << kMagic << ' ' << kFormatVersion << '\n' << "started " << started << '\n';
    buffer_ << "options " << options.target << ' ' << options.seconds << ' ' << options.tiles << ' '
            << (options.timepenalty ? 1 : 0) << ' ' << (options.team ? 1 : 0) << ' ' << options.host << '\n';
    for (int seat = 1; seat <= 4; ++seat) {
        const RecordSeat& s = seats[static_cast<std::size_t>(seat)];
        buffer_ << "seat " << seat << ' ' << (s.computer ? "computer" : "human") << ' ' << s.name << '\n';
    }
    flush();
    last_ = Position{};
}

void RecordWriter::round(const Position& dealt) {
    buffer_ << "round " << dealt.round;
    for (int seat = 1; seat <= 4; ++seat)
        buffer_ << ' ' << (dealt.playing[static_cast<std::size_t>(seat)] ? 1 : 0);
    buffer_ << "\npool " << dealt.pool.poolnext;
    for (const int tile : dealt.pool.tiles)
        buffer_ << ' ' << tile;
    buffer_ << '\n';
    last_.board.clear();
    last_.laid = {};
    last_.dry = {};
    racksAndScores(dealt, true);
    last_.round = dealt.round;
    last_.playing = dealt.playing;
    last_.pool = dealt.pool;
}

void RecordWriter::racksAndScores(const Position& now, bool all) {
    for (int seat = 1; seat <= 4; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        if (all || now.racks[s].cells != last_.racks[s].cells) {
            writeRack(seat, now.racks[s]);
            last_.racks[s] = now.racks[s]; // only a changed rack is copied
        }
        if (now.laid[s] != last_.laid[s]) buffer_ << "laid " << seat << ' ' << now.laid[s] << '\n';
        if (now.dry[s] && !last_.dry[s]) buffer_ << "dry " << seat << '\n';
    }
    if (all || now.scores != last_.scores)
        buffer_ << "scores " << now.scores[1] << ' ' << now.scores[2] << ' ' << now.scores[3] << ' '
                << now.scores[4] << '\n';
    last_.laid = now.laid;
    last_.dry = now.dry;
    last_.scores = now.scores;
}

void RecordWriter::position(const Position& now) {
    // Most turns (a draw) leave the board as it was: a plain comparison settles those. Otherwise the
    // changed cells go straight into the line, in one pass over the grid.
    if (!(now.board == last_.board)) {
        const std::size_t mark = buffer_.text.size();
        buffer_ << "board";
        bool any = false;
        for (int column = 0; column <= rules::kLastColumn; ++column)
            for (int row = 0; row <= rules::kLastRow; ++row)
                if (const int tile = now.board.at(column, row); tile != last_.board.at(column, row)) {
                    buffer_ << ' ' << column << ':' << row << ':' << tile;
                    any = true;
                }
        if (any)
            buffer_ << '\n';
        else
            buffer_.text.resize(mark); // a change outside the cells a record holds
        last_.board = now.board;
    }
    racksAndScores(now, false);
    if (now.pool.poolnext != last_.pool.poolnext) buffer_ << "poolnext " << now.pool.poolnext << '\n';
    last_.pool.poolnext = now.pool.poolnext;
    if (now.roundEnd) {
        buffer_ << "end " << now.time << ' ' << now.winner;
        for (int seat = 1; seat <= 4; ++seat)
            buffer_ << ' ' << now.points[static_cast<std::size_t>(seat)];
        buffer_ << '\n';
    } else {
        buffer_ << "turn " << now.time << ' ' << now.seat << '\n';
    }
    flush();
}

void RecordWriter::resumes(const std::string& from) {
    buffer_ << "resumes " << from << '\n';
    flush();
}

void RecordWriter::winner(const std::string& name) {
    buffer_ << "winner " << name << '\n';
    flush();
}

void RecordWriter::placed(int seat, int cell, int tile, int column, int row) {
    buffer_ << "place " << seat << ' ' << cell << ' ' << tile << ' ' << column << ' ' << row << '\n';
}

void RecordWriter::moved(int seat, int fromColumn, int fromRow, int toColumn, int toRow, int tile) {
    buffer_ << "move " << seat << ' ' << fromColumn << ' ' << fromRow << ' ' << toColumn << ' ' << toRow
            << ' ' << tile << '\n';
}

void RecordWriter::tookBack(int seat, int column, int row, int tile) {
    buffer_ << "back " << seat << ' ' << column << ' ' << row << ' ' << tile << '\n';
}

void RecordWriter::undone(int seat) {
    buffer_ << "undo " << seat << '\n';
}

void RecordWriter::drew(int seat, int count) {
    buffer_ << "draw " << seat << ' ' << count << '\n';
}

void RecordWriter::penalty(int seat, int tiles) {
    buffer_ << "penalty " << seat << ' ' << tiles << '\n';
}

void RecordWriter::timeUp(int seat) {
    buffer_ << "timeup " << seat << '\n';
}

void RecordWriter::paused(bool on) {
    buffer_ << "pause " << (on ? 1 : 0) << '\n';
}

void RecordWriter::finished(int seat, int points) {
    buffer_ << "finish " << seat << ' ' << points << '\n';
}

} // namespace records
