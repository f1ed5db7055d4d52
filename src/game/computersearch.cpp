// The computer player's move search: group and run patterns tried for each rack tile.

#include "computersearch.h"

namespace game {

using rules::getsuit;
using rules::kJoker;
using rules::kLastColumn;
using rules::kLastRow;
using rules::kRackCells;

namespace {

constexpr int kTries = 100;     // random tries of one free-stretch search
constexpr int kStretch = 6;     // cells of a free stretch
constexpr int kGroupWidth = 17; // new groups start in columns 1..17
constexpr int kRunWidth = 18;   // new runs start in columns 1..18

} // namespace

int ComputerSearch::random(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(t_.random());
}

int ComputerSearch::face(int column, int row) const {
    return rules::tileface(t_.liveBoard().at(column, row));
}

// Up to 100 random tries for six empty cells in a row, never in row 0 or column 0: the column is drawn
// first, then the row. Column 23 may be part of a stretch; it is always empty.
bool ComputerSearch::freeStretch(int width, Cell& found) {
    const rules::Board& board = t_.liveBoard();
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const int c = random(width) + 1;
        const int r = random(kLastRow) + 1;
        bool empty = true;
        for (int col = c; col < c + kStretch && empty; ++col)
            empty = board.at(col, r) == 0;
        if (empty) {
            found = {c, r};
            return true;
        }
    }
    return false;
}

bool ComputerSearch::usableAnchor(int seat, int cell) const {
    const int code = t_.rackOf(seat).cells[cell];
    return code != 0 && code != kJoker && !t_.botused(seat)[cell];
}

bool ComputerSearch::overlooks() {
    return beginner_ && random(kOverlook) == 0;
}

bool ComputerSearch::playTurn(int seat, bool beginner) {
    beginner_ = beginner;
    t_.botused(seat).fill(false);
    bool laid = false;
    while (computermatches(seat))
        laid = true;
    // Runs come after the groups and are never followed by another group pass in the same turn.
    while (computerruns(seat))
        laid = true;
    return laid;
}

// ---- Groups ----

bool ComputerSearch::computermatches(int seat) {
    bool any = false;
    for (int cell = 1; cell <= kRackCells; ++cell) {
        if (!usableAnchor(seat, cell) || overlooks()) continue;
        auto& suits = t_.botsuits(seat);
        suits.fill(false);
        suits[getsuit(t_.rackOf(seat).cells[cell])] = true;
        if (computermatch1(seat, cell) ||
            (!beginner_ && (computermatch2(seat, cell) || computermatch3(seat, cell))))
            any = true;
    }
    return any;
}

// A new group of three from the rack: the anchor, the first tile of a new suit and the last one found.
bool ComputerSearch::computermatch1(int seat, int anchor) {
    const rules::Rack& rack = t_.rackOf(seat);
    const int anchorCode = rack.cells[anchor];
    std::array<bool, 6> seen{};
    seen[getsuit(anchorCode)] = true;
    int second = 0;
    int third = 0;
    for (int cell = 1; cell <= kRackCells; ++cell) {
        const int code = rack.cells[cell];
        if (cell == anchor || code == 0 || code == kJoker ||
            rules::tileface(code) != rules::tileface(anchorCode) || seen[getsuit(code)])
            continue;
        seen[getsuit(code)] = true;
        (second == 0 ? second : third) = cell;
    }
    Cell at;
    if (third == 0 || !freeStretch(kGroupWidth, at)) return false;
    auto& used = t_.botused(seat);
    used[anchor] = used[second] = used[third] = true;
    t_.placeTile(seat, anchor, at.column + 1, at.row);
    t_.placeTile(seat, second, at.column + 2, at.row);
    t_.placeTile(seat, third, at.column + 3, at.row);
    return true;
}

// The first stretch of tiles with this face in the row: it begins at the first cell holding such a
// tile and goes right while the tiles keep the face. Later stretches in the row are not looked at.
Cell ComputerSearch::groupStretch(int row, int wanted, int& last) const {
    const rules::Board& board = t_.liveBoard();
    for (int col = 0; col <= kLastColumn; ++col) {
        if (board.at(col, row) == 0 || face(col, row) != wanted) continue;
        last = col;
        while (last + 1 <= kLastColumn && board.at(last + 1, row) != 0 && face(last + 1, row) == wanted)
            ++last;
        return {col, row};
    }
    return {-1, row};
}

