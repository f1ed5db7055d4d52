#include "rules/tiles.h"

#include "tilecodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace rules;
using namespace tilecodes;

namespace {

Pool shuffled(unsigned seed) {
    std::mt19937 rng(seed);
    Pool pool;
    shuffletiles(pool, rng);
    return pool;
}

} // namespace

TEST(TileCodes, SuitNumberAndValueFollowTheCodeRanges) {
    for (int code = 1; code <= 52; ++code) {
        SCOPED_TRACE(code);
        const int suit = getsuit(code);
        const int number = tilenumber(code);
        ASSERT_GE(suit, 1);
        ASSERT_LE(suit, 4);
        ASSERT_GE(number, 1);
        ASSERT_LE(number, 13);
        EXPECT_EQ((suit - 1) * 13 + number, code);
        EXPECT_EQ(tilevalue(code), number);
        EXPECT_TRUE(isTile(code));
    }
    EXPECT_EQ(tilenumber(13), 13);
    EXPECT_EQ(tilenumber(14), 1);
    EXPECT_EQ(tilenumber(52), 13);
    EXPECT_EQ(getsuit(40), 4);
    EXPECT_EQ(getsuit(53), 5);
    EXPECT_EQ(tilevalue(53), 30);
    EXPECT_EQ(tilevalue(26), 13);
}

TEST(TileCodes, NonTilesHaveNoSuitNumberValueOrName) {
    for (int code : {0, -1, 54, 106, 1000}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(isTile(code));
        EXPECT_EQ(getsuit(code), 0);
        EXPECT_EQ(tilenumber(code), 0);
        EXPECT_EQ(tilevalue(code), 0);
        EXPECT_EQ(gettilename(code), "");
    }
    EXPECT_EQ(tilenumber(kJoker), 0);
    EXPECT_EQ(suitname(0), "");
    EXPECT_EQ(suitname(6), "");
}

TEST(TileCodes, DisplayNames) {
    EXPECT_EQ(gettilename(Green(1)), "Green 1");
    EXPECT_EQ(gettilename(Green(10)), "Green 10");
    EXPECT_EQ(gettilename(Green(11)), "Green Jack");
    EXPECT_EQ(gettilename(Orange(1)), "Orange 1");
    EXPECT_EQ(gettilename(Orange(13)), "Orange King");
    EXPECT_EQ(gettilename(38), "Red Queen");
    EXPECT_EQ(gettilename(Black(1)), "Black 1");
    EXPECT_EQ(gettilename(52), "Black King");
    EXPECT_EQ(gettilename(53), "WILD");

    std::set<std::string> names;
    for (int code = 1; code <= 53; ++code)
        names.insert(gettilename(code));
    EXPECT_EQ(names.size(), 53u);
}

TEST(PoolShuffle, HoldsEveryCodeExactlyTwiceAndStartsAtZero) {
    for (unsigned seed : {1u, 2u, 12345u}) {
        Pool pool;
        pool.poolnext = 50;
        std::mt19937 rng(seed);
        shuffletiles(pool, rng);
        EXPECT_EQ(pool.poolnext, 0);
        EXPECT_EQ(pool.tilesleft(), 106);
        std::map<int, int> count;
        for (int code : pool.tiles)
            ++count[code];
        ASSERT_EQ(count.size(), 53u);
        for (const auto& [code, n] : count) {
            EXPECT_TRUE(isTile(code));
            EXPECT_EQ(n, 2) << "code " << code;
        }
    }
}

TEST(PoolShuffle, IsDeterminedBySeedAndDiffersBetweenSeeds) {
    EXPECT_EQ(shuffled(7).tiles, shuffled(7).tiles);
    EXPECT_NE(shuffled(7).tiles, shuffled(8).tiles);

    // Two shuffles in a row from one generator give different orders.
    std::mt19937 rng(99);
    Pool a;
    Pool b;
    shuffletiles(a, rng);
    shuffletiles(b, rng);
    EXPECT_NE(a.tiles, b.tiles);
}

