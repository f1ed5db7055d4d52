#include "game/layout.h"
#include "game/solver.h"
#include "rules/boardcheck.h"
#include "rummypositions.h"
#include "tilecodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace tilecodes;
using game::Move;

namespace {

std::vector<int> boardTiles(const rules::Board& board) {
    std::vector<int> codes;
    for (const auto& item : board.list())
        codes.push_back(item.tile);
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::vector<int> rackTiles(const rules::Rack& rack) {
    std::vector<int> codes;
    for (int cell = 1; cell <= rules::kRackCells; ++cell)
        if (rack.cells[static_cast<std::size_t>(cell)] != 0)
            codes.push_back(rack.cells[static_cast<std::size_t>(cell)]);
    std::sort(codes.begin(), codes.end());
    return codes;
}

rules::Rack rackOf(const std::vector<int>& codes, std::mt19937& rng) {
    rules::Rack rack;
    std::vector<int> cells(rules::kDrawCells);
    for (int i = 0; i < rules::kDrawCells; ++i)
        cells[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(cells.begin(), cells.end(), rng);
    for (std::size_t i = 0; i < codes.size(); ++i)
        rack.cells[static_cast<std::size_t>(cells[i])] = codes[i];
    return rack;
}

rules::Board boardWith(const std::vector<game::PlacedSet>& sets) {
    rules::Board board;
    for (const auto& set : sets)
        for (std::size_t i = 0; i < set.codes.size(); ++i)
            board.set(set.column + static_cast<int>(i), set.row, set.codes[i]);
    return board;
}

// Plays the turn's moves one by one as the referee would; every one must be allowed, and the
// result must be the planned board, complete, holding the old board's tiles and the laid ones.
void expectPlaysOut(const rules::Board& board, const rules::Rack& rack, const game::Turn& turn) {
    rules::Board live = board;
    rules::Rack hand = rack;
    for (const Move& move : turn.moves)
        ASSERT_TRUE(game::applyMove(live, hand, move))
            << "move of tile " << move.tile << " to " << move.toColumn << "," << move.toRow;
    EXPECT_EQ(live, turn.board);
    EXPECT_TRUE(rules::boardok(live));
    std::vector<int> laid = rackTiles(rack);
    for (int code : rackTiles(hand))
        laid.erase(std::find(laid.begin(), laid.end(), code));
    std::vector<int> expected = boardTiles(board);
    expected.insert(expected.end(), laid.begin(), laid.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(boardTiles(live), expected);
    EXPECT_EQ(static_cast<int>(laid.size()), turn.tiles);
    int value = 0;
    for (int code : laid)
        value += rules::tilevalue(code);
    EXPECT_EQ(value, turn.value);
}

TEST(Layout, TurnsOnCrowdedBoardsPlayOutThroughTheReferee) {
    std::mt19937 rng(777);
    int played = 0;
    int movedBoardTiles = 0;
    for (int round = 0; round < 200; ++round) {
        const auto p = rummypositions::randomPosition(rng, 40 + round % 46, 6 + round % 15);
        const auto start = game::arrange(rules::Board{}, p.boardSets);
        ASSERT_TRUE(start.has_value());
        ASSERT_TRUE(rules::boardok(*start));
        const rules::Rack rack = rackOf(p.rack, rng);
        const auto turn = game::planTurn(*start, rack, round % 4 != 0);
        ASSERT_TRUE(turn.has_value());
        if (turn->draw) {
            EXPECT_TRUE(turn->moves.empty());
            EXPECT_EQ(turn->board, *start);
            continue;
        }
        ++played;
        movedBoardTiles += turn->boardTilesMoved;
        expectPlaysOut(*start, rack, *turn);
        const auto shifts = std::count_if(turn->moves.begin(), turn->moves.end(),
                                          [](const Move& m) { return m.kind == Move::Kind::Shift; });
        EXPECT_GE(shifts, turn->boardTilesMoved);
    }
    EXPECT_GT(played, 150);
    EXPECT_GT(movedBoardTiles, 0);
}

TEST(Layout, KeptSetsStayAndGrowInPlace) {
    const rules::Board board = boardWith({{2, 5, {Green(3), Green(4), Green(5)}},
                                          {4, 1, {Red(9), Orange(9), Black(9)}},
                                          {7, 10, {Orange(1), Orange(2), Orange(3)}}});
    std::mt19937 rng(1);
    const rules::Rack rack = rackOf({Green(2), Green(6), Green(9)}, rng);
    const auto turn = game::planTurn(board, rack, true);
    ASSERT_TRUE(turn.has_value());
    EXPECT_EQ(turn->value, 17);
    EXPECT_EQ(turn->boardTilesMoved, 0);
    ASSERT_EQ(turn->moves.size(), 3U);
    for (const Move& move : turn->moves)
        EXPECT_EQ(move.kind, Move::Kind::Place);
    expectPlaysOut(board, rack, *turn);
    EXPECT_EQ(turn->board.at(4, 2), Green(2));
    EXPECT_EQ(turn->board.at(8, 2), Green(6));
    EXPECT_EQ(turn->board.at(4, 4), Green(9));
}

TEST(Layout, ASplitRunMovesOnlyOnePart) {
    const rules::Board board =
        boardWith({{1, 1, {Green(1), Green(2), Green(3), Green(4), Green(5), Green(6)}}});
    rules::Rack rack;
    rack.cells[4] = Green(4);
    const auto turn = game::planTurn(board, rack, true);
    ASSERT_TRUE(turn.has_value());
    EXPECT_EQ(turn->tiles, 1);
    EXPECT_LE(turn->boardTilesMoved, 3);
    expectPlaysOut(board, rack, *turn);
}

TEST(Layout, TilesThatTradeCellsGoThroughASpareCell) {
    const rules::Board from = boardWith({{1, 1, {Green(1), Orange(1), Red(1)}}});
    const rules::Board to = boardWith({{1, 1, {Orange(1), Red(1), Green(1)}}});
    const auto moves = game::movesTo(from, rules::Rack{}, to);
    ASSERT_TRUE(moves.has_value());
    EXPECT_EQ(moves->size(), 4U); // three tiles, one of them twice
    rules::Board live = from;
    rules::Rack rack;
    for (const Move& move : *moves)
        ASSERT_TRUE(game::applyMove(live, rack, move));
    EXPECT_EQ(live, to);

    // A target that drops a board tile, or needs a tile the rack lacks, has no moves.
    EXPECT_FALSE(game::movesTo(from, rules::Rack{}, boardWith({{1, 1, {Green(1), Orange(1)}}})).has_value());
    EXPECT_FALSE(
        game::movesTo(from, rules::Rack{}, boardWith({{1, 1, {Green(1), Orange(1), Red(1), Black(1)}}}))
            .has_value());
}

TEST(Layout, MovesReadAsTheRefereesArguments) {
    Move place;
    place.rackCell = 17;
    place.toColumn = 5;
    place.toRow = 8;
    place.tile = Red(3);
    EXPECT_EQ(game::refereeArguments(3, place), "3+17+5+8+");
    Move shift;
    shift.kind = Move::Kind::Shift;
    shift.fromColumn = 12;
    shift.fromRow = 4;
    shift.toColumn = 1;
    shift.toRow = 11;
    shift.tile = Red(3);
    EXPECT_EQ(game::refereeArguments(2, shift), "2+1+11+12+4+");
}

TEST(Layout, MovesAreRefusedAsTheRefereeRefusesThem) {
    rules::Board board = boardWith({{1, 1, {Green(1), Orange(1), Red(1)}}});
    rules::Rack rack;
    rack.cells[5] = Black(1);
    const rules::Board before = board;
    Move place;
    place.rackCell = 5;
    place.tile = Black(1);
    place.toColumn = 2; // taken
    place.toRow = 1;
    EXPECT_FALSE(game::applyMove(board, rack, place));
    place.toColumn = 23; // never written
    EXPECT_FALSE(game::applyMove(board, rack, place));
    place.toColumn = 4;
    place.rackCell = 6; // empty cell
    EXPECT_FALSE(game::applyMove(board, rack, place));
    Move shift;
    shift.kind = Move::Kind::Shift;
    shift.fromColumn = 5; // empty source
    shift.fromRow = 1;
    shift.toColumn = 9;
    shift.toRow = 9;
    shift.tile = Green(1);
    EXPECT_FALSE(game::applyMove(board, rack, shift));
    EXPECT_EQ(board, before);
    EXPECT_EQ(rack.cells[5], Black(1));
    place.rackCell = 5;
    EXPECT_TRUE(game::applyMove(board, rack, place));
    EXPECT_EQ(board.at(4, 1), Black(1));
    EXPECT_EQ(rack.cells[5], 0);
}

} // namespace

namespace {

// The slowest turns a computer seat can face: a 59-tile rack on an empty board, a 40-tile rack on a
// half-full one. Where the search stops at its bound the turn must still play out through the
// referee, lay no more than the exact search would, and be worth laying.
TEST(Layout, TurnsStoppedAtTheSearchBoundStillPlayOut) {
    std::mt19937 rng(5940);
    int cut = 0;
    for (int round = 0; round < 200 && cut < 4; ++round) {
        const auto p = rummypositions::randomPosition(rng, round % 2 ? 0 : 40, round % 2 ? 59 : 40);
        const auto start = game::arrange(rules::Board{}, p.boardSets);
        ASSERT_TRUE(start.has_value());
        const rules::Rack rack = rackOf(p.rack, rng);
        const bool opened = round % 4 < 2;
        const auto turn = game::planTurn(*start, rack, opened);
        ASSERT_TRUE(turn.has_value());
        if (!turn->cut) continue;
        ++cut;
        if (turn->draw) { // stopped before it found a lay-down worth making
            EXPECT_TRUE(turn->moves.empty());
            EXPECT_EQ(turn->board, *start);
            continue;
        }
        expectPlaysOut(*start, rack, *turn);
        EXPECT_TRUE(opened || turn->value >= 30);
        const auto exact = game::solve(p.boardSets, p.rack, opened, game::kNoStageBound);
        ASSERT_TRUE(exact.has_value());
        EXPECT_LE(turn->value * 128 + turn->tiles, exact->value * 128 + exact->tiles);
    }
    EXPECT_EQ(cut, 4);
}

} // namespace