Cell ComputerSearch::computertwoonboard(int seat, int wanted) {
    const auto& suits = t_.botsuits(seat);
    for (int row = 0; row <= kLastRow; ++row) {
        int last = 0;
        const Cell first = groupStretch(row, wanted, last);
        if (first.column < 0 || last - first.column + 1 < 3) continue;
        bool clash = false;
        for (int col = first.column; col <= last; ++col)
            clash = clash || suits[getsuit(t_.liveBoard().at(col, row))];
        if (!clash) return first;
    }
    return {};
}

// Adds the anchor to a board group of three or more: at its left end, at its right end, or by
// rebuilding the group's first three tiles around it elsewhere.
bool ComputerSearch::computermatch2(int seat, int anchor) {
    const rules::Board& board = t_.liveBoard();
    const Cell g = computertwoonboard(seat, rules::tileface(t_.rackOf(seat).cells[anchor]));
    if (g.none()) return false;
    const int x = g.column;
    const int y = g.row;
    if (x >= 2 && board.at(x - 1, y) == 0 && board.at(x - 2, y) == 0) {
        t_.botused(seat)[anchor] = true;
        t_.placeTile(seat, anchor, x - 1, y);
        return true;
    }
    int e = x + 1;
    while (e < kLastColumn && board.at(e, y) != 0)
        ++e;
    if (board.at(e, y) == 0 && board.at(e + 1, y) == 0) {
        t_.botused(seat)[anchor] = true;
        t_.placeTile(seat, anchor, e, y);
        return true;
    }
    Cell at;
    if (!freeStretch(kGroupWidth, at)) return false;
    t_.botused(seat)[anchor] = true;
    t_.placeTile(seat, anchor, at.column + 1, at.row);
    for (int i = 0; i < 3; ++i)
        t_.moveTile(seat, at.column + 2 + i, at.row, x + i, y);
    return true;
}

// Frees one tile of a board group of four or more (a suit that is neither the anchor's nor the other
// rack tile's) by moving it to an interim place; the rest of the group closes up.
Cell ComputerSearch::computeroneonboard(int seat, int wanted, int othersuit) {
    const auto& suits = t_.botsuits(seat);
    for (int row = 0; row <= kLastRow; ++row) {
        int last = 0;
        const Cell first = groupStretch(row, wanted, last);
        if (first.column < 0 || last - first.column + 1 < 4) continue;
        int pick = -1;
        for (int col = first.column; col <= last && pick < 0; ++col) {
            const int suit = getsuit(t_.liveBoard().at(col, row));
            if (!suits[suit] && suit != othersuit) pick = col;
        }
        if (pick < 0) continue;
        Cell at;
        if (pick == first.column || !freeStretch(kGroupWidth, at)) return {};
        t_.moveTile(seat, at.column + 1, at.row, pick, row);
        for (int col = pick + 1; col <= last; ++col)
            t_.moveTile(seat, col - 1, row, col, row);
        return {at.column + 1, at.row};
    }
    return {};
}

// A new group from two rack tiles and one tile freed from a board group.
bool ComputerSearch::computermatch3(int seat, int anchor) {
    const rules::Rack& rack = t_.rackOf(seat);
    const int anchorCode = rack.cells[anchor];
    for (int j = 1; j <= kRackCells; ++j) {
        const int code = rack.cells[j];
        if (j == anchor || code == 0 || rules::tileface(code) != rules::tileface(anchorCode) ||
            getsuit(code) == getsuit(anchorCode))
            continue;
        const Cell freed = computeroneonboard(seat, rules::tileface(anchorCode), getsuit(code));
        Cell at;
        if (freed.none() || !freeStretch(kGroupWidth, at))
            continue; // a freed tile stays at its interim place
        auto& used = t_.botused(seat);
        used[anchor] = used[j] = true;
        t_.placeTile(seat, anchor, at.column + 1, at.row);
        t_.placeTile(seat, j, at.column + 2, at.row);
        t_.moveTile(seat, at.column + 3, at.row, freed.column, freed.row);
        return true;
    }
    return false;
}

