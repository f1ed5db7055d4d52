// Games, rounds and turns: every referee command on and off turn, the clock and its penalties.

#include "harness.h"

using namespace testing_game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

// Host in seat 1 and Ann in seat 2; seats 3 and 4 empty. Seat 1 is on turn.
void twoHumans(Harness& h, int seconds = 60, bool timepenalty = true, int tiles = 14) {
    h.login("Host");
    h.login("Ann");
    h.start(500, seconds, timepenalty, false, tiles);
    h.clear();
}

std::string rackItems(const rules::Rack& rack, int first, int last) {
    std::string out;
    for (int cell = first; cell <= last; ++cell)
        out += "+" + std::to_string(cell) + "," + std::to_string(rack.cells[static_cast<std::size_t>(cell)]);
    return out;
}

} // namespace

// Whether hints are allowed reaches every client: a newcomer at its login, everybody at a game's start
// and at once when the host changes it (and only then).
TEST(Game, HintsAllowedIsToldAtLoginAtStartAndOnChange) {
    Harness h;
    h.login("Host");
    EXPECT_EQ(h.last<msg::Hints>(1)->allowed, 1) << "allowed unless the host says otherwise";
    h.clear();
    h.game.setHintsAllowed(false);
    h.game.setHintsAllowed(false);
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_hints+0+"});
    h.login("Ann");
    EXPECT_EQ(h.last<msg::Hints>(2)->allowed, 0);
    h.clear();
    h.start();
    EXPECT_EQ(h.all<msg::Hints>(2).size(), 1u);
    ASSERT_FALSE(h.all<msg::Hints>(1).empty());
    EXPECT_EQ(h.all<msg::Hints>(1).front().allowed, 0);
    h.clear();
    h.game.setHintsAllowed(true);
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_hints+1+"});
}

TEST(Game, StartSequenceAndDeal) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.clear();
    h.start(500, 60, true, false, 14);
    const std::vector<std::string> host = h.to(1);
    ASSERT_EQ(host.size(), 5u);
    EXPECT_EQ(host[0], "CMD_startgame+Host+500+60+t+f+14+");
    EXPECT_EQ(host[1], "CMD_hints+1+");
    EXPECT_EQ(host[2], "CMD_startround+0+0+0+0+");
    EXPECT_EQ(host[3], "CMD_yourtiles+1" + rackItems(h.game.player(1).tiles, 1, 14));
    EXPECT_EQ(host[4], "CMD_nextplayer+1+78+1+0+14+2+0+14+3+0+0+4+0+0");
    EXPECT_EQ(h.to(2)[3], "CMD_yourtiles+2" + rackItems(h.game.player(2).tiles, 1, 14));
    EXPECT_FALSE(h.game.player(3).playing);
    EXPECT_TRUE(h.game.timer1Active());
    EXPECT_EQ(h.game.turnclock(), 64);
}

TEST(Game, DealSizeLimit) {
    Harness two;
    twoHumans(two, 60, true, 48);
    EXPECT_EQ(two.game.player(1).tilecount(), 48);
    EXPECT_EQ(two.game.player(2).tilecount(), 48);
    EXPECT_EQ(two.game.pool().tilesleft(), 10);

    Harness team; // computers in seats 3 and 4
    team.login("Host");
    team.login("Ann");
    team.clear();
    team.start(500, 60, true, true, 48);
    ASSERT_FALSE(team.to(1).empty());
    EXPECT_EQ(team.to(1).front(), "CMD_startgame+Host+500+60+t+t+24+");
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(team.game.player(seat).tilecount(), 24);

    Harness three;
    three.login("Host");
    three.login("Ann");
    three.login("Bo");
    three.start(500, 60, true, false, 48);
    EXPECT_EQ(three.game.player(3).tilecount(), 32);
    EXPECT_EQ(three.game.options().dealsize, 32);
}

TEST(Game, OptionsOutsideTheDialogRangesAreClamped) {
    Harness h;
    h.login("Host");
    h.say(1, protocol::StartGame{"Host", 999999, 0, false, false, -5});
    EXPECT_EQ(h.to(1).at(3), "CMD_startgame+Host+1500+20+f+f+10+");
    EXPECT_EQ(h.game.player(1).tilecount(), 10);
}

