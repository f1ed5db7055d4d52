#include "game/solver.h"
#include "rules/boardcheck.h"
#include "rummypositions.h"
#include "tilecodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace tilecodes;

namespace {

constexpr int J = rules::kJoker;

// ---- An exhaustive search to hold the solver against ----------------------------------------

// Whether some order of `codes` passes the board check's set test. In a valid run the real tiles
// stand in ascending order, so trying the sorted real tiles with the jokers in every place covers
// every order that can pass (a group passes in any order).
bool formsSet(std::vector<int> codes) {
    static std::map<std::vector<int>, bool> known;
    std::sort(codes.begin(), codes.end());
    if (const auto it = known.find(codes); it != known.end()) return it->second;
    const auto jokers = static_cast<std::size_t>(std::count(codes.begin(), codes.end(), J));
    const std::vector<int> real(codes.begin(), codes.end() - static_cast<long>(jokers));
    bool ok = false;
    const std::size_t size = codes.size();
    for (std::size_t a = 0; a < size && !ok; ++a)
        for (std::size_t b = a + 1; b <= size && !ok; ++b) { // b == size: no second joker place
            // No joker: one order. One joker: in place a. Two jokers: in places a and b (both inside).
            if ((jokers == 0 && (a > 0 || b < size)) || (jokers == 1 && b < size) ||
                (jokers == 2 && b == size))
                continue;
            std::vector<int> order;
            std::size_t next = 0;
            for (std::size_t i = 0; i < size; ++i)
                order.push_back((jokers >= 1 && i == a) || (jokers == 2 && i == b) ? J : real[next++]);
            ok = rules::isValidSet(order);
        }
    known.emplace(codes, ok);
    return ok;
}

struct Exhaustive {
    std::vector<int> codes;
    std::vector<bool> fromRack;
    std::vector<int> memo; // by mask of tiles dealt with; -2 unknown, -1 impossible

    // Best value * 128 + tiles over the tiles not in `done`: every board tile in a set.
    int best(unsigned done) {
        const auto all = (1u << codes.size()) - 1;
        if (done == all) return 0;
        int& cached = memo[done];
        if (cached != -2) return cached;
        int first = 0;
        while (done & (1u << first))
            ++first;
        int result = -1;
        if (fromRack[static_cast<std::size_t>(first)])
            result = best(done | (1u << first)); // left in the rack
        const unsigned rest = all & ~done & ~(1u << first);
        for (unsigned others = rest; others != 0; others = (others - 1) & rest) {
            if (std::popcount(others) < 2) continue;
            const unsigned set = others | (1u << first);
            std::vector<int> members;
            int gain = 0;
            for (std::size_t i = 0; i < codes.size(); ++i)
                if (set & (1u << i)) {
                    members.push_back(codes[i]);
                    if (fromRack[i]) gain += rules::tilevalue(codes[i]) * 128 + 1;
                }
            if (!formsSet(members)) continue;
            const int after = best(done | set);
            if (after >= 0) result = std::max(result, after + gain);
        }
        return cached = result;
    }

