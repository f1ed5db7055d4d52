// Table servers sharing one registry on a real redis-server: a table opened on one is listed by the
// other, a code leads to its server, codes never meet, a killed server's tables leave the list, and an
// outage stops no game.

#include "redisprocess.h"
#include "testclient.h"

#include "protocol/messages.h"
#include "registry/registryaddress.h"
#include "registry/tableregistry.h"
#include "server/tserver.h"

#include <QProcess>

#include <memory>
#include <set>

using namespace testing_server;
using testing_registry::RedisProcess;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

constexpr int kTtlSeconds = 3;

// A server of many tables, in this process, on a free port, registered under 127.0.0.1:PORT. Its clock
// is the test's, so its games move only when the test moves them.
struct SharedServer {
    qint64 now = 1'000'000;
    TServer server;
    quint16 port = 0;

    explicit SharedServer(const QString& registryUrl) {
        ServerLimits limits;
        limits.maxTables = 100;
        limits.tablesPerMinute = 1000;
        server.setLimits(limits);
        server.setClock([this] { return now; });
        server.setBotDelaySource([] { return 1000; }); // the computer moves only when the test's clock does
        EXPECT_TRUE(server.listen(0, QHostAddress::LocalHost));
        port = server.serverPort();
        QString error;
        server.setRegistry(new registry::TableRegistry(*registry::parseRegistryUrl(registryUrl, &error),
                                                       QStringLiteral("127.0.0.1:%1").arg(port),
                                                       kTtlSeconds));
        EXPECT_TRUE(waitUntil([this] { return server.tableRegistry()->isUp(); }));
    }
};

std::string codeOf(const TestClient& c) {
    const auto code =
        protocol::decode<msg::TableCode>(protocol::splitCommand(c.latest("CMD_tablecode").value_or("")).args);
    return code ? code->code : std::string();
}

// A program that opens a table and logs in there as its host; empty code when it could not.
std::unique_ptr<TestClient> host(quint16 port, const std::string& name) {
    auto c = std::make_unique<TestClient>();
    EXPECT_TRUE(c->open(port));
    EXPECT_TRUE(c->waitUntilHas("CMD_sendlogininfo+"));
    c->seen = c->received.size();
    c->send(in::TableCreate{true, name + "'s table"});
    EXPECT_EQ(c->logIn(name), 1);
    return c;
}

// The codes of the list a server answers now.
std::set<std::string> listedBy(TestClient& c) {
    const std::size_t before = c.received.size();
    c.send(in::TableList{});
    std::set<std::string> codes;
    if (!waitUntil([&] { return c.latest("CMD_tables", before).has_value(); })) return codes;
    const auto list =
        protocol::decode<msg::Tables>(protocol::splitCommand(*c.latest("CMD_tables", before)).args);
    if (list)
        for (const msg::TableEntry& e : list->tables)
            codes.insert(e.code);
    return codes;
}

class SharedTables : public ::testing::Test {
protected:
    void SetUp() override {
        if (RedisProcess::program().isEmpty()) GTEST_SKIP() << "redis-server is not installed";
        ASSERT_TRUE(redis.start());
    }
    RedisProcess redis;
};

} // namespace

TEST_F(SharedTables, ATableOpenedOnOneServerIsListedOnTheOtherAndItsCodeLeadsThere) {
    SharedServer a(redis.url()), b(redis.url());
    auto ann = host(a.port, "Ann");
    const std::string code = codeOf(*ann);
    ASSERT_EQ(code.size(), 6u);

    TestClient looker;
    ASSERT_TRUE(looker.open(b.port));
    EXPECT_TRUE(waitUntil([&] { return listedBy(looker).count(code) == 1; }));

    // Asked of B, the code is answered with where it lives, for a program that follows and one that
    // cannot.
    TestClient bob;
    ASSERT_TRUE(bob.open(b.port));
    ASSERT_TRUE(bob.waitUntilHas("CMD_sendlogininfo+"));
    bob.send(in::TableJoin{code});
    const std::string there = "127.0.0.1:" + std::to_string(a.port);
    ASSERT_TRUE(bob.waitFor("CMD_tableerror+That table is on " + there + "."));
    const auto redirect =
        protocol::decode<msg::Redirect>(protocol::splitCommand(bob.latest("CMD_redirect").value_or("")).args);
    ASSERT_TRUE(redirect);
    EXPECT_EQ(redirect->code, code);
    EXPECT_EQ(redirect->host, "127.0.0.1");
    EXPECT_EQ(redirect->port, a.port);

    // Following it seats Bob at Ann's table.
    TestClient follower;
    ASSERT_TRUE(follower.open(static_cast<quint16>(redirect->port)));
    ASSERT_TRUE(follower.waitUntilHas("CMD_sendlogininfo+"));
    follower.seen = follower.received.size();
    follower.send(in::TableJoin{redirect->code});
    EXPECT_EQ(follower.logIn("Bob"), 2);
    EXPECT_EQ(codeOf(follower), code);
    EXPECT_TRUE(ann->waitUntilHas("CMD_newplayerinfo+2+Bob+"));

    // A code nobody holds is only an error.
    bob.send(in::TableJoin{"ZZZZZZ"});
    EXPECT_TRUE(bob.waitFor("CMD_tableerror+No table with code ZZZZZZ."));
}

