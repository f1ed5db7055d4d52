// Loopback benchmark of rimbalo-server: the time from a client's "CMD_placemytile" to its
// "CMD_placehistile" echo, the time to handle a 20-command burst, and the CPU the idle server uses.
//
//   server_loopback_bench [--server PATH] [--samples N] [--bursts N] [--idle-seconds N]

#include "../common/benchargs.h"
#include "../common/loopbackclient.h"
#include "../common/procstats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using bench::Client;
using bench::kWaitMs;
using bench::percentile;
namespace in = bench::in;
namespace msg = bench::msg;

struct Options {
    QString server;
    int samples, bursts, idleSeconds;
};

Options parse(const QStringList& args) {
    const bench::Args a(args);
    return {a.text("--server", QStringLiteral(RIMBALO_SERVER_BIN)), a.number("--samples", 2000, 1),
            a.number("--bursts", 200, 1), a.number("--idle-seconds", 30, 1)};
}

void measureIdle(qint64 pid, int seconds) {
    const auto cpu0 = bench::cpuSeconds(pid);
    const auto cs0 = bench::contextSwitches(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const auto cpu1 = bench::cpuSeconds(pid);
    const auto cs1 = bench::contextSwitches(pid);
    if (!cpu0 || !cpu1) {
        std::printf("idle CPU: not measurable on this system\n");
        return;
    }
    std::printf("idle CPU over %d s (one client logged in, no game): %.4f s  [budget < 0.05 s: %s]\n",
                seconds, *cpu1 - *cpu0, *cpu1 - *cpu0 < 0.05 ? "ok" : "OVER");
    if (cs0 && cs1) std::printf("  context switches while idle: %ld\n", *cs1 - *cs0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    QProcess server;
    const quint16 port = bench::startServer(server, o.server);
    if (port == 0) {
        std::fprintf(stderr, "could not start %s\n", qPrintable(o.server));
        return 1;
    }
    Client host;
    if (!host.open(port) || host.waitFor(msg::SendLoginInfo::word).empty()) return 1;
    host.send(in::LoginInfo{1, "1.0.11", "Bench"});
    host.waitFor(msg::NewPlayerInfo::word);

    measureIdle(server.processId(), o.idleSeconds);

    host.send(protocol::StartGame{"Bench", 1500, 180, true, false, 14});
    host.waitFor(msg::NextPlayer::word);
    host.send(in::Pause{1, 1}); // the clock stands still: the turn never runs out
    host.waitFor(msg::GamePause::word);

    const std::vector<double> echo = bench::measureEcho(host, 1, 5, o.samples);
    const std::vector<double> burst = bench::measureBursts(host, 1, 7, o.bursts);
    if (echo.empty() || burst.empty()) {
        std::fprintf(stderr, "the server stopped answering\n");
        return 1;
    }
    std::printf("place -> echo over %zu samples: median %.1f us, p99 %.1f us  [budget median < 1 ms: %s]\n",
                echo.size(), percentile(echo, 0.5), percentile(echo, 0.99),
                percentile(echo, 0.5) < 1000 ? "ok" : "OVER");
    std::printf(
        "20-command burst over %zu bursts: median %.3f ms, p99 %.3f ms, worst %.3f ms  [budget < 5 ms: %s]\n",
        burst.size(), percentile(burst, 0.5), percentile(burst, 0.99), percentile(burst, 1.0),
        percentile(burst, 0.99) < 5 ? "ok" : "OVER");
    server.terminate();
    server.waitForFinished(kWaitMs);
    return 0;
}
