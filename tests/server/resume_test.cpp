// A resumed game over real loopback connections: the players of the stopped game get their own seats
// back by logging in with their names, while everyone else is seated as usual.

#include "harness.h"
#include "testclient.h"

#include <memory>
#include <random>

using namespace testing_server;

namespace {

// A stopped game at seat 3's turn: seats 1 and 2 were people ("Ann", "Bob"), seat 3 the computer;
// seat 4 was not dealt in. Every seat holds its own 14 tiles from a shuffled pool.
game::ResumedTable stoppedGame() {
    game::ResumedTable t;
    std::mt19937 rng(5);
    rules::shuffletiles(t.pool, rng);
    const std::array<std::string, 5> names{"", "Ann", "Bob", "Computer3", "Computer4"};
    for (int seat = 1; seat <= 3; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        for (int cell = 1; cell <= 14; ++cell)
            t.racks[s].cells[static_cast<std::size_t>(cell)] = t.pool.take();
        t.playing[s] = true;
        t.humans[s] = seat != 3;
        t.scores[s] = 10 * seat;
    }
    t.names = names;
    t.options = {"Ann", 200, 60, 14, true, false};
    t.round = 2;
    t.seat = 3;
    return t;
}

std::string rackOf(const game::ResumedTable& t, int seat) {
    std::string text = "CMD_yourtiles+" + std::to_string(seat);
    for (int cell = 1; cell <= rules::kRackCells; ++cell)
        if (const int tile = t.racks[static_cast<std::size_t>(seat)].cells[static_cast<std::size_t>(cell)])
            text += "+" + std::to_string(cell) + "," + std::to_string(tile);
    return text;
}

// Connects, is offered `first`, logs in there as `name`, and, when moved, logs in again where it is
// sent: the slot it ends in (0 when a step did not come).
int joinMoved(TestClient& client, quint16 port, int first, const std::string& name) {
    if (!client.open(port) || !client.waitFor("CMD_sendlogininfo+" + std::to_string(first))) return 0;
    client.seen = client.received.size();
    client.send(protocol::toserver::LoginInfo{first, kVersion, name});
    return client.logIn(name);
}

} // namespace

TEST(ResumedSeats, PlayersGetTheirOwnSeatsBackByNameAndNewcomersSitElsewhere) {
    TServer server;
    server.setSeed(3);
    ASSERT_TRUE(server.listen(0, QHostAddress::LocalHost)) << server.errorString().toStdString();
    const quint16 port = server.serverPort();
    const game::ResumedTable stopped = stoppedGame();
    server.resume(stopped);

    // A newcomer with another name: the kept seats 1 and 2 are not free, seat 3 (the computer's) is.
    auto carol = std::make_unique<TestClient>();
    ASSERT_EQ(carol->join(port, "Carol"), 3);
    ASSERT_TRUE(carol->waitFor(rackOf(stopped, 3))) << carol->raw << "\n" << rackOf(stopped, 3);

    // Bob is seated in the next free slot, then moved to his own seat 2 and logs in there.
    auto bob = std::make_unique<TestClient>();
    ASSERT_EQ(joinMoved(*bob, port, 4, "Bob"), 2);
    ASSERT_TRUE(bob->waitFor(rackOf(stopped, 2)));
    ASSERT_TRUE(bob->waitUntilHas("CMD_loadstats+2+3+200+60"));
    EXPECT_NE(bob->latest("CMD_loadstats")->find("+2+20+14+"), std::string::npos)
        << *bob->latest("CMD_loadstats");
    EXPECT_TRUE(carol->waitUntilHas("CMD_action+2+Bob is back."));
    // Nobody saw Bob in slot 4.
    EXPECT_FALSE(carol->latest("CMD_newplayerinfo+4").has_value());
    EXPECT_FALSE(server.game().player(4).connected);
    EXPECT_FALSE(server.game().kept(2));

    // Ann's seat stays kept, and another "Bob" is no longer taken there: he sits in slot 4.
    EXPECT_TRUE(server.game().kept(1));
    auto bob2 = std::make_unique<TestClient>();
    ASSERT_EQ(bob2->join(port, "Bob"), 4);
    auto ann = std::make_unique<TestClient>();
    ASSERT_EQ(joinMoved(*ann, port, 5, "Ann"), 1);
    ASSERT_TRUE(ann->waitFor(rackOf(stopped, 1)));
    EXPECT_FALSE(server.game().kept(1));
}

// Without a resume nothing is kept: a name alone never moves a connection.
TEST(ResumedSeats, AFinishedOrNewGameKeepsNoSeats) {
    TServer server;
    ASSERT_TRUE(server.listen(0, QHostAddress::LocalHost));
    game::ResumedTable stopped = stoppedGame();
    stopped.humans = {};
    server.resume(stopped);
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_FALSE(server.game().kept(seat)) << seat;
    auto ann = std::make_unique<TestClient>();
    ASSERT_EQ(ann->join(server.serverPort(), "Ann"), 1);
}
