// The server over real loopback connections: small clients speaking the protocol.

#include "harness.h"
#include "testclient.h"

#include "protocol/framebuffer.h"
#include "server/sendrate.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <functional>

#include <memory>

using namespace testing_server;
namespace in = protocol::toserver;

namespace {

class Loopback : public ::testing::Test {
protected:
    void SetUp() override {
        server.setSeed(11);
        ASSERT_TRUE(server.listen(0, QHostAddress::LocalHost)) << server.errorString().toStdString();
        port = server.serverPort();
    }
    std::unique_ptr<TestClient> client() { return std::make_unique<TestClient>(); }

    TServer server;
    quint16 port = 0;
};

} // namespace

TEST_F(Loopback, SlotsFillReuseAndTheTenthIsTurnedAway) {
    std::vector<std::unique_ptr<TestClient>> clients;
    for (int slot = 1; slot <= 9; ++slot) {
        clients.push_back(client());
        ASSERT_TRUE(clients.back()->open(port));
        ASSERT_TRUE(clients.back()->waitForCount(1));
        EXPECT_EQ(clients.back()->raw, "CMD_sendlogininfo+" + std::to_string(slot) + E);
    }
    auto tenth = client();
    ASSERT_TRUE(tenth->open(port));
    ASSERT_TRUE(tenth->waitForClose());
    EXPECT_EQ(tenth->raw, "CMD_full+" + E);
    EXPECT_EQ(server.game().slotcount(), 9);

    clients[2]->socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.game().player(3).connected; }, kWaitMs));
    auto again = client();
    ASSERT_TRUE(again->open(port));
    ASSERT_TRUE(again->waitForCount(1));
    EXPECT_EQ(again->received[0], "CMD_sendlogininfo+3");
}

TEST_F(Loopback, LoginBytesAndALateJoiner) {
    auto host = client();
    ASSERT_TRUE(host->open(port));
    ASSERT_TRUE(host->waitForCount(1));
    host->send(in::LoginInfo{1, kVersion, "Host"});
    ASSERT_TRUE(host->waitForCount(4));
    const std::string answers =
        "CMD_sendlogininfo+1" + E + "CMD_newplayerinfo+1+Host+0" + E + "CMD_hints+1+" + E;
    EXPECT_EQ(host->raw.substr(0, answers.size()), answers);
    EXPECT_EQ(host->received[3].rfind("CMD_seattoken+", 0), 0u); // after the answers of the login

    host->send(protocol::StartGame{"Host", 500, 60, true, false, 14});
    ASSERT_TRUE(host->waitFor("CMD_nextplayer+1+78+1+0+14+2+0+14+3+0+0+4+0+0"));
    host->send(in::PlaceMyTile{1, 1, 4, 6});
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.game().board().at(4, 6) != 0; }, kWaitMs));
    const std::string tile = std::to_string(server.game().board().at(4, 6));

    auto late = client();
    ASSERT_TRUE(late->open(port));
    ASSERT_TRUE(late->waitForCount(1));
    late->send(in::LoginInfo{2, "1.0.10", "Late"});
    ASSERT_TRUE(late->waitFor("CMD_loadboard+2+4+6+" + tile));
    // Seat 2 was the computer's, in the round: the joiner takes over its rack.
    ASSERT_TRUE(late->waitForCount(8));
    EXPECT_EQ(late->received[1], "CMD_newplayerinfo+2+Late+0");
    EXPECT_EQ(late->received[2], "CMD_existingplayers+1+Host+0");
    EXPECT_EQ(late->received[3], "CMD_wrongversion+");
    EXPECT_EQ(late->received[4], "CMD_hints+1+");
    EXPECT_EQ(late->received[5], "CMD_loadstats+2+1+500+60+t+f+1+0+13+f+f+2+0+14+f+f+3+0+0+f+t+4+0+0+f+t+f");
    EXPECT_EQ(late->received[7].rfind("CMD_yourtiles+2+1,", 0), 0u);
    ASSERT_TRUE(host->waitFor("CMD_havewrongversion+Late"));
}

