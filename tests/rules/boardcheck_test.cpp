#include "rules/boardcheck.h"

#include "tilecodes.h"

#include <gtest/gtest.h>

#include <set>

using namespace rules;
using namespace tilecodes;

namespace {

constexpr int J = kJoker;
constexpr int Of(int suit, int n) {
    return (suit - 1) * 13 + n;
}

void lay(Board& board, int row, int column, const std::vector<int>& codes) {
    for (int code : codes)
        board.set(column++, row, code);
}

bool rowWith(const std::vector<int>& codes, int column = 1, int row = 1) {
    Board board;
    lay(board, row, column, codes);
    return checkrow(board, row);
}

std::string describe(const std::vector<int>& codes) {
    std::string text;
    for (int code : codes)
        text += (text.empty() ? "" : ", ") + gettilename(code);
    return text;
}

struct SetCase {
    std::vector<int> codes;
    bool run;
    bool group;
};

} // namespace

TEST(SetRules, RunAndGroupVerdicts) {
    const std::vector<SetCase> cases{
        {{Green(5), Green(6), Green(7)}, true, false},
        {{Green(5), Orange(5), Red(5)}, false, true},
        {{J, Green(2), Green(3)}, true, false},
        {{J, Green(1), Green(2)}, false, false},
        {{Green(12), Green(13), J}, false, false},
        {{Green(11), Green(12), J}, true, false},
        {{Green(11), Green(12), J, J}, false, false}, // would need a 14
        {{J, J, Green(3)}, true, true},               // Green 1, 2, 3 as a run
        {{J, J, Green(2)}, false, true},              // a run would need a 0
        {{J, J, Green(5), Green(6)}, true, false},
        {{Green(3), J, Green(5), J}, true, false},
        {{Green(5), Green(5), Green(6)}, false, false},
        {{Green(5), Orange(5), Red(5), Black(5), J, J}, false, true},
        {{Green(13), Orange(13), Red(13)}, false, true},
        {{Green(1), Green(2), Green(3)}, true, false},
        {{Green(11), Green(12), Green(13)}, true, false},
        {{Green(13), Green(1), Green(2)}, false, false}, // no wrap-around
        {{Green(7), Green(6), Green(5)}, false, false},  // runs go up left to right
        {{Green(5), Orange(6), Green(7)}, false, false},
        {{Green(5), J, Orange(7)}, false, false},
        {{Green(5), Green(7), Green(8)}, false, false},
        {{Green(5), Orange(5), Green(5)}, false, false},
        {{Green(5), Orange(5), J, Red(6)}, false, false},
        {{J, J, J}, true, true}, // any number (or start) fits
        {{Green(1), Green(2), Green(3), Green(4), Green(5), Green(6), Green(7), Green(8), Green(9), Green(10),
          Green(11), Green(12), Green(13)},
         true,
         false},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(describe(c.codes));
        EXPECT_EQ(isRun(c.codes), c.run);
        EXPECT_EQ(isGroup(c.codes), c.group);
        EXPECT_EQ(isValidSet(c.codes), c.run || c.group);
        EXPECT_EQ(rowWith(c.codes), c.run || c.group);
    }
}

TEST(SetRules, NonTilesAndShortSetsAreRefused) {
    EXPECT_FALSE(isRun({}));
    EXPECT_FALSE(isGroup({}));
    EXPECT_FALSE(isValidSet({Green(5), Green(6)}));
    EXPECT_FALSE(isValidSet({Green(5), Orange(5)}));
    EXPECT_FALSE(isRun({Green(5), 0, Green(7)}));
    EXPECT_FALSE(isGroup({Green(5), 54, Orange(5)}));
    EXPECT_FALSE(isRun({-1, Green(6), Green(7)}));
}

// Every run of length 3..5 in every suit, with a joker (and with two jokers) put in every
// position, must pass; pushing the run one step past 13 with a joker must fail.
TEST(SetRules, JokersStandInAnywhereInARun) {
    for (int suit = 1; suit <= 4; ++suit)
        for (int length = 3; length <= 5; ++length)
            for (int start = 1; start + length - 1 <= 13; ++start) {
                std::vector<int> run;
                for (int i = 0; i < length; ++i)
                    run.push_back(Of(suit, start + i));
                ASSERT_TRUE(isRun(run)) << describe(run);
                for (int p = 0; p < length; ++p) {
                    std::vector<int> one = run;
                    one[static_cast<std::size_t>(p)] = J;
                    EXPECT_TRUE(isRun(one)) << describe(one);
                    EXPECT_TRUE(rowWith(one, 20)) << describe(one) << " ending at column 22";
                    for (int q = p + 1; q < length; ++q) {
                        std::vector<int> two = one;
                        two[static_cast<std::size_t>(q)] = J;
                        EXPECT_TRUE(isRun(two)) << describe(two);
                    }
                }
                std::vector<int> past = run;
                past.push_back(J);
                EXPECT_EQ(isRun(past), start + length <= 13) << describe(past);
                past.insert(past.begin(), J);
                past.pop_back();
                EXPECT_EQ(isRun(past), start >= 2) << describe(past);
            }
}

