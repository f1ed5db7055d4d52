// One joiner floods a game hosted by the real rimbalo (offscreen), and we measure how late the hosting
// window sees its own turn afterwards and how much memory it takes on meanwhile. The floods:
//   chat    long chat lines at a steady rate
//   blast   long chat lines as fast as the network takes them
//   moves   tile moves (a placement and its take-back, over and over) on the joiner's own turn
// Each runs against a freshly started window. The window's benchmark stand-in starts the game when the
// joiner sits down and draws a tile as soon as it sees its own turn, so the time from the server giving
// it the turn to the server passing the turn on is the window's lag. A third connection watches.
//
//   flood_bench [--program PATH] [--floods chat,blast,moves] [--seconds N] [--rate LINES_PER_S]
//               [--length CHARS] [--moves N] [--wait SECONDS]
//
// Targets: lag <= 1 s, resident memory growth <= 20 MB.

#include "../common/benchargs.h"
#include "../common/procstats.h"

#include "protocol/framebuffer.h"
#include "protocol/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace in = protocol::toserver;

const std::string kVersion = RIMBALO_VERSION;
constexpr int kWaitMs = 10'000;

struct Options {
    QString program;
    QStringList floods;
    int seconds, rate, length, moves, waitSeconds;
};

Options parse(const QStringList& args) {
    const bench::Args a(args);
    return {a.text("--program", QStringLiteral(RIMBALO_BIN)),
            a.text("--floods", QStringLiteral("chat,blast,moves")).split(',', Qt::SkipEmptyParts),
            a.number("--seconds", 30, 1),
            a.number("--rate", 1000, 1),
            a.number("--length", 1000, 1),
            a.number("--moves", 200'000, 2),
            a.number("--wait", 200, 1)};
}

// A connection that never blocks for long: what arrives is cut into commands and kept (or only
// counted), what is written goes out as the network takes it.
class Peer {
public:
    explicit Peer(bool keep) : keep_(keep) {}
    bool open(quint16 port) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            socket_.connectToHost(QHostAddress::LocalHost, port);
            if (socket_.waitForConnected(kWaitMs)) return true;
            socket_.abort();
            QThread::msleep(100);
        }
        return false;
    }
    void write(const std::string& bytes) { socket_.write(bytes.data(), static_cast<qint64>(bytes.size())); }
    qint64 unsent() const { return socket_.bytesToWrite(); }
    bool connected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // Moves bytes both ways for up to `ms`; the commands that arrived meanwhile (when kept).
    std::vector<std::string> pump(int ms = 0) {
        if (socket_.bytesToWrite() > 0) socket_.waitForBytesWritten(0);
        socket_.waitForReadyRead(ms);
        std::vector<std::string> got;
        const QByteArray bytes = socket_.readAll();
        if (keep_)
            buffer_.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), got);
        return got;
    }
    // Waits for a command that starts with `prefix`; false after `ms`.
    bool waitFor(const std::string& prefix, std::string* found = nullptr, int ms = kWaitMs) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            for (const std::string& e : pump(50))
                if (e.rfind(prefix, 0) == 0) {
                    if (found) *found = e;
                    return true;
                }
        return false;
    }
    int login(const std::string& name) {
        std::string offer;
        if (!waitFor("CMD_sendlogininfo+", &offer)) return 0;
        const int slot = std::atoi(offer.c_str() + offer.rfind('+') + 1);
        write(protocol::encode(in::LoginInfo{slot, kVersion, name}));
        return waitFor("CMD_newplayerinfo+" + std::to_string(slot)) ? slot : 0;
    }

private:
    QTcpSocket socket_;
    protocol::FrameBuffer buffer_{1 << 20};
    bool keep_;
};

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

struct Result {
    double lagSeconds = -1; // -1: the window did not take its turn in time
    QString why;            // when it did not
    double rssBefore = 0, rssPeak = 0, rssAfter = 0;
    long sent = 0;
    bool ok = false;
};

// What the flooder sends next, `count` commands of it.
std::string floodBatch(const QString& kind, const Options& o, long from, long count) {
    std::string out;
    for (long i = from; i < from + count; ++i) {
        if (kind == QLatin1String("moves")) {
            const int col = 1 + static_cast<int>(i / 2 % 20);
            out += i % 2 == 0 ? protocol::encode(in::PlaceMyTile{2, 1, col, 10})
                              : protocol::encode(in::ReplaceTile{2, col, 10});
        } else {
            out += protocol::encode(
                in::Chat{2, std::string(static_cast<std::size_t>(o.length), 'x') + "|clRed"});
        }
    }
    return out;
}