// ---- Runs ----

bool ComputerSearch::computerruns(int seat) {
    bool any = false;
    for (int cell = 1; cell <= kRackCells; ++cell) {
        if (!usableAnchor(seat, cell) || overlooks()) continue;
        if (computerrun1(seat, cell) || computerrun2(seat, cell) || computerrun3(seat, cell)) any = true;
    }
    return any;
}

// For each number of the anchor's suit, the lowest rack cell after the anchor holding it (unused).
ComputerSearch::Partners ComputerSearch::partnerTable(int seat, int anchor) const {
    const rules::Rack& rack = t_.rackOf(seat);
    const int suit = getsuit(rack.cells[anchor]);
    Partners t{};
    t[rules::facenumber(rack.cells[anchor])] = anchor;
    for (int cell = anchor + 1; cell <= kRackCells; ++cell) {
        const int code = rack.cells[cell];
        if (code == 0 || code == kJoker || getsuit(code) != suit || t_.botused(seat)[cell]) continue;
        int& entry = t[rules::facenumber(code)];
        if (entry == 0) entry = cell;
    }
    return t;
}

// Lays three rack cells, left to right, into a new free stretch (two empty cells before the run).
bool ComputerSearch::layRun(int seat, std::array<int, 3> cells) {
    Cell at;
    if (!freeStretch(kRunWidth, at)) return false;
    auto& used = t_.botused(seat);
    for (int cell : cells)
        used[cell] = true;
    for (int i = 0; i < 3; ++i)
        t_.placeTile(seat, cells[i], at.column + 2 + i, at.row);
    return true;
}

// The low, middle and high cases: the anchor as the first, middle or last of three.
bool ComputerSearch::tryPlainRuns(int seat, int anchor, const Partners& t) {
    const int n = rules::facenumber(t_.rackOf(seat).cells[anchor]);
    if (n <= 11 && t[n + 1] && t[n + 2] && layRun(seat, {anchor, t[n + 1], t[n + 2]})) return true;
    if (n >= 2 && n <= 12 && t[n - 1] && t[n + 1] && layRun(seat, {t[n - 1], anchor, t[n + 1]})) return true;
    return n >= 3 && t[n - 2] && t[n - 1] && layRun(seat, {t[n - 2], t[n - 1], anchor});
}

bool ComputerSearch::computerrun1(int seat, int anchor) {
    return tryPlainRuns(seat, anchor, partnerTable(seat, anchor));
}

bool ComputerSearch::computerrun3(int seat, int anchor) {
    const Partners t = partnerTable(seat, anchor);
    if (tryPlainRuns(seat, anchor, t)) return true;
    const rules::Rack& rack = t_.rackOf(seat);
    int joker = 0;
    for (int cell = 1; cell <= kRackCells && joker == 0; ++cell)
        if (rack.cells[cell] == kJoker && !t_.botused(seat)[cell]) joker = cell;
    const int n = rules::facenumber(rack.cells[anchor]);
    if (joker == 0 || n < 2 || n > 12) return false;
    if (t[n - 1] && layRun(seat, {t[n - 1], anchor, joker})) return true;
    return t[n + 1] && layRun(seat, {joker, anchor, t[n + 1]});
}

// Adds the anchor to an end of a run of its suit on the board. At each candidate tile the right end
// is tried first, then the left end. The left end is the mirror image of the right: a run 6-7-8 takes
// a rack 5 just as a run 2-3-4 takes it, and a run that lies too close to the edge or to its
// neighbours is rebuilt elsewhere around the anchor in both cases. A right end that fits but finds no
// room to be rebuilt ends the search with a failure; a left end without room lets it go on.
bool ComputerSearch::computerrun2(int seat, int anchor) {
    const rules::Board& board = t_.liveBoard();
    const int suit = getsuit(t_.rackOf(seat).cells[anchor]);
    for (int row = 0; row <= kLastRow; ++row) {
        for (int x = 0; x <= kLastColumn; ++x) {
            const int code = board.at(x, row);
            if (code == 0 || code == kJoker || getsuit(code) != suit) continue;
            const Extended right = extendRight(seat, anchor, x, row);
            if (right != Extended::NotHere) return right == Extended::Laid;
            if (extendLeft(seat, anchor, x, row)) return true;
        }
    }
    return false;
}

