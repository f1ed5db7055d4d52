#include "tableregistry.h"

#include <QDateTime>

namespace registry {

namespace {

// Keys: "rimbalo:code:CODE" holds the address of the server that holds the table; "rimbalo:list:ADDR"
// is that server's public tables (code -> listing line); "rimbalo:servers" orders the servers by when
// their list expires (Redis's own clock, so that the servers' clocks need not agree).

// A new table: its code only when no other table has it.
constexpr const char* kReserveScript = R"lua(
if redis.call('SET', 'rimbalo:code:' .. ARGV[2], ARGV[1], 'NX', 'EX', ARGV[3]) == false then
  return 0
end
if ARGV[4] ~= '' then
  local list = 'rimbalo:list:' .. ARGV[1]
  redis.call('HSET', list, ARGV[2], ARGV[4])
  redis.call('EXPIRE', list, ARGV[3])
  local t = redis.call('TIME')
  redis.call('ZADD', 'rimbalo:servers', tonumber(t[1]) + tonumber(ARGV[3]), ARGV[1])
end
return 1
)lua";

// Every table of the server, again: codes kept (or registered again after an outage) unless another
// server's table took one meanwhile; those are answered back. ARGV: address, ttl, count of codes,
// the codes, then code/listing pairs.
constexpr const char* kHeartbeatScript = R"lua(
local addr, ttl, n = ARGV[1], tonumber(ARGV[2]), tonumber(ARGV[3])
local lost = {}
for i = 4, 3 + n do
  local key = 'rimbalo:code:' .. ARGV[i]
  local owner = redis.call('GET', key)
  if owner == false or owner == addr then
    redis.call('SET', key, addr, 'EX', ttl)
  else
    lost[#lost + 1] = ARGV[i]
  end
end
local list = 'rimbalo:list:' .. addr
redis.call('DEL', list)
for i = 4 + n, #ARGV, 2 do
  redis.call('HSET', list, ARGV[i], ARGV[i + 1])
end
redis.call('EXPIRE', list, ttl)
local t = redis.call('TIME')
redis.call('ZADD', 'rimbalo:servers', tonumber(t[1]) + ttl, addr)
return lost
)lua";

constexpr const char* kReleaseScript = R"lua(
local key = 'rimbalo:code:' .. ARGV[2]
if redis.call('GET', key) == ARGV[1] then redis.call('DEL', key) end
redis.call('HDEL', 'rimbalo:list:' .. ARGV[1], ARGV[2])
return 1
)lua";

// The listing lines of every server whose heartbeat has not run out.
constexpr const char* kListScript = R"lua(
local t = redis.call('TIME')
redis.call('ZREMRANGEBYSCORE', 'rimbalo:servers', '-inf', '(' .. t[1])
local out = {}
for _, addr in ipairs(redis.call('ZRANGE', 'rimbalo:servers', 0, -1)) do
  for _, line in ipairs(redis.call('HVALS', 'rimbalo:list:' .. addr)) do
    out[#out + 1] = line
  end
end
return out
)lua";

constexpr const char* kWithdrawScript = R"lua(
for i = 2, #ARGV do
  local key = 'rimbalo:code:' .. ARGV[i]
  if redis.call('GET', key) == ARGV[1] then redis.call('DEL', key) end
end
redis.call('DEL', 'rimbalo:list:' .. ARGV[1])
redis.call('ZREM', 'rimbalo:servers', ARGV[1])
return 1
)lua";

bool isError(const RedisValue* v) {
    return !v || v->type == RedisValue::Type::Error;
}

} // namespace

TableRegistry::TableRegistry(const RegistryAddress& where, const QString& advertised, int ttlSeconds,
                             QObject* parent)
    : QObject(parent), where_(where), advertised_(advertised), self_(advertised.toStdString()),
      ttl_(std::max(3, ttlSeconds)), connection_(where, this) {
    beat_.setInterval(ttl_ * 1000 / 3);
    connect(&beat_, &QTimer::timeout, this, &TableRegistry::heartbeat);
    soon_.setSingleShot(true);
    soon_.setInterval(kChangeDelayMs);
    connect(&soon_, &QTimer::timeout, this, &TableRegistry::heartbeat);
    connect(&connection_, &RedisConnection::connectedUp, this, &TableRegistry::onUp);
    connect(&connection_, &RedisConnection::wentDown, this, &TableRegistry::onDown);
}

void TableRegistry::start() {
    downSince_ = QDateTime::currentMSecsSinceEpoch();
    connection_.open();
}

void TableRegistry::setSnapshot(std::function<std::vector<PublishedTable>()> snapshot) {
    snapshot_ = std::move(snapshot);
}

