// A server of many tables over real loopback connections: private tables, a program that knows
// nothing of tables, a seat kept for a dropped player, and the per-address limit.

#include "harness.h"
#include "testclient.h"

#include <QSignalSpy>

#include <memory>

using namespace testing_server;
namespace in = protocol::toserver;

namespace {

class Tables : public ::testing::Test {
protected:
    void SetUp() override {
        ServerLimits limits;
        limits.maxTables = 50;
        server.setLimits(limits);
        server.setClock([this] { return now; });
        ASSERT_TRUE(server.listen(0, QHostAddress::LocalHost)) << server.errorString().toStdString();
        port = server.serverPort();
    }
    // A connection seated as a program that knows nothing of tables would be.
    std::unique_ptr<TestClient> arrive() {
        auto c = std::make_unique<TestClient>();
        EXPECT_TRUE(c->open(port));
        EXPECT_TRUE(c->waitUntilHas("CMD_sendlogininfo+"));
        return c;
    }
    // A connection that opens its own table and logs in there as its host.
    std::unique_ptr<TestClient> host(bool isPublic, const std::string& name) {
        auto c = arrive();
        c->seen = c->received.size();
        c->send(in::TableCreate{isPublic, name + "'s table"});
        EXPECT_EQ(c->logIn(name), 1);
        return c;
    }
    static std::string codeOf(const TestClient& c) {
        const auto code = protocol::decode<protocol::toclient::TableCode>(
            protocol::splitCommand(c.latest("CMD_tablecode").value_or("")).args);
        return code ? code->code : std::string();
    }

    qint64 now = 1'000'000;
    TServer server;
    quint16 port = 0;
};

} // namespace

TEST_F(Tables, PrivateTablesKeepTheirPlayersApartAndAWrongCodeIsOnlyAnError) {
    auto ann = host(false, "Ann");
    auto bob = host(false, "Bob");
    ASSERT_NE(codeOf(*ann), codeOf(*bob));
    EXPECT_EQ(codeOf(*ann).size(), 6u);
    ann->send(in::Chat{1, "for Ann's table|clBlack"});
    bob->send(in::Chat{1, "for Bob's table|clBlack"});
    ASSERT_TRUE(ann->waitFor("CMD_chat+1+Ann chats: for Ann's table|clBlack"));
    ASSERT_TRUE(bob->waitFor("CMD_chat+1+Bob chats: for Bob's table|clBlack"));

    const std::size_t before = bob->received.size();
    bob->send(in::TableJoin{"xxxxxx"});
    ASSERT_TRUE(bob->waitFor("CMD_tableerror+No table with code XXXXXX."));
    bob->send(in::Chat{1, "still here|clBlack"});
    ASSERT_TRUE(bob->waitFor("CMD_chat+1+Bob chats: still here|clBlack"));
    EXPECT_EQ(bob->received.size(), before + 2); // the error, then its own chat at its own table

    for (const auto& [who, other] : {std::pair{ann.get(), "Bob"}, std::pair{bob.get(), "Ann"}})
        for (const std::string& entry : who->received)
            EXPECT_EQ(entry.find(std::string(other) + " chats"), std::string::npos) << entry;

    // Private tables are not listed; a public one is, with its seats.
    auto carl = host(true, "Carl");
    auto looker = arrive();
    looker->send(in::TableList{});
    ASSERT_TRUE(looker->waitUntilHas("CMD_tables+"));
    EXPECT_EQ(*looker->latest("CMD_tables"), "CMD_tables+" + codeOf(*carl) + "+1+0+f+0+0+0+Carl's table+");

    // A friend joins Ann's private table by its code.
    auto dee = arrive();
    dee->seen = dee->received.size();
    dee->send(in::TableJoin{codeOf(*ann)});
    EXPECT_EQ(dee->logIn("Dee"), 2);
    EXPECT_TRUE(ann->waitFor("CMD_newplayerinfo+2+Dee+0"));
}

// A program that knows nothing of tables is seated at a public table and plays as at a one-game
// server.
TEST_F(Tables, AProgramWithoutTablesPlaysAtAPublicTable) {
    TestClient one;
    TestClient two;
    ASSERT_EQ(one.join(port, "One"), 1);
    ASSERT_EQ(two.join(port, "Two"), 2);
    ASSERT_EQ(server.tableCodes().size(), 1u);
    one.send(protocol::StartGame{"One", 500, 60, true, false, 14});
    ASSERT_TRUE(one.waitUntilHas("CMD_nextplayer+1+"));
    ASSERT_TRUE(two.waitUntilHas("CMD_yourtiles+2+"));
    one.send(in::DrawCard{1});
    ASSERT_TRUE(two.waitUntilHas("CMD_nextplayer+2+"));
    two.send(in::DrawCard{2});
    ASSERT_TRUE(one.waitUntilHas("CMD_nextplayer+1+", 2));
    ASSERT_FALSE(server.tableCodes().empty());
    const game::Game* table = server.tableGame(server.tableCodes().front());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->player(1).tilecount(), 15);
    EXPECT_EQ(table->player(2).tilecount(), 15);
}

