#include "redisconnection.h"

#include <hiredis/async.h>
#include <hiredis/hiredis.h>

#include <QDateTime>
#include <QHostAddress>
#include <QHostInfo>
#include <QPointer>
#include <QSocketNotifier>

namespace registry {

struct RedisConnection::Pending {
    QPointer<RedisConnection> owner;
    Done done;
};

namespace {

qint64 nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

RedisValue copyReply(const redisReply* r) {
    RedisValue v;
    switch (r->type) {
    case REDIS_REPLY_INTEGER:
        v.type = RedisValue::Type::Integer;
        v.integer = r->integer;
        break;
    case REDIS_REPLY_STRING:
    case REDIS_REPLY_STATUS:
    case REDIS_REPLY_ERROR:
        v.type = r->type == REDIS_REPLY_STRING   ? RedisValue::Type::String
                 : r->type == REDIS_REPLY_STATUS ? RedisValue::Type::Status
                                                 : RedisValue::Type::Error;
        v.text.assign(r->str, r->len);
        break;
    case REDIS_REPLY_ARRAY:
        v.type = RedisValue::Type::Array;
        for (size_t i = 0; i < r->elements; ++i)
            v.elements.push_back(copyReply(r->element[i]));
        break;
    default:
        break;
    }
    return v;
}

RedisConnection* ownerOf(const redisAsyncContext* ac) {
    return static_cast<RedisConnection*>(ac->data);
}

} // namespace

RedisConnection::RedisConnection(const RegistryAddress& where, QObject* parent)
    : QObject(parent), where_(where) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &RedisConnection::open);
    watch_.setInterval(kReplyTimeoutMs / 3);
    connect(&watch_, &QTimer::timeout, this, &RedisConnection::checkTimeouts);
}

RedisConnection::~RedisConnection() {
    wanted_ = false;
    if (redisAsyncContext* ac = ctx_) {
        ctx_ = nullptr;
        ac->data = nullptr;
        ac->ev.data = nullptr;
        redisAsyncFree(ac); // the waiting commands get no reply; their owner is going
    }
    releaseNotifiers();
}

void RedisConnection::open() {
    wanted_ = true;
    if (ctx_ || opening_) return;
    opening_ = true;
    connectStartedAt_ = nowMs();
    watch_.start();
    if (!QHostAddress(where_.host).isNull()) {
        connectTo(where_.host);
        return;
    }
    // A name is looked up without waiting on it.
    QHostInfo::lookupHost(where_.host, this, [this](const QHostInfo& info) {
        if (!opening_) return;
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
            opening_ = false;
            lost(QStringLiteral("cannot find %1: %2").arg(where_.host, info.errorString()));
            return;
        }
        connectTo(info.addresses().first().toString());
    });
}

void RedisConnection::connectTo(const QString& ip) {
    redisAsyncContext* ac = redisAsyncConnect(ip.toLatin1().constData(), where_.port);
    if (!ac || ac->err) {
        const QString why = ac ? QString::fromLocal8Bit(ac->errstr) : QStringLiteral("out of memory");
        if (ac) redisAsyncFree(ac);
        opening_ = false;
        lost(why);
        return;
    }
    ctx_ = ac;
    ac->data = this;
    ac->ev.data = this;
    ac->ev.addRead = &RedisConnection::addRead;
    ac->ev.delRead = &RedisConnection::delRead;
    ac->ev.addWrite = &RedisConnection::addWrite;
    ac->ev.delWrite = &RedisConnection::delWrite;
    ac->ev.cleanup = &RedisConnection::cleanup;
    redisAsyncSetConnectCallback(ac, &RedisConnection::onConnect);
    redisAsyncSetDisconnectCallback(ac, &RedisConnection::onDisconnect);
    if (where_.db != 0)
        command({"SELECT", std::to_string(where_.db)}, [this](const RedisValue* v) {
            if (v && v->type == RedisValue::Type::Error) lastError_ = QString::fromStdString(v->text);
        });
    addWrite(this); // the connection is made when the socket becomes writable
}

void RedisConnection::onConnect(const redisAsyncContext* ac, int status) {
    RedisConnection* self = ownerOf(ac);
    if (!self || self->ctx_ != ac) return;
    self->opening_ = false;
    if (status != REDIS_OK) {
        // The library frees the context after this call.
        self->ctx_ = nullptr;
        self->releaseNotifiers();
        self->lost(QString::fromLocal8Bit(ac->errstr));
        return;
    }
    self->up_ = true;
    self->retryMs_ = kFirstRetryMs;
    emit self->connectedUp();
}

void RedisConnection::onDisconnect(const redisAsyncContext* ac, int status) {
    RedisConnection* self = ownerOf(ac);
    if (!self || self->ctx_ != ac) return;
    self->ctx_ = nullptr;
    self->releaseNotifiers();
    self->lost(status == REDIS_OK ? QStringLiteral("connection closed") : QString::fromLocal8Bit(ac->errstr));
}

