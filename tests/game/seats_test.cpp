// Host powers, seats held for a dropped player, and the committed shuffle.

#include "harness.h"

#include "rules/tiles.h"

#include <algorithm>

using namespace testing_game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

bool has(const std::vector<std::string>& sent, const std::string& prefix) {
    return std::any_of(sent.begin(), sent.end(),
                       [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
}

} // namespace

// A stranger who takes slot 1 after the host left holds nothing until logged in, and not even then
// while a logged-in player who came earlier holds the powers.
TEST(HostPowers, PassToTheLongestConnectedAndNeverToAStranger) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Bob");
    h.close(1);
    EXPECT_EQ(h.table().powerSlot(), 2);
    EXPECT_TRUE(has(h.to(3), "CMD_powers+2+Ann"));

    const int stranger = h.connect();
    ASSERT_EQ(stranger, 1);
    h.say(1, in::KickHim{1, 3});
    h.start();
    EXPECT_TRUE(h.table().player(3).connected);
    EXPECT_FALSE(h.table().gamestarted());
    h.say(1, in::LoginInfo{1, kVersion, "Eve"});
    h.say(1, in::KickHim{1, 3});
    EXPECT_TRUE(h.table().player(3).connected);
    EXPECT_TRUE(has(h.to(1), "CMD_powers+2+Ann")); // the newcomer is told who holds them

    h.say(2, in::KickHim{2, 3}); // the holder may
    EXPECT_FALSE(h.table().player(3).connected);
    h.close(2);
    EXPECT_EQ(h.table().powerSlot(), 1); // Eve is the only one left
}

TEST(HostPowers, TheOperatorHoldsThemWhateverTheSlot) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Op");
    h.table().grantOperator(3);
    h.say(3, protocol::StartGame{"Op", 500, 60, true, false, 14});
    EXPECT_TRUE(h.table().gamestarted());
    h.say(2, in::KickHim{2, 1});
    EXPECT_TRUE(h.table().player(1).connected);
}

// The seat stays with its player through a drop: nobody else gets it, the computer plays it, and the
// player comes back to the same rack and score; released, it is free as before.
TEST(HeldSeat, KeepsRackAndScoreForTheReturningPlayer) {
    Harness h;
    h.annOnTurn();
    const rules::Rack rack = h.table().player(2).tiles;
    h.table().closing(2);
    h.table().closed(2, game::Leave::Hold);
    EXPECT_TRUE(h.table().held(2));
    EXPECT_TRUE(h.table().computerControlled(2));
    EXPECT_NE(h.connect(), 2); // a newcomer does not get the seat

    h.table().runNext(); // the computer plays the held seat's turn
    h.clear();
    ASSERT_TRUE(h.table().openAt(2));
    h.say(2, in::LoginInfo{2, kVersion, "Ann"});
    EXPECT_TRUE(has(h.to(1), "CMD_action+2+Ann is back."));
    EXPECT_TRUE(has(h.to(2), "CMD_loadstats+2+"));
    const auto back = h.last<msg::YourTiles>(2); // the rack as the computer left it
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(static_cast<int>(back->cells.size()), h.table().player(2).tilecount());
    EXPECT_GT(rack.tilecount(), 0);

    h.table().closing(2);
    h.table().closed(2, game::Leave::Hold);
    h.table().release(2);
    EXPECT_FALSE(h.table().held(2));
    EXPECT_FALSE(h.table().openAt(2));
    EXPECT_EQ(h.connect(), 2);
}

// Each round's deal comes from its own seed: the digest is told before the deal, the seed after the
// round, and the seed deals the very order the round was dealt from.
TEST(Shuffle, CommitsBeforeTheDealAndRevealsASeedThatDealsTheSameOrder) {
    Harness h;
    int round = 0;
    h.table().setShuffleSource(
        [&round] { return std::string(63, '0') + std::to_string(++round % 10); },
        [](std::string_view seed) { return "digest-of-" + std::string(seed.substr(60)); });
    h.login("Host");
    h.start();
    const std::vector<std::string> first = h.words(1);
    const auto commit = std::find(first.begin(), first.end(), "CMD_shufflecommit");
    const auto deal = std::find(first.begin(), first.end(), "CMD_yourtiles");
    ASSERT_NE(commit, first.end());
    EXPECT_LT(commit, deal);
    EXPECT_EQ(h.last<msg::ShuffleCommit>(1)->digest, "digest-of-0001");
    const rules::Pool dealt = h.table().pool();

    h.table().endround(1);
    const auto reveal = h.last<msg::ShuffleReveal>(1);
    ASSERT_TRUE(reveal.has_value());
    EXPECT_EQ(reveal->seed, std::string(63, '0') + "1");
    rules::Pool again;
    ASSERT_TRUE(rules::shuffleFromSeed(again, reveal->seed));
    EXPECT_EQ(again.tiles, dealt.tiles);
    rules::Pool other;
    ASSERT_TRUE(rules::shuffleFromSeed(other, std::string(63, '0') + "2"));
    EXPECT_NE(other.tiles, dealt.tiles);
    EXPECT_FALSE(rules::shuffleFromSeed(other, "00ff"));               // too short
    EXPECT_FALSE(rules::shuffleFromSeed(other, std::string(32, 'g'))); // not hex
}
