#include "game/computersearch.h"

#include "rules/boardcheck.h"

#include <gtest/gtest.h>

#include <vector>

using namespace game;

namespace {

constexpr int G = 0, O = 13, R = 26, B = 39; // add a number 1..13 to get the code
constexpr int J = rules::kJoker;

// A small table: the moves do what the referee does with them (an occupied target is refused) and
// every move is recorded.
struct FakeTable : ComputerTable {
    rules::Board board;
    std::array<rules::Rack, 5> racks{};
    std::array<std::array<bool, 61>, 5> used{};
    std::array<std::array<bool, 6>, 5> suits{};
    std::mt19937 rng{7};
    std::vector<std::string> moves;

    const rules::Board& liveBoard() const override { return board; }
    const rules::Rack& rackOf(int seat) const override { return racks[seat]; }
    std::array<bool, 61>& botused(int seat) override { return used[seat]; }
    std::array<bool, 6>& botsuits(int seat) override { return suits[seat]; }
    std::mt19937& random() override { return rng; }
    void placeTile(int seat, int cell, int column, int row) override {
        moves.push_back("place " + std::to_string(cell) + " " + std::to_string(column) + "," +
                        std::to_string(row));
        if (board.at(column, row) != 0 || racks[seat].cells[cell] == 0 || !board.inPlay(column, row)) return;
        board.set(column, row, racks[seat].cells[cell]);
        racks[seat].cells[cell] = 0;
    }
    void moveTile(int, int toColumn, int toRow, int fromColumn, int fromRow) override {
        moves.push_back("move " + std::to_string(fromColumn) + "," + std::to_string(fromRow) + " " +
                        std::to_string(toColumn) + "," + std::to_string(toRow));
        if (board.at(toColumn, toRow) != 0 || board.at(fromColumn, fromRow) == 0 ||
            !board.inPlay(toColumn, toRow))
            return;
        board.set(toColumn, toRow, board.at(fromColumn, fromRow));
        board.set(fromColumn, fromRow, 0);
    }

    void rack(int seat, std::vector<int> codes) {
        racks[seat].clear();
        for (std::size_t i = 0; i < codes.size(); ++i)
            racks[seat].cells[i + 1] = codes[i];
    }
    void lay(int column, int row, std::vector<int> codes) {
        for (std::size_t i = 0; i < codes.size(); ++i)
            board.set(column + static_cast<int>(i), row, codes[i]);
    }
    // The codes of the set in `row` that contains `column`, left to right.
    std::vector<int> setAt(int column, int row) const {
        while (column > 0 && board.at(column - 1, row) != 0)
            --column;
        std::vector<int> out;
        for (; board.at(column, row) != 0; ++column)
            out.push_back(board.at(column, row));
        return out;
    }
    // Where a code lies on the board (first found), or (-1, -1).
    std::pair<int, int> find(int code) const {
        for (int r = 0; r <= rules::kLastRow; ++r)
            for (int c = 0; c <= rules::kLastColumn; ++c)
                if (board.at(c, r) == code) return {c, r};
        return {-1, -1};
    }
};

struct ComputerSearchTest : ::testing::Test {
    FakeTable table;
    ComputerSearch search{table};
    void anchorSuits(int seat, int cell) {
        table.suits[seat].fill(false);
        table.suits[seat][rules::getsuit(table.racks[seat].cells[cell])] = true;
    }
};

} // namespace

TEST_F(ComputerSearchTest, NothingToLayFromAnEmptyOrJokerOnlyRack) {
    table.lay(2, 1, {G + 5, O + 5, R + 5});
    table.lay(2, 3, {G + 1, G + 2, G + 3});
    EXPECT_FALSE(search.computermatches(1));
    EXPECT_FALSE(search.computerruns(1));
    table.rack(2, {J, J});
    EXPECT_FALSE(search.playTurn(2));
    EXPECT_TRUE(table.moves.empty());
}

