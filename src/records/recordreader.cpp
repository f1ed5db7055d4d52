// Reads a game record line by line. Each line is checked in full (numbers, ranges, counts) before it
// changes anything; the first bad line stops the reading, and what was read before it is kept.

#include "record.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <limits>
#include <optional>
#include <utility>

namespace records {

namespace {

// A whole word as a decimal number (a minus or not, then at most 18 digits) within [low, high]. Most
// words of a record are numbers of a digit or two: a plain loop reads them faster than the library.
std::optional<std::int64_t> decimal(std::string_view word, std::int64_t low, std::int64_t high) {
    const bool negative = !word.empty() && word.front() == '-';
    if (negative) word.remove_prefix(1);
    if (word.empty() || word.size() > 18) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < low || value > high) return std::nullopt;
    return value;
}

// The characters of `text` from `at` up to the first `stop` (or the end).
std::size_t scan(std::string_view text, std::size_t at, char stop) {
    while (at < text.size() && text[at] != stop)
        ++at;
    return at;
}

// The words of one line after its keyword; the rest of the line for a name.
class Fields {
public:
    explicit Fields(std::string_view text) : text_(text) {}

    std::optional<int> number(int low, int high) {
        const auto value = decimal(next(), low, high);
        return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
    }
    std::optional<std::int64_t> time() {
        return decimal(next(), 0, std::numeric_limits<std::int64_t>::max());
    }
    std::string_view next() {
        if (at_ >= text_.size()) return {};
        const std::size_t end = scan(text_, at_, ' ');
        const std::string_view word = text_.substr(at_, end - at_);
        at_ = end + 1;
        return word;
    }
    std::string rest() const { return at_ < text_.size() ? std::string(text_.substr(at_)) : std::string(); }
    bool done() const { return at_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// "a:b" or "a:b:c" with each part in its range.
bool splitColons(std::string_view word, int* parts, int count, const int* lows, const int* highs) {
    for (int i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const std::size_t end = last ? word.size() : scan(word, 0, ':');
        if (end == word.size() && !last) return false;
        const auto value = decimal(word.substr(0, end), lows[i], highs[i]);
        if (!value) return false;
        parts[i] = static_cast<int>(*value);
        if (!last) word.remove_prefix(end + 1);
    }
    return true;
}

// A turn's event: the fields after its seat, with their ranges, and what a bad one is called.
struct EventSyntax {
    std::string_view word;
    const char* problem;
    int count;
    std::array<std::pair<int, int>, 5> ranges;
};

constexpr EventSyntax kEvents[] = {
    {"place",
     "bad placement",
     4,
     {{{1, rules::kRackCells}, {1, rules::kJoker}, {0, rules::kLastColumn}, {0, rules::kLastRow}}}},
    {"move",
     "bad move",
     5,
     {{{0, rules::kLastColumn},
       {0, rules::kLastRow},
       {0, rules::kLastColumn},
       {0, rules::kLastRow},
       {1, rules::kJoker}}}},
    {"back", "bad take-back", 3, {{{0, rules::kLastColumn}, {0, rules::kLastRow}, {1, rules::kJoker}}}},
    {"undo", "", 0, {}},
    {"draw", "bad draw", 1, {{{1, 100}}}},
    {"penalty", "bad penalty", 1, {{{1, 100}}}},
    {"timeup", "", 0, {}},
    {"finish", "bad finish", 1, {{{0, 1'000'000}}}},
};

class Reader {
public:
    explicit Reader(Detail detail) : whole_(detail == Detail::Whole) {}
    Record take() { return std::move(r_); }

    // False (with the problem set) when the line is bad.
    bool line(std::string_view text, int number) {
        number_ = number;
        Fields f(text);
        const std::string_view word = f.next();
        if (number == 1) return magic(word, f);
        if (word == "started") return r_.started = f.rest(), true;
        if (word == "options") return options(f);
        if (word == "seat") return seat(f);
        if (word == "round") return round(f);
        if (word == "pool") return pool(f);
        if (word == "rack") return rack(f);
        if (word == "board") return board(f);
        if (word == "scores") return scores(f);
        if (word == "laid") return laid(f);
        if (word == "dry") return dry(f);
        if (word == "poolnext") return poolnext(f);
        if (word == "turn" || word == "end") return position(f, word == "end");
        if (word == "winner") return winner(f);
        if (word == "resumes") return r_.resumes = f.rest(), true;
        if (word == "pause") return pause(f);
        for (const EventSyntax& syntax : kEvents)
            if (word == syntax.word) return event(syntax, f);
        if (r_.version > kFormatVersion) return true; // a newer version's line: passed over
        return fail("unknown line \"" + std::string(word.substr(0, 40)) + "\"");
    }

    bool fail(const std::string& what, int number) {
        number_ = number;
        return fail(what);
    }
    bool fail(const std::string& what) {
        r_.problem = "The record is damaged at line " + std::to_string(number_) + ": " + what + ".";
        return false;
    }
    void cut(bool replace = false) {
        if ((r_.problem.empty() || replace) && !r_.finished() && r_.version > 0) {
            r_.problem = "The record ends before the game does (the game was stopped or the file was cut).";
            r_.stopped = true;
        }
    }

private:
    bool magic(std::string_view word, Fields& f) {
        const auto version = f.number(1, 1'000'000);
        if (word != kMagic || !version) {
            r_.problem = "This is not a Rimbalo game record.";
            return false;
        }
        r_.version = *version;
        if (*version > kFormatVersion)
            r_.problem = "This record was written by a newer version of Rimbalo (record format " +
                         std::to_string(*version) + "; this version reads format " +
                         std::to_string(kFormatVersion) + "). Showing what could be read.";
        return true;
    }
    bool options(Fields& f) {
        const auto target = f.number(1, 1'000'000), seconds = f.number(1, 100'000), tiles = f.number(1, 60),
                   penalty = f.number(0, 1), team = f.number(0, 1);
        if (!target || !seconds || !tiles || !penalty || !team) return fail("bad options");
        r_.options = {f.rest(), *target, *seconds, *tiles, *penalty == 1, *team == 1};
        return true;
    }
    bool seat(Fields& f) {
        const auto seat = f.number(1, 4);
        const std::string_view kind = f.next();
        if (!seat || (kind != "human" && kind != "computer")) return fail("bad seat");
        r_.seats[static_cast<std::size_t>(*seat)] = {f.rest(), kind == "computer"};
        return true;
    }
    bool round(Fields& f) {
        const auto n = f.number(1, 1'000'000);
        if (!n) return fail("bad round number");
        Position next;
        next.round = *n;
        next.turn = cur_.turn;
        next.scores = cur_.scores;
        for (int seat = 1; seat <= 4; ++seat) {
            const auto playing = f.number(0, 1);
            if (!playing) return fail("bad seats of round");
            next.playing[static_cast<std::size_t>(seat)] = *playing == 1;
        }
        cur_ = next;
        return true;
    }
    bool pool(Fields& f) {
        const auto next = f.number(0, rules::kPoolExhausted);
        if (!next) return fail("bad pool");
        for (int& tile : cur_.pool.tiles) {
            const auto code = f.number(1, rules::kJoker);
            if (!code) return fail("bad pool tile");
            tile = *code;
        }
        cur_.pool.poolnext = *next;
        return f.done() || fail("too many pool tiles");
    }
    bool rack(Fields& f) {
        const auto seat = f.number(1, 4);
        if (!seat) return fail("bad rack seat");
        rules::Rack rack;
        static constexpr int lows[] = {1, 1}, highs[] = {rules::kRackCells, rules::kJoker};
        while (!f.done()) {
            int parts[2];
            if (!splitColons(f.next(), parts, 2, lows, highs)) return fail("bad rack cell");
            rack.cells[static_cast<std::size_t>(parts[0])] = parts[1];
        }
        cur_.racks[static_cast<std::size_t>(*seat)] = rack;
        return true;
    }
    bool board(Fields& f) {
        static constexpr int lows[] = {0, 0, 0},
                             highs[] = {rules::kLastColumn, rules::kLastRow, rules::kJoker};
        rules::Board board = cur_.board;
        while (!f.done()) {
            int parts[3];
            if (!splitColons(f.next(), parts, 3, lows, highs)) return fail("bad board cell");
            board.set(parts[0], parts[1], parts[2]);
        }
        cur_.board = board;
        return true;
    }
    bool scores(Fields& f) {
        std::array<int, 5> scores{};
        for (int seat = 1; seat <= 4; ++seat) {
            const auto s = f.number(-10'000'000, 10'000'000);
            if (!s) return fail("bad scores");
            scores[static_cast<std::size_t>(seat)] = *s;
        }
        cur_.scores = scores;
        return true;
    }
    bool laid(Fields& f) {
        const auto seat = f.number(1, 4), points = f.number(0, 1'000'000);
        if (!seat || !points) return fail("bad laid value");
        cur_.laid[static_cast<std::size_t>(*seat)] = *points;
        return true;
    }
    bool dry(Fields& f) {
        const auto seat = f.number(1, 4);
        if (!seat) return fail("bad seat");
        cur_.dry[static_cast<std::size_t>(*seat)] = true;
        return true;
    }
    bool poolnext(Fields& f) {
        const auto next = f.number(0, rules::kPoolExhausted);
        if (!next) return fail("bad pool count");
        cur_.pool.poolnext = *next;
        return true;
    }
    bool position(Fields& f, bool roundEnd) {
        if (cur_.round == 0) return fail("a turn before the first round");
        const auto time = f.time();
        const auto who = f.number(roundEnd ? 0 : 1, 4);
        if (!time || !who) return fail(roundEnd ? "bad round end" : "bad turn");
        std::array<int, 5> points{};
        if (roundEnd)
            for (int seat = 1; seat <= 4; ++seat) {
                const auto result = f.number(-10'000'000, 10'000'000);
                if (!result) return fail("bad round result");
                points[static_cast<std::size_t>(seat)] = *result;
            }
        if (!roundEnd) ++cur_.turn;
        if (whole_) {
            if (roundEnd)
                addLog("Round " + std::to_string(cur_.round) + " ends: " +
                       (*who == 0 ? std::string("the pool ran dry") : seatName(*who) + " went out"));
            else
                addLog("Turn " + std::to_string(cur_.turn) + " (round " + std::to_string(cur_.round) +
                       "): " + seatName(*who) + " to play");
        }
        // A summary keeps a round's turns only as its last one.
        std::vector<Position>& kept = r_.positions;
        const bool over =
            !whole_ && !kept.empty() && !kept.back().roundEnd && kept.back().round == cur_.round;
        Position& p = over ? kept.back() : kept.emplace_back();
        p = cur_;
        p.time = *time;
        p.roundEnd = roundEnd;
        p.winner = roundEnd ? *who : 0;
        p.seat = roundEnd ? 0 : *who;
        p.points = points;
        p.logSize = r_.log.size();
        return true;
    }
    bool winner(Fields& f) {
        r_.winner = f.rest();
        if (r_.winner.empty()) return fail("no winner's name");
        if (whole_) addLog("The game is won by " + r_.winner);
        return true;
    }

    bool pause(Fields& f) {
        const auto on = f.number(0, 1);
        if (!on) return fail("bad pause");
        if (whole_) addLog(*on ? "The clock is paused" : "The clock runs again");
        return true;
    }
    bool event(const EventSyntax& syntax, Fields& f) {
        const auto seat = f.number(1, 4);
        if (!seat) return fail("bad seat in \"" + std::string(syntax.word) + "\"");
        std::array<int, 5> v{};
        for (int i = 0; i < syntax.count; ++i) {
            const auto [low, high] = syntax.ranges[static_cast<std::size_t>(i)];
            const auto field = f.number(low, high);
            if (!field) return fail(syntax.problem);
            v[static_cast<std::size_t>(i)] = *field;
        }
        if (whole_) addLog(describe(syntax.word, seatName(*seat), v));
        return true;
    }
    static std::string describe(std::string_view word, const std::string& who, const std::array<int, 5>& v) {
        const auto at = [](int column, int row) {
            return std::to_string(column) + "," + std::to_string(row);
        };
        if (word == "place") return who + " places " + rules::gettilename(v[1]) + " at " + at(v[2], v[3]);
        if (word == "move")
            return who + " moves " + rules::gettilename(v[4]) + " from " + at(v[0], v[1]) + " to " +
                   at(v[2], v[3]);
        if (word == "back") return who + " takes back " + rules::gettilename(v[2]);
        if (word == "undo") return who + "'s tiles go back to the rack";
        if (word == "draw")
            return who + " draws " + (v[0] == 1 ? std::string("a tile") : std::to_string(v[0]) + " tiles");
        if (word == "penalty") return who + " takes a penalty of " + std::to_string(v[0]) + " tiles";
        if (word == "timeup") return who + "'s time is up";
        return who + " finishes the turn for " + std::to_string(v[0]) + " points";
    }

    std::string seatName(int seat) const {
        const std::string& name = r_.seats[static_cast<std::size_t>(seat)].name;
        return name.empty() ? "Seat " + std::to_string(seat) : name;
    }
    void addLog(std::string text) { r_.log.push_back(std::move(text)); }

    bool whole_ = true;
    Record r_;
    Position cur_;
    int number_ = 0;
};

} // namespace

Record readRecordText(std::string_view text, Detail detail) {
    Reader reader(detail);
    std::size_t at = 0;
    for (int number = 1;; ++number) {
        if (at >= text.size()) {
            if (number == 1) reader.line("", 1); // an empty file is not a record
            reader.cut();
            break;
        }
        const std::size_t end = text.find('\n', at);
        std::string_view line = text.substr(at, end == std::string_view::npos ? end : end - at);
        if (line.size() > kMostLineBytes) {
            reader.fail("line too long", number);
            break;
        }
        at = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const bool ok = reader.line(line, number);
        if (end == std::string_view::npos) {
            // The last line had no end: the file was cut there, whether or not the piece could be read.
            reader.cut(!ok);
            break;
        }
        if (!ok) break;
    }
    return reader.take();
}

Record readRecord(std::istream& in, Detail detail) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return readRecordText(text, detail);
}

Record readRecordFile(const std::string& path, Detail detail) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    Record record;
    if (ec) {
        record.problem = "Cannot open " + path + ": " + ec.message() + ".";
        return record;
    }
    if (size > kMostFileBytes) {
        record.problem = path + " is too large to be a game record.";
        return record;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        record.problem = "Cannot open " + path + ".";
        return record;
    }
    // Read at once: the file may still grow (a game in play), and is read as far as it was.
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return readRecordText(text, detail);
}

std::string tileProblem(const Position& position) {
    std::array<int, rules::kJoker + 1> count{};
    for (int i = position.pool.poolnext; i < rules::kTileSetSize; ++i)
        ++count[static_cast<std::size_t>(position.pool.tiles[static_cast<std::size_t>(i)])];
    for (int seat = 1; seat <= 4; ++seat)
        for (const int tile : position.racks[static_cast<std::size_t>(seat)].cells)
            ++count[static_cast<std::size_t>(tile)];
    for (const rules::BoardItem& item : position.board.list())
        ++count[static_cast<std::size_t>(item.tile)];
    for (int code = 1; code <= rules::kJoker; ++code)
        if (count[static_cast<std::size_t>(code)] != 2)
            return rules::gettilename(code) + " (" + std::to_string(code) + ") is there " +
                   std::to_string(count[static_cast<std::size_t>(code)]) + " times";
    return {};
}

} // namespace records
