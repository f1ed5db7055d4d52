#pragma once
// The registry of tables that several table servers share, kept in Redis. Each server registers every
// table it holds (code -> the address players reach it at, and the table's line in the public list)
// with a time-to-live that its heartbeat refreshes, so the tables of a server that dies leave the list
// within the time-to-live. A new table's code is reserved atomically, so codes are unique across
// servers. Nothing here waits on Redis: every question is answered later through a callback, and while
// Redis is out of reach the questions are answered "unavailable" at once and the server's tables are
// registered again when it is back.

#include "redisconnection.h"
#include "registryaddress.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace registry {

// One table as the registry shows it: its code and its line in the public list (empty for a private
// table, which is found by its code but not listed).
struct PublishedTable {
    std::string code;
    std::string listing;
};

enum class Outcome {
    Done,        // reserved / found / listed
    Taken,       // the code belongs to another table
    NotFound,    // no table has the code
    Unavailable, // the registry cannot be reached
};

class TableRegistry : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTtlSeconds = 30;
    static constexpr int kChangeDelayMs = 1000; // a change of the list is published this soon

    // `advertised`: the HOST:PORT this server's players are sent to by the other servers.
    TableRegistry(const RegistryAddress& where, const QString& advertised,
                  int ttlSeconds = kDefaultTtlSeconds, QObject* parent = nullptr);

    void start();
    // Where the heartbeat reads the tables to publish.
    void setSnapshot(std::function<std::vector<PublishedTable>()> snapshot);
    // Something of the published tables changed: published within kChangeDelayMs.
    void changed();

    void reserve(const PublishedTable& table, std::function<void(Outcome)> done);
    void release(const std::string& code);
    // The address of the server that holds `code`.
    void lookup(const std::string& code, std::function<void(Outcome, const QString& address)> done);
    // The listing lines of every server's public tables.
    void list(std::function<void(Outcome, const std::vector<std::string>& listings)> done);
    // Takes this server's tables off the registry (when it stops); `done` runs when that is done or
    // could not be.
    void withdraw(std::function<void()> done);

    bool isUp() const { return connection_.isUp(); }
    const QString& advertised() const { return advertised_; }
    int ttlSeconds() const { return ttl_; }
    quint64 roundTrips() const { return connection_.commandsSent(); }
    // One phrase for the status line: where the registry is and how it is.
    QString health() const;

signals:
    void logLine(const QString& line);
    // Codes this server held that the registry gives to another server's table (after an outage).
    void codesLost(const std::vector<std::string>& codes);

private:
    void heartbeat();
    void onUp();
    void onDown(const QString& why);

    RegistryAddress where_;
    QString advertised_;
    std::string self_; // advertised_, as the registry stores it
    int ttl_;
    RedisConnection connection_;
    std::function<std::vector<PublishedTable>()> snapshot_;
    QTimer beat_;
    QTimer soon_;
    bool beating_ = false; // a heartbeat is waiting for its reply
    bool wasDown_ = false;
    qint64 downSince_ = 0;
    QString downWhy_;
    std::size_t published_ = 0;
};

} // namespace registry