void RedisConnection::lost(const QString& why) {
    const bool wasUp = up_ || lastError_.isEmpty();
    up_ = false;
    opening_ = false;
    sentAt_.clear(); // their replies will not come on this connection
    lastError_ = why;
    if (wasUp) emit wentDown(why);
    scheduleRetry();
}

void RedisConnection::scheduleRetry() {
    if (!wanted_ || retry_.isActive()) return;
    retry_.start(retryMs_);
    retryMs_ = std::min(kLongestRetryMs, retryMs_ * 2);
}

// Frees the context (its waiting commands get no reply) once the library's callbacks have returned.
void RedisConnection::drop(const QString& why) {
    redisAsyncContext* ac = ctx_;
    if (!ac) return;
    ctx_ = nullptr;
    opening_ = false;
    ac->data = nullptr;
    ac->ev.data = nullptr;
    releaseNotifiers();
    QTimer::singleShot(0, [ac] { redisAsyncFree(ac); });
    lost(why);
}

void RedisConnection::checkTimeouts() {
    const qint64 t = nowMs();
    if (opening_ && t - connectStartedAt_ >= kReplyTimeoutMs) {
        if (ctx_) {
            drop(QStringLiteral("no connection within %1 ms").arg(kReplyTimeoutMs));
        } else {
            opening_ = false; // a name lookup that never answered
            lost(QStringLiteral("no answer from the name lookup"));
        }
    } else if (!sentAt_.empty() && t - sentAt_.front() >= kReplyTimeoutMs) {
        drop(QStringLiteral("no reply within %1 ms").arg(kReplyTimeoutMs));
    }
    if (!opening_ && sentAt_.empty()) watch_.stop();
}

void RedisConnection::command(const std::vector<std::string>& words, Done done) {
    if (!ctx_) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(nullptr); });
        return;
    }
    std::vector<const char*> argv;
    std::vector<size_t> lengths;
    for (const std::string& w : words) {
        argv.push_back(w.data());
        lengths.push_back(w.size());
    }
    auto* pending = new Pending{this, std::move(done)};
    if (redisAsyncCommandArgv(ctx_, &RedisConnection::onReply, pending, static_cast<int>(argv.size()),
                              argv.data(), lengths.data()) != REDIS_OK) {
        Done failed = std::move(pending->done);
        delete pending;
        QTimer::singleShot(0, this, [failed = std::move(failed)] { failed(nullptr); });
        return;
    }
    ++sent_;
    sentAt_.push_back(nowMs());
    watch_.start();
}

// Every command gets exactly one call: its reply, or null when the connection went first.
void RedisConnection::onReply(redisAsyncContext* ac, void* reply, void* privdata) {
    auto* pending = static_cast<Pending*>(privdata);
    RedisConnection* self = pending->owner.data();
    if (self && ac == self->ctx_ && !self->sentAt_.empty()) self->sentAt_.pop_front();
    if (self && pending->done) {
        if (reply) {
            const RedisValue value = copyReply(static_cast<redisReply*>(reply));
            pending->done(&value);
        } else {
            // Told later: the library is freeing its context right now.
            QTimer::singleShot(0, self, [done = std::move(pending->done)] { done(nullptr); });
        }
    }
    delete pending;
}

// ---- The library's socket events, as socket notifiers ----

void RedisConnection::addRead(void* p) {
    auto* self = static_cast<RedisConnection*>(p);
    if (!self->ctx_) return;
    if (!self->reader_) {
        self->reader_ = new QSocketNotifier(self->ctx_->c.fd, QSocketNotifier::Read, self);
        connect(self->reader_, &QSocketNotifier::activated, self, [self] {
            if (self->ctx_) redisAsyncHandleRead(self->ctx_);
        });
    }
    self->reader_->setEnabled(true);
}

void RedisConnection::delRead(void* p) {
    auto* self = static_cast<RedisConnection*>(p);
    if (self->reader_) self->reader_->setEnabled(false);
}

void RedisConnection::addWrite(void* p) {
    auto* self = static_cast<RedisConnection*>(p);
    if (!self->ctx_) return;
    if (!self->writer_) {
        self->writer_ = new QSocketNotifier(self->ctx_->c.fd, QSocketNotifier::Write, self);
        connect(self->writer_, &QSocketNotifier::activated, self, [self] {
            if (self->ctx_) redisAsyncHandleWrite(self->ctx_);
        });
    }
    self->writer_->setEnabled(true);
}

void RedisConnection::delWrite(void* p) {
    auto* self = static_cast<RedisConnection*>(p);
    if (self->writer_) self->writer_->setEnabled(false);
}

void RedisConnection::cleanup(void* p) {
    if (p) static_cast<RedisConnection*>(p)->releaseNotifiers();
}

void RedisConnection::releaseNotifiers() {
    for (QSocketNotifier** n : {&reader_, &writer_}) {
        if (!*n) continue;
        (*n)->setEnabled(false);
        (*n)->deleteLater();
        *n = nullptr;
    }
}

} // namespace registry
