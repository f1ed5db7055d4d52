// One whole computer turn (search, referee calls, finish or draw) on a crowded board, in the real
// game. Each iteration plays a seeded game forward, untimed, until the board holds at least 60 tiles
// and a computer seat is about to play; only that turn is timed.

#include "game/game.h"
#include "simapp/simulator.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

// A four-seat computer game played forward until the board holds `tilesOnBoard` tiles and a computer
// turn is due; nothing when the game ends first.
std::unique_ptr<game::Game> crowdedGame(std::uint32_t seed, int tilesOnBoard) {
    auto server = std::make_unique<game::Game>();
    server->setSeed(seed);
    sim::SimOptions options;
    options.seats = 4;
    options.target = 1500;
    options.tiles = 20;
    sim::seatPlayers(*server, options.seats);
    sim::startComputerGame(*server, options);
    for (int steps = 0; steps < 100'000 && server->gamestarted(); ++steps) {
        if (server->computertimerActive() && static_cast<int>(server->board().list().size()) >= tilesOnBoard)
            return server;
        if (!sim::step(*server)) break;
    }
    return nullptr;
}

void ComputerTurnOnACrowdedBoard(benchmark::State& state) {
    std::uint32_t seed = 1;
    long long tiles = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<game::Game> server;
        while (!server)
            server = crowdedGame(seed++, static_cast<int>(state.range(0)));
        tiles += static_cast<long long>(server->board().list().size());
        state.ResumeTiming();
        server->computertimerTimer();
        server->takeOutbox();
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
