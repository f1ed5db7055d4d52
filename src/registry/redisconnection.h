#pragma once
// One connection to a Redis server, driven by the Qt event loop: commands are written and replies read
// when the socket is ready, never waiting on it. A reply that does not come within kReplyTimeoutMs, or
// a connection that is not made within that time, drops the connection: every command still waiting
// then gets no reply, and the connection is made again after a pause that grows to kLongestRetryMs.

#include "registryaddress.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct redisAsyncContext;
class QSocketNotifier;

namespace registry {

// A Redis reply, copied out of the client library's own.
struct RedisValue {
    enum class Type { Nil, Integer, String, Status, Error, Array } type = Type::Nil;
    long long integer = 0;
    std::string text;
    std::vector<RedisValue> elements;
};

class RedisConnection : public QObject {
    Q_OBJECT
public:
    static constexpr int kReplyTimeoutMs = 3000;
    static constexpr int kFirstRetryMs = 250;
    static constexpr int kLongestRetryMs = 4000;
    // Null when the connection is down or failed before the reply came.
    using Done = std::function<void(const RedisValue*)>;

    explicit RedisConnection(const RegistryAddress& where, QObject* parent = nullptr);
    ~RedisConnection() override;

    void open(); // connects, and keeps connecting again after each loss
    bool isUp() const { return up_; }
    // Sends one command (its words, binary-safe). `done` runs later, in the event loop, never inside
    // this call.
    void command(const std::vector<std::string>& words, Done done);
    quint64 commandsSent() const { return sent_; }

signals:
    void connectedUp();
    void wentDown(const QString& why);

private:
    struct Pending;
    static void onConnect(const redisAsyncContext* ac, int status);
    static void onDisconnect(const redisAsyncContext* ac, int status);
    static void onReply(redisAsyncContext* ac, void* reply, void* privdata);
    static void addRead(void* self);
    static void delRead(void* self);
    static void addWrite(void* self);
    static void delWrite(void* self);
    static void cleanup(void* self);

    void connectTo(const QString& ip);
    void lost(const QString& why);
    void drop(const QString& why); // frees the context outside the library's callbacks
    void scheduleRetry();
    void checkTimeouts();
    void releaseNotifiers();

    RegistryAddress where_;
    redisAsyncContext* ctx_ = nullptr;
    QSocketNotifier* reader_ = nullptr;
    QSocketNotifier* writer_ = nullptr;
    bool up_ = false;
    bool opening_ = false;
    bool wanted_ = false;
    qint64 connectStartedAt_ = 0;
    std::deque<qint64> sentAt_; // when each command still waiting for its reply was sent
    quint64 sent_ = 0;
    int retryMs_ = kFirstRetryMs;
    QTimer retry_;
    QTimer watch_;
    QString lastError_;
};

} // namespace registry
