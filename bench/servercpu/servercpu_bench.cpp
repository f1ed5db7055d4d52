// The CPU a stand-alone rimbalo-server spends per command, read from /proc: a table of four logged-in
// players, the host laying a tile and taking it back (every command echoed to all four).
//   slow pace: one command at a time, the next sent when the echo of the last has arrived;
//   flat out: commands sent in 20-command bursts, ten bursts in flight, the server never idle.
// Given more than one server (--server, repeated: e.g. a build from before a change and one from
// after), the runs are interleaved, so that every server meets the same load of the machine.
//
//   servercpu_bench [--server PATH]... [--rounds N] [--commands N]

#include "../common/benchargs.h"
#include "../common/loopbackclient.h"
#include "../common/procstats.h"
#include "protocol/facts.h"

#include <QCoreApplication>

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace bench;

struct Figures {
    std::vector<double> slow, flat; // microseconds of server CPU per command, one figure per round
};

// A table of four players (the host first), the host's game started with its clock paused.
bool seatTable(quint16 port, std::array<std::unique_ptr<Client>, 4>& players) {
    for (int i = 0; i < 4; ++i) {
        players[i] = std::make_unique<Client>();
        if (!players[i]->open(port) ||
            players[i]->login(std::string(protocol::kVersion), "P" + std::to_string(i + 1)) != i + 1)
            return false;
    }
    players[0]->send(protocol::StartGame{"Bench", 1500, 180, true, false, 14});
    players[0]->waitFor(msg::NextPlayer::word);
    players[0]->send(in::Pause{1, 1});
    players[0]->waitFor(msg::GamePause::word);
    return true;
}

double cpuNow(qint64 pid) {
    return cpuSeconds(pid).value_or(0);
}

// One place and one take-back per pair; `pairs` of them, each waited for.
double slowPace(qint64 pid, Client& host, int pairs) {
    const double before = cpuNow(pid);
    measureEcho(host, 1, 5, pairs);
    return (cpuNow(pid) - before) * 1e6 / (2.0 * pairs);
}

// 20-command bursts (10 places, 10 take-backs), ten in flight at a time.
double flatOut(qint64 pid, Client& host, int commands) {
    std::string burst;
    for (int i = 0; i < 10; ++i) {
        burst += protocol::encode(in::PlaceMyTile{1, 1 + i, 1 + 2 * i, 6});
        burst += protocol::encode(in::ReplaceTile{1, 1 + 2 * i, 6});
    }
    const int bursts = std::max(10, commands / 20) / 10 * 10;
    const double before = cpuNow(pid);
    for (int b = 0; b < bursts; b += 10) {
        std::string ten;
        for (int k = 0; k < 10; ++k)
            ten += burst;
        host.write(ten);
        if (host.waitFor(msg::RemoveTile::word, 100).size() != 100) return -1;
    }
    return (cpuNow(pid) - before) * 1e6 / (20.0 * bursts);
}

bool oneRound(const QString& path, int commands, Figures& f) {
    QProcess server;
    const quint16 port = startServer(server, path, {"--tables", "1"});
    std::array<std::unique_ptr<Client>, 4> players;
    if (port == 0 || !seatTable(port, players)) return false;
    const qint64 pid = server.processId();
    Client& host = *players[0];
    const double slow = slowPace(pid, host, commands / 2);
    for (auto& p : players)
        p->drain();
    const double flat = flatOut(pid, host, commands);
    for (auto& p : players)
        p->drain();
    server.terminate();
    server.waitForFinished(kWaitMs);
    if (slow <= 0 || flat <= 0) return false;
    f.slow.push_back(slow);
    f.flat.push_back(flat);
    return true;
}

void report(const char* what, const std::vector<double>& v) {
    const Spread s = spreadOf(v);
    std::printf("  %-10s median %6.1f us  (quartiles %.1f-%.1f, range %.1f-%.1f over %zu rounds)\n", what,
                s.median, s.q1, s.q3, s.min, s.max, v.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Args a(app.arguments());
    const QStringList servers = a.texts("--server", QStringLiteral(RIMBALO_SERVER_BIN));
    const int rounds = a.number("--rounds", 7, 1);
    const int commands = a.number("--commands", 4000, 200);
    std::vector<Figures> figures(static_cast<std::size_t>(servers.size()));
    for (int r = 0; r < rounds; ++r)
        for (int i = 0; i < servers.size(); ++i)
            if (!oneRound(servers[i], commands, figures[static_cast<std::size_t>(i)])) {
                std::fprintf(stderr, "%s: a round failed\n", qPrintable(servers[i]));
                return 1;
            }
    std::printf("server CPU per command, a table of 4, %d commands per pace and round:\n", commands);
    for (int i = 0; i < servers.size(); ++i) {
        const Figures& f = figures[static_cast<std::size_t>(i)];
        std::printf("%s\n", qPrintable(servers[i]));
        report("slow pace", f.slow);
        report("flat out", f.flat);
        std::printf("  [target flat out <= 40 us: %s]\n", percentile(f.flat, 0.5) <= 40 ? "ok" : "OVER");
    }
    return 0;
}