TEST_F(ComputerSearchTest, FreeStretchDrawsColumnThenRowFromTheSharedGenerator) {
    table.rack(1, {G + 7, O + 7, R + 7});
    std::mt19937 copy = table.rng;
    const int c = std::uniform_int_distribution<int>(0, 16)(copy) + 1;
    const int r = std::uniform_int_distribution<int>(0, 11)(copy) + 1;
    ASSERT_TRUE(search.computermatch1(1, 1));
    EXPECT_EQ(table.setAt(c + 1, r), (std::vector<int>{G + 7, O + 7, R + 7}));
    EXPECT_EQ(table.board.at(c, r), 0);
    EXPECT_EQ(table.rng(), copy()); // exactly two numbers were drawn
}

TEST_F(ComputerSearchTest, FourOfANumberMakeAGroupOfThreeAndTheFourthJoinsIt) {
    // The anchor (cell 1) takes the first new suit (cell 2) and the last one found (cell 4); the Red 9
    // left over joins that group at its left end when it comes up as an anchor.
    table.rack(1, {G + 9, O + 9, R + 9, B + 9});
    ASSERT_TRUE(search.computermatches(1));
    const auto [c, r] = table.find(G + 9);
    ASSERT_GE(c, 0);
    const auto at = [&, c = c, r = r](int column) {
        return std::to_string(column) + "," + std::to_string(r);
    };
    EXPECT_EQ(table.moves, (std::vector<std::string>{"place 1 " + at(c), "place 2 " + at(c + 1),
                                                     "place 4 " + at(c + 2), "place 3 " + at(c - 1)}));
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{R + 9, G + 9, O + 9, B + 9}));
    EXPECT_EQ(table.racks[1].tilecount(), 0);
    EXPECT_TRUE(rules::boardok(table.board));
}

TEST_F(ComputerSearchTest, TheFirstGroupFoundHidesLaterOnesAndEdgeGroupsAreNeverJoined) {
    table.rack(1, {B + 4});
    anchorSuits(1, 1);
    table.lay(0, 2, {G + 4, O + 4, R + 4}); // starts in column 0
    table.lay(5, 6, {G + 4, O + 4, R + 4}); // a joinable group further down
    EXPECT_TRUE(search.computertwoonboard(1, 4).none());
    EXPECT_FALSE(search.computermatch2(1, 1));

    table.board.clear();
    table.lay(5, 0, {G + 4, O + 4, R + 4}); // lies in row 0
    table.lay(5, 6, {G + 4, O + 4, R + 4});
    EXPECT_TRUE(search.computertwoonboard(1, 4).none());
    EXPECT_TRUE(table.moves.empty());

    // A group that already holds the anchor's suit is passed over for the next row.
    table.board.clear();
    table.lay(5, 2, {G + 4, B + 4, R + 4});
    table.lay(9, 6, {G + 4, O + 4, R + 4});
    const Cell found = search.computertwoonboard(1, 4);
    EXPECT_EQ(found.column, 9);
    EXPECT_EQ(found.row, 6);
}

TEST_F(ComputerSearchTest, AGroupAtTheRightEdgeIsRebuiltElsewhere) {
    table.rack(1, {B + 11});
    table.lay(20, 4, {G + 11, O + 11, R + 11}); // no room at either end
    table.lay(18, 4, {G + 1});
    anchorSuits(1, 1);
    ASSERT_TRUE(search.computermatch2(1, 1));
    const auto [c, r] = table.find(B + 11);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{B + 11, G + 11, O + 11, R + 11}));
    EXPECT_EQ(table.board.at(20, 4), 0);
}

