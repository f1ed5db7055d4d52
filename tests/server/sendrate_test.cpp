// How fast one connection may chat and change the table, and how many tile moves a turn takes: the
// bucket, the kinds of command, and the server dropping a flood while the game goes on.

#include "harness.h"

#include "server/sendrate.h"

#include <QSignalSpy>

#include <algorithm>

using namespace testing_server;
using server::SendRate;
using server::TokenBucket;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

TEST(TokenBucket, ABurstAtOnceThenTheRateAndNeverMoreThanTheBurst) {
    TokenBucket bucket(3, 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(bucket.take(1000)) << i;
    EXPECT_FALSE(bucket.take(1000));
    EXPECT_FALSE(bucket.take(1300)); // nine tenths of a token so far
    EXPECT_TRUE(bucket.take(1334));  // the thirds add up without rounding away
    EXPECT_FALSE(bucket.take(1334));
    EXPECT_FALSE(bucket.full(1334));
    // A long silence fills the bucket, no more.
    EXPECT_TRUE(bucket.full(1'000'000'000));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(bucket.take(1'000'000'000)) << i;
    EXPECT_FALSE(bucket.take(1'000'000'000));
    // A clock that goes back adds nothing.
    EXPECT_FALSE(bucket.take(5));
    EXPECT_TRUE(bucket.take(339));
}

TEST(SendRate, ChatActionsAndSoundsShareALaneTableChangesAnotherTurnCommandsNone) {
    using Kind = SendRate::Kind;
    EXPECT_EQ(SendRate::kindOf("CMD_chat+2+hello|clRed"), Kind::Chat);
    EXPECT_EQ(SendRate::kindOf("CMD_action+2+waves|clRed"), Kind::Chat);
    EXPECT_EQ(SendRate::kindOf("CMD_playasound+2+4"), Kind::Chat);
    for (const char* entry : {"CMD_justwatch+2+1", "CMD_pause+1+1", "CMD_kickhim+1+3", "CMD_botspeed+500"})
        EXPECT_EQ(SendRate::kindOf(entry), Kind::Control) << entry;
    EXPECT_EQ(SendRate::kindOf("CMD_startgame+Host+500+60+t+f+14"), Kind::Control);
    for (const char* entry : {"CMD_placemytile+2+1+3+4", "CMD_finish+2", "CMD_drawcard+2",
                              "CMD_logininfo+2+1.0.11+A", "CMD_chatter+2+x", "CMD_cha", ""})
        EXPECT_EQ(SendRate::kindOf(entry), Kind::Free) << entry;
}

TEST(SendRate, AFloodIsToldOnceAndANewFloodAfterACalmAgain) {
    using V = SendRate::Verdict;
    SendRate rate;
    for (int i = 0; i < SendRate::kChatBurst; ++i)
        EXPECT_EQ(rate.admit("CMD_chat+2+x|c", 0), V::Pass) << i;
    EXPECT_EQ(rate.admit("CMD_chat+2+x|c", 0), V::DropAndTell);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(rate.admit("CMD_action+2+x|c", 0), V::Drop);
    // The other lane and the turn's commands are not held back by the chat.
    EXPECT_EQ(rate.admit("CMD_pause+2+1", 0), V::Pass);
    EXPECT_EQ(rate.admit("CMD_placemytile+2+1+3+4", 0), V::Pass);
    // A second later: the rate's worth passes; the flood goes on and is not told again.
    for (int i = 0; i < SendRate::kChatPerSecond; ++i)
        EXPECT_EQ(rate.admit("CMD_chat+2+x|c", 1000), V::Pass) << i;
    EXPECT_EQ(rate.admit("CMD_chat+2+x|c", 1000), V::Drop);
    // Quiet until the bucket is full again: a new flood is told anew.
    const std::int64_t calm = 1000 + 1000 * SendRate::kChatBurst / SendRate::kChatPerSecond + 1;
    for (int i = 0; i < SendRate::kChatBurst; ++i)
        EXPECT_EQ(rate.admit("CMD_chat+2+x|c", calm), V::Pass) << i;
    EXPECT_EQ(rate.admit("CMD_chat+2+x|c", calm), V::DropAndTell);
}

namespace {

std::size_t logged(const QSignalSpy& spy, const QString& part) {
    return static_cast<std::size_t>(std::count_if(spy.begin(), spy.end(), [&](const QList<QVariant>& args) {
        return args.value(0).toString().contains(part);
    }));
}

} // namespace

// A joiner's chat flood reaches the others at a person's pace; the operator's log says so once; the
// others' chat and the game are not held back.
TEST(ServerRate, AChatFloodReachesTheOthersAtAPersonsPace) {
    Harness h;
    QSignalSpy log(&h.server, &TServer::logLine);
    h.login("Host");
    h.login("Flood");
    h.clear();
    // Built by appending: GCC 12 takes `std::string(n, c) + "..."` for an out-of-bounds copy.
    std::string line(1000, 'x');
    line.append("|clRed");
    for (int n = 0; n < 500; ++n)
        h.say(2, in::Chat{2, line});
    EXPECT_EQ(h.all<msg::Chat>(1).size(), static_cast<std::size_t>(SendRate::kChatBurst));
    h.now += 1000;
    for (int n = 0; n < 500; ++n)
        h.say(2, in::Action{2, "waves|clRed"});
    EXPECT_EQ(h.all<msg::Chat>(1).size() + h.all<msg::Action>(1).size(),
              static_cast<std::size_t>(SendRate::kChatBurst + SendRate::kChatPerSecond));
    EXPECT_EQ(logged(log, QStringLiteral("Dropping chat")), 1u);
    EXPECT_TRUE(h.table().player(2).connected);

    h.clear();
    h.say(1, in::Chat{1, "still here|clRed"});
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_chat+1+Host chats: still here|clRed"});
    h.start();
    EXPECT_TRUE(h.table().gamestarted());
}

// Someone toggling "just watch" as fast as the network allows: each change goes to everybody, so only
// a person's worth of them are made.
TEST(ServerRate, TableChangesPastAPersonsPaceAreIgnored) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.start();
    h.clear();
    for (int n = 0; n < 400; ++n)
        h.say(2, in::JustWatch{2, 1 + n % 2});
    EXPECT_EQ(h.all<msg::JustWatching>(1).size(), static_cast<std::size_t>(SendRate::kControlBurst));
}

// A turn takes as many tile moves as a person could make in it, and no more; the mover is told once, the
// others see nothing of the rest, and the next turn starts afresh.
TEST(MoveLimit, ATurnTakesAThousandTileMovesAndTheNextTurnStartsAfresh) {
    Harness h;
    h.annOnTurn();
    h.clear();
    const int pairs = game::Game::kDefaultMoveLimit / 2;
    for (int i = 0; i < pairs; ++i) {
        h.place(2, 1, 1 + i % 20, 5);
        h.say(2, in::ReplaceTile{2, 1 + i % 20, 5});
    }
    EXPECT_EQ(h.all<msg::PlaceHisTile>(1).size(), static_cast<std::size_t>(pairs));
    EXPECT_EQ(h.all<msg::RemoveTile>(1).size(), static_cast<std::size_t>(pairs));
    for (int i = 0; i < 50; ++i)
        h.place(2, 1, 3, 5);
    EXPECT_EQ(h.all<msg::PlaceHisTile>(1).size(), static_cast<std::size_t>(pairs));
    EXPECT_EQ(h.table().board().at(3, 5), 0);
    ASSERT_EQ(h.all<msg::TableError>(2).size(), 1u);
    EXPECT_NE(h.all<msg::TableError>(2).front().text.find("moved tiles"), std::string::npos);
    EXPECT_TRUE(h.all<msg::TableError>(1).empty());

    h.say(2, in::DrawCard{2});
    h.say(1, in::DrawCard{1});
    ASSERT_EQ(h.table().currentplayer(), 2);
    h.clear();
    h.place(2, 1, 3, 5);
    EXPECT_EQ(h.all<msg::PlaceHisTile>(1).size(), 1u);
}