// The tile at x ends a run n-3 (or an empty cell), n-2, n-1 with nothing to its right. The anchor goes
// right after it when the cell beyond is free too; otherwise the run (its last two tiles when it has
// five or more) is moved with the anchor to a new place.
ComputerSearch::Extended ComputerSearch::extendRight(int seat, int anchor, int x, int row) {
    const rules::Board& board = t_.liveBoard();
    const int n = rules::facenumber(t_.rackOf(seat).cells[anchor]);
    // The tile left of the end must be a tile: an empty cell has the 13s' face and would let a lone
    // tile pass for the end of a run.
    if (x < 4 || face(x, row) != n - 1 || board.at(x - 1, row) == 0 || face(x - 1, row) != n - 2 ||
        (board.at(x - 2, row) != 0 && face(x - 2, row) != n - 3) || board.at(x + 1, row) != 0)
        return Extended::NotHere;
    if (x <= kLastColumn - 1 && board.at(x + 2, row) == 0) {
        t_.botused(seat)[anchor] = true;
        t_.placeTile(seat, anchor, x + 1, row);
        return Extended::Laid;
    }
    if (beginner_) return Extended::NotHere; // a beginner never moves the board's tiles
    int k = 0;
    while (x - k >= 0 && board.at(x - k, row) != 0)
        ++k;
    const int moved = k >= 5 ? 2 : k;
    const int m = (k >= 5 ? 6 : k + 4) - 1;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const int right = random(kLastColumn - m) + m + 1;
        const int r = random(kLastRow) + 1;
        bool empty = true;
        for (int col = right - m; col <= right && empty; ++col)
            empty = board.at(col, r) == 0;
        if (!empty) continue;
        t_.botused(seat)[anchor] = true;
        t_.placeTile(seat, anchor, right - 1, r);
        for (int i = 0; i < moved; ++i)
            t_.moveTile(seat, right - 2 - i, r, x - i, row);
        return Extended::Laid;
    }
    return Extended::NoRoom;
}

// The tile at x begins a run n+1, n+2, n+3 with nothing to its left. The anchor goes right before it
// when the cell before that is free as well (column 0 stays empty in play); otherwise the run (its
// first two tiles when it has five or more) is moved with the anchor to a new place.
bool ComputerSearch::extendLeft(int seat, int anchor, int x, int row) {
    const rules::Board& board = t_.liveBoard();
    const auto numberAt = [&](int col) { return rules::tilenumber(board.at(col, row)); };
    const int n = rules::facenumber(t_.rackOf(seat).cells[anchor]);
    if (x >= 20 || n > 10 || numberAt(x) != n + 1 || numberAt(x + 1) != n + 2 || numberAt(x + 2) != n + 3 ||
        (x > 0 && board.at(x - 1, row) != 0))
        return false;
    if (x >= 2 && board.at(x - 2, row) == 0) {
        t_.botused(seat)[anchor] = true;
        t_.placeTile(seat, anchor, x - 1, row);
        return true;
    }
    if (beginner_) return false;
    int k = 0;
    while (x + k <= kLastColumn && board.at(x + k, row) != 0)
        ++k;
    const int moved = k >= 5 ? 2 : k;
    const int m = (k >= 5 ? 6 : k + 4) - 1;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const int left = random(kLastColumn - m) + 1;
        const int r = random(kLastRow) + 1;
        bool empty = true;
        for (int col = left; col <= left + m && empty; ++col)
            empty = board.at(col, r) == 0;
        if (!empty) continue;
        t_.botused(seat)[anchor] = true;
        t_.placeTile(seat, anchor, left + 1, r);
        for (int i = 0; i < moved; ++i)
            t_.moveTile(seat, left + 2 + i, r, x + i, row);
        return true;
    }
    return false;
}

} // namespace game