// Floods from seat 2 (reading all it is sent, so that the server keeps it), watching from slot 3 and the
// host's memory throughout; returns the lines or moves sent.
long flood(const QString& kind, const Options& o, Peer& flooder, Peer& watcher, qint64 pid, double& peak) {
    QElapsedTimer t;
    t.start();
    long sent = 0;
    const bool moves = kind == QLatin1String("moves");
    const bool paced = kind == QLatin1String("chat");
    QElapsedTimer sample;
    sample.start();
    while (flooder.connected()) {
        if (moves && sent >= o.moves) break;
        if (!moves && t.elapsed() >= o.seconds * 1000LL) break;
        long due = moves ? o.moves - sent : 256;
        if (paced) due = std::min<long>(due, o.rate * t.elapsed() / 1000 - sent);
        if (flooder.unsent() < (1 << 20) && due > 0) {
            due = std::min<long>(due, 512);
            flooder.write(floodBatch(kind, o, sent, due));
            sent += due;
        }
        flooder.pump();
        watcher.pump();
        if (sample.elapsed() >= 100) {
            peak = std::max(peak, bench::rssMb(pid).value_or(0));
            sample.restart();
        }
    }
    return sent;
}

Result run(const QString& kind, const Options& o, const QString& folder) {
    Result r;
    const quint16 port = freePort();
    QProcess host;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), folder);
    env.insert(QStringLiteral("RIMBALO_BENCH_BOARD"), QStringLiteral("1"));
    host.setProcessEnvironment(env);
    host.setWorkingDirectory(folder);
    host.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString copy = folder + QStringLiteral("/rimbalo");
    QFile::remove(copy);
    if (!QFile::copy(o.program, copy)) {
        r.why = QStringLiteral("could not copy the program");
        return r;
    }
    host.start(copy,
               {QStringLiteral("Host"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("true")});
    Peer flooder(true), watcher(true);
    if (!host.waitForStarted(kWaitMs) || !flooder.open(port) || flooder.login("Flood") != 2) {
        r.why = QStringLiteral("seat 2 of the hosted game could not be had");
    } else if (!flooder.waitFor("CMD_nextplayer+2+", nullptr,
                                6 * kWaitMs)) { // a loaded machine starts slowly
        r.why = QStringLiteral("the hosted game did not give seat 2 its turn");
    } else if (!watcher.open(port) || watcher.login("Watch") == 0) {
        r.why = QStringLiteral("the watcher could not log in");
    } else {
        const qint64 pid = host.processId();
        r.rssBefore = bench::rssMb(pid).value_or(0);
        r.rssPeak = r.rssBefore;
        r.sent = flood(kind, o, flooder, watcher, pid, r.rssPeak);
        flooder.write(protocol::encode(in::DrawCard{2}));
        // The server gives the host its turn; the window draws once it has read that far.
        QElapsedTimer wait, sample;
        wait.start();
        sample.start();
        qint64 given = -1;
        while (wait.elapsed() < o.waitSeconds * 1000LL && r.lagSeconds < 0 && r.why.isEmpty()) {
            flooder.pump();
            for (const std::string& e : watcher.pump(20)) {
                if (given < 0 && e.rfind("CMD_nextplayer+1+", 0) == 0) given = wait.elapsed();
                if (given >= 0 && e.rfind("CMD_notime+1", 0) == 0)
                    r.why = QStringLiteral("the window's turn ran out before it saw it");
                if (given >= 0 && e.rfind("CMD_nextplayer+2+", 0) == 0)
                    r.lagSeconds = static_cast<double>(wait.elapsed() - given) / 1000.0;
            }
            if (sample.elapsed() >= 100) {
                r.rssPeak = std::max(r.rssPeak, bench::rssMb(pid).value_or(0));
                sample.restart();
            }
            if (host.state() != QProcess::Running) r.why = QStringLiteral("the window ended");
        }
        if (r.lagSeconds < 0 && r.why.isEmpty())
            r.why = QStringLiteral("the window had not taken its turn after %1 s").arg(o.waitSeconds);
        r.rssAfter = bench::rssMb(pid).value_or(0);
        r.rssPeak = std::max(r.rssPeak, r.rssAfter);
        r.ok = r.lagSeconds >= 0;
    }
    host.terminate();
    if (!host.waitForFinished(kWaitMs)) host.kill();
    host.waitForFinished(kWaitMs);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    QTemporaryDir folder;
    if (!folder.isValid()) return 1;
    std::printf(
        "program %s; chat lines of %d characters; chat %d lines/s for %d s; blast for %d s; %d moves\n",
        qPrintable(o.program), o.length, o.rate, o.seconds, o.seconds, o.moves);
    bool allOk = true;
    for (const QString& kind : o.floods) {
        // A folder of its own for each window: one would otherwise take up the game the last one left.
        const QString home = folder.filePath(kind);
        QDir().mkpath(home);
        const Result r = run(kind, o, home);
        const double growth = r.rssPeak - r.rssBefore;
        const bool met = r.ok && r.lagSeconds <= 1.0 && growth <= 20.0;
        allOk = allOk && met;
        std::printf(
            "%-6s sent %8ld  lag to its turn %s  RSS %.1f -> peak %.1f MB (growth %.1f MB, after %.1f)"
            "  [targets lag <= 1 s, growth <= 20 MB: %s]\n",
            qPrintable(kind), r.sent,
            r.ok ? qPrintable(QStringLiteral("%1 s").arg(r.lagSeconds, 0, 'f', 3))
                 : qPrintable(QStringLiteral("none (%1)").arg(r.why)),
            r.rssBefore, r.rssPeak, growth, r.rssAfter, met ? "ok" : "OVER");
        std::fflush(stdout);
    }
    return allOk ? 0 : 2;
}
