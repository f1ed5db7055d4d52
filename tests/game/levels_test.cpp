// What sets the computer levels apart, on positions made by hand: what each one sees of the board and
// what the master chooses to keep.

#include "harness.h"

#include "game/masterplan.h"
#include "rules/boardcheck.h"

using namespace testing_game;

namespace {

std::vector<int> laidCodes(const game::Turn& turn) {
    std::vector<int> codes;
    for (const game::Move& move : turn.moves)
        if (move.kind == game::Move::Kind::Place) codes.push_back(move.tile);
    std::sort(codes.begin(), codes.end());
    return codes;
}

rules::Rack rackOf(const std::vector<int>& tiles) {
    rules::Rack rack;
    for (std::size_t i = 0; i < tiles.size(); ++i)
        rack.cells[i + 1] = tiles[i];
    return rack;
}

} // namespace

TEST(Levels, EveryNameStandsForOneLevelAndBack) {
    for (const std::string_view name : protocol::kComputerLevels) {
        const auto level = game::computerLevelNamed(name);
        ASSERT_TRUE(level) << name;
        EXPECT_EQ(game::computerLevelName(*level), name);
    }
    EXPECT_EQ(game::computerLevelNamed("classic"), game::ComputerLevel::Classic);
    EXPECT_FALSE(game::computerLevelNamed("Expert")) << "names are lower case, as the settings keep them";
    EXPECT_FALSE(game::computerLevelNamed(""));
}

TEST(Levels, TheNewSetsViewNeverTakesABoardTileTheWholeBoardViewNeeds) {
    // The group of four 10s on the board; the rack's greens make a run only around the green 10.
    rules::Board board;
    for (int i = 0; i < 4; ++i)
        board.set(1 + i, 1, Green(10) + 13 * i);
    const rules::Rack rack = rackOf({Green(8), Green(9), Green(11), Green(12), Black(3)});
    const auto whole = game::planTurn(board, rack, true);
    ASSERT_TRUE(whole);
    EXPECT_FALSE(whole->draw);
    EXPECT_EQ(whole->value, 40);
    const auto limited = game::planTurn(board, rack, true, game::View::NewSetsOnly);
    ASSERT_TRUE(limited);
    EXPECT_TRUE(limited->draw);
    EXPECT_EQ(limited->board, board);

    // A set of its own is laid beside the board's, which stays where it is.
    const rules::Rack own = rackOf({Red(3), Red(4), Red(5), Black(3)});
    const auto laid = game::planTurn(board, own, true, game::View::NewSetsOnly);
    ASSERT_TRUE(laid);
    EXPECT_EQ(laid->value, 12);
    EXPECT_EQ(laid->boardTilesMoved, 0);
    EXPECT_TRUE(rules::boardok(laid->board));
}

namespace {

// The board of the master's positions: the orange run 7-8-9 and the group of 4s.
rules::Board runAndGroup() {
    rules::Board board;
    for (int i = 0; i < 3; ++i) {
        board.set(1 + i, 1, Orange(7 + i));
        board.set(1 + i, 3, Green(4) + 13 * i);
    }
    return board;
}

constexpr int kSpeeds[] = {protocol::kFastComputer, protocol::kNormalComputer, protocol::kSlowComputer};

} // namespace

TEST(Levels, TheMasterKeepsALoneJokerWhileThePoolIsLarge) {
    // The joker fits only at the end of the board's run; nothing else in the rack makes a set.
    const rules::Board board = runAndGroup();
    const rules::Rack rack = rackOf({rules::kJoker, Green(12), Black(1), Orange(2), Black(9), Red(11)});
    const auto expert = game::planTurn(board, rack, true);
    ASSERT_TRUE(expert);
    EXPECT_EQ(laidCodes(*expert), std::vector<int>{rules::kJoker}) << "the expert lays it for its 30 points";
    for (const int speed : kSpeeds)
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            game::MasterStats stats;
            const auto turn = game::masterTurn({board, rack, true, 60, {{14, true}}}, seed,
                                               game::masterBudget(speed), {}, &stats);
            ASSERT_TRUE(turn);
            EXPECT_TRUE(turn->draw) << "speed " << speed << " seed " << seed;
            EXPECT_EQ(stats.deals, game::masterBudget(speed).deals);
        }
}

