// One whole computer turn (search, referee calls, finish or draw) on a crowded board, in the real
// server. Each iteration plays a seeded game forward, untimed, until the board holds at least 60 tiles
// and a computer seat is about to play; only that turn is timed.

#include "protocol/messages.h"
#include "server/tserver.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A server with four seats whose players just watch, advanced until the board is crowded.
std::unique_ptr<TServer> crowdedGame(quint32 seed, int tilesOnBoard) {
    auto server = std::make_unique<TServer>();
    server->setSeed(seed);
    server->setBotDelaySource([] { return 0; });
    for (int seat = 1; seat <= 4; ++seat) {
        server->acceptConnection();
        server->receivedlogininfo(protocol::encodeArgs(protocol::toserver::LoginInfo{seat, "1.0.11", "B"}),
                                  seat);
    }
    server->startgame(protocol::encodeArgs(protocol::StartGame{"B", 1500, 60, true, false, 20}), 1);
    server->justwatch(protocol::encodeArgs(protocol::toserver::JustWatch{2, 1}), 2);
    server->justwatch(protocol::encodeArgs(protocol::toserver::JustWatch{3, 1}), 3);
    server->justwatch(protocol::encodeArgs(protocol::toserver::JustWatch{4, 1}), 4);
    server->justwatch(protocol::encodeArgs(protocol::toserver::JustWatch{1, 1}), 1);
    for (int step = 0; step < 100'000 && server->gamestarted(); ++step) {
        if (server->computertimerActive()) {
            if (static_cast<int>(server->board().list().size()) >= tilesOnBoard) return server;
            server->computertimerTimer();
        } else if (server->timer1Active()) {
            server->timer1Timer();
        } else {
            break;
        }
    }
    return nullptr;
}

void ComputerTurnOnACrowdedBoard(benchmark::State& state) {
    quint32 seed = 1;
    long long tiles = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TServer> server;
        while (!server)
            server = crowdedGame(seed++, static_cast<int>(state.range(0)));
        tiles += static_cast<long long>(server->board().list().size());
        state.ResumeTiming();
        server->computertimerTimer();
        state.PauseTiming();
        server.reset();
        state.ResumeTiming();
    }
    state.counters["board tiles"] =
        benchmark::Counter(static_cast<double>(tiles), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ComputerTurnOnACrowdedBoard)->Arg(60)->Iterations(3000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