// The connection is cut mid-turn with a tile laid: the seat is kept, a newcomer gets another one, the
// token brings the player back to rack and score; when the time is up the seat is free again.
TEST_F(Tables, ADroppedPlayerComesBackToTheSeatWithinTheGrace) {
    TestClient hostess;
    auto bob = std::make_unique<TestClient>();
    ASSERT_EQ(hostess.join(port, "Hostess"), 1);
    ASSERT_EQ(bob->join(port, "Bob"), 2);
    ASSERT_FALSE(server.tableCodes().empty());
    const std::string code = server.tableCodes().front();
    hostess.send(protocol::StartGame{"Hostess", 500, 60, true, false, 14});
    hostess.send(in::DrawCard{1});
    ASSERT_TRUE(bob->waitUntilHas("CMD_nextplayer+2+"));
    const auto seatToken = protocol::decode<protocol::toclient::SeatToken>(
        protocol::splitCommand(bob->latest("CMD_seattoken").value_or("")).args);
    ASSERT_TRUE(seatToken.has_value());
    const std::string token = seatToken->token;
    bob->send(in::PlaceMyTile{2, 1, 10, 5});
    ASSERT_TRUE(hostess.waitUntilHas("CMD_placehistile+2+"));
    bob->socket.abort();
    const game::Game& table = *server.tableGame(code);
    ASSERT_TRUE(waitUntil([&] { return table.held(2); }));

    TestClient newcomer;
    EXPECT_EQ(newcomer.join(port, "Newcomer"), 3);

    TestClient back;
    ASSERT_TRUE(back.open(port));
    ASSERT_TRUE(back.waitUntilHas("CMD_sendlogininfo+"));
    back.seen = back.received.size();
    back.send(in::Reconnect{token});
    ASSERT_EQ(back.logIn("Bob"), 2);
    EXPECT_TRUE(hostess.waitFor("CMD_action+2+Bob is back.|clGreen"));
    ASSERT_TRUE(back.waitUntilHas("CMD_yourtiles+2+"));
    EXPECT_TRUE(back.waitUntilHas("CMD_loadstats+2+"));
    EXPECT_EQ(table.player(2).name, "Bob");
    EXPECT_GT(table.player(2).tilecount(), 0);

    // Gone again, and for good this time.
    back.socket.abort();
    ASSERT_TRUE(waitUntil([&] { return table.held(2); }));
    now += server.limits().reconnectGraceMs;
    server.checkConnections();
    EXPECT_FALSE(table.held(2));
    TestClient late;
    EXPECT_EQ(late.join(port, "Late"), 2);
    TestClient stale;
    ASSERT_TRUE(stale.open(port));
    stale.send(in::Reconnect{token});
    EXPECT_TRUE(stale.waitFor("CMD_tableerror+Your seat is no longer kept for you."));
}

TEST_F(Tables, ThePerAddressLimitRefusesTheFifthAndLetsOthersIn) {
    ServerLimits limits = server.limits();
    limits.maxPerAddress = 4;
    server.setLimits(limits);
    QSignalSpy log(&server, &TServer::logLine);
    std::vector<std::unique_ptr<TestClient>> four;
    for (int i = 0; i < 4; ++i)
        four.push_back(arrive());
    TestClient fifth;
    ASSERT_TRUE(fifth.open(port));
    EXPECT_TRUE(fifth.waitFor("CMD_tableerror+Too many connections from your address."));
    EXPECT_TRUE(fifth.waitForClose());
    bool logged = false;
    for (const QList<QVariant>& line : log)
        logged =
            logged || line.at(0).toString().startsWith("Refused 127.0.0.1: the most connections from one");
    EXPECT_TRUE(logged);

    TestClient elsewhere;
    ASSERT_TRUE(elsewhere.socket.bind(QHostAddress(QStringLiteral("127.0.0.2"))));
    ASSERT_TRUE(elsewhere.open(port));
    EXPECT_TRUE(elsewhere.waitUntilHas("CMD_sendlogininfo+"));
    EXPECT_EQ(server.stats().refusals, 1);
}
