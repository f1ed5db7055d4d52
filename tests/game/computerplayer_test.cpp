// The computer player inside the real game: when it plays, what its turns look like to the clients.

#include "harness.h"

#include "rules/boardcheck.h"

using namespace testing_game;
namespace in = protocol::toserver;

namespace {

// Host in seat 1, the computer in seat 2, seat 2 on turn with its delay running.
void computerOnTurn(
    Harness& h, std::function<int()> delay = [] { return 1000; }) {
    h.game.setBotDelaySource(std::move(delay));
    h.login("Host");
    h.start();
    h.say(1, in::DrawCard{1});
    ASSERT_EQ(h.game.currentplayer(), 2);
    ASSERT_TRUE(h.game.computertimerActive());
}

} // namespace

TEST(ComputerTurn, AFirstLayDownOf29IsLaidThenTakenBackAndOneTileDrawn) {
    Harness h;
    computerOnTurn(h);
    // Two runs worth 14 + 15: everything fits, but it is one point short.
    h.setRack(2, {Green(2), Green(3), Green(4), Green(5), Red(4), Red(5), Red(6)});
    h.clear();
    h.game.computertimerTimer();
    std::vector<std::string> expected(7, "CMD_placehistile");
    expected.insert(expected.end(), {"CMD_undothem", "CMD_nextplayer"});
    EXPECT_EQ(h.words(1), expected);
    EXPECT_TRUE(h.game.board().empty());
    EXPECT_EQ(h.game.player(2).tilecount(), 8);
    EXPECT_EQ(h.game.player(2).laidpoints, 0);
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(ComputerTurn, AnAcceptedTurnIsAnnouncedLikeAHumansAndScores) {
    Harness h;
    computerOnTurn(h);
    h.setRack(2, {Green(10), Orange(10), Red(10), Black(2)});
    h.clear();
    h.game.computertimerTimer();
    EXPECT_EQ(h.words(1), (std::vector<std::string>{"CMD_placehistile", "CMD_placehistile",
                                                    "CMD_placehistile", "CMD_movedtiles", "CMD_nextplayer"}));
    const auto moved = h.last<protocol::toclient::MovedTiles>(1);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->seat, 2);
    EXPECT_EQ(moved->value, 30);
    EXPECT_EQ(h.game.player(2).score, 30);
    EXPECT_EQ(h.game.player(2).tilecount(), 1);
}