TEST_F(Loopback, BurstsFromFourClientsAreEachHandledOnceInOrder) {
    std::vector<std::unique_ptr<TestClient>> clients;
    for (int i = 1; i <= 4; ++i) {
        clients.push_back(client());
        ASSERT_EQ(clients.back()->join(port, "P" + std::to_string(i)), i);
    }
    for (auto& c : clients)
        c->received.clear();
    // As many lines as a sender may send at once.
    constexpr int kLines = server::SendRate::kChatBurst;
    for (int i = 0; i < 4; ++i) {
        std::string burst;
        for (int n = 0; n < kLines; ++n)
            burst += protocol::encode(in::Chat{i + 1, std::to_string(n) + "+x|c"});
        clients[static_cast<std::size_t>(i)]->write(burst);
    }
    for (auto& c : clients)
        ASSERT_TRUE(c->waitForCount(4 * kLines));
    QTest::qWait(20);
    for (auto& c : clients) {
        EXPECT_EQ(c->received.size(), 4u * kLines);
        EXPECT_EQ(c->received, clients[0]->received); // one order for everybody
    }
    std::array<int, 5> next{};
    for (const std::string& entry : clients[0]->received) {
        const auto m = protocol::decode<protocol::toclient::Chat>(protocol::splitCommand(entry).args);
        ASSERT_TRUE(m.has_value());
        const int sender = m->slot;
        EXPECT_EQ(m->text, "P" + std::to_string(sender) + " chats: " +
                               std::to_string(next[static_cast<std::size_t>(sender)]++) + "+x|c");
    }
    EXPECT_FALSE(server.queuedCommands());
}

// A thousand chat lines in one write go through the queue (a few hundred at a time) whole: the lines
// past the sender's rate are dropped, the sender is told once and stays, and what it sends next is
// handled in order.
TEST_F(Loopback, ABurstOfAThousandCommandsIsReadWholeTheExcessDroppedAndTheSenderStays) {
    auto host = client();
    auto talker = client();
    ASSERT_EQ(host->join(port, "Host"), 1);
    ASSERT_EQ(talker->join(port, "Talk"), 2);
    host->received.clear();
    talker->received.clear();
    constexpr int kBurst = 1000;
    std::string burst;
    for (int n = 0; n < kBurst; ++n)
        burst += protocol::encode(in::Chat{2, std::to_string(n) + "|c"});
    burst += protocol::encode(in::JustWatch{2, 2});
    talker->write(burst);
    ASSERT_TRUE(host->waitFor("CMD_justwatching+2+2"));
    const auto chats = std::count_if(host->received.begin(), host->received.end(),
                                     [](const std::string& e) { return e.rfind("CMD_chat+", 0) == 0; });
    // However slowly the burst is read, the bucket refills by a few lines a second only.
    EXPECT_GE(chats, server::SendRate::kChatBurst);
    EXPECT_LT(chats, kBurst / 2);
    EXPECT_EQ(host->received.front(), "CMD_chat+2+Talk chats: 0|c");
    EXPECT_EQ(host->received.back(), "CMD_justwatching+2+2");
    EXPECT_EQ(std::count_if(talker->received.begin(), talker->received.end(),
                            [](const std::string& e) { return e.rfind("CMD_tableerror+", 0) == 0; }),
              1);
    EXPECT_TRUE(server.game().player(2).connected);
    EXPECT_EQ(talker->socket.state(), QAbstractSocket::ConnectedState);
}

TEST_F(Loopback, FloodingAndLeavingConnectionsAreClosedOthersPlayOn) {
    auto host = client();
    auto flooder = client();
    auto leaver = client();
    ASSERT_EQ(host->join(port, "Host"), 1);
    ASSERT_EQ(flooder->join(port, "Flood"), 2);
    ASSERT_EQ(leaver->join(port, "Bye"), 3);

    flooder->write(std::string(protocol::FrameBuffer::kDefaultCapacity + 100, 'z'));
    ASSERT_TRUE(flooder->waitForClose());
    ASSERT_TRUE(host->waitFor("CMD_playerdisconnected+2+Flood"));

    host->send(protocol::StartGame{"Host", 500, 60, true, false, 14});
    ASSERT_TRUE(leaver->waitFor("CMD_nextplayer+1+64+1+0+14+2+0+14+3+0+14+4+0+0"));
    host->send(in::DrawCard{1});
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.game().currentplayer() == 2; }, kWaitMs));
    leaver->socket.disconnectFromHost();
    ASSERT_TRUE(host->waitFor("CMD_playerdisconnected+3+Bye"));
    EXPECT_TRUE(server.game().computerControlled(3));
    host->send(in::Chat{1, "still here|c"});
    ASSERT_TRUE(host->waitFor("CMD_chat+1+Host chats: still here|c"));
}

