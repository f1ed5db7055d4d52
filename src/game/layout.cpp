#include "layout.h"

#include "solver.h"

#include "rules/boardcheck.h"

#include <algorithm>
#include <array>

namespace game {

namespace {

constexpr int kFirstShown = 1; // the first column and row a player's board shows

std::vector<int> sortedCodes(std::vector<int> codes) {
    std::sort(codes.begin(), codes.end());
    return codes;
}

// `whole` minus `part` when `part` is inside it (as multisets), else nothing.
std::optional<std::vector<int>> without(const std::vector<int>& whole, const std::vector<int>& part) {
    std::vector<int> rest = whole;
    for (int code : part) {
        const auto it = std::find(rest.begin(), rest.end(), code);
        if (it == rest.end()) return std::nullopt;
        rest.erase(it);
    }
    return rest;
}

// Whether `length` tiles fit in `row` from `first` on with an empty cell (or the edge) on both
// sides, as the target stands so far.
bool fits(const rules::Board& target, int row, int first, int length) {
    if (row < 0 || row > rules::kLastRow || first < 0 || first + length - 1 > rules::kLastColumn)
        return false;
    for (int column = first - 1; column <= first + length; ++column)
        if (target.at(column, row) != 0) return false;
    return true;
}

void put(rules::Board& target, int row, int first, const std::vector<int>& codes) {
    for (std::size_t i = 0; i < codes.size(); ++i)
        target.set(first + static_cast<int>(i), row, codes[i]);
}

// A board set that the lay-down keeps and extends: the orders in which the set can lie so that
// the board's tiles keep their cells, with the first column each needs.
std::vector<std::pair<std::vector<int>, int>> grownOrders(const PlacedSet& kept,
                                                          const std::vector<int>& set) {
    std::vector<std::pair<std::vector<int>, int>> orders;
    const auto rest = without(set, kept.codes);
    if (!rest || rest->empty()) return orders;
    const auto at = std::search(set.begin(), set.end(), kept.codes.begin(), kept.codes.end());
    if (at != set.end()) orders.emplace_back(set, kept.column - static_cast<int>(at - set.begin()));
    std::vector<int> after = kept.codes;
    after.insert(after.end(), rest->begin(), rest->end());
    orders.emplace_back(after, kept.column);
    std::vector<int> before = *rest;
    before.insert(before.end(), kept.codes.begin(), kept.codes.end());
    orders.emplace_back(before, kept.column - static_cast<int>(rest->size()));
    return orders;
}

// The order `set` takes at a place: as it is, or, for a group (valid in any order), with each
// tile that already stands in one of those cells left there.
std::vector<int> orderAt(const rules::Board& board, int row, int first, const std::vector<int>& set,
                         bool group) {
    if (!group) return set;
    std::vector<int> order(set.size(), 0);
    std::vector<int> rest = set;
    for (std::size_t i = 0; i < set.size(); ++i) {
        const auto it = std::find(rest.begin(), rest.end(), board.at(first + static_cast<int>(i), row));
        if (it == rest.end()) continue;
        order[i] = *it;
        rest.erase(it);
    }
    auto next = rest.begin();
    for (int& code : order)
        if (code == 0) code = *next++;
    return order;
}

// Puts `set` where most of its tiles already stand on `board`; false when it fits nowhere.
bool placeNew(rules::Board& target, const rules::Board& board, const std::vector<int>& set) {
    const int length = static_cast<int>(set.size());
    const bool group = rules::isGroup(set);
    int bestScore = -1;
    std::vector<int> bestOrder;
    int bestRow = 0;
    int bestFirst = 0;
    for (int row = kFirstShown; row <= rules::kLastRow; ++row)
        for (int first = kFirstShown; first + length - 1 <= rules::kLastColumn; ++first) {
            if (!fits(target, row, first, length)) continue;
            auto order = orderAt(board, row, first, set, group);
            int score = 0;
            for (int i = 0; i < length; ++i)
                score += board.at(first + i, row) == order[static_cast<std::size_t>(i)] ? 1 : 0;
            if (score > bestScore) {
                bestScore = score;
                bestOrder = std::move(order);
                bestRow = row;
                bestFirst = first;
            }
        }
    if (bestScore < 0) return false;
    put(target, bestRow, bestFirst, bestOrder);
    return true;
}

// Every set packed afresh, longest first: the fall-back when keeping sets leaves no room.
std::optional<rules::Board> packed(const rules::Board& board, std::vector<std::vector<int>> sets) {
    std::stable_sort(sets.begin(), sets.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
    rules::Board target;
    for (const auto& set : sets)
        if (!placeNew(target, board, set)) return std::nullopt;
    return target;
}

struct Cell {
    int column = 0;
    int row = 0;
};

// An empty cell that the target leaves empty too, for a tile that must step aside.
std::optional<Cell> spareCell(const rules::Board& current, const rules::Board& target) {
    for (int from : {kFirstShown, 0})
        for (int row = from; row <= rules::kLastRow; ++row)
            for (int column = from; column <= rules::kLastColumn; ++column)
                if (current.at(column, row) == 0 && target.at(column, row) == 0) return Cell{column, row};
    return std::nullopt;
}

Move shift(Cell from, Cell to, int tile) {
    Move move;
    move.kind = Move::Kind::Shift;
    move.fromColumn = from.column;
    move.fromRow = from.row;
    move.toColumn = to.column;
    move.toRow = to.row;
    move.tile = tile;
    return move;
}

} // namespace

std::vector<PlacedSet> boardSets(const rules::Board& board) {
    std::vector<PlacedSet> sets;
    for (int row = 0; row <= rules::kLastRow; ++row)
        for (int column = 0; column <= rules::kLastColumn; ++column) {
            if (board.at(column, row) == 0) continue;
            PlacedSet set{row, column, {}};
            while (column <= rules::kLastColumn && board.at(column, row) != 0)
                set.codes.push_back(board.at(column++, row));
            sets.push_back(std::move(set));
        }
    return sets;
}

bool applyMove(rules::Board& board, rules::Rack& rack, const Move& move) {
    if (!board.inPlay(move.toColumn, move.toRow) || board.at(move.toColumn, move.toRow) != 0) return false;
    if (move.kind == Move::Kind::Place) {
        if (move.rackCell < 1 || move.rackCell > rules::kRackCells) return false;
        int& cell = rack.cells[static_cast<std::size_t>(move.rackCell)];
        if (cell == 0 || cell != move.tile) return false;
        cell = 0;
    } else {
        if (!board.inPlay(move.fromColumn, move.fromRow)) return false;
        const int tile = board.at(move.fromColumn, move.fromRow);
        if (tile == 0 || tile != move.tile) return false;
        board.set(move.fromColumn, move.fromRow, 0);
    }
    board.set(move.toColumn, move.toRow, move.tile);
    return true;
}

std::string refereeArguments(int seat, const Move& move) {
    std::string text;
    const auto field = [&](int value) { text += std::to_string(value) + "+"; };
    field(seat);
    if (move.kind == Move::Kind::Place) {
        field(move.rackCell);
        field(move.toColumn);
        field(move.toRow);
    } else {
        field(move.toColumn);
        field(move.toRow);
        field(move.fromColumn);
        field(move.fromRow);
    }
    return text;
}

std::optional<rules::Board> arrange(const rules::Board& board, const std::vector<std::vector<int>>& sets) {
    std::vector<PlacedSet> originals = boardSets(board);
    std::stable_sort(originals.begin(), originals.end(),
                     [](const auto& a, const auto& b) { return a.codes.size() > b.codes.size(); });
    std::vector<bool> placed(sets.size(), false);
    std::vector<bool> used(originals.size(), false);
    rules::Board target;

    // Board sets the lay-down keeps as they are (a group may list its tiles in another order).
    for (std::size_t o = 0; o < originals.size(); ++o) {
        const auto& kept = originals[o];
        const auto mine = sortedCodes(kept.codes);
        for (std::size_t s = 0; s < sets.size() && !used[o]; ++s) {
            if (placed[s] || sortedCodes(sets[s]) != mine || !rules::isValidSet(kept.codes)) continue;
            if (!fits(target, kept.row, kept.column, static_cast<int>(kept.codes.size()))) continue;
            put(target, kept.row, kept.column, kept.codes);
            placed[s] = used[o] = true;
        }
    }
    // Board sets that grow at one end or both.
    for (std::size_t o = 0; o < originals.size(); ++o) {
        if (used[o]) continue;
        const auto& kept = originals[o];
        for (std::size_t s = 0; s < sets.size() && !used[o]; ++s) {
            if (placed[s]) continue;
            for (const auto& [order, first] : grownOrders(kept, sets[s])) {
                const int length = static_cast<int>(order.size());
                const bool newCellsShown = first >= kFirstShown || first == kept.column;
                if (!newCellsShown || !rules::isValidSet(order) || !fits(target, kept.row, first, length))
                    continue;
                put(target, kept.row, first, order);
                placed[s] = used[o] = true;
                break;
            }
        }
    }
    // The rest, longest first, where most of their tiles already stand.
    std::vector<std::size_t> rest;
    for (std::size_t s = 0; s < sets.size(); ++s)
        if (!placed[s]) rest.push_back(s);
    std::stable_sort(rest.begin(), rest.end(),
                     [&](auto a, auto b) { return sets[a].size() > sets[b].size(); });
    for (std::size_t s : rest)
        if (!placeNew(target, board, sets[s])) return packed(board, sets);
    return target;
}

std::optional<std::vector<Move>> movesTo(const rules::Board& board, const rules::Rack& rack,
                                         const rules::Board& target) {
    // Per code, the board cells whose tile must leave and the cells that must receive one.
    std::array<std::vector<Cell>, rules::kJoker + 1> leaving;
    std::array<std::vector<Cell>, rules::kJoker + 1> arriving;
    for (int row = 0; row <= rules::kLastRow; ++row)
        for (int column = 0; column <= rules::kLastColumn; ++column) {
            const int now = board.at(column, row);
            const int then = target.at(column, row);
            if (now == then) continue;
            if (now != 0) leaving[static_cast<std::size_t>(now)].push_back({column, row});
            if (then != 0) arriving[static_cast<std::size_t>(then)].push_back({column, row});
        }

    struct Pending {
        Cell from;
        Cell to;
        int tile;
    };
    std::vector<Pending> shifts;
    std::vector<Move> places;
    std::array<bool, rules::kRackCells + 1> rackUsed{};
    for (int code = 1; code <= rules::kJoker; ++code) {
        const auto& out = leaving[static_cast<std::size_t>(code)];
        const auto& in = arriving[static_cast<std::size_t>(code)];
        if (out.size() > in.size()) return std::nullopt; // a board tile would leave the board
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (i < out.size()) {
                shifts.push_back({out[i], in[i], code});
                continue;
            }
            int cell = 1;
            while (cell <= rules::kRackCells && (rackUsed[static_cast<std::size_t>(cell)] ||
                                                 rack.cells[static_cast<std::size_t>(cell)] != code))
                ++cell;
            if (cell > rules::kRackCells) return std::nullopt; // the rack lacks the tile
            rackUsed[static_cast<std::size_t>(cell)] = true;
            Move place;
            place.rackCell = cell;
            place.toColumn = in[i].column;
            place.toRow = in[i].row;
            place.tile = code;
            places.push_back(place);
        }
    }

