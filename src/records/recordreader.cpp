// Reads a game record line by line. Each line is checked in full (numbers, ranges, counts) before it
// changes anything; the first bad line stops the reading, and what was read before it is kept.

#include "record.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <sstream>

namespace records {

namespace {

// The words of one line after its keyword; the rest of the line for a name.
class Fields {
public:
    explicit Fields(std::string_view text) : text_(text) {}

    std::optional<int> number(int low, int high) {
        const std::string_view word = next();
        int value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (word.empty() || ec != std::errc() || end != word.data() + word.size() || value < low ||
            value > high)
            return std::nullopt;
        return value;
    }
    std::optional<std::int64_t> time() {
        const std::string_view word = next();
        std::int64_t value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (word.empty() || ec != std::errc() || end != word.data() + word.size() || value < 0)
            return std::nullopt;
        return value;
    }
    std::string_view next() {
        if (at_ >= text_.size()) return {};
        const std::size_t end = std::min(text_.find(' ', at_), text_.size());
        const std::string_view word = text_.substr(at_, end - at_);
        at_ = std::min(end + 1, text_.size() + 1);
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
        const std::size_t colon = word.find(':');
        const std::string_view part = i + 1 < count ? word.substr(0, colon) : word;
        if (i + 1 < count && colon == std::string_view::npos) return false;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), parts[i]);
        if (part.empty() || ec != std::errc() || end != part.data() + part.size() || parts[i] < lows[i] ||
            parts[i] > highs[i])
            return false;
        if (i + 1 < count) word.remove_prefix(colon + 1);
    }
    return true;
}

class Reader {
public:
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
        if (isEvent(word)) return event(word, f);
        if (r_.version > kFormatVersion) return true; // a newer version's line: passed over
        return fail("unknown line \"" + std::string(word.substr(0, 40)) + "\"");
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
        Position p = cur_;
        p.time = *time;
        p.roundEnd = roundEnd;
        if (roundEnd) {
            p.winner = *who;
            for (int seat = 1; seat <= 4; ++seat) {
                const auto points = f.number(-10'000'000, 10'000'000);
                if (!points) return fail("bad round result");
                p.points[static_cast<std::size_t>(seat)] = *points;
            }
            const std::string name = *who == 0 ? std::string("nobody") : seatName(*who);
            addLog("Round " + std::to_string(p.round) +
                   " ends: " + (*who == 0 ? std::string("the pool ran dry") : name + " went out"));
        } else {
            p.seat = *who;
            p.turn = ++cur_.turn;
            addLog("Turn " + std::to_string(p.turn) + " (round " + std::to_string(p.round) +
                   "): " + seatName(*who) + " to play");
        }
        p.logSize = r_.log.size();
        r_.positions.push_back(p);
        return true;
    }
    bool winner(Fields& f) {
        r_.winner = f.rest();
        if (r_.winner.empty()) return fail("no winner's name");
        addLog("The game is won by " + r_.winner);
        return true;
    }

    static bool isEvent(std::string_view word) {
        for (const std::string_view known :
             {"place", "move", "back", "undo", "draw", "penalty", "timeup", "pause", "finish"})
            if (word == known) return true;
        return false;
    }
    bool event(std::string_view word, Fields& f) {
        if (word == "pause") {
            const auto on = f.number(0, 1);
            if (!on) return fail("bad pause");
            addLog(*on ? "The clock is paused" : "The clock runs again");
            return true;
        }
        const auto seat = f.number(1, 4);
        if (!seat) return fail("bad seat in \"" + std::string(word) + "\"");
        const std::string who = seatName(*seat);
        if (word == "place") {
            const auto cell = f.number(1, rules::kRackCells), tile = f.number(1, rules::kJoker),
                       column = f.number(0, rules::kLastColumn), row = f.number(0, rules::kLastRow);
            if (!cell || !tile || !column || !row) return fail("bad placement");
            addLog(who + " places " + rules::gettilename(*tile) + " at " + std::to_string(*column) + "," +
                   std::to_string(*row));
        } else if (word == "move") {
            const auto fc = f.number(0, rules::kLastColumn), fr = f.number(0, rules::kLastRow),
                       tc = f.number(0, rules::kLastColumn), tr = f.number(0, rules::kLastRow),
                       tile = f.number(1, rules::kJoker);
            if (!fc || !fr || !tc || !tr || !tile) return fail("bad move");
            addLog(who + " moves " + rules::gettilename(*tile) + " from " + std::to_string(*fc) + "," +
                   std::to_string(*fr) + " to " + std::to_string(*tc) + "," + std::to_string(*tr));
        } else if (word == "back") {
            const auto column = f.number(0, rules::kLastColumn), row = f.number(0, rules::kLastRow),
                       tile = f.number(1, rules::kJoker);
            if (!column || !row || !tile) return fail("bad take-back");
            addLog(who + " takes back " + rules::gettilename(*tile));
        } else if (word == "undo") {
            addLog(who + "'s tiles go back to the rack");
        } else if (word == "draw") {
            const auto count = f.number(1, 100);
            if (!count) return fail("bad draw");
            addLog(who + " draws " +
                   (*count == 1 ? std::string("a tile") : std::to_string(*count) + " tiles"));
        } else if (word == "penalty") {
            const auto tiles = f.number(1, 100);
            if (!tiles) return fail("bad penalty");
            addLog(who + " takes a penalty of " + std::to_string(*tiles) + " tiles");
        } else if (word == "timeup") {
            addLog(who + "'s time is up");
        } else {
            const auto points = f.number(0, 1'000'000);
            if (!points) return fail("bad finish");
            addLog(who + " finishes the turn for " + std::to_string(*points) + " points");
        }
        return true;
    }

    std::string seatName(int seat) const {
        const std::string& name = r_.seats[static_cast<std::size_t>(seat)].name;
        return name.empty() ? "Seat " + std::to_string(seat) : name;
    }
    void addLog(std::string text) { r_.log.push_back(std::move(text)); }

    Record r_;
    Position cur_;
    int number_ = 0;
};

} // namespace

Record readRecord(std::istream& in) {
    Reader reader;
    std::string text;
    bool ok = true;
    for (int number = 1; ok; ++number) {
        text.clear();
        char c = 0;
        while (in.get(c) && c != '\n' && text.size() <= kMostLineBytes)
            text += c;
        if (text.size() > kMostLineBytes) {
            reader.fail("line too long");
            break;
        }
        if (!in && text.empty()) {
            if (number == 1) reader.line("", 1); // an empty file is not a record
            reader.cut();
            break;
        }
        if (!text.empty() && text.back() == '\r') text.pop_back();
        ok = reader.line(text, number);
        if (!in) {
            // The last line had no end: the file was cut there, whether or not the piece could be read.
            reader.cut(!ok);
            break;
        }
    }
    return reader.take();
}

Record readRecordText(std::string_view text) {
    std::istringstream in{std::string(text)};
    return readRecord(in);
}

Record readRecordFile(const std::string& path) {
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
    return readRecord(in);
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