TEST(Levels, TheMasterLaysARunThatGivesNothingAwayAndGoesOutWithoutWeighing) {
    const rules::Board board = runAndGroup();
    // A run of its own and loose tiles: laying the run now beats keeping it, on every deal it tries.
    const rules::Rack rack =
        rackOf({Red(3), Red(4), Red(5), Green(12), Black(1), Orange(2), Black(9), Red(11)});
    for (const int speed : kSpeeds) {
        game::MasterStats stats;
        const auto turn =
            game::masterTurn({board, rack, true, 60, {{14, true}}}, 5, game::masterBudget(speed), {}, &stats);
        ASSERT_TRUE(turn);
        EXPECT_EQ(laidCodes(*turn), (std::vector<int>{Red(3), Red(4), Red(5)}));
        EXPECT_EQ(stats.chosen, 0);
        EXPECT_GT(stats.choices, 1) << "laying nothing was weighed";
    }

    // A lay-down that empties the rack is made at once, even with the other seat far from going out.
    game::MasterStats stats;
    const rules::Rack last = rackOf({Red(3), Red(4), Red(5), rules::kJoker});
    auto turn =
        game::masterTurn({board, last, true, 60, {{14, false}}}, 1, game::masterBudget(2000), {}, &stats);
    ASSERT_TRUE(turn);
    EXPECT_EQ(laidCodes(*turn), (std::vector<int>{Red(3), Red(4), Red(5), rules::kJoker}));
    EXPECT_EQ(stats.deals, 0);

    // Before its first lay-down, 12 points are too few: it draws, with nothing to weigh.
    turn = game::masterTurn({board, rackOf({Red(3), Red(4), Red(5), Black(1)}), false, 60, {{14, false}}}, 1,
                            game::masterBudget(2000), {}, &stats);
    EXPECT_TRUE(!turn || turn->draw);
    EXPECT_EQ(stats.deals, 0);
}

TEST(Levels, TheMasterPlaysTheSameForASeedAndStopsWhenAsked) {
    const rules::Board board = runAndGroup();
    const rules::Rack rack =
        rackOf({Red(3), Red(4), Red(5), rules::kJoker, Green(12), Black(1), Orange(2), Black(9), Red(11)});
    const game::MasterView view{board, rack, true, 50, {{10, true}, {12, false}}};
    game::MasterStats first, second;
    const auto a = game::masterTurn(view, 9, game::masterBudget(1000), {}, &first);
    const auto b = game::masterTurn(view, 9, game::masterBudget(1000), {}, &second);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->moves, b->moves);
    EXPECT_EQ(a->draw, b->draw);
    EXPECT_EQ(first.chosen, second.chosen);
    EXPECT_EQ(first.deals, game::masterBudget(1000).deals);
    if (!a->draw) {
        EXPECT_TRUE(rules::boardok(a->board));
    }

    // Asked to stop before the first deal, it plays the expert's lay-down.
    game::MasterStats stopped;
    int asked = 0;
    const auto c = game::masterTurn(
        view, 9, game::masterBudget(1000), [&asked] { return ++asked > 0; }, &stopped);
    ASSERT_TRUE(c);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.deals, 0);
    EXPECT_EQ(c->moves, game::planTurn(board, rack, true)->moves);
    // Stopped after three deals, it has weighed three.
    asked = 0;
    game::masterTurn(
        view, 9, game::masterBudget(1000), [&asked] { return ++asked > 3; }, &stopped);
    EXPECT_EQ(stopped.deals, 3);
}