// Every code is 2 of the 106 tiles, so each should come first (and last) in 1/53 of shuffles.
// Chi-square with 52 degrees of freedom; 100 is far beyond any fair outcome (p < 1e-4) while a
// biased shuffle (say, an order kept from the work table) lands in the thousands.
TEST(PoolShuffle, FirstAndLastTilesAreSpreadEvenlyOverSeeds) {
    constexpr int kShuffles = 53 * 200;
    std::array<int, 54> first{};
    std::array<int, 54> last{};
    std::mt19937 rng(2024);
    Pool pool;
    for (int i = 0; i < kShuffles; ++i) {
        shuffletiles(pool, rng);
        ++first[static_cast<std::size_t>(pool.tiles.front())];
        ++last[static_cast<std::size_t>(pool.tiles.back())];
    }
    auto chiSquare = [](const std::array<int, 54>& counts) {
        const double expected = kShuffles / 53.0;
        double sum = 0;
        for (int code = 1; code <= 53; ++code) {
            const double d = counts[static_cast<std::size_t>(code)] - expected;
            sum += d * d / expected;
        }
        return sum;
    };
    EXPECT_LT(chiSquare(first), 100.0);
    EXPECT_LT(chiSquare(last), 100.0);
}

TEST(PoolTake, HandsOutInOrderThenReportsEmpty) {
    Pool pool = shuffled(3);
    for (int i = 0; i < 106; ++i) {
        ASSERT_EQ(pool.take(), pool.tiles[static_cast<std::size_t>(i)]);
        ASSERT_EQ(pool.tilesleft(), 105 - i);
    }
    EXPECT_TRUE(pool.empty());
    EXPECT_EQ(pool.take(), 0);
    EXPECT_EQ(pool.poolnext, 106);
    EXPECT_EQ(pool.tilesleft(), 0);

    pool.poolnext = kPoolExhausted;
    EXPECT_TRUE(pool.empty());
    EXPECT_EQ(pool.tilesleft(), -1);
    EXPECT_EQ(pool.take(), 0);
    EXPECT_EQ(pool.poolnext, kPoolExhausted);
}

TEST(RackDraw, FillsTheLowestEmptyCellAndNeverCell60) {
    Rack rack;
    EXPECT_EQ(rack.draw(Green(5)), 1);
    EXPECT_EQ(rack.draw(kJoker), 2);
    EXPECT_EQ(rack.draw(Red(1)), 3);
    rack.cells[2] = 0; // the joker went to the board
    EXPECT_EQ(rack.firstFreeCell(), 2);
    EXPECT_EQ(rack.draw(Black(13)), 2);
    EXPECT_EQ(rack.cells[2], Black(13));
    EXPECT_EQ(rack.draw(0), 0) << "no tile, nothing drawn";
    EXPECT_EQ(rack.tilecount(), 3);

    for (int cell = 1; cell <= kDrawCells; ++cell)
        rack.cells[static_cast<std::size_t>(cell)] = Orange(7);
    const Rack before = rack;
    EXPECT_EQ(rack.firstFreeCell(), 0);
    EXPECT_EQ(rack.draw(Green(1)), 0);
    EXPECT_EQ(rack.cells, before.cells);
    EXPECT_EQ(rack.cells[60], 0);
}

TEST(RackDraw, CountAndValueIncludeCell60) {
    Rack rack;
    rack.cells[1] = Green(5);
    rack.cells[17] = kJoker;
    rack.cells[60] = 38; // Red Queen
    EXPECT_EQ(rack.tilecount(), 3);
    EXPECT_EQ(rack.value(), 5 + 30 + 12);
    rack.clear();
    EXPECT_EQ(rack.tilecount(), 0);
    EXPECT_EQ(rack.value(), 0);
}

TEST(DrawFromPool, TakesOnlyWhenACellIsFree) {
    Pool pool = shuffled(11);
    Rack rack;
    rack.cells[1] = Green(2);
    const int next = pool.tiles[0];
    EXPECT_EQ(drawFromPool(pool, rack), 2);
    EXPECT_EQ(rack.cells[2], next);
    EXPECT_EQ(pool.poolnext, 1);

    // Cells 1..59 full, cell 60 empty: the pool is left alone.
    for (int cell = 1; cell <= kDrawCells; ++cell)
        rack.cells[static_cast<std::size_t>(cell)] = Green(9);
    const Rack full = rack;
    EXPECT_EQ(drawFromPool(pool, rack), 0);
    EXPECT_EQ(pool.poolnext, 1);
    EXPECT_EQ(rack.cells, full.cells);

    // An empty pool leaves the rack alone.
    Rack empty;
    pool.poolnext = 106;
    EXPECT_EQ(drawFromPool(pool, empty), 0);
    EXPECT_EQ(empty.tilecount(), 0);
    EXPECT_EQ(pool.poolnext, 106);
}

