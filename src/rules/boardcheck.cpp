#include "boardcheck.h"

namespace rules {

namespace {

constexpr int kHighestNumber = 13;

// The codes in cells first..last of a row, or an empty list when the range is not on the
// scanned part of the board.
std::vector<int> rowCodes(const Board& board, int row, int first, int last) {
    std::vector<int> codes;
    if (row < 0 || row > kLastRow || first < 0 || last > kLastColumn || first > last) return codes;
    for (int column = first; column <= last; ++column)
        codes.push_back(board.at(column, row));
    return codes;
}

bool allTiles(const std::vector<int>& codes) {
    for (int code : codes)
        if (!isTile(code)) return false;
    return !codes.empty();
}

} // namespace

// A run: every real tile has the same suit, and one start number s fits them all, the tile at
// position i being number s + i, with the whole run (jokers included) inside 1..13. A fixed
// start number also rules out repeated numbers. Jokers alone fit any start, so a set of only
// jokers is a run as long as it is no longer than 13.
bool isRun(const std::vector<int>& codes) {
    if (!allTiles(codes)) return false;
    const int length = static_cast<int>(codes.size());
    if (length > kHighestNumber) return false;

    int suit = 0;
    int start = 0; // 0 until the first real tile fixes it
    for (int i = 0; i < length; ++i) {
        const int code = codes[static_cast<std::size_t>(i)];
        if (code == kJoker) continue;
        if (start == 0) {
            suit = getsuit(code);
            start = tilenumber(code) - i;
            if (start < 1 || start + length - 1 > kHighestNumber) return false;
        } else if (getsuit(code) != suit || tilenumber(code) != start + i) {
            return false;
        }
    }
    return true;
}

// A group: every real tile has the same number and no suit occurs twice. Jokers fill any
// place, so a set of only jokers is a group (any number fits); beyond that the length is
// limited only by the four suits and the jokers there are.
bool isGroup(const std::vector<int>& codes) {
    if (!allTiles(codes)) return false;
    int number = 0;
    std::array<bool, 5> seen{};
    for (int code : codes) {
        if (code == kJoker) continue;
        if (number == 0) number = tilenumber(code);
        const auto suit = static_cast<std::size_t>(getsuit(code));
        if (tilenumber(code) != number || seen[suit]) return false;
        seen[suit] = true;
    }
    return true;
}

bool isValidSet(const std::vector<int>& codes) {
    return codes.size() >= 3 && (isRun(codes) || isGroup(codes));
}

bool checkforsuit(const Board& board, int row, int first, int last) {
    return isRun(rowCodes(board, row, first, last));
}

bool checkfornumber(const Board& board, int row, int first, int last) {
    return isGroup(rowCodes(board, row, first, last));
}

// Sets are the maximal runs of tiles within columns 0..22; column 23 never takes part, so a
// set that reaches column 22 ends there.
bool checkrow(const Board& board, int row) {
    if (row < 0 || row > kLastRow) return true; // no tiles, so no bad sets
    int column = 0;
    while (column <= kLastColumn) {
        if (board.at(column, row) == 0) {
            ++column;
            continue;
        }
        const int first = column;
        while (column < kLastColumn && board.at(column + 1, row) != 0)
            ++column;
        const int last = column;
        if (last - first + 1 < 3) return false;
        if (!checkforsuit(board, row, first, last) && !checkfornumber(board, row, first, last)) return false;
        ++column;
    }
    return true;
}

bool boardok(const Board& board) {
    for (int row = 0; row <= kLastRow; ++row)
        if (!checkrow(board, row)) return false;
    return true;
}

} // namespace rules