    static int solve(const std::vector<int>& board, const std::vector<int>& rack) {
        Exhaustive search;
        search.codes = board;
        search.codes.insert(search.codes.end(), rack.begin(), rack.end());
        search.fromRack.assign(board.size(), false);
        search.fromRack.resize(search.codes.size(), true);
        search.memo.assign(std::size_t{1} << search.codes.size(), -2);
        return search.best(0);
    }
};

// ---- Checks on a solver answer ----------------------------------------------------------------

std::vector<int> sorted(std::vector<int> codes) {
    std::sort(codes.begin(), codes.end());
    return codes;
}

// Every set valid as listed, the sets holding exactly the board and the laid tiles, the laid
// tiles taken from the rack, value and count matching them.
void expectConsistent(const game::LayDown& found, const std::vector<int>& board,
                      const std::vector<int>& rack) {
    std::vector<int> onBoard;
    for (const auto& set : found.sets) {
        EXPECT_TRUE(rules::isValidSet(set)) << ::testing::PrintToString(set);
        onBoard.insert(onBoard.end(), set.begin(), set.end());
    }
    std::vector<int> expected = board;
    if (!found.draw) expected.insert(expected.end(), found.laid.begin(), found.laid.end());
    EXPECT_EQ(sorted(onBoard), sorted(expected));
    std::vector<int> left = sorted(rack);
    int value = 0;
    for (int code : found.laid) {
        const auto it = std::find(left.begin(), left.end(), code);
        ASSERT_NE(it, left.end()) << "laid " << code << " is not in the rack";
        left.erase(it);
        value += rules::tilevalue(code);
    }
    EXPECT_EQ(found.value, value);
    EXPECT_EQ(found.tiles, static_cast<int>(found.laid.size()));
}

// A random small position: tiles of a few suits within a window of five or six numbers (near the
// ends of 1..13 as often as the middle), jokers now and then, a board made of random sets or of
// loose tiles, and a rack of up to five tiles.
struct SmallPosition {
    std::vector<int> board;
    std::vector<int> rack;
};

SmallPosition randomPosition(std::mt19937& rng) {
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const int width = 5 + below(2);
    const int low = 1 + below(14 - width);
    const int suitCount = 1 + below(3);
    std::vector<int> suits{0, 1, 2, 3};
    std::shuffle(suits.begin(), suits.end(), rng);
    std::array<int, 54> copies{};
    auto take = [&](int code, std::vector<int>& into) {
        if (copies[static_cast<std::size_t>(code)] >= 2) return false;
        ++copies[static_cast<std::size_t>(code)];
        into.push_back(code);
        return true;
    };
    auto anyTile = [&] {
        if (below(12) == 0) return J;
        return suits[static_cast<std::size_t>(below(suitCount))] * 13 + low + below(width);
    };
    SmallPosition position;
    const int boardGoal = below(7);
    if (below(3) == 0) {
        for (int i = 0; i < boardGoal; ++i)
            take(anyTile(), position.board);
    } else {
        for (int tries = 0; tries < 6 && static_cast<int>(position.board.size()) + 3 <= boardGoal; ++tries) {
            const int suit = suits[static_cast<std::size_t>(below(suitCount))];
            const int start = low + below(width - 2);
            for (int k = 0; k < 3; ++k) {
                const int code = below(2) == 0 ? suit * 13 + start + k
                                               : suits[static_cast<std::size_t>(k % suitCount)] * 13 + start;
                take(below(10) == 0 ? J : code, position.board);
            }
        }
    }
    const int rackSize = below(7);
    for (int i = 0; i < rackSize; ++i)
        take(anyTile(), position.rack);
    return position;
}

TEST(Solver, EqualsExhaustiveSearchOnRandomSmallPositions) {
    std::mt19937 rng(20261207);
    int laid = 0;
    int withJokers = 0;
    int rearranged = 0;
    for (int round = 0; round < 12000; ++round) {
        const SmallPosition p = randomPosition(rng);
        const bool opened = round % 4 != 0;
        const int truth = Exhaustive::solve(p.board, p.rack);
        // Each way of walking the numbers on its own, and both by turns, must find the best.
        const auto walk = std::array{game::Walk::Both, game::Walk::Up, game::Walk::Down}[round % 3];
        const auto found = game::solveTiles(p.board, p.rack, opened, walk, game::kNoStageBound);
        SCOPED_TRACE(::testing::PrintToString(p.board) + " rack " + ::testing::PrintToString(p.rack));
        const int value = truth / 128;
        const int tiles = truth % 128;
        const bool worth = truth >= 0 && tiles > 0 && (opened || value >= 30);
        if (!worth && Exhaustive::solve(p.board, {}) < 0) {
            EXPECT_FALSE(found.has_value());
            continue;
        }
        ASSERT_TRUE(found.has_value());
        expectConsistent(*found, p.board, p.rack);
        EXPECT_EQ(found->draw, !worth);
        if (worth) {
            EXPECT_EQ(found->value, value);
            EXPECT_EQ(found->tiles, tiles);
            ++laid;
            withJokers += std::count(found->laid.begin(), found->laid.end(), J) > 0 ? 1 : 0;
            rearranged += Exhaustive::solve({}, p.rack) < truth ? 1 : 0;
        }
    }
    // The positions must exercise the interesting cases, not only draws.
    EXPECT_GT(laid, 2000);
    EXPECT_GT(withJokers, 300);
    EXPECT_GT(rearranged, 500);
}

} // namespace

namespace {

// Large positions cannot be searched exhaustively; the answer must still be a board of valid
// sets holding exactly the right tiles, at least as good as the rack laid on its own.
TEST(Solver, AnswersOnCrowdedBoardsAreConsistent) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 300; ++round) {
        const auto p = rummypositions::randomPosition(rng, round % 2 ? 85 : 60, round % 2 ? 20 : 14);
        std::vector<int> board;
        for (const auto& set : p.boardSets)
            board.insert(board.end(), set.begin(), set.end());
        const bool opened = round % 3 != 0;
        const auto found = game::solve(p.boardSets, p.rack, opened);
        ASSERT_TRUE(found.has_value());
        expectConsistent(*found, board, p.rack);
        // Keeping board sets whole never costs value or tiles.
        const auto loose = game::solveTiles(board, p.rack, opened);
        ASSERT_TRUE(loose.has_value());
        EXPECT_EQ(found->value, loose->value);
        EXPECT_EQ(found->tiles, loose->tiles);
        const auto down = game::solveTiles(board, p.rack, opened, game::Walk::Down, game::kNoStageBound);
        ASSERT_TRUE(down.has_value());
        expectConsistent(*down, board, p.rack);
        EXPECT_EQ(down->value, loose->value);
        EXPECT_EQ(down->tiles, loose->tiles);
        const auto alone = game::solveTiles({}, p.rack, opened);
        ASSERT_TRUE(alone.has_value());
        EXPECT_GE(found->value, alone->draw ? 0 : alone->value);
        EXPECT_TRUE(found->draw || opened || found->value >= 30);
    }
}

