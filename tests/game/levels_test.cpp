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

TEST(Levels, TheMasterKeepsAJokerEarlyAndLaysItWhenTheRoundIsShort) {
    rules::Board board;
    const rules::Rack rack = rackOf({Red(3), Red(4), Red(5), rules::kJoker, Green(7), Black(1)});
    const std::vector<int> run = {Red(3), Red(4), Red(5)};
    std::vector<int> withJoker = run;
    withJoker.push_back(rules::kJoker);

    // Opened, a full pool, the other seat far from going out: the run goes down, the joker stays.
    game::MasterView young{board, rack, true, 60, {14}};
    auto turn = game::masterTurn(young);
    ASSERT_TRUE(turn);
    EXPECT_EQ(laidCodes(*turn), run);
    // The expert lays everything it can.
    EXPECT_EQ(laidCodes(*game::planTurn(board, rack, true)), withJoker);

    // Another seat close to going out, or the pool nearly dry: the joker's 30 points go down now.
    for (const game::MasterView& late : {game::MasterView{board, rack, true, 60, {14, game::kFarFromOut - 1}},
                                         game::MasterView{board, rack, true, game::kYoungPool - 1, {14}}}) {
        turn = game::masterTurn(late);
        ASSERT_TRUE(turn);
        EXPECT_EQ(laidCodes(*turn), withJoker);
    }

    // Before the first lay-down the joker is kept only when the rest still reaches 30.
    game::MasterView opening{board, rack, false, 60, {14}};
    turn = game::masterTurn(opening);
    ASSERT_TRUE(turn);
    EXPECT_FALSE(turn->draw) << "12 alone is too little: the joker goes with the run";
    EXPECT_EQ(laidCodes(*turn), withJoker);

    // A lay-down that empties the rack is always made.
    const rules::Rack last = rackOf({Red(3), Red(4), Red(5), rules::kJoker});
    turn = game::masterTurn({board, last, true, 60, {14}});
    ASSERT_TRUE(turn);
    EXPECT_EQ(laidCodes(*turn), withJoker);
}