// A hosting program keeps slot 1, and the host's powers with it, for its own window's connection,
// which it knows by the local port the window bound before the server listened.
TEST_F(Loopback, SlotOneIsKeptForTheHostsOwnConnectionWhoeverComesFirst) {
    TestClient own;
    ASSERT_TRUE(own.socket.bind(QHostAddress::LocalHost, 0));
    server.keepFirstSlotFor(QHostAddress::LocalHost, own.socket.localPort());
    auto stranger = client();
    ASSERT_TRUE(stranger->open(port));
    ASSERT_TRUE(stranger->waitForCount(1));
    EXPECT_EQ(stranger->received[0], "CMD_sendlogininfo+2") << "the first to come is not the host";
    ASSERT_TRUE(own.open(port));
    ASSERT_TRUE(own.waitForCount(1));
    EXPECT_EQ(own.received[0], "CMD_sendlogininfo+1");

    // Nobody else gets slot 1 when the host's window has gone either.
    own.socket.disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.game().player(1).connected; }, kWaitMs));
    auto next = client();
    ASSERT_TRUE(next->open(port));
    ASSERT_TRUE(next->waitForCount(1));
    EXPECT_EQ(next->received[0], "CMD_sendlogininfo+3");
}

// A server that stops tells everyone still connected that the game has ended, so that nobody takes it
// for a lost connection.
TEST(ServerEnd, EveryoneStillConnectedIsToldTheGameEndedBeforeTheClose) {
    auto server = std::make_unique<TServer>();
    ASSERT_TRUE(server->listen(0, QHostAddress::LocalHost));
    TestClient ann, bob;
    ASSERT_EQ(ann.join(server->serverPort(), "Ann"), 1);
    ASSERT_EQ(bob.join(server->serverPort(), "Bob"), 2);
    server.reset();
    for (TestClient* c : {&ann, &bob}) {
        ASSERT_TRUE(c->waitForClose());
        ASSERT_FALSE(c->received.empty());
        EXPECT_EQ(c->received.back(), "CMD_closing+1+");
    }
}

// A master seat thinks on a worker: the event loop goes on serving the table meanwhile, and the move it
// settles on comes back to the table and ends the turn.
TEST(MasterSeat, ThinksOffTheEventLoopAndPlaysItsTurnWhenTheAnswerComesBack) {
    for (const int delay : {60'000, 0}) {
        TServer server;
        server.setSeed(11);
        server.setComputerLevel(game::ComputerLevel::Master);
        server.setBotDelaySource([delay] { return delay; });
        ASSERT_TRUE(server.listen(0, QHostAddress::LocalHost));
        TestClient host;
        ASSERT_EQ(host.join(server.serverPort(), "Host"), 1);
        host.send(protocol::StartGame{"Host", 500, 60, true, false, 14});
        ASSERT_TRUE(host.waitUntilHas("CMD_nextplayer+1+"));
        const rules::Rack masterRack = server.game().player(2).tiles;
        host.send(in::DrawCard{1});
        ASSERT_TRUE(host.waitUntilHas("CMD_nextplayer+2+"));
        if (delay > 0) {
            // The answer is held back for a minute, the bot speed's delay: a chat line is relayed
            // meanwhile, and the master's turn is still running with its rack untouched.
            host.send(in::Chat{1, "Still there?|clBlack"});
            ASSERT_TRUE(host.waitUntilHas("CMD_chat+"));
            EXPECT_EQ(server.game().currentplayer(), 2);
            EXPECT_EQ(server.game().player(2).tiles.cells, masterRack.cells);
            EXPECT_FALSE(server.game().computertimerActive()) << "the thinking began at once, on the worker";
        } else {
            ASSERT_TRUE(host.waitUntilHas("CMD_nextplayer+1+", 2)) << "the master's turn ended";
            EXPECT_EQ(server.game().currentplayer(), 1);
        }
    }
}