TEST(ComputerTurn, PausingDoesNotStopAPendingComputerMove) {
    Harness h;
    computerOnTurn(h);
    h.say(1, in::Pause{1, 1});
    EXPECT_FALSE(h.game.timer1Active());
    EXPECT_TRUE(h.game.computertimerActive());
    h.game.computertimerTimer();
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(ComputerTurn, AChangedDelayTakesEffectAtTheNextWait) {
    int delay = 500;
    Harness h;
    computerOnTurn(h, [&delay] { return delay; });
    EXPECT_EQ(h.game.computertimerInterval(), 500);
    delay = 2000;
    EXPECT_EQ(h.game.computertimerInterval(), 500);
    h.game.computertimerTimer();
    ASSERT_EQ(h.game.currentplayer(), 1);
    h.say(1, in::DrawCard{1});
    EXPECT_EQ(h.game.computertimerInterval(), 2000);
}

TEST(ComputerTurn, AHumanWhoStartsToWatchOnTurnHasItPlayedAtOnce) {
    Harness h;
    h.annOnTurn();
    EXPECT_FALSE(h.game.computertimerActive()); // a human plays seat 2
    h.say(2, in::JustWatch{2, 1});
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(ComputerTurn, TheHostLeavingOnTurnIsNotPlayedAtOnce) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.start();
    ASSERT_EQ(h.game.currentplayer(), 1);
    h.close(1);
    EXPECT_TRUE(h.game.computerControlled(1));
    EXPECT_EQ(h.game.currentplayer(), 1);
    EXPECT_FALSE(h.game.computertimerActive());
}

TEST(ComputerTurn, AHalfDoneTurnLeftByItsHumanIsTakenBackBeforeTheComputerPlays) {
    // Ann lays a lone tile and then leaves, once by losing her connection and once by watching.
    for (const bool watch : {false, true}) {
        Harness h;
        h.annOnTurn();
        h.setRack(2, {Green(10), Orange(10), Red(10), Black(5)});
        h.place(2, 4, 10, 5);
        ASSERT_EQ(h.game.board().at(10, 5), Black(5));
        h.clear();
        if (watch) {
            h.say(2, in::JustWatch{2, 1});
        } else {
            h.close(2);
        }
        // The computer's group of tens is accepted at once; the lone five went back to the rack.
        const auto moved = h.last<protocol::toclient::MovedTiles>(1);
        ASSERT_TRUE(moved) << "watch " << watch;
        EXPECT_EQ(moved->seat, 2);
        EXPECT_EQ(moved->value, 30);
        EXPECT_EQ(h.game.board().at(10, 5), 0);
        EXPECT_EQ(h.game.player(2).tiles.cells[4], Black(5));
        EXPECT_EQ(h.game.currentplayer(), 1);
    }
}

TEST(ComputerTurn, ATurnTheSearchLeftIncompleteIsTakenBackAndADrawFollowsAtOnce) {
    struct Position {
        std::vector<int> laid; // by the host in row 1 from `column`
        int column;
        int computerTile;
    };
    // (a) A group with a joker next to a run: rebuilding the group moves three tiles and strands the
    // joker. (b) A run 1-J-J-4: its first three tiles read as a group of aces, and the ace goes in front.
    const std::vector<Position> positions = {
        {{Green(1), Orange(1), Red(1), kJoker, 0, Green(5), Green(6), Green(7)}, 1, Black(1)},
        {{Green(1), kJoker, kJoker, Green(4)}, 3, Orange(1)},
    };
    for (const Position& pos : positions) {
        Harness h;
        h.game.setBotDelaySource([] { return 1000; });
        h.login("Host");
        h.start();
        std::vector<int> rack;
        for (int tile : pos.laid)
            if (tile != 0) rack.push_back(tile);
        rack.push_back(Black(13));
        h.setRack(1, rack);
        int cell = 1;
        for (std::size_t i = 0; i < pos.laid.size(); ++i)
            if (pos.laid[i] != 0) h.place(1, cell++, pos.column + static_cast<int>(i), 1);
        h.finish(1);
        ASSERT_EQ(h.game.currentplayer(), 2);
        const rules::Board before = h.game.board();
        h.setRack(2, {pos.computerTile});
        h.game.player(2).laidpoints = 40; // past its first lay-down: one tile is a whole turn
        h.clear();
        h.game.computertimerTimer();
        EXPECT_TRUE(h.all<protocol::toclient::MovedTiles>(1).empty());
        EXPECT_EQ(h.game.board(), before);
        EXPECT_EQ(h.game.player(2).tilecount(), 2);
        EXPECT_EQ(h.game.currentplayer(), 1);
        const std::vector<std::string> words = h.words(1);
        EXPECT_NE(std::find(words.begin(), words.end(), "CMD_undothem"), words.end()); // it did lay first
    }
}

namespace {

// Host in seat 1 has laid the group of four 10s on row 1; the computer in seat 2, playing at `level`,
// is on turn with a rack whose best lay-down takes the green 10 out of that group into a run.
void groupOfTensOnBoard(Harness& h, game::ComputerLevel level) {
    h.game.setBotDelaySource([] { return 1000; });
    h.game.setComputerLevel(2, level);
    h.login("Host");
    h.start();
    h.setRack(1, {Green(10), Orange(10), Red(10), Black(10), Red(2)});
    for (int cell = 1; cell <= 4; ++cell)
        h.place(1, cell, cell, 1);
    h.finish(1);
    ASSERT_EQ(h.game.currentplayer(), 2);
    ASSERT_TRUE(h.game.computertimerActive());
    h.setRack(2, {Green(8), Green(9), Green(11), Green(12), Black(3)});
    h.clear();
}

} // namespace

TEST(ComputerTurn, TheExpertRearrangesTheBoardForTheBestLayDownAndTheRefereeAcceptsIt) {
    Harness h;
    groupOfTensOnBoard(h, game::ComputerLevel::Expert);
    h.game.computertimerTimer(); // the same delay path as the classic player
    const auto moved = h.last<protocol::toclient::MovedTiles>(1);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->seat, 2);
    EXPECT_EQ(moved->value, 40); // 8 + 9 + 11 + 12 around the green 10
    EXPECT_EQ(h.game.player(2).score, 40);
    EXPECT_EQ(h.game.player(2).laidpoints, 40);
    EXPECT_EQ(h.game.player(2).tilecount(), 1);
    EXPECT_EQ(h.game.board().list().size(), 8U);
    EXPECT_TRUE(rules::boardok(h.game.board()));
    EXPECT_EQ(h.game.turnboard().list().size(), 8U);
    // Every tile went down through the referee's own handlers, as a client sees a human's moves.
    EXPECT_EQ(h.all<protocol::toclient::PlaceHisTile>(1).size(), 4U);
    EXPECT_EQ(h.game.currentplayer(), 1);
    EXPECT_FALSE(h.game.computertimerActive());
}

