// The expert's decision: the best lay-down for a 20-tile rack on an 85-tile board, timed one
// position at a time over many seeded random positions. Besides the mean that the benchmark
// reports, the counters give the median, the 99th percentile and the slowest position in ms.

#include "game/solver.h"
#include "rummypositions.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kPositions = 2000;

std::vector<rummypositions::Position> positions(int boardTiles, int rackTiles) {
    std::mt19937 rng(85020);
    std::vector<rummypositions::Position> list;
    for (int i = 0; i < kPositions; ++i)
        list.push_back(rummypositions::randomPosition(rng, boardTiles, rackTiles));
    return list;
}

void reportPercentiles(benchmark::State& state, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double share) { return ms[static_cast<std::size_t>(share * (ms.size() - 1))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = ms.back();
}

// Times game::solve on each position in turn; half the positions are before the first lay-down.
void timePositions(benchmark::State& state, const std::vector<rummypositions::Position>& list) {
    std::vector<double> ms;
    std::size_t next = 0;
    long long laid = 0;
    for (auto _ : state) {
        const auto& position = list[next % list.size()];
        const bool opened = next % 2 == 0;
        const auto start = std::chrono::steady_clock::now();
        const auto found = game::solve(position.boardSets, position.rack, opened);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(found);
        if (found) laid += found->tiles;
        ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        ++next;
    }
    reportPercentiles(state, ms);
    state.counters["tiles_laid"] =
        benchmark::Counter(static_cast<double>(laid), benchmark::Counter::kAvgIterations);
}

void ExpertDecision85x20(benchmark::State& state) {
    static const auto list = positions(85, 20);
    timePositions(state, list);
}
BENCHMARK(ExpertDecision85x20)->Iterations(kPositions)->Unit(benchmark::kMicrosecond);

void ExpertDecision60x14(benchmark::State& state) {
    static const auto list = positions(60, 14);
    timePositions(state, list);
}
BENCHMARK(ExpertDecision60x14)->Iterations(kPositions)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
