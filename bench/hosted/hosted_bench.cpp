// The echo of a move in a game hosted by the real rimbalo (its window mapped, 100 tiles on its
// board), timed from seat 2 over loopback, next to the stand-alone rimbalo-server's echo in the same
// run, the two measured in turn, round after round. Needs a display: run it under xvfb-run.
//
//   hosted_bench [--program PATH] [--server PATH] [--rounds N] [--samples N] [--bursts N]

#include "../common/benchargs.h"
#include "../common/loopbackclient.h"
#include "mapwatch.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

using bench::Client;
using bench::percentile;
namespace in = bench::in;
namespace msg = bench::msg;

const std::string kVersion = RIMBALO_VERSION;
constexpr int kBoardTiles = 100;

struct Options {
    QString program, server;
    int rounds, samples, bursts;
};

Options parse(const QStringList& args) {
    const bench::Args a(args);
    return {a.text("--program", QStringLiteral(RIMBALO_BIN)),
            a.text("--server", QStringLiteral(RIMBALO_SERVER_BIN)), a.number("--rounds", 5, 1),
            // 2 moves a sample and 20 a burst: within the moves a player may make in one turn.
            a.number("--samples", 240, 1), a.number("--bursts", 25, 1)};
}

struct Figures {
    double echoMedian = 0, echoP99 = 0, burstMedian = 0, burstP99 = 0; // ms
    bool ok = false;
};

// With the clock stopped on `seat`'s turn, times moves on the free lower rows of the board.
Figures measure(Client& c, int seat, const Options& o) {
    c.send(in::Pause{seat, 1});
    if (c.waitFor(msg::GamePause::word).empty()) return {};
    const std::vector<double> echo = bench::measureEcho(c, seat, 9, o.samples);
    const std::vector<double> burst = bench::measureBursts(c, seat, 11, o.bursts);
    if (static_cast<int>(echo.size()) != o.samples || static_cast<int>(burst.size()) != o.bursts) return {};
    return {percentile(echo, 0.5) / 1000, percentile(echo, 0.99) / 1000, percentile(burst, 0.5),
            percentile(burst, 0.99), true};
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool connectWithRetry(Client& c, quint16 port) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (c.open(port)) return true;
        QThread::msleep(100);
    }
    return false;
}

// The real program hosts on a free port, the window maps, a client takes seat 2 and the window's
// benchmark stand-in starts the game and gives the turn to seat 2.
Figures hosted(Stage& stage, const QString& program, const Options& o) {
    const quint16 port = freePort();
    QProcess host;
    QProcessEnvironment env;
    env.insert(QStringLiteral("RIMBALO_BENCH_BOARD"), QString::number(kBoardTiles));
    QElapsedTimer clock;
    const qint64 mapped = stage.launch(
        host, program,
        {QStringLiteral("Host"), QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("true")}, clock,
        env);
    Figures f;
    Client c;
    if (mapped < 0)
        std::fprintf(stderr, "the hosting window did not appear\n");
    else if (!connectWithRetry(c, port) || c.login(kVersion, "Bench") != 2)
        std::fprintf(stderr, "seat 2 of the hosted game could not be had\n");
    else if (c.waitFor("CMD_nextplayer+2+").empty())
        std::fprintf(stderr, "the hosted game did not give seat 2 its turn\n");
    else
        f = measure(c, 2, o);
    stopProcess(host);
    return f;
}

Figures standalone(const QString& server, const Options& o) {
    QProcess process;
    const quint16 port = bench::startServer(process, server);
    Figures f;
    Client c;
    if (port == 0 || !c.open(port) || c.login(kVersion, "Bench") != 1) {
        std::fprintf(stderr, "could not play on %s\n", qPrintable(server));
    } else {
        c.send(protocol::StartGame{"Bench", 1500, 180, false, false, 14});
        if (!c.waitFor("CMD_nextplayer+1+").empty()) f = measure(c, 1, o);
    }
    process.terminate();
    process.waitForFinished(bench::kWaitMs);
    return f;
}

struct Series {
    std::vector<double> echoMedian, echoP99, burstMedian, burstP99;
    void add(const Figures& f) {
        echoMedian.push_back(f.echoMedian);
        echoP99.push_back(f.echoP99);
        burstMedian.push_back(f.burstMedian);
        burstP99.push_back(f.burstP99);
    }
};

void line(const char* what, const std::vector<double>& hosted, const std::vector<double>& server,
          double target) {
    const bench::Spread h = bench::spreadOf(hosted);
    const bench::Spread s = bench::spreadOf(server);
    std::printf("  %-18s hosted %7.3f ms [%.3f-%.3f]  server %7.3f ms [%.3f-%.3f]  ratio %5.1fx  target <= "
                "%g ms: %s\n",
                what, h.median, h.min, h.max, s.median, s.min, s.max,
                s.median > 0 ? h.median / s.median : 0.0, target, h.median <= target ? "ok" : "OVER");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    Stage stage;
    const QString program = stage.ready() ? stage.copyOf(o.program) : QString();
    if (program.isEmpty()) return 1;
    Series h, s;
    for (int round = 1; round <= o.rounds; ++round) {
        // Alternating which goes first spreads the machine's other load over both.
        Figures fh, fs;
        if (round % 2) {
            fh = hosted(stage, program, o);
            fs = standalone(o.server, o);
        } else {
            fs = standalone(o.server, o);
            fh = hosted(stage, program, o);
        }
        if (!fh.ok || !fs.ok) {
            std::fprintf(stderr, "round %d failed\n", round);
            return 1;
        }
        h.add(fh);
        s.add(fs);
        std::printf(
            "round %d: hosted echo %.3f/%.3f ms burst %.3f ms | server echo %.3f/%.3f ms burst %.3f ms "
            "(median/p99)\n",
            round, fh.echoMedian, fh.echoP99, fh.burstMedian, fs.echoMedian, fs.echoP99, fs.burstMedian);
        std::fflush(stdout);
    }
    std::printf("over %d rounds of %d moves and %d bursts (%d tiles on the host's board), median of rounds "
                "[spread]:\n",
                o.rounds, o.samples, o.bursts, kBoardTiles);
    line("echo median", h.echoMedian, s.echoMedian, 0.3);
    line("echo p99", h.echoP99, s.echoP99, 1.0);
    line("burst median", h.burstMedian, s.burstMedian, 2.0);
    line("burst p99", h.burstP99, s.burstP99, 2.0);
    return 0;
}
