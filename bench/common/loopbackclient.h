#pragma once
// What the loopback benchmarks share: a blocking game client and the echo and burst measurements it
// makes from one seat.

#include "protocol/framebuffer.h"
#include "protocol/messages.h"
#include "spread.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

namespace in = protocol::toserver;
namespace msg = protocol::toclient;

constexpr int kWaitMs = 5000;

// A blocking client: no event loop needed, the server runs in another process.
class Client {
public:
    bool open(quint16 port) {
        socket_.connectToHost(QHostAddress::LocalHost, port);
        if (!socket_.waitForConnected(kWaitMs)) return false;
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    template <class M> void send(const M& m) { write(protocol::encode(m)); }
    void write(const std::string& bytes) {
        socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_.flush();
    }
    // Reads until `count` commands starting with `word` have arrived (or kWaitMs of silence); returns
    // them.
    std::vector<std::string> waitFor(std::string_view word, int count = 1) {
        std::vector<std::string> found;
        while (true) {
            while (next_ < entries_.size()) {
                std::string& e = entries_[next_++];
                if (e.rfind(word, 0) == 0) found.push_back(e);
                if (static_cast<int>(found.size()) == count) return found;
            }
            if (!socket_.waitForReadyRead(kWaitMs)) return found;
            const QByteArray bytes = socket_.readAll();
            buffer_.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                           entries_);
        }
    }
    // Reads and forgets what has arrived so far, without waiting.
    void drain() {
        while (socket_.waitForReadyRead(0))
            socket_.readAll();
        entries_.clear();
        next_ = 0;
    }
    // Logs in to the slot the server offers; that slot, or 0.
    int login(const std::string& version, const std::string& name) {
        const std::vector<std::string> offer = waitFor(msg::SendLoginInfo::word);
        if (offer.empty()) return 0;
        const int slot = std::atoi(offer.front().c_str() + offer.front().rfind('+') + 1);
        send(in::LoginInfo{slot, version, name});
        return waitFor(msg::NewPlayerInfo::word).empty() ? 0 : slot;
    }

private:
    QTcpSocket socket_;
    protocol::FrameBuffer buffer_;
    std::vector<std::string> entries_;
    std::size_t next_ = 0;
};

// Places rack cell 1 of `seat` on `row` and takes it back, timing place -> echo (microseconds).
inline std::vector<double> measureEcho(Client& c, int seat, int row, int samples) {
    std::vector<double> micros;
    QElapsedTimer t;
    for (int i = 0; i < samples; ++i) {
        const int col = 1 + i % 20;
        t.start();
        c.send(in::PlaceMyTile{seat, 1, col, row});
        if (c.waitFor(msg::PlaceHisTile::word).empty()) break;
        micros.push_back(static_cast<double>(t.nsecsElapsed()) / 1000.0);
        c.waitFor(msg::FreeCard::word);
        c.send(in::ReplaceTile{seat, col, row});
        c.waitFor(msg::RemoveTile::word);
    }
    return micros;
}

// Ten placements and ten take-backs in one write, on `row`; timed until the tenth take-back is
// echoed (milliseconds).
inline std::vector<double> measureBursts(Client& c, int seat, int row, int bursts) {
    std::vector<double> millis;
    std::string burst;
    for (int i = 0; i < 10; ++i) {
        burst += protocol::encode(in::PlaceMyTile{seat, 1 + i, 1 + 2 * i, row});
        burst += protocol::encode(in::ReplaceTile{seat, 1 + 2 * i, row});
    }
    QElapsedTimer t;
    for (int b = 0; b < bursts; ++b) {
        t.start();
        c.write(burst);
        if (c.waitFor(msg::RemoveTile::word, 10).size() != 10) break;
        millis.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return millis;
}

// Starts a stand-alone rimbalo-server on a free port; the port, or 0. The echo measurements make
// thousands of moves in one turn, more than a player may: the default options lift that bound.
inline quint16 startServer(QProcess& server, const QString& path,
                           const QStringList& options = {"--tables", "1", "--moves-per-turn", "0"}) {
    // The server logs to standard error; its first line ends with the port it listens on.
    server.setReadChannel(QProcess::StandardError);
    server.start(path, QStringList{"--port", "0"} + options);
    if (!server.waitForStarted(kWaitMs) || !server.waitForReadyRead(kWaitMs)) return 0;
    const QString line = QString::fromUtf8(server.readLine());
    return static_cast<quint16>(line.section(' ', -1).trimmed().toUInt());
}

} // namespace bench
