#pragma once
// A small client speaking the protocol over a real loopback connection, and a wait that keeps the
// event loop turning.

#include "../game/harness.h"
#include "protocol/fields.h"
#include "protocol/framebuffer.h"
#include "protocol/words.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>

namespace testing_server {

using testing_game::kVersion;

inline constexpr int kWaitMs = 5000;

// Runs the event loop until `done` holds or the time is up. Unlike QTest::qWaitFor it does not sleep
// between passes, so a server handling one command per pass is not slowed to a hundred a second.
inline bool waitUntil(const std::function<bool()>& done, int ms = kWaitMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    return done();
}

class TestClient {
public:
    TestClient() {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            const QByteArray bytes = socket.readAll();
            raw.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            buffer.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                          received);
        });
    }

    bool open(quint16 port) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        return socket.waitForConnected(kWaitMs);
    }
    template <class M> void send(const M& message) { write(protocol::encode(message)); }
    void write(const std::string& bytes) {
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket.flush();
    }
    bool waitForCount(std::size_t n) {
        return waitUntil([&] { return received.size() >= n; });
    }
    bool waitFor(const std::string& entry) {
        return waitUntil([&] { return has(entry); });
    }
    // Waits until `count` entries start with `prefix`.
    bool waitUntilHas(const std::string& prefix, int count = 1) {
        return waitUntil([&] {
            return std::count_if(received.begin(), received.end(),
                                 [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }) >= count;
        });
    }
    bool has(const std::string& entry) const {
        return std::find(received.begin(), received.end(), entry) != received.end();
    }
    bool waitForClose() {
        return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, kWaitMs);
    }
    // Connects, waits for the slot and logs in; returns the slot.
    int join(quint16 port, const std::string& name) {
        if (!open(port)) return 0;
        return logIn(name);
    }
    // Waits for the slot it is given (the latest, after a table command) and logs in there.
    int logIn(const std::string& name) {
        const std::string asked(protocol::words::sendlogininfo);
        if (!waitUntil([&] { return received.size() > seen && latest(asked, seen).has_value(); })) return 0;
        const auto slot = protocol::parseInt(protocol::splitCommand(*latest(asked, seen)).args);
        seen = received.size();
        if (!slot) return 0;
        send(protocol::toserver::LoginInfo{*slot, kVersion, name});
        if (!waitFor("CMD_newplayerinfo+" + std::to_string(*slot) + "+" + name + "+0")) return 0;
        return *slot;
    }
    // The last entry from `from` on that starts with `word` and a "+".
    std::optional<std::string> latest(const std::string& word, std::size_t from = 0) const {
        for (std::size_t i = received.size(); i > from; --i)
            if (received[i - 1].rfind(word + "+", 0) == 0) return received[i - 1];
        return std::nullopt;
    }

    QTcpSocket socket;
    protocol::FrameBuffer buffer;
    std::vector<std::string> received;
    std::string raw;
    std::size_t seen = 0; // entries read by logIn
};

} // namespace testing_server
