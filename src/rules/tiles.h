#pragma once
// Tile codes, the tile pool, racks and the board grid: the value types the server,
// the computer player and the client share.
//
// A tile code is 1..53 (0 = no tile): Green 1..13, Orange 14..26, Red 27..39,
// Black 40..52, 53 the joker. Seats, rack cells and slots count from 1; board
// columns and rows from 0. Arrays indexed by a 1-based number keep index 0 unused.

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace rules {

inline constexpr int kJoker = 53;
inline constexpr int kTileSetSize = 106;   // every code 1..53 twice
inline constexpr int kPoolExhausted = 107; // poolnext once a draw found the pool empty
inline constexpr int kRackCells = 60;      // cells 1..60
inline constexpr int kDrawCells = 59;      // draws fill cells 1..59 only
inline constexpr int kColumns = 24;        // 0..23; column 23 is never written
inline constexpr int kRows = 13;           // 0..12
inline constexpr int kLastColumn = 22;     // last column scanned or reported
inline constexpr int kLastRow = 12;
inline constexpr int kJokerValue = 30;
inline constexpr int kFirstLayDown = 30; // the least value of a seat's first lay-down in a round
inline constexpr int kSeats = 4;         // seats at a table, 1..4
inline constexpr int kPenaltyTiles = 3;  // the tiles a seat draws when it takes the time penalty

// Suit 1..4 (Green, Orange, Red, Black), 5 for the joker, 0 for anything outside 1..53.
int getsuit(int code);
// Number 1..13 of a real tile (code mod 13, 0 read as 13); 0 for the joker or a non-tile.
int tilenumber(int code);
// Face: the code mod 13, as the computer player compares numbers: the 13s have face 0 and the joker
// face 1, so a joker reads as an ace.
int tileface(int code);
// The face read as a number 1..13 (face 0 as 13): the real number of a tile, 1 for the joker.
int facenumber(int code);
// Value for the first lay-down and for round penalties: the number, the joker 30, 0 for no tile.
int tilevalue(int code);
// "Green 5", "Red Queen", "Black King", "WILD"; empty text for a non-tile.
std::string gettilename(int code);
// "Green", "Orange", "Red", "Black", "WILD"; empty for suit 0.
std::string suitname(int suit);
bool isTile(int code);

// The server's pool: 106 codes in shuffled order and the index of the next one to hand out.
struct Pool {
    std::array<int, kTileSetSize> tiles{};
    int poolnext = 0; // 0..106, or kPoolExhausted once a draw found it empty

    bool empty() const { return poolnext >= kTileSetSize; }
    // Tiles left to draw; -1 once a draw has found the pool empty (as sent on the wire).
    int tilesleft() const;
    // The tile at poolnext (which then advances), or 0 when the pool is empty.
    int take();
};

// Fills the pool the table way: a work table 1..53,1..53; uniform indices 0..105 are
// drawn from `rng` and each non-zero entry hit is appended and zeroed; poolnext = 0.
void shuffletiles(Pool& pool, std::mt19937& rng);
// Shuffles the pool from a round's seed written as hex digits (an even number of them, at least
// kMinSeedHexDigits): the same seed always gives the same order, so anyone who learns the seed can
// deal the round again. False, and the pool untouched, for a seed that is not such hex text.
inline constexpr std::size_t kMinSeedHexDigits = 32; // 128 bits
bool shuffleFromSeed(Pool& pool, std::string_view seedHex);

// A seat's rack: cells 1..60 (index 0 unused), each a tile code or 0.
struct Rack {
    std::array<int, kRackCells + 1> cells{};

    int tilecount() const;
    // Sum of tilevalue over the rack.
    int value() const;
    // Lowest empty cell among 1..59, or 0 when they are all full (cell 60 is never used by a draw).
    int firstFreeCell() const;
    // Puts `code` in the lowest empty cell of 1..59 and returns that cell; 0 (rack unchanged) when full.
    int draw(int code);
    void clear() { cells.fill(0); }
};

// A board cell as carried in commands: column, row, tile code (0 = empty again in an undo).
struct BoardItem {
    int column = 0;
    int row = 0;
    int tile = 0;
    bool operator==(const BoardItem&) const = default;
};

// A rack cell as carried in commands: cell number and tile code ("7,40").
struct RackItem {
    int cell = 0;
    int tile = 0;
    bool operator==(const RackItem&) const = default;
};

// board[column][row], 24 x 13, 0 = empty.
class Board {
public:
    // 0 outside the grid. Inline: the board check and the computer's search read cells by the thousand.
    int at(int column, int row) const {
        if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return 0;
        return cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }
    void set(int column, int row, int code); // ignored outside 0..22 x 0..12
    bool inPlay(int column, int row) const {
        return column >= 0 && column <= kLastColumn && row >= 0 && row <= kLastRow;
    }
    bool empty() const;
    void clear() { cells_ = {}; }
    // Every non-empty cell, columns 0..22 then rows 0..12 (column 23 never appears).
    std::vector<BoardItem> list() const;
    // Cells of columns 0..22 / rows 0..12 where `to` differs from `*this`, with `to`'s tile (0 = emptied).
    std::vector<BoardItem> diff(const Board& to) const;
    // Only the non-empty cells of `to` that differ from `*this` (what a finished turn laid or moved).
    std::vector<BoardItem> changedTiles(const Board& to) const;
    bool operator==(const Board&) const = default;

private:
    std::array<std::array<int, kRows>, kColumns> cells_{};
};

// A draw from the pool into the rack: takes the tile at poolnext into the lowest empty cell of
// 1..59 and returns that cell. Returns 0 when nothing moved: the pool is empty, or cells 1..59 are
// full, in which case the tile stays in the pool. (Check pool.empty() first to tell the two apart.)
int drawFromPool(Pool& pool, Rack& rack);

// Deal order: one tile at a time, round-robin over the playing seats in seat order,
// into cells 1..dealsize. `playing[s]` for seats 1..4 (index 0 unused).
void givetiles(Pool& pool, std::array<Rack, 5>& racks, const std::array<bool, 5>& playing, int dealsize);

} // namespace rules
