#pragma once
// The expert's lay-down search: the most valuable set of rack tiles that can join the board,
// with the board's own tiles rearranged as freely as the referee lets a player move them.

#include <optional>
#include <string>
#include <vector>

namespace game {

// One answer of the search. `sets` is the whole board after the lay-down, each set in an order
// that passes the board check; when `draw` is set nothing is laid and `sets` is the board as
// the search would arrange it (or as it stands, for the set-list entry point).
struct LayDown {
    bool draw = true;
    int value = 0;         // sum of the values of the rack tiles laid (number, joker 30)
    int tiles = 0;         // rack tiles laid
    std::vector<int> laid; // their codes, in ascending order
    std::vector<std::vector<int>> sets;
    bool cut = false; // the search ran out of stages: the best it had found by then, maybe not the best
};

// How many stages the search may weigh before it settles for the best lay-down found so far: a
// fixed amount of work, so the answer is the same on any machine. Enough for every position of
// ordinary play; only huge racks on crowded boards reach it.
constexpr long kStageBudget = 15000;
constexpr long kNoStageBound = -1;

// Empty when the tiles can be board and rack tiles of one game: codes 1..53, no code more than
// twice over board and rack together; otherwise a sentence saying what is wrong.
std::string tileProblem(const std::vector<int>& board, const std::vector<int>& rack);

// The best lay-down for a seat holding `rack` with `board` on the table (tiles in any order).
// Best means the greatest value, then the most tiles. Before the seat's first lay-down
// (`opened` false) a value under 30 is a draw; afterwards any tile laid counts. Empty when the
// tiles fail tileProblem, or when no lay-down worth making exists and the board tiles alone
// cannot all stand in valid sets (a board from play always can).
// The search walks the numbers 1..13 up, or down, or both ways by turns until one way finishes
// (the quickest; the answer is the same).
enum class Walk { Both, Up, Down };
std::optional<LayDown> solveTiles(const std::vector<int>& board, const std::vector<int>& rack, bool opened,
                                  Walk walk = Walk::Both, long stages = kStageBudget);

// The same search for a board given as its sets. Among the best lay-downs it prefers one that
// leaves every board set as it is and lays the rack tiles as new sets, since that moves no
// board tile; `sets` then lists the board's sets first, unchanged, then the new ones.
std::optional<LayDown> solve(const std::vector<std::vector<int>>& boardSets, const std::vector<int>& rack,
                             bool opened, long stages = kStageBudget);

} // namespace game
