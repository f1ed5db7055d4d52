// The game as its runner sees it: time as an input, the next deadline, the outbox and its requests
// to close a connection.

#include "harness.h"

using namespace testing_game;

TEST(Clocks, TimeIsAnInputAndTheDeadlineSaysWhenToComeBack) {
    Harness h;
    h.game.setBotDelaySource([] { return 500; });
    EXPECT_EQ(h.game.nextDeadline(), game::kNever); // no game: nothing to wake for
    h.game.advanceTo(10'000);
    h.login("Host");
    h.start(500, 20);
    ASSERT_EQ(h.game.currentplayer(), 1);
    // The clock is counted down every second but the game has nothing to do before it runs out.
    EXPECT_EQ(h.game.nextDeadline(), 34'000);
    h.game.advanceTo(10'999);
    EXPECT_EQ(h.game.turnclock(), 24);
    h.game.advanceTo(12'000); // two seconds at once
    EXPECT_EQ(h.game.turnclock(), 22);
    EXPECT_EQ(h.game.nextDeadline(), 34'000);

    // The turn lasts its seconds and four more, then two of grace; time-up passes the turn to the
    // computer in seat 2, which plays when its delay is over.
    h.clear();
    h.game.advanceTo(34'000);
    EXPECT_EQ(h.words(1), std::vector<std::string>{"CMD_notime"});
    EXPECT_EQ(h.game.nextDeadline(), 36'000); // the grace runs out
    h.game.advanceTo(36'000);
    EXPECT_EQ(h.game.currentplayer(), 2);
    EXPECT_EQ(h.game.nextDeadline(), 36'500);
    h.game.advanceTo(36'499);
    EXPECT_EQ(h.game.currentplayer(), 2);
    h.game.advanceTo(36'500);
    EXPECT_EQ(h.game.currentplayer(), 1);
    EXPECT_EQ(h.game.now(), 36'500);

    // runNext jumps to the next deadline and runs that one clock only.
    const game::Millis before = h.game.now();
    ASSERT_TRUE(h.game.runNext());
    EXPECT_EQ(h.game.now(), before + 1000);
    EXPECT_EQ(h.game.turnclock(), 23);
}

TEST(Outbox, CommandsWaitForTheRunnerAndARemovalAsksToClose) {
    game::Game g(3);
    EXPECT_EQ(g.open(), 1);
    EXPECT_EQ(g.open(), 2);
    g.command(1, "CMD_logininfo+1+" + kVersion + "+Host");
    std::vector<game::Outgoing> out = g.takeOutbox();
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0].slot, 1);
    EXPECT_EQ(out[0].text, "CMD_sendlogininfo+1" + E);
    EXPECT_TRUE(g.outbox().empty());

    // The host removes slot 2: the game asks for the connection to be closed and sends it nothing
    // more, but the slot stays taken until the runner reports it closed.
    g.command(1, "CMD_kickhim+1+2+");
    g.command(1, "CMD_chat+1+hello|x");
    out = g.takeOutbox();
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].slot, 2);
    EXPECT_EQ(out[0].text, "CMD_closing+2+" + E) << "told why, before the close";
    EXPECT_TRUE(out[1].close);
    EXPECT_EQ(out[1].slot, 2);
    EXPECT_EQ(out[2].slot, 1);
    EXPECT_TRUE(g.player(2).connected);
    g.closed(2);
    EXPECT_FALSE(g.player(2).connected);
    out = g.takeOutbox();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].text, "CMD_playerdisconnected+2+" + E);
    EXPECT_EQ(g.open(), 2); // free for the next one
}
