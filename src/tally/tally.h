#pragma once
// The tally: the player's own record (row 0) and one row per tallied opponent, with its text form.
//
// Counts of an opponent's row, by column: 1 games played together, 2 the opponent's wins, 3 the
// player's wins, 4 games neither won; 5..8 the same for this session. Row 0: 1 games played, 2 games
// won, 3 and 4 kept as read, 5..8 zero.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tally {

inline constexpr int kColumns = 9;
// The winner's text for a game the local player won.
inline constexpr std::string_view kOwnWin = "addtomine";

struct Row {
    std::string name; // empty for row 0
    std::array<int, kColumns - 1> counts{};

    // Column 1..8.
    int count(int column) const { return counts[static_cast<std::size_t>(column - 1)]; }
    void add(int column);
};

class Tally {
public:
    Tally();

    const std::vector<Row>& rows() const { return rows_; }
    const Row& own() const { return rows_.front(); }
    // The row of a tallied opponent (1..), or 0 when the name is not tallied.
    int find(std::string_view name) const;
    // Starts tallying `name` with zero counts; false when it is already tallied.
    bool addPlayer(std::string_view name);
    // Stops tallying the opponent of row 1..; false for any other row.
    bool removePlayer(int row);
    // Back to the single row 0, every count zero.
    void reset();
    // Zeroes the session counts of every opponent.
    void startSession();
    // A game ended: `winner` is kOwnWin or the winner's name, `inGame` the other seats' names.
    void addGame(std::string_view winner, const std::vector<std::string>& inGame);

    // Line 1 the column count, line 2 the row count, then every cell column by column; lines end in CR LF.
    std::string toText() const;
    // Nothing when the text is not a tally of nine columns with decimal counts.
    static std::optional<Tally> fromText(std::string_view text);

private:
    std::vector<Row> rows_;
};

} // namespace tally
