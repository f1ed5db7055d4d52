// The echo of a move in a game hosted by the real rimbalo (its window mapped, 100 tiles on its
// board), timed from seat 2 over loopback, next to the stand-alone rimbalo-server's echo in the same
// run, the two measured in turn, round after round. Needs a display: run it under xvfb-run.
// Of the hosting program it also reads from /proc the CPU its window's thread (and the whole process)
// spends on each move it shows, and how often the process wakes while the game waits on a turn.
//
//   hosted_bench [--program PATH]... [--server PATH] [--rounds N] [--samples N] [--bursts N]
//                [--idle-seconds N] [--idle-rounds N]
//
// More than one --program measures each (another build, say) in the same rounds.

#include "../common/benchargs.h"
#include "../common/loopbackclient.h"
#include "../common/procstats.h"
#include "../common/spread.h"
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
    QStringList programs;
    QString server;
    int rounds, samples, bursts, idleSeconds, idleRounds;
};

Options parse(const QStringList& args) {
    const bench::Args a(args);
    return {a.texts("--program", QStringLiteral(RIMBALO_BIN)),
            a.text("--server", QStringLiteral(RIMBALO_SERVER_BIN)), a.number("--rounds", 13, 1),
            // 2 moves a sample and 20 a burst: within the 1,000 moves a player may make in one turn.
            // 13 rounds of 240 samples are 6,240 moves.
            a.number("--samples", 240, 1), a.number("--bursts", 25, 1), a.number("--idle-seconds", 20, 0),
            // The wake-ups are counted in the first rounds only.
            a.number("--idle-rounds", 3, 0)};
}

constexpr int kSamplesPerBlock = 50; // the CPU per move is read over blocks of this many samples

struct Figures {
    double echoMedian = 0, echoP99 = 0, burstMedian = 0, burstP99 = 0; // ms
    std::vector<double> windowUs, processUs;                           // CPU per move of each block, µs
    double wakeups = -1;                                               // per second while a turn waits
    bool ok = false;
};

// CPU of the window's thread and of the whole process, seconds; zero for the stand-alone server.
struct Cpu {
    double window = 0, process = 0;
};
Cpu cpuOf(qint64 pid) {
    if (pid <= 0) return {};
    return {bench::threadCpuSeconds(pid, pid).value_or(0), bench::allThreadsCpuSeconds(pid).value_or(0)};
}

// With the clock stopped on `seat`'s turn, times moves on the free lower rows of the board; `pid`:
// the hosting program, whose CPU per move is read as well.
Figures measure(Client& c, int seat, const Options& o, qint64 pid) {
    c.send(in::Pause{seat, 1});
    if (c.waitFor(msg::GamePause::word).empty()) {
        std::fprintf(stderr, "the game did not pause\n");
        return {};
    }
    Figures f;
    std::vector<double> echo;
    for (int done = 0; done < o.samples;) {
        const int n = std::min(kSamplesPerBlock, o.samples - done);
        const Cpu before = cpuOf(pid);
        const std::vector<double> block = bench::measureEcho(c, seat, 9, n);
        const Cpu after = cpuOf(pid);
        if (static_cast<int>(block.size()) != n) {
            std::fprintf(stderr, "a move was not echoed after %d\n", done + static_cast<int>(block.size()));
            return {};
        }
        echo.insert(echo.end(), block.begin(), block.end());
        const double moves = 2.0 * n; // a placement and its take-back
        f.windowUs.push_back((after.window - before.window) * 1e6 / moves);
        f.processUs.push_back((after.process - before.process) * 1e6 / moves);
        done += n;
    }
    const std::vector<double> burst = bench::measureBursts(c, seat, 11, o.bursts);
    if (static_cast<int>(burst.size()) != o.bursts) {
        std::fprintf(stderr, "a burst was not echoed after %zu\n", burst.size());
        return {};
    }
    f.echoMedian = percentile(echo, 0.5) / 1000;
    f.echoP99 = percentile(echo, 0.99) / 1000;
    f.burstMedian = percentile(burst, 0.5);
    f.burstP99 = percentile(burst, 0.99);
    f.ok = true;
    return f;
}