TEST_F(ComputerSearchTest, OneOnBoardGivesUpWhenTheOnlyUsableTileIsTheFirst) {
    table.rack(1, {G + 6, O + 6});
    anchorSuits(1, 1);
    // Row 3: the first tile that is neither Green (the anchor) nor Orange (the other rack tile) is the
    // Red 6 at the stretch's start, so the search gives up without looking at row 8.
    table.lay(4, 3, {R + 6, G + 6, O + 6, B + 6});
    table.lay(4, 8, {G + 6, R + 6, O + 6, B + 6}); // would work, but is never looked at
    EXPECT_TRUE(search.computeroneonboard(1, 6, 2).none());
    EXPECT_TRUE(table.moves.empty());

    // Freed from the middle: the tile moves out and the group closes up.
    table.board.clear();
    table.lay(4, 8, {G + 6, R + 6, O + 6, B + 6});
    const Cell freed = search.computeroneonboard(1, 6, 2);
    ASSERT_FALSE(freed.none());
    EXPECT_EQ(table.board.at(freed.column, freed.row), R + 6);
    EXPECT_EQ(table.setAt(4, 8), (std::vector<int>{G + 6, O + 6, B + 6}));
}

TEST_F(ComputerSearchTest, MatchThreeBuildsAGroupFromTwoRackTilesAndAFreedBoardTile) {
    table.rack(1, {G + 8, O + 8});
    // For the Green anchor and the Orange rack tile, the first usable board tile is the Red 8.
    table.lay(3, 5, {O + 8, R + 8, B + 8, G + 8});
    ASSERT_TRUE(search.computermatches(1));
    const auto [c, r] = table.find(R + 8);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{G + 8, O + 8, R + 8}));
    EXPECT_EQ(table.setAt(3, 5), (std::vector<int>{O + 8, B + 8, G + 8}));
    EXPECT_TRUE(rules::boardok(table.board));
}

TEST_F(ComputerSearchTest, AThirteenExtendsARunIntoColumn22) {
    table.rack(1, {R + 13});
    table.lay(19, 7, {R + 10, R + 11, R + 12});
    ASSERT_TRUE(search.computerrun2(1, 1));
    EXPECT_EQ(table.setAt(19, 7), (std::vector<int>{R + 10, R + 11, R + 12, R + 13}));
    EXPECT_EQ(table.board.at(22, 7), R + 13);
}

TEST_F(ComputerSearchTest, ALongRunAtTheRightEdgeGivesItsLastTwoTilesToANewRun) {
    table.rack(1, {O + 9});
    table.lay(17, 2, {O + 3, O + 4, O + 5, O + 6, O + 7, O + 8}); // ends in column 22
    ASSERT_TRUE(search.computerrun2(1, 1));
    EXPECT_EQ(table.setAt(17, 2), (std::vector<int>{O + 3, O + 4, O + 5, O + 6}));
    const auto [c, r] = table.find(O + 9);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{O + 7, O + 8, O + 9}));
    EXPECT_EQ(table.board.at(c + 1, r), 0);
    EXPECT_EQ(table.board.at(c - 3, r), 0);
    EXPECT_EQ(table.board.at(c - 4, r), 0);
}

TEST_F(ComputerSearchTest, AShortRunHemmedInIsMovedWholeWithTheAnchor) {
    table.rack(1, {G + 4});
    table.lay(5, 9, {G + 1, G + 2, G + 3});
    table.lay(9, 9, {B + 1, O + 1, R + 1}); // the cell after the right neighbour is taken
    ASSERT_TRUE(search.computerrun2(1, 1));
    const auto [c, r] = table.find(G + 4);
    EXPECT_NE(r, 9);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{G + 1, G + 2, G + 3, G + 4}));
    EXPECT_EQ(table.board.at(5, 9), 0);
}