TEST(Solver, FirstLayDownMayRearrangeTheBoardButCountsOnlyRackTiles) {
    // Two 12s and two 13s join the board's run's top tiles in groups; the run keeps 9..11.
    const std::vector<std::vector<int>> board{{Green(9), Green(10), Green(11), Green(12), Green(13)}};
    const std::vector<int> rack{Orange(12), Orange(13), Red(12), Red(13)};
    const auto found = game::solve(board, rack, false);
    ASSERT_TRUE(found.has_value());
    EXPECT_FALSE(found->draw);
    EXPECT_EQ(found->value, 50);
    EXPECT_EQ(found->tiles, 4);

    // 13 + 13 = 26 is short of 30 before the first lay-down, and enough after it.
    const std::vector<int> small{Orange(13), Red(13)};
    const auto before = game::solve(board, small, false);
    ASSERT_TRUE(before.has_value());
    EXPECT_TRUE(before->draw);
    EXPECT_EQ(before->value, 0);
    EXPECT_EQ(before->sets, board); // a draw leaves the board as it is
    const auto after = game::solve(board, small, true);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->value, 26);

    // A joker is worth 30 on its own.
    const auto joker = game::solve(board, {J}, false);
    ASSERT_TRUE(joker.has_value());
    EXPECT_FALSE(joker->draw);
    EXPECT_EQ(joker->value, 30);
}

TEST(Solver, KeepsTheBoardsSetsWhenTheRackAloneDoesAsWell) {
    const std::vector<std::vector<int>> board{{Red(4), Red(5), Red(6)}, {Black(7), Green(7), Orange(7)}};
    const auto found = game::solve(board, {Green(1), Green(2), Green(3), Black(13)}, true);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->value, 6);
    ASSERT_EQ(found->sets.size(), 3U);
    EXPECT_EQ(found->sets[0], board[0]);
    EXPECT_EQ(found->sets[1], board[1]);
    EXPECT_EQ(found->sets[2], (std::vector<int>{Green(1), Green(2), Green(3)}));
}

TEST(Solver, RejectsTilesNoGameCanHold) {
    EXPECT_EQ(game::tileProblem({Green(1), Green(1)}, {Green(2), J, J}), "");
    EXPECT_NE(game::tileProblem({Green(1), Green(1)}, {Green(1)}), "");
    EXPECT_NE(game::tileProblem({0}, {}), "");
    EXPECT_NE(game::tileProblem({}, {54}), "");
    EXPECT_FALSE(game::solveTiles({J, J, J}, {}, true).has_value());
    // A board that cannot stand is no position; laying a tile that mends it is still found.
    EXPECT_FALSE(game::solveTiles({Green(1), Green(2)}, {}, true).has_value());
    const auto mended = game::solveTiles({Green(1), Green(2)}, {Green(3)}, true);
    ASSERT_TRUE(mended.has_value());
    EXPECT_EQ(mended->value, 3);
}

} // namespace

namespace {

// Huge racks make the search long; at its stage bound it lays the best it had found by then.
// That must still be a consistent lay-down worth making, never better than the exact answer,
// the same on every call, and where the bound was not reached it must be the exact answer.
TEST(Solver, ASearchStoppedAtItsBoundLaysTheBestItHadFound) {
    std::mt19937 rng(59);
    int cut = 0;
    for (int round = 0; round < 40; ++round) {
        const auto p = rummypositions::randomPosition(rng, round % 2 ? 0 : 40, round % 2 ? 59 : 40);
        std::vector<int> board;
        for (const auto& set : p.boardSets)
            board.insert(board.end(), set.begin(), set.end());
        const bool opened = round % 4 < 2;
        SCOPED_TRACE("round " + std::to_string(round));
        const auto bounded = game::solve(p.boardSets, p.rack, opened, 3000);
        const auto exact = game::solve(p.boardSets, p.rack, opened, game::kNoStageBound);
        ASSERT_TRUE(bounded.has_value());
        ASSERT_TRUE(exact.has_value());
        EXPECT_FALSE(exact->cut);
        expectConsistent(*bounded, board, p.rack);
        EXPECT_TRUE(bounded->draw || opened || bounded->value >= 30);
        if (!bounded->cut) {
            EXPECT_EQ(bounded->value, exact->value);
            EXPECT_EQ(bounded->tiles, exact->tiles);
            continue;
        }
        ++cut;
        EXPECT_LE(bounded->value * 128 + bounded->tiles, exact->value * 128 + exact->tiles);
        const auto again = game::solve(p.boardSets, p.rack, opened, 3000);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->sets, bounded->sets);
    }
    EXPECT_GT(cut, 5); // the bound must really have been reached
}

} // namespace