void TableRegistry::changed() {
    if (connection_.isUp() && !soon_.isActive()) soon_.start();
}

void TableRegistry::onUp() {
    emit logLine(
        wasDown_
            ? QStringLiteral("Table registry %1 is back: registering this server's tables again")
                  .arg(where_.text())
            : QStringLiteral("Table registry %1 reached; this server is %2").arg(where_.text(), advertised_));
    wasDown_ = false;
    beat_.start();
    heartbeat();
}

void TableRegistry::onDown(const QString& why) {
    if (!wasDown_) downSince_ = QDateTime::currentMSecsSinceEpoch();
    wasDown_ = true;
    downWhy_ = why;
    beat_.stop();
    soon_.stop();
    emit logLine(QStringLiteral("Table registry %1 out of reach (%2): the tables here play on; new tables "
                                "and other servers' codes wait for it")
                     .arg(where_.text(), why));
}

void TableRegistry::heartbeat() {
    soon_.stop();
    if (!connection_.isUp() || !snapshot_) return;
    if (beating_) { // the one on its way carries an older list: publish again after it
        soon_.start();
        return;
    }
    const std::vector<PublishedTable> tables = snapshot_();
    std::vector<std::string> words{"EVAL", kHeartbeatScript,     "0",
                                   self_,  std::to_string(ttl_), std::to_string(tables.size())};
    for (const PublishedTable& t : tables)
        words.push_back(t.code);
    for (const PublishedTable& t : tables) {
        if (t.listing.empty()) continue;
        words.push_back(t.code);
        words.push_back(t.listing);
    }
    beating_ = true;
    published_ = tables.size();
    connection_.command(words, [this](const RedisValue* v) {
        beating_ = false;
        if (!v || v->type != RedisValue::Type::Array) {
            if (v)
                emit logLine(QStringLiteral("Table registry refused the heartbeat: %1")
                                 .arg(QString::fromStdString(v->text)));
            return;
        }
        std::vector<std::string> lost;
        for (const RedisValue& e : v->elements)
            lost.push_back(e.text);
        if (!lost.empty()) emit codesLost(lost);
    });
}

void TableRegistry::reserve(const PublishedTable& table, std::function<void(Outcome)> done) {
    connection_.command({"EVAL", kReserveScript, "0", self_, table.code, std::to_string(ttl_), table.listing},
                        [done = std::move(done)](const RedisValue* v) {
                            if (isError(v) || v->type != RedisValue::Type::Integer)
                                done(Outcome::Unavailable);
                            else
                                done(v->integer == 1 ? Outcome::Done : Outcome::Taken);
                        });
}

void TableRegistry::release(const std::string& code) {
    // Lost with the connection when the registry is out of reach: the code then expires by itself.
    connection_.command({"EVAL", kReleaseScript, "0", self_, code}, [](const RedisValue*) {});
}

void TableRegistry::lookup(const std::string& code, std::function<void(Outcome, const QString&)> done) {
    connection_.command({"GET", "rimbalo:code:" + code}, [done = std::move(done)](const RedisValue* v) {
        if (isError(v))
            done(Outcome::Unavailable, {});
        else if (v->type != RedisValue::Type::String)
            done(Outcome::NotFound, {});
        else
            done(Outcome::Done, QString::fromStdString(v->text));
    });
}

void TableRegistry::list(std::function<void(Outcome, const std::vector<std::string>&)> done) {
    connection_.command({"EVAL", kListScript, "0"}, [done = std::move(done)](const RedisValue* v) {
        std::vector<std::string> lines;
        if (isError(v) || v->type != RedisValue::Type::Array) {
            done(Outcome::Unavailable, lines);
            return;
        }
        for (const RedisValue& e : v->elements)
            lines.push_back(e.text);
        done(Outcome::Done, lines);
    });
}

void TableRegistry::withdraw(std::function<void()> done) {
    beat_.stop();
    soon_.stop();
    std::vector<std::string> words{"EVAL", kWithdrawScript, "0", self_};
    if (snapshot_)
        for (const PublishedTable& t : snapshot_())
            words.push_back(t.code);
    snapshot_ = {};
    connection_.command(words, [done = std::move(done)](const RedisValue*) { done(); });
}

QString TableRegistry::health() const {
    if (connection_.isUp())
        return QStringLiteral("registry %1 up, %2 tables published").arg(where_.text()).arg(published_);
    return QStringLiteral("registry %1 out of reach since %2 (%3)")
        .arg(where_.text(),
             QDateTime::fromMSecsSinceEpoch(downSince_, Qt::UTC).toString(QStringLiteral("HH:mm:ss")),
             downWhy_.isEmpty() ? QStringLiteral("connecting") : downWhy_);
}

} // namespace registry