// The game waits on `seat`'s turn, its clock running: how often the process `pid` wakes a second.
double wakeupsWhileWaiting(qint64 pid, int seconds) {
    const auto before = bench::allThreadsSleeps(pid);
    QElapsedTimer t;
    t.start();
    QThread::sleep(static_cast<unsigned long>(seconds)); // nothing here to wait for: only time passing
    const auto after = bench::allThreadsSleeps(pid);
    if (!before || !after || seconds <= 0) return -1;
    return static_cast<double>(*after - *before) * 1000.0 / static_cast<double>(t.elapsed());
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
Figures hosted(Stage& stage, const QString& program, const Options& o, bool countWakeups) {
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
    else {
        const double wakeups =
            countWakeups && o.idleSeconds > 0 ? wakeupsWhileWaiting(host.processId(), o.idleSeconds) : -1;
        f = measure(c, 2, o, host.processId());
        f.wakeups = wakeups;
    }
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
        if (!c.waitFor("CMD_nextplayer+1+").empty()) f = measure(c, 1, o, 0);
    }
    process.terminate();
    process.waitForFinished(bench::kWaitMs);
    return f;
}

struct Series {
    std::vector<double> echoMedian, echoP99, burstMedian, burstP99, windowUs, processUs, wakeups;
    void add(const Figures& f) {
        echoMedian.push_back(f.echoMedian);
        echoP99.push_back(f.echoP99);
        burstMedian.push_back(f.burstMedian);
        burstP99.push_back(f.burstP99);
        windowUs.insert(windowUs.end(), f.windowUs.begin(), f.windowUs.end());
        processUs.insert(processUs.end(), f.processUs.begin(), f.processUs.end());
        if (f.wakeups >= 0) wakeups.push_back(f.wakeups);
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

void figure(const char* what, const char* unit, const std::vector<double>& v, double target) {
    const bench::Spread s = bench::spreadOf(v);
    std::printf("  %-28s %8.1f %s [q1 %.1f, q3 %.1f; %.1f-%.1f] over %zu", what, s.median, unit, s.q1, s.q3,
                s.min, s.max, v.size());
    if (target > 0) std::printf("  target <= %g: %s", target, s.median <= target ? "ok" : "OVER");
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    Stage stage;
    if (!stage.ready()) return 1;
    QStringList programs;
    for (const QString& p : o.programs) {
        programs.push_back(stage.copyOf(p));
        if (programs.back().isEmpty()) return 1;
    }
    std::vector<Series> h(static_cast<std::size_t>(programs.size()));
    Series s;
    for (int round = 1; round <= o.rounds; ++round) {
        // Turning the order round spreads the machine's other load over all of them.
        const int runs = static_cast<int>(programs.size()) + 1;
        for (int k = 0; k < runs; ++k) {
            const int which = (k + round) % runs;
            const Figures f = which == runs - 1 ? standalone(o.server, o)
                                                : hosted(stage, programs[which], o, round <= o.idleRounds);
            if (!f.ok) {
                std::fprintf(stderr, "round %d failed\n", round);
                return 1;
            }
            if (which == runs - 1) {
                s.add(f);
                std::printf("round %d: server echo %.3f/%.3f ms burst %.3f ms (median/p99)\n", round,
                            f.echoMedian, f.echoP99, f.burstMedian);
            } else {
                h[static_cast<std::size_t>(which)].add(f);
                std::printf("round %d: %s echo %.3f/%.3f ms burst %.3f ms, window CPU %.1f us/move, "
                            "%.1f wake-ups/s\n",
                            round, qPrintable(o.programs[which]), f.echoMedian, f.echoP99, f.burstMedian,
                            bench::percentile(f.windowUs, 0.5), f.wakeups);
            }
            std::fflush(stdout);
        }
    }
    for (int i = 0; i < programs.size(); ++i) {
        const Series& hs = h[static_cast<std::size_t>(i)];
        std::printf("%s: over %d rounds of %d moves and %d bursts (%d tiles on the host's board), median "
                    "[spread]:\n",
                    qPrintable(o.programs[i]), o.rounds, 2 * o.samples, o.bursts, kBoardTiles);
        line("echo median", hs.echoMedian, s.echoMedian, 0.3);
        line("echo p99", hs.echoP99, s.echoP99, 1.0);
        line("burst median", hs.burstMedian, s.burstMedian, 2.0);
        line("burst p99", hs.burstP99, s.burstP99, 2.0);
        figure("window CPU per move", "us", hs.windowUs, 60);
        figure("process CPU per move", "us", hs.processUs, 0);
        if (!hs.wakeups.empty()) figure("wake-ups while a turn waits", "/s", hs.wakeups, 2);
    }
    return 0;
}