TEST(ComputerTurn, TheClassicPlayerIsStillTheDefaultAndCannotUseTheGroup) {
    Harness h;
    EXPECT_EQ(h.game.computerLevel(2), game::ComputerLevel::Classic);
    groupOfTensOnBoard(h, game::ComputerLevel::Classic);
    h.game.computertimerTimer();
    EXPECT_FALSE(h.last<protocol::toclient::MovedTiles>(1));
    EXPECT_EQ(h.game.board().list().size(), 4U);
    EXPECT_EQ(h.game.player(2).tilecount(), 6);
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(ComputerTurn, AnExpertWithNothingWorthLayingDrawsOneTile) {
    Harness h;
    groupOfTensOnBoard(h, game::ComputerLevel::Expert);
    h.setRack(2, {Green(1), Orange(5), Red(9), Black(3)}); // nothing forms a set, and 29 < 30 anyway
    h.game.computertimerTimer();
    EXPECT_FALSE(h.last<protocol::toclient::MovedTiles>(1));
    EXPECT_TRUE(h.all<protocol::toclient::PlaceHisTile>(1).empty());
    EXPECT_EQ(h.game.board().list().size(), 4U);
    EXPECT_EQ(h.game.player(2).tilecount(), 5);
    EXPECT_EQ(h.game.currentplayer(), 1);
}

// A master with a thinker hands its turn over at once and plays the answer only while that turn runs.
TEST(ComputerTurn, AMastersAnswerIsPlayedOnlyOnTheTurnItWasThoughtFor) {
    Harness h;
    std::vector<game::MasterJob> jobs;
    h.game.setMasterThinker([&jobs](game::MasterJob job) { jobs.push_back(std::move(job)); });
    h.game.setComputerLevel(2, game::ComputerLevel::Master);
    h.game.setBotDelaySource([] { return 2000; });
    h.login("Host");
    h.start();
    h.say(1, in::DrawCard{1});
    ASSERT_EQ(h.game.currentplayer(), 2);
    EXPECT_EQ(h.game.computertimerInterval(), 0) << "its thinking is its delay";
    h.setRack(2, {Green(10), Orange(10), Red(10), Black(2), Black(7)});
    h.game.computertimerTimer();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(h.game.currentplayer(), 2) << "the turn waits for the answer";
    EXPECT_EQ(jobs[0].capMs, 2000);
    EXPECT_EQ(jobs[0].view.others.size(), 1u);

    // An answer for another position (the rack changed meanwhile) is dropped.
    game::MasterJob stale = jobs[0];
    stale.view.rack.cells[1] = Black(13);
    EXPECT_FALSE(h.game.masterThought(stale, game::masterTurn(stale.view, stale.seed, stale.budget)));
    EXPECT_EQ(h.game.currentplayer(), 2);

    const auto turn = game::masterTurn(jobs[0].view, jobs[0].seed, jobs[0].budget);
    h.clear();
    EXPECT_TRUE(h.game.masterThought(jobs[0], turn));
    EXPECT_EQ(h.game.currentplayer(), 1);
    EXPECT_EQ(h.game.player(2).score, 30);
    EXPECT_FALSE(h.game.masterThought(jobs[0], turn)) << "played once";
}