    std::vector<Move> moves;
    rules::Board current = board;
    rules::Rack scratch = rack;
    while (!shifts.empty()) {
        const auto ready = std::find_if(shifts.begin(), shifts.end(), [&](const Pending& p) {
            return current.at(p.to.column, p.to.row) == 0;
        });
        if (ready != shifts.end()) {
            moves.push_back(shift(ready->from, ready->to, ready->tile));
            applyMove(current, scratch, moves.back());
            shifts.erase(ready);
            continue;
        }
        // Every target is taken by a tile that must move on itself: a ring. The tile on the
        // first target steps aside to a spare cell, which frees that target.
        const Cell blocked = shifts.front().to;
        const auto blocker = std::find_if(shifts.begin(), shifts.end(), [&](const Pending& p) {
            return p.from.column == blocked.column && p.from.row == blocked.row;
        });
        const auto spare = spareCell(current, target);
        if (blocker == shifts.end() || !spare) return std::nullopt;
        moves.push_back(shift(blocker->from, *spare, blocker->tile));
        applyMove(current, scratch, moves.back());
        blocker->from = *spare;
    }
    moves.insert(moves.end(), places.begin(), places.end());
    return moves;
}

std::optional<Turn> planTurn(const rules::Board& board, const rules::Rack& rack, bool opened, View view) {
    std::vector<std::vector<int>> sets;
    for (auto& set : boardSets(board))
        sets.push_back(std::move(set.codes));
    std::vector<int> rackCodes;
    for (int cell = 1; cell <= rules::kRackCells; ++cell)
        if (const int code = rack.cells[static_cast<std::size_t>(cell)]; code != 0) rackCodes.push_back(code);
    auto found = solve(view == View::WholeBoard ? sets : std::vector<std::vector<int>>{}, rackCodes, opened);
    if (!found) return std::nullopt;
    if (view == View::NewSetsOnly) // the board's sets stand first, unchanged, then the new ones
        found->sets.insert(found->sets.begin(), sets.begin(), sets.end());

    Turn turn;
    turn.board = board;
    turn.cut = found->cut;
    if (found->draw) return turn;
    const auto target = arrange(board, found->sets);
    if (!target) return std::nullopt;
    auto moves = movesTo(board, rack, *target);
    if (!moves) return std::nullopt;
    turn.draw = false;
    turn.value = found->value;
    turn.tiles = found->tiles;
    turn.board = *target;
    turn.moves = std::move(*moves);
    int moved = 0;
    for (int row = 0; row <= rules::kLastRow; ++row)
        for (int column = 0; column <= rules::kLastColumn; ++column)
            moved += board.at(column, row) != 0 && board.at(column, row) != target->at(column, row) ? 1 : 0;
    turn.boardTilesMoved = moved;
    return turn;
}

} // namespace game
