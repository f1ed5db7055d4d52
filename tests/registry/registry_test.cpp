// The registry's addresses, and the registry itself against a real redis-server: codes reserved once,
// found, released and listed, and what it answers while Redis is away.

#include "redisprocess.h"
#include "testclient.h"

#include "registry/registryaddress.h"
#include "registry/tableregistry.h"

#include <gtest/gtest.h>

#include <optional>

using namespace registry;
using testing_registry::RedisProcess;
using testing_server::waitUntil;

TEST(RegistryAddresses, ReadsWhatAnOperatorWritesAndRefusesTheRest) {
    QString error;
    const auto full = parseRegistryUrl(QStringLiteral("redis://cache.example:6380/2"), &error);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->host, QStringLiteral("cache.example"));
    EXPECT_EQ(full->port, 6380);
    EXPECT_EQ(full->db, 2);
    const auto bare = parseRegistryUrl(QStringLiteral("redis://10.0.0.5"), &error);
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->port, 6379);
    EXPECT_EQ(bare->db, 0);
    const auto v6 = parseHostPort(QStringLiteral("[::1]:7772"), &error);
    ASSERT_TRUE(v6);
    EXPECT_EQ(v6->host, QStringLiteral("::1"));
    EXPECT_EQ(v6->text(), QStringLiteral("[::1]:7772"));
    EXPECT_EQ(parseHostPort(QStringLiteral("play.example"), &error)->port, 0);

    for (const char* bad : {"http://x:1", "redis://", "redis://x:0", "redis://x:70000", "redis://x:1/-1",
                            "redis://x:1/db", "redis://x y:1", "redis://[::1:5"}) {
        error.clear();
        EXPECT_FALSE(parseRegistryUrl(QString::fromLatin1(bad), &error)) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
    for (const char* bad : {"host:", ":7772", "host:port", "a:b:c:d:", "[::1]x"})
        EXPECT_FALSE(parseHostPort(QString::fromLatin1(bad), &error)) << bad;
}

namespace {

class RegistryOnRedis : public ::testing::Test {
protected:
    void SetUp() override {
        if (RedisProcess::program().isEmpty()) GTEST_SKIP() << "redis-server is not installed";
        ASSERT_TRUE(redis.start());
        QString error;
        where = *parseRegistryUrl(redis.url(), &error);
    }
    std::unique_ptr<TableRegistry> open(const QString& advertised) {
        auto r = std::make_unique<TableRegistry>(where, advertised, 3);
        r->setSnapshot([] { return std::vector<PublishedTable>{}; });
        r->start();
        EXPECT_TRUE(waitUntil([&] { return r->isUp(); }));
        return r;
    }

    RedisProcess redis;
    RegistryAddress where;
};

} // namespace

TEST_F(RegistryOnRedis, ACodeIsReservedOnceFoundWhereItLivesAndFreedWhenItsTableEnds) {
    auto a = open(QStringLiteral("10.0.0.1:7772"));
    auto b = open(QStringLiteral("10.0.0.2:7772"));
    // Both ask for the same code at the same moment: one table gets it.
    std::optional<Outcome> first, second;
    a->reserve({"QWERTY", "line A"}, [&](Outcome o) { first = o; });
    b->reserve({"QWERTY", "line B"}, [&](Outcome o) { second = o; });
    ASSERT_TRUE(waitUntil([&] { return first && second; }));
    EXPECT_EQ(int(*first == Outcome::Done) + int(*second == Outcome::Done), 1);
    EXPECT_EQ(int(*first == Outcome::Taken) + int(*second == Outcome::Taken), 1);
    TableRegistry& owner = *first == Outcome::Done ? *a : *b;
    TableRegistry& other = *first == Outcome::Done ? *b : *a;

    std::optional<Outcome> found;
    QString at;
    other.lookup("QWERTY", [&](Outcome o, const QString& address) {
        found = o;
        at = address;
    });
    ASSERT_TRUE(waitUntil([&] { return found.has_value(); }));
    EXPECT_EQ(*found, Outcome::Done);
    EXPECT_EQ(at, owner.advertised());

    std::optional<std::vector<std::string>> lines;
    other.list([&](Outcome, const std::vector<std::string>& l) { lines = l; });
    ASSERT_TRUE(waitUntil([&] { return lines.has_value(); }));
    EXPECT_EQ(*lines, std::vector<std::string>{&owner == a.get() ? "line A" : "line B"});

    // Only its owner frees a code (each asks on its own connection: in order).
    other.release("QWERTY");
    found.reset();
    other.lookup("QWERTY", [&](Outcome o, const QString&) { found = o; });
    ASSERT_TRUE(waitUntil([&] { return found.has_value(); }));
    EXPECT_EQ(*found, Outcome::Done);
    owner.release("QWERTY");
    found.reset();
    owner.lookup("QWERTY", [&](Outcome o, const QString&) { found = o; });
    ASSERT_TRUE(waitUntil([&] { return found.has_value(); }));
    EXPECT_EQ(*found, Outcome::NotFound);
}

TEST_F(RegistryOnRedis, WhileRedisIsAwayEveryQuestionIsAnsweredAndTheTablesReturnAfter) {
    auto r = open(QStringLiteral("10.0.0.1:7772"));
    std::vector<PublishedTable> tables{{"AAAAAA", "public A"}, {"CCCCCC", ""}};
    r->setSnapshot([&] { return tables; });
    r->changed();
    auto listed = [&](TableRegistry& reg) {
        std::optional<std::vector<std::string>> lines;
        reg.list([&](Outcome o, const std::vector<std::string>& l) {
            lines = o == Outcome::Done ? l : std::vector<std::string>{"unavailable"};
        });
        return waitUntil([&] { return lines.has_value(); }) ? *lines : std::vector<std::string>{};
    };
    ASSERT_TRUE(waitUntil([&] { return listed(*r) == std::vector<std::string>{"public A"}; }));

    redis.stop();
    ASSERT_TRUE(waitUntil([&] { return !r->isUp(); }));
    EXPECT_TRUE(r->health().contains(QStringLiteral("out of reach"))) << r->health().toStdString();
    std::optional<Outcome> reserved;
    r->reserve({"BBBBBB", ""}, [&](Outcome o) { reserved = o; });
    ASSERT_TRUE(waitUntil([&] { return reserved.has_value(); }));
    EXPECT_EQ(*reserved, Outcome::Unavailable);

    // A new Redis knows nothing: the heartbeat registers the tables again, the private one too.
    ASSERT_TRUE(redis.start());
    ASSERT_TRUE(waitUntil([&] { return r->isUp(); }, 3 * RedisConnection::kLongestRetryMs));
    ASSERT_TRUE(waitUntil([&] { return listed(*r) == std::vector<std::string>{"public A"}; }));
    std::optional<Outcome> found;
    r->lookup("CCCCCC", [&](Outcome o, const QString&) { found = o; });
    ASSERT_TRUE(waitUntil([&] { return found.has_value(); }));
    EXPECT_EQ(*found, Outcome::Done);
    EXPECT_TRUE(r->health().contains(QStringLiteral("up, 2 tables"))) << r->health().toStdString();
}
