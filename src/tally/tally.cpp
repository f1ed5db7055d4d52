#include "tally.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace tally {

namespace {

constexpr std::size_t kMaxRows = 100000;

// A cell's text on one line: line breaks in a name would shift every following cell.
std::string oneLine(std::string_view s) {
    std::string out(s);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}

std::optional<int> parseCount(std::string_view s) {
    if (s.empty()) return 0;
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < 0) return std::nullopt;
    return v;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

} // namespace

void Row::add(int column) {
    int& c = counts[static_cast<std::size_t>(column - 1)];
    if (c < INT_MAX) ++c;
}

Tally::Tally() : rows_(1) {}

int Tally::find(std::string_view name) const {
    for (std::size_t r = 1; r < rows_.size(); ++r)
        if (rows_[r].name == name) return static_cast<int>(r);
    return 0;
}

bool Tally::addPlayer(std::string_view name) {
    if (find(name) != 0) return false;
    rows_.push_back(Row{oneLine(name), {}});
    return true;
}

bool Tally::removePlayer(int row) {
    if (row < 1 || static_cast<std::size_t>(row) >= rows_.size()) return false;
    rows_.erase(rows_.begin() + row);
    return true;
}

void Tally::reset() {
    rows_.assign(1, Row{});
}

void Tally::startSession() {
    for (std::size_t r = 1; r < rows_.size(); ++r)
        std::fill(rows_[r].counts.begin() + 4, rows_[r].counts.end(), 0);
}

void Tally::addGame(std::string_view winner, const std::vector<std::string>& inGame) {
    Row& me = rows_.front();
    me.add(1);
    if (winner == kOwnWin) me.add(2);
    std::vector<int> counted;
    for (const std::string& name : inGame) {
        const int r = find(name);
        // A name on two seats is one opponent: the game counts once.
        if (r == 0 || std::find(counted.begin(), counted.end(), r) != counted.end()) continue;
        counted.push_back(r);
        Row& row = rows_[static_cast<std::size_t>(r)];
        row.add(1);
        row.add(5);
        const int outcome = name == winner ? 2 : winner == kOwnWin ? 3 : 4;
        row.add(outcome);
        row.add(outcome + 4);
    }
}

std::string Tally::toText() const {
    std::string out = std::to_string(kColumns) + "\r\n" + std::to_string(rows_.size()) + "\r\n";
    for (const Row& row : rows_)
        out += (&row == &rows_.front() ? std::string("0") : oneLine(row.name)) + "\r\n";
    for (int c = 1; c < kColumns; ++c)
        for (const Row& row : rows_)
            out += std::to_string(row.count(c)) + "\r\n";
    return out;
}

std::optional<Tally> Tally::fromText(std::string_view text) {
    const auto lines = splitLines(text);
    if (lines.size() < 2) return std::nullopt;
    const auto columns = parseCount(lines[0]);
    const auto rowCount = parseCount(lines[1]);
    if (!columns || *columns != kColumns || !rowCount || *rowCount < 1 ||
        static_cast<std::size_t>(*rowCount) > kMaxRows)
        return std::nullopt;
    const auto rows = static_cast<std::size_t>(*rowCount);
    if (lines.size() < 2 + kColumns * rows) return std::nullopt;
    Tally t;
    t.rows_.assign(rows, Row{});
    for (std::size_t r = 1; r < rows; ++r)
        t.rows_[r].name = std::string(lines[2 + r]);
    for (int c = 1; c < kColumns; ++c) {
        for (std::size_t r = 0; r < rows; ++r) {
            const auto v = parseCount(lines[2 + static_cast<std::size_t>(c) * rows + r]);
            if (!v) return std::nullopt;
            t.rows_[r].counts[static_cast<std::size_t>(c - 1)] = *v;
        }
    }
    return t;
}

} // namespace tally