TEST(Deal, RoundRobinOverPlayingSeatsIntoCellsOneToDealsize) {
    Pool pool = shuffled(5);
    std::array<Rack, 5> racks{};
    racks[2].cells[20] = Black(4); // beyond the deal: kept as it is
    const std::array<bool, 5> playing{false, true, true, false, true};
    givetiles(pool, racks, playing, 14);

    EXPECT_EQ(pool.poolnext, 3 * 14);
    const std::array<int, 3> seats{1, 2, 4};
    for (int cell = 1; cell <= 14; ++cell)
        for (std::size_t k = 0; k < seats.size(); ++k) {
            const auto dealt = static_cast<std::size_t>((cell - 1) * 3) + k;
            EXPECT_EQ(racks[static_cast<std::size_t>(seats[k])].cells[static_cast<std::size_t>(cell)],
                      pool.tiles[dealt])
                << "seat " << seats[k] << " cell " << cell;
        }
    EXPECT_EQ(racks[1].tilecount(), 14);
    EXPECT_EQ(racks[2].tilecount(), 15);
    EXPECT_EQ(racks[2].cells[20], Black(4));
    EXPECT_EQ(racks[3].tilecount(), 0);
    EXPECT_EQ(racks[4].tilecount(), 14);
}

TEST(BoardGrid, AccessIsBoundsCheckedAndColumn23StaysEmpty) {
    Board board;
    EXPECT_TRUE(board.empty());
    board.set(0, 0, Green(1));
    board.set(22, 12, kJoker);
    EXPECT_EQ(board.at(0, 0), Green(1));
    EXPECT_EQ(board.at(22, 12), kJoker);

    board.set(23, 5, Red(3));
    board.set(-1, 0, Red(3));
    board.set(0, 13, Red(3));
    board.set(24, 0, Red(3));
    EXPECT_EQ(board.at(23, 5), 0);
    EXPECT_EQ(board.at(-1, 0), 0);
    EXPECT_EQ(board.at(0, 13), 0);
    EXPECT_EQ(board.at(100, 100), 0);
    EXPECT_EQ(board.list().size(), 2u);

    board.clear();
    EXPECT_TRUE(board.empty());
}

TEST(BoardGrid, ListsWalkColumnsThenRows) {
    Board board;
    board.set(5, 9, Green(9));
    board.set(2, 7, Orange(2));
    board.set(5, 1, Red(5));
    board.set(22, 0, kJoker);
    const std::vector<BoardItem> expected{
        {2, 7, Orange(2)}, {5, 1, Red(5)}, {5, 9, Green(9)}, {22, 0, kJoker}};
    EXPECT_EQ(board.list(), expected);
}

TEST(BoardGrid, DiffReportsEmptiedCellsButChangedTilesDoesNot) {
    Board turnboard;
    turnboard.set(3, 3, Green(3));
    turnboard.set(4, 3, Green(4));
    turnboard.set(5, 3, Green(5));

    Board board = turnboard;
    EXPECT_TRUE(turnboard.diff(board).empty());
    board.set(4, 3, 0);         // moved away ...
    board.set(4, 6, Green(4));  // ... to another row
    board.set(1, 8, kJoker);    // laid from the rack
    board.set(5, 3, Orange(5)); // swapped for another tile

    const std::vector<BoardItem> diff{{1, 8, kJoker}, {4, 3, 0}, {4, 6, Green(4)}, {5, 3, Orange(5)}};
    EXPECT_EQ(turnboard.diff(board), diff);
    const std::vector<BoardItem> laid{{1, 8, kJoker}, {4, 6, Green(4)}, {5, 3, Orange(5)}};
    EXPECT_EQ(turnboard.changedTiles(board), laid);

    // Undo direction: the board goes back to turnboard.
    const std::vector<BoardItem> undo{{1, 8, 0}, {4, 3, Green(4)}, {4, 6, 0}, {5, 3, Green(5)}};
    EXPECT_EQ(board.diff(turnboard), undo);
    EXPECT_NE(board, turnboard);
}

TEST(TileCodes, FaceAndFaceNumberReadTheJokerAsAnAce) {
    // Green 5, Orange 13 (face 0), Black 1, the joker.
    EXPECT_EQ(rules::tileface(5), 5);
    EXPECT_EQ(rules::tileface(26), 0);
    EXPECT_EQ(rules::facenumber(26), 13);
    EXPECT_EQ(rules::tileface(40), 1);
    EXPECT_EQ(rules::tileface(rules::kJoker), 1);
    EXPECT_EQ(rules::facenumber(rules::kJoker), 1);
    EXPECT_EQ(rules::tilenumber(rules::kJoker), 0); // the real number: the joker has none
    for (int code = 1; code < rules::kJoker; ++code)
        EXPECT_EQ(rules::facenumber(code), rules::tilenumber(code)) << code;
}