TEST(Turns, TwoSeatsAlternateAndOffTurnCommandsAreIgnored) {
    Harness h;
    twoHumans(h);
    const auto rack2 = h.game.player(2).tiles;
    h.say(2, in::PlaceMyTile{2, 1, 5, 5});
    h.say(2, in::SwapTiles{2, 1, 1, 5, 5});
    h.say(2, in::ReplaceTile{2, 5, 5});
    h.say(2, in::UndoThem{2});
    h.say(2, in::Finish{2});
    h.say(2, in::DrawCard{2});
    h.say(2, in::ClickYes{2});
    EXPECT_TRUE(h.sentNothing());
    EXPECT_EQ(h.game.player(2).tiles.cells, rack2.cells);
    EXPECT_EQ(h.game.currentplayer(), 1);

    std::vector<int> order;
    for (int i = 0; i < 4; ++i) {
        const int seat = h.game.currentplayer();
        order.push_back(seat);
        h.say(seat, in::DrawCard{seat});
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(h.game.player(1).tilecount(), 16);
}

TEST(Turns, PlaceMoveTakeBackAndUndo) {
    Harness h;
    twoHumans(h);
    const rules::Rack rack = h.game.player(1).tiles;
    const std::string t1 = std::to_string(rack.cells[1]);
    const std::string t2 = std::to_string(rack.cells[2]);

    h.place(1, 1, 2, 3);
    EXPECT_EQ(h.to(1), (std::vector<std::string>{"CMD_placehistile+1+" + t1 + "+2+3+", "CMD_freecard+1+1+"}));
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_placehistile+1+" + t1 + "+2+3+"});
    h.clear();

    // Refused: an empty cell, an occupied target, cells and positions outside the grid.
    h.place(1, 1, 4, 4);
    h.place(1, 2, 2, 3);
    h.place(1, 61, 4, 4);
    h.place(1, 2, 23, 4);
    h.place(1, 2, 4, 13);
    h.place(1, 2, -1, 4);
    h.say(1, in::SwapTiles{1, 23, 3, 2, 3});
    h.say(1, in::SwapTiles{1, 6, 6, 7, 7});
    h.say(1, in::ReplaceTile{1, 9, 9});
    h.say(1, "CMD_placemytile+1+x+4+4+");
    EXPECT_TRUE(h.sentNothing());

    h.say(1, in::SwapTiles{1, 5, 3, 2, 3});
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_swaptiles+1+5+3+2+3+" + t1 + "+"});
    h.clear();
    h.say(1, in::ReplaceTile{1, 5, 3});
    EXPECT_EQ(h.to(1),
              (std::vector<std::string>{"CMD_nouse+1+", "CMD_yourtiles+1+1," + t1, "CMD_removetile+5+3+"}));
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_removetile+5+3+"});
    EXPECT_EQ(h.game.player(1).tiles.cells, rack.cells);

    h.place(1, 2, 7, 7);
    h.place(1, 1, 8, 7);
    h.clear();
    h.say(1, in::UndoThem{1});
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_undothem+1+7+7+0+8+7+0"});
    EXPECT_EQ(h.to(1).back(), "CMD_yourtiles+1+2," + t2 + "+1," + t1);
    EXPECT_EQ(h.game.player(1).tiles.cells, rack.cells);
    EXPECT_TRUE(h.game.board().empty());
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(Turns, FirstLayDownAndLaterTurns) {
    Harness h;
    twoHumans(h);
    // 29 on a valid board: a run 5-8 and a group of 1s.
    h.setRack(1, {Green(5), Green(6), Green(7), Green(8), Green(1), Orange(1), Red(1), Green(10), Orange(10),
                  Red(10)});
    for (int i = 0; i < 4; ++i)
        h.place(1, 1 + i, 1 + i, 1);
    for (int i = 0; i < 3; ++i)
        h.place(1, 5 + i, 1 + i, 2);
    h.clear();
    h.finish(1);
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_notenough+1+"});
    EXPECT_EQ(h.game.currentplayer(), 1);
    EXPECT_EQ(h.game.board().at(1, 1), Green(5)); // a human keeps the board as laid

    h.say(1, in::UndoThem{1});
    for (int i = 0; i < 3; ++i)
        h.place(1, 8 + i, 1 + i, 1);
    h.clear();
    h.finish(1);
    ASSERT_FALSE(h.to(2).empty());
    EXPECT_EQ(h.to(2).front(), "CMD_movedtiles+1+30+30+1+1+10+2+1+23+3+1+36");
    EXPECT_EQ(h.game.player(1).laidpoints, 30);
    EXPECT_EQ(h.game.currentplayer(), 2);

    // A joker counts 30 on its own.
    h.setRack(2, {Green(1), Green(2), Green(3), kJoker});
    h.place(2, 1, 1, 5);
    h.place(2, 2, 2, 5);
    h.place(2, 3, 3, 5);
    h.finish(2);
    EXPECT_EQ(h.last<msg::NotEnough>(2)->seat, 2);
    h.say(2, in::ReplaceTile{2, 3, 5});
    h.place(2, 4, 3, 5);
    h.finish(2);
    EXPECT_EQ(h.last<msg::MovedTiles>(1)->value, 33);

    // After the first lay-down a single tile joins a set with no minimum.
    h.setRack(1, {Black(10), Black(2)});
    h.place(1, 1, 4, 1);
    h.finish(1);
    const auto moved = h.last<msg::MovedTiles>(2);
    EXPECT_EQ(moved->score, 40);
    EXPECT_EQ(moved->cells, (std::vector<rules::BoardItem>{{4, 1, Black(10)}}));
}

TEST(Turns, FinishWithNothingPlayedDrawsAndPutsMovesBack) {
    Harness h;
    twoHumans(h);
    h.setRack(1, {Green(10), Orange(10), Red(10), Black(1)});
    for (int i = 0; i < 3; ++i)
        h.place(1, 1 + i, 1 + i, 1);
    h.finish(1);
    h.say(2, in::DrawCard{2});
    const rules::Board before = h.game.board();
    h.say(1, in::SwapTiles{1, 5, 5, 1, 1});
    h.clear();
    h.finish(1);
    EXPECT_EQ(h.words(1), (std::vector<std::string>{"CMD_undothem", "CMD_yourtiles", "CMD_nextplayer"}));
    ASSERT_FALSE(h.to(1).empty());
    EXPECT_EQ(h.to(1)[0], "CMD_undothem+1+1+1+" + std::to_string(Green(10)) + "+5+5+0");
    EXPECT_EQ(h.game.board(), before);
    EXPECT_EQ(h.game.player(1).tilecount(), 2);
    // A tile laid in an earlier turn cannot be taken back to the rack.
    h.say(2, in::ReplaceTile{2, 1, 1});
    EXPECT_EQ(h.game.board(), before);
}

TEST(Turns, IncompleteBoardPenaltyAtTenAndNineSecondsLeft) {
    Harness h;
    twoHumans(h, 20);
    h.setRack(1, {Green(10), Green(11), kJoker, Orange(3)});
    h.place(1, 1, 1, 1);
    h.place(1, 2, 2, 1);
    h.place(1, 3, 3, 1);
    h.place(1, 4, 6, 6);
    h.tick(14);
    ASSERT_EQ(h.game.turnclock(), 10);
    h.clear();
    h.finish(1);
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_askpenalty+1+"});
    EXPECT_EQ(h.game.board().at(6, 6), Orange(3));

    h.tick(1);
    h.clear();
    h.finish(1);
    EXPECT_EQ(h.words(1), (std::vector<std::string>{"CMD_undothem", "CMD_yourtiles", "CMD_incomplete"}));
    EXPECT_TRUE(h.game.board().empty());
    EXPECT_EQ(h.game.currentplayer(), 1);

    // Accepting the penalty returns this turn's tiles and draws three.
    h.place(1, 3, 1, 1);
    h.clear();
    h.say(1, in::ClickYes{1});
    EXPECT_EQ(h.words(1),
              (std::vector<std::string>{"CMD_undothem", "CMD_yourtiles", "CMD_yourtiles", "CMD_nextplayer"}));
    EXPECT_EQ(h.all<msg::YourTiles>(1).back().cells.size(), 3u);
    EXPECT_EQ(h.game.player(1).tilecount(), 7);
    EXPECT_EQ(h.game.currentplayer(), 2);
}

TEST(Clock, TimeUpWithAndWithoutThePenalty) {
    for (const bool penalty : {true, false}) {
        Harness h;
        twoHumans(h, 20, penalty);
        h.place(1, 1, 3, 3);
        h.clear();
        h.tick(23);
        EXPECT_TRUE(h.sentNothing());
        h.tick(1);
        EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_notime+1+"});
        EXPECT_EQ(h.game.clockphase(), game::ClockPhase::Grace);
        h.tick(1);
        EXPECT_EQ(h.game.currentplayer(), 1);
        h.clear();
        h.tick(1);
        EXPECT_EQ(h.words(1), (std::vector<std::string>{"CMD_undothem", "CMD_yourtiles", "CMD_yourtiles",
                                                        "CMD_nextplayer"}));
        EXPECT_EQ(h.game.player(1).tilecount(), penalty ? 17 : 15);
        EXPECT_EQ(h.game.currentplayer(), 2);
        EXPECT_EQ(h.game.turnclock(), 24);
        EXPECT_EQ(h.game.clockphase(), game::ClockPhase::Turn);
    }
}

TEST(Clock, EmptyPoolEndsTheRoundAndTheNextStartsTwentySecondsLater) {
    Harness h;
    twoHumans(h, 60, true, 48);
    for (int i = 0; i < 10; ++i)
        h.say(h.game.currentplayer(), in::DrawCard{h.game.currentplayer()});
    EXPECT_EQ(h.game.pool().tilesleft(), 0);
    h.clear();
    h.say(1, in::DrawCard{1});
    EXPECT_EQ(h.to(1), (std::vector<std::string>{"CMD_nomoretiles+",
                                                 "CMD_nextplayer+2+-1+1+0+53+2+0+53+3+0+0+4+0+0"}));
    EXPECT_TRUE(h.game.player(1).emptypool);
    h.clear();
    h.say(2, in::DrawCard{2});
    EXPECT_EQ(h.to(2).at(0), "CMD_nomoretiles+");
    const auto end = h.last<msg::EndRound>(1);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->winner, 0);
    EXPECT_LT(end->seats[0].points, 0);
    EXPECT_LT(end->seats[1].points, 0);
    EXPECT_EQ(h.game.clockphase(), game::ClockPhase::BetweenRounds);

    // Between rounds no turn runs.
    h.clear();
    h.say(2, in::PlaceMyTile{2, 1, 3, 3});
    h.say(2, in::DrawCard{2});
    h.say(1, in::Pause{1, 1});
    EXPECT_TRUE(h.sentNothing());

    h.tick(19);
    EXPECT_TRUE(h.sentNothing());
    h.tick(1);
    ASSERT_FALSE(h.words(1).empty());
    EXPECT_EQ(h.words(1).front(), "CMD_startround");
    EXPECT_EQ(h.game.player(1).tilecount(), 48);
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(Clock, PauseRules) {
    Harness h;
    h.login("Host");
    h.say(1, in::Pause{1, 0}); // no game: the clock must not start
    EXPECT_FALSE(h.game.timer1Active());
    h.login("Ann");
    h.login("Bo");
    h.start();
    h.clear();
    h.say(3, in::Pause{3, 1}); // neither host nor on turn
    EXPECT_TRUE(h.sentNothing());
    h.say(1, in::Pause{1, 1});
    EXPECT_EQ(h.to(3), std::vector<std::string>{"CMD_gamepause+1+"});
    EXPECT_FALSE(h.game.timer1Active());
    h.say(1, in::Pause{1, 1});
    EXPECT_EQ(h.to(3).size(), 1u);
    // Moves still count while paused, and the next turn restarts the clock.
    h.place(1, 1, 2, 2);
    EXPECT_NE(h.game.board().at(2, 2), 0);
    h.say(1, in::DrawCard{1});
    EXPECT_TRUE(h.game.timer1Active());
    h.say(2, in::Pause{2, 1});
    h.say(2, in::Pause{2, 0});
    EXPECT_EQ(h.words(3).back(), "CMD_gamepause");
    EXPECT_EQ(h.to(3).back(), "CMD_gamepause+0+");
    EXPECT_TRUE(h.game.timer1Active());
}

TEST(Computer, SeatWithoutAHumanPlaysAfterItsDelay) {
    Harness h;
    h.game.setBotDelaySource([] { return 500; });
    h.login("Host");
    h.start(500, 20);
    EXPECT_FALSE(h.game.computertimerActive());
    h.say(1, in::DrawCard{1});
    ASSERT_EQ(h.game.currentplayer(), 2);
    EXPECT_TRUE(h.game.computertimerActive());
    EXPECT_EQ(h.game.computertimerInterval(), 500);
    h.game.computertimerTimer();
    EXPECT_FALSE(h.game.computertimerActive());
    EXPECT_EQ(h.game.currentplayer(), 1); // the whole computer turn is played at the tick

    // A seat whose human just watches is driven by the computer too.
    h.login("Ann");
    h.say(2, in::JustWatch{2, 1});
    h.say(1, in::DrawCard{1});
    EXPECT_TRUE(h.game.computertimerActive());
    h.say(2, in::JustWatch{2, 2});
    h.game.computertimerTimer();
    EXPECT_EQ(h.game.currentplayer(), 2);
}

TEST(Game, TheHostsNumberOfComputerOpponentsFillsEmptySeatsLowestFirst) {
    // Host alone: three computer opponents deal to all four seats; the computer plays seat 3 in turn.
    Harness solo;
    solo.game.setComputerOpponents(7); // more than three empty seats exist: three
    EXPECT_EQ(solo.game.computerOpponents(), 3);
    solo.login("Host");
    solo.start();
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(solo.game.player(seat).tilecount(), 14) << seat;
    EXPECT_EQ(solo.game.pool().tilesleft(), 106 - 4 * 14);

    // Ann holds seat 2: one opponent is seat 3, two are seats 3 and 4. Chosen between games, it counts
    // from the next round on.
    Harness ann;
    ann.login("Host");
    ann.login("Ann");
    ann.game.setComputerOpponents(1);
    ann.start();
    EXPECT_TRUE(ann.game.player(3).playing);
    EXPECT_FALSE(ann.game.player(4).playing);
    ann.game.setComputerOpponents(2);
    ann.start();
    EXPECT_TRUE(ann.game.player(4).playing);
    EXPECT_EQ(ann.game.player(4).tilecount(), 14);

    // 0 is the usual rule: seats 3 and 4 play only when someone holds them.
    ann.game.setComputerOpponents(0);
    ann.start();
    EXPECT_FALSE(ann.game.player(3).playing);
    EXPECT_EQ(ann.game.player(3).tilecount(), 0);
}

// A solo host with three computer opponents plays a whole game: the host draws on each of its turns,
// the computer plays seats 2 to 4, and time is only stepped, never waited for.
TEST(Game, ASoloGameWithThreeComputerOpponentsPlaysToItsEnd) {
    for (const game::ComputerLevel level : {game::ComputerLevel::Classic, game::ComputerLevel::Expert}) {
        Harness h;
        h.game.setComputerOpponents(3);
        for (int seat = 2; seat <= 4; ++seat)
            h.game.setComputerLevel(seat, level);
        h.login("Host");
        h.start(50);
        bool won = false;
        for (int step = 0; step < 200'000 && !won; ++step) {
            if (h.game.currentplayer() == 1 && !h.game.computertimerActive())
                h.say(1, in::DrawCard{1});
            else
                h.game.advanceTo(h.game.nextDeadline());
            h.driver.settle();
            won = h.last<protocol::toclient::Winner>(1).has_value();
            h.clear();
        }
        EXPECT_TRUE(won) << (level == game::ComputerLevel::Expert ? "expert" : "classic");
        for (int seat = 2; seat <= 4; ++seat)
            EXPECT_TRUE(h.game.player(seat).playing) << seat;
    }
}