TEST_F(SharedTables, TablesOpenedTogetherOnBothServersNeverShareACode) {
    SharedServer a(redis.url()), b(redis.url());
    std::vector<std::unique_ptr<TestClient>> clients;
    for (int i = 0; i < 12; ++i) {
        auto c = std::make_unique<TestClient>();
        ASSERT_TRUE(c->open(i % 2 ? b.port : a.port));
        clients.push_back(std::move(c));
    }
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(clients.begin(), clients.end(),
                           [](const auto& c) { return c->latest("CMD_sendlogininfo").has_value(); });
    }));
    for (auto& c : clients) {
        c->seen = c->received.size();
        c->send(in::TableCreate{true, "t"});
    }
    std::set<std::string> codes;
    for (auto& c : clients) {
        ASSERT_TRUE(waitUntil([&] { return c->latest("CMD_tablecode", c->seen).has_value(); }));
        codes.insert(codeOf(*c));
    }
    EXPECT_EQ(codes.size(), clients.size());
    // Each code is registered to the server that holds its table.
    for (const std::string& code : codes) {
        const bool onA = a.server.tableGame(code) != nullptr;
        EXPECT_NE(onA, b.server.tableGame(code) != nullptr) << code;
    }
}

TEST_F(SharedTables, AKilledServersTablesLeaveTheListWithinTheTimeToLive) {
    QProcess killed;
    killed.start(QStringLiteral(RIMBALO_SERVER_BIN),
                 {"--port", "0", "--bind", "127.0.0.1", "--registry", redis.url(), "--advertise", "127.0.0.1",
                  "--registry-ttl", QString::number(kTtlSeconds)});
    QString output;
    ASSERT_TRUE(waitUntil([&] {
        output += QString::fromUtf8(killed.readAllStandardError());
        return output.contains(QStringLiteral("reached; this server is"));
    })) << output.toStdString();
    const auto port = static_cast<quint16>(output.section(", port ", 1).section('\n', 0, 0).toUInt());
    auto ann = host(port, "Ann");
    const std::string code = codeOf(*ann);

    SharedServer b(redis.url());
    TestClient looker;
    ASSERT_TRUE(looker.open(b.port));
    ASSERT_TRUE(waitUntil([&] { return listedBy(looker).count(code) == 1; }));
    killed.kill(); // SIGKILL: it takes nothing off the registry
    killed.waitForFinished(kWaitMs);
    // Gone well before the default time-to-live of 30 s would let it: the server's own (3 s) holds.
    EXPECT_TRUE(waitUntil([&] { return listedBy(looker).count(code) == 0; }, 3 * kTtlSeconds * 1000));
}

TEST_F(SharedTables, WithRedisGoneTheGamesPlayToTheirEndAndTheTablesAreListedAgainAfter) {
    SharedServer a(redis.url()), b(redis.url());
    auto ann = host(a.port, "Ann");
    auto bea = host(b.port, "Bea");
    for (auto* c : {ann.get(), bea.get()}) {
        c->send(protocol::StartGame{"", 1, 60, false, false, 14});
        ASSERT_TRUE(c->waitUntilHas("CMD_startgame+"));
        c->send(in::JustWatch{1, 1}); // the computer plays their seats too
    }
    redis.stop();
    ASSERT_TRUE(
        waitUntil([&] { return !a.server.tableRegistry()->isUp() && !b.server.tableRegistry()->isUp(); }));
    ASSERT_FALSE(ann->latest("CMD_winner") || bea->latest("CMD_winner"));
    EXPECT_TRUE(a.server.statusLine().contains(QStringLiteral("out of reach")))
        << a.server.statusLine().toStdString();

    // Nothing new can be opened meanwhile, and the refusal says why.
    TestClient late;
    ASSERT_TRUE(late.open(a.port));
    ASSERT_TRUE(late.waitUntilHas("CMD_sendlogininfo+"));
    late.send(in::TableCreate{true, "late"});
    EXPECT_TRUE(late.waitUntilHas("CMD_tableerror+New tables cannot be opened while the table registry"));

    // Both games go on to their winner.
    for (int step = 0; step < 100'000 && !(ann->latest("CMD_winner") && bea->latest("CMD_winner")); ++step) {
        a.now += 1000;
        b.now += 1000;
        a.server.clockMoved();
        b.server.clockMoved();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(ann->latest("CMD_winner").has_value());
    EXPECT_TRUE(bea->latest("CMD_winner").has_value());

    ASSERT_TRUE(redis.start());
    TestClient looker;
    ASSERT_TRUE(looker.open(b.port));
    const std::set<std::string> both{codeOf(*ann), codeOf(*bea)};
    EXPECT_TRUE(
        waitUntil([&] { return listedBy(looker) == both; }, 4 * registry::RedisConnection::kLongestRetryMs));
}