// Against a list of every run built from its definition: a number range s..s+k-1 inside 1..13
// in one suit, any of its tiles replaced by jokers. Every sequence of length 3 and 4 over a
// small alphabet must be a run exactly when it is in that list.
TEST(SetRules, RunCheckMatchesEnumeratedRuns) {
    std::set<std::vector<int>> runs;
    for (int length = 3; length <= 4; ++length)
        for (int suit : {1, 3})
            for (int start = 1; start + length - 1 <= 13; ++start)
                for (int mask = 0; mask < (1 << length); ++mask) {
                    std::vector<int> run;
                    for (int i = 0; i < length; ++i)
                        run.push_back((mask >> i & 1) ? J : Of(suit, start + i));
                    runs.insert(run);
                }

    std::vector<int> alphabet{J, Red(1), Red(13)};
    for (int n = 1; n <= 13; ++n)
        alphabet.push_back(Green(n));
    for (int length = 3; length <= 4; ++length) {
        std::vector<std::size_t> index(static_cast<std::size_t>(length), 0);
        for (;;) {
            std::vector<int> codes;
            for (std::size_t i : index)
                codes.push_back(alphabet[i]);
            ASSERT_EQ(isRun(codes), runs.count(codes) == 1) << describe(codes);
            std::size_t k = 0;
            while (k < index.size() && ++index[k] == alphabet.size())
                index[k++] = 0;
            if (k == index.size()) break;
        }
    }
}

TEST(BoardCheck, SetsAreSplitByEmptyCellsOnly) {
    Board board;
    EXPECT_TRUE(boardok(board));

    EXPECT_FALSE(rowWith({Green(5), Green(6)}));
    EXPECT_FALSE(rowWith({Green(5), Green(6), Green(7), Red(9)})) << "one 4-tile set";

    lay(board, 4, 1, {Green(5), Green(6), Green(7)});
    lay(board, 4, 5, {Red(9), Orange(9), Black(9)});
    lay(board, 4, 9, {J, Black(12), Black(13)});
    EXPECT_TRUE(checkrow(board, 4));
    EXPECT_TRUE(boardok(board));

    board.set(8, 4, Red(10)); // joins the group and the run into one set
    EXPECT_FALSE(checkrow(board, 4));
    EXPECT_FALSE(boardok(board));
}

TEST(BoardCheck, EveryRowAndColumnZeroAreChecked) {
    for (int row = 0; row <= kLastRow; ++row) {
        Board board;
        lay(board, 6 == row ? 0 : 6, 3, {Orange(1), Orange(2), Orange(3)});
        lay(board, row, 0, {Green(4), Red(4)});
        EXPECT_FALSE(boardok(board)) << "short set in row " << row;
        board.set(2, row, Black(4));
        EXPECT_TRUE(boardok(board)) << "group in row " << row;
    }
}

TEST(BoardCheck, ColumnTwentyTwoEndsTheRow) {
    EXPECT_FALSE(rowWith({Green(9)}, 22));
    EXPECT_FALSE(rowWith({Green(9), Green(10)}, 21));
    EXPECT_TRUE(rowWith({Green(9), Green(10), Green(11)}, 20));
    EXPECT_FALSE(rowWith({Green(9), Green(10), Red(11)}, 20));
    EXPECT_TRUE(rowWith({Black(1), J, Black(3), Black(4)}, 19));

    // Column 23 can never hold a tile, so it neither joins nor spoils a set.
    Board board;
    lay(board, 2, 20, {Green(9), Green(10), Green(11), Green(12)});
    EXPECT_TRUE(checkrow(board, 2));
    EXPECT_EQ(board.at(23, 2), 0);
}

TEST(BoardCheck, RangeChecksLookOnlyAtTheirCells) {
    Board board;
    lay(board, 3, 1, {Green(5), Green(6), Green(7), Red(7), Orange(7)});
    EXPECT_TRUE(checkforsuit(board, 3, 1, 3));
    EXPECT_TRUE(checkfornumber(board, 3, 3, 5));
    EXPECT_FALSE(checkrow(board, 3)) << "a valid run and group touching are one bad set";
    EXPECT_FALSE(checkforsuit(board, 3, 3, 1));
    EXPECT_FALSE(checkforsuit(board, 13, 1, 3));
    EXPECT_FALSE(checkfornumber(board, 3, 21, 23));
}
