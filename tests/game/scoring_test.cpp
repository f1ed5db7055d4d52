// The round's end and the game's winner as the game plays them out, single and team games.

#include "harness.h"

using namespace testing_game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

void layGroupOfTens(Harness& h, int seat, int row) {
    for (int i = 0; i < 3; ++i)
        h.place(seat, 1 + i, 1 + i, row);
    h.clear();
    h.finish(seat);
}

// Four players log in and the host starts a team game to 1,000.
void startTeamGame(Harness& h) {
    for (const char* name : {"Host", "Ann", "Bo", "Cy"})
        h.login(name);
    h.start(1000, 60, true, true, 14);
}

} // namespace

TEST(RoundEnd, SeatGoesOutAndTheOthersPay) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Bo");
    h.start(1000);
    h.say(1, in::DrawCard{1});
    h.setRack(1, {Green(5), kJoker});
    h.setRack(2, {Green(10), Orange(10), Red(10)});
    h.setRack(3, {Red(12)});
    h.clear();
    layGroupOfTens(h, 2, 1);
    EXPECT_EQ(h.to(3),
              (std::vector<std::string>{"CMD_movedtiles+2+30+30+1+1+10+2+1+23+3+1+36",
                                        "CMD_endround+2+1+-35+-35+2+2+77+47+0+3+-12+-12+1+4+0+0+0"}));
    EXPECT_EQ(h.game.clockphase(), game::ClockPhase::BetweenRounds);
    EXPECT_TRUE(h.game.gamestarted());
    EXPECT_TRUE(h.game.timer1Active());

    h.tick(20);
    EXPECT_EQ(h.last<msg::StartRound>(1)->scores, (std::array<int, 4>{-35, 77, -12, 0}));
    EXPECT_EQ(h.game.currentplayer(), 3);
}

TEST(RoundEnd, TargetReachedAnnouncesTheWinnerAndStopsPlay) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.start(20);
    h.say(1, in::DrawCard{1});
    h.setRack(2, {Green(10), Orange(10), Red(10)});
    h.clear();
    layGroupOfTens(h, 2, 1);
    EXPECT_EQ(h.words(1), (std::vector<std::string>{"CMD_movedtiles", "CMD_endround", "CMD_winner"}));
    EXPECT_EQ(h.to(1).back(), "CMD_winner+Ann+");
    EXPECT_FALSE(h.game.gamestarted());
    EXPECT_FALSE(h.game.timer1Active());

    // After the game nobody is on turn, and the clock stays still.
    h.clear();
    h.say(1, in::PlaceMyTile{1, 1, 5, 5});
    h.say(1, in::DrawCard{1});
    h.tick(100);
    EXPECT_TRUE(h.sentNothing());

    // A new game starts with all scores at 0.
    h.start(500);
    EXPECT_EQ(h.last<msg::StartRound>(1)->scores, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(h.game.currentplayer(), 1);
}

TEST(RoundEnd, ComputerSeatWinsUnderItsBotName) {
    Harness h;
    h.login("Host");
    h.start(20);
    h.say(1, in::DrawCard{1});
    h.setRack(1, {Green(13), Orange(13)});
    h.setRack(2, {});
    h.game.endround(2);
    EXPECT_EQ(h.last<msg::Winner>(1)->name, "Klot");
}

TEST(TeamGame, PartnersShareScoreAndFirstLayDown) {
    Harness h;
    startTeamGame(h);
    h.setRack(1, {Green(10), Orange(10), Red(10), Green(2)});
    h.clear();
    layGroupOfTens(h, 1, 1);
    EXPECT_EQ(h.words(4), (std::vector<std::string>{"CMD_movedtiles", "CMD_teamscore", "CMD_nextplayer"}));
    EXPECT_EQ(h.to(4)[1], "CMD_teamscore+3+30+");
    EXPECT_EQ(h.game.player(3).laidpoints, 30);

    h.say(2, in::DrawCard{2});
    // Seat 3 adds a single tile on the strength of its partner's first lay-down.
    h.setRack(3, {Black(10), Green(3)});
    h.place(3, 1, 4, 1);
    h.finish(3);
    const auto moved = h.last<msg::MovedTiles>(1);
    EXPECT_EQ(moved->seat, 3);
    EXPECT_EQ(moved->score, 40);
    EXPECT_EQ(h.last<msg::TeamScore>(1)->seat, 1);
    EXPECT_EQ(h.game.player(1).score, 40);
}

TEST(TeamGame, RoundEndsWhenBothPartnersAreOut) {
    Harness h;
    startTeamGame(h);
    h.say(1, in::DrawCard{1});
    h.say(2, in::DrawCard{2});
    h.setRack(1, {Green(9)});
    h.setRack(2, {Green(10)});
    h.setRack(3, {Green(10), Orange(10), Red(10)});
    h.setRack(4, {Green(5), Orange(5), Red(5), Black(5)});
    layGroupOfTens(h, 3, 2);
    EXPECT_EQ(h.game.currentplayer(), 4); // seat 1 still holds a tile: play goes on

    h.say(4, in::DrawCard{4});
    h.setRack(1, {});
    h.setRack(4, {Green(5), Orange(5), Red(5), Black(5)});
    h.clear();
    h.finish(1); // nothing to lay: seat 1 draws, the team is not out
    h.setRack(1, {});
    h.say(2, in::DrawCard{2});
    h.setRack(2, {Green(10)});
    h.setRack(3, {Black(10)});
    h.clear();
    h.place(3, 1, 4, 2);
    h.finish(3);
    EXPECT_EQ(h.to(2).back(), "CMD_endround+3+1+70+30+0+2+-30+-30+1+3+70+30+0+4+-30+-30+4");
}

TEST(RoundEnd, AnEmptySeatNeverWinsARoundLostByEverybody) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Bo");
    h.start(0);
    // Everybody draws until the pool is dry and every playing seat has met it: nobody gains, and the
    // empty seat 4, still at 0, is not the winner of a game with target 0.
    for (int turns = 0; turns < 200 && h.all<msg::EndRound>(1).empty(); ++turns)
        h.say(h.game.currentplayer(), in::DrawCard{h.game.currentplayer()});
    const auto result = h.last<msg::EndRound>(1);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->winner, 0);
    EXPECT_LT(result->seats[0].score, 0);
    EXPECT_EQ(result->seats[3].score, 0);
    EXPECT_TRUE(h.all<msg::Winner>(1).empty());
    EXPECT_TRUE(h.game.gamestarted());
}