TEST_F(ComputerSearchTest, ARunIsExtendedAtItsLeftEnd) {
    table.rack(1, {B + 5});
    table.lay(8, 4, {B + 6, B + 7, B + 8});
    ASSERT_TRUE(search.computerrun2(1, 1));
    EXPECT_EQ(table.setAt(8, 4), (std::vector<int>{B + 5, B + 6, B + 7, B + 8}));

    // Hemmed in on the left: the run and the anchor go elsewhere.
    table.rack(1, {B + 2});
    table.board.clear();
    table.lay(3, 6, {O + 1, R + 1, G + 1});
    table.lay(7, 6, {B + 3, B + 4, B + 5});
    ASSERT_TRUE(search.computerrun2(1, 1));
    const auto [c, r] = table.find(B + 2);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{B + 2, B + 3, B + 4, B + 5}));
    EXPECT_TRUE(rules::boardok(table.board));
}

TEST_F(ComputerSearchTest, ARightEndWithNoRoomToMoveEndsTheRunSearch) {
    // Rows 1..12 hold a tile in every third column, so no stretch of seven empty cells exists.
    for (int r = 1; r <= rules::kLastRow; ++r)
        for (int c = 0; c <= rules::kLastColumn; c += 3)
            table.board.set(c, r, B + 9);
    // The first candidate: a run at the right edge, which must move to take the anchor and cannot.
    table.lay(20, 0, {G + 2, G + 3, G + 4});
    // A later candidate that could take it in place is not looked at.
    for (int c = 0; c <= rules::kLastColumn; ++c)
        table.board.set(c, 5, 0);
    table.lay(4, 5, {G + 2, G + 3, G + 4});
    table.lay(10, 5, {B + 9});
    table.lay(13, 5, {B + 9});
    table.lay(16, 5, {B + 9});
    table.lay(19, 5, {B + 9});
    table.lay(22, 5, {B + 9});
    table.rack(1, {G + 5});
    const rules::Board before = table.board;
    EXPECT_FALSE(search.computerrun2(1, 1));
    EXPECT_EQ(table.board, before);
    EXPECT_TRUE(table.moves.empty());
    EXPECT_FALSE(table.used[1][1]);
}

TEST_F(ComputerSearchTest, JokerBelowAndJokerAbove) {
    table.rack(1, {G + 5, G + 6, J});
    EXPECT_FALSE(search.computermatches(1));
    ASSERT_TRUE(search.computerruns(1));
    auto [c, r] = table.find(G + 5);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{J, G + 5, G + 6}));

    table.board.clear();
    table.rack(1, {G + 6, G + 5, J});
    table.used[1].fill(false);
    ASSERT_TRUE(search.computerruns(1));
    std::tie(c, r) = table.find(G + 5);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{G + 5, G + 6, J}));
    EXPECT_TRUE(rules::boardok(table.board));
}

TEST_F(ComputerSearchTest, PartnersComeOnlyFromCellsAfterTheAnchor) {
    // The 7 in cell 1 is no partner of the 8 in cell 2: the run is found from the 7 as anchor.
    table.rack(1, {R + 7, R + 8, R + 9});
    EXPECT_FALSE(search.computerrun1(1, 2));
    EXPECT_FALSE(search.computerrun1(1, 3));
    ASSERT_TRUE(search.computerrun1(1, 1));
    const auto [c, r] = table.find(R + 7);
    EXPECT_EQ(table.setAt(c, r), (std::vector<int>{R + 7, R + 8, R + 9}));
}

TEST_F(ComputerSearchTest, AWholeTurnLaysOnlyValidSetsOnACrowdedBoard) {
    std::mt19937 deal(3);
    for (int game = 0; game < 40; ++game) {
        table.board.clear();
        std::vector<int> codes;
        for (int i = 0; i < 14; ++i)
            codes.push_back(std::uniform_int_distribution<int>(1, 53)(deal));
        table.rack(1, codes);
        table.lay(1, 1, {G + 1, G + 2, G + 3});
        table.lay(6, 2, {R + 10, B + 10, O + 10, G + 10});
        const int before = table.racks[1].tilecount() + static_cast<int>(table.board.list().size());
        search.playTurn(1);
        EXPECT_EQ(table.racks[1].tilecount() + static_cast<int>(table.board.list().size()), before);
    }
}
