#include "solvetool.h"

#include "game/solver.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace solveapp {

namespace {

constexpr int kBadInput = 2;
// A full position line (106 codes of up to two digits with spaces) is far shorter than this.
constexpr std::size_t kMaxLine = 1024;
// Words quoted in a message are cut to this many characters.
constexpr std::size_t kMaxQuote = 24;

// `word` in double quotes, cut short with "..." when it is long.
std::string quoted(const std::string& word) {
    if (word.size() <= kMaxQuote) return "\"" + word + "\"";
    return "\"" + word.substr(0, kMaxQuote) + "...\"";
}

enum class LineRead { Line, End, TooLong };

// One line of at most kMaxLine characters, without its end of line; reads no further than that.
LineRead nextLine(std::istream& in, std::string& line) {
    line.clear();
    for (char c; in.get(c);) {
        if (c == '\n') return LineRead::Line;
        if (line.size() == kMaxLine) return LineRead::TooLong;
        line.push_back(c);
    }
    return line.empty() ? LineRead::End : LineRead::Line;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The codes of one line, or an error text naming the first bad word.
std::optional<std::vector<int>> readCodes(const std::string& text, std::string& error) {
    std::vector<int> codes;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        const bool digits = word.size() <= 3 && word.find_first_not_of("0123456789") == std::string::npos;
        const int code = digits ? std::stoi(word) : 0;
        if (code < 1 || code > 53) {
            error = quoted(word) + " is not a tile code 1..53";
            return std::nullopt;
        }
        codes.push_back(code);
    }
    return codes;
}

struct Position {
    std::optional<std::vector<int>> board;
    std::optional<std::vector<int>> rack;
    std::optional<bool> opened;
};

// Reads one "name: value" line into `position`; an error text when it cannot.
std::string readLine(const std::string& line, Position& position) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) return "expected \"board:\", \"rack:\" or \"opened:\"";
    const std::string name = trimmed(line.substr(0, colon));
    const std::string value = trimmed(line.substr(colon + 1));
    std::string error;
    if (name == "board" || name == "rack") {
        auto& slot = name == "board" ? position.board : position.rack;
        if (slot) return "\"" + name + ":\" given twice";
        slot = readCodes(value, error);
        return error;
    }
    if (name == "opened") {
        if (position.opened) return "\"opened:\" given twice";
        if (value != "yes" && value != "no") return "\"opened:\" must be yes or no";
        position.opened = value == "yes";
        return {};
    }
    return "unknown line " + quoted(name + ":");
}

} // namespace

int runSolve(std::istream& in, std::ostream& out, std::ostream& err) {
    Position position;
    std::string line;
    int number = 0;
    for (LineRead read; (read = nextLine(in, line)) != LineRead::End;) {
        ++number;
        if (read == LineRead::TooLong) {
            err << "rimbalo-solve: line " << number << " is longer than " << kMaxLine << " characters\n";
            return kBadInput;
        }
        if (trimmed(line).empty()) continue;
        if (const std::string error = readLine(line, position); !error.empty()) {
            err << "rimbalo-solve: line " << number << ": " << error << '\n';
            return kBadInput;
        }
    }
    for (const auto& [given, name] :
         {std::pair{position.board.has_value(), "board"}, std::pair{position.rack.has_value(), "rack"},
          std::pair{position.opened.has_value(), "opened"}})
        if (!given) {
            err << "rimbalo-solve: no \"" << name << ":\" line\n";
            return kBadInput;
        }
    if (const std::string problem = game::tileProblem(*position.board, *position.rack); !problem.empty()) {
        err << "rimbalo-solve: " << problem << '\n';
        return kBadInput;
    }
    // A position asked about on its own is searched to the end, however long that takes; only a
    // seat's turn at the table has a bound on the search.
    const auto found = game::solveTiles(*position.board, *position.rack, *position.opened, game::Walk::Both,
                                        game::kNoStageBound);
    if (!found) {
        err << "rimbalo-solve: the board tiles cannot all stand in valid sets\n";
        return kBadInput;
    }
    out << "value " << found->value << " tiles " << found->tiles << '\n';
    for (const auto& set : found->sets) {
        for (std::size_t i = 0; i < set.size(); ++i)
            out << (i ? " " : "") << set[i];
        out << '\n';
    }
    return 0;
}

} // namespace solveapp
