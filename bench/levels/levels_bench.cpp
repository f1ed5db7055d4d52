// The computer levels against each other: each level against the one below it in two-seat games, both
// seat orders, with the share of games won and its 95 % interval; then the master's points per round in
// four-seat games, two masters against two experts, both seatings; then the master's thinking time at
// each bot speed, over positions from its games against the expert. Each row is printed as soon as it
// is played, so a long run shows its results as it goes.
//
// usage: bench_levels [--games N per seat order (1000)] [--seed S (1)] [--four N four-seat games per seating
// (500)] [--thinking N positions (300)] [--only thinking|pairs]

#include "game/game.h"
#include "simapp/simulator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

using game::ComputerLevel;

int argument(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::max(1, std::atoi(argv[i + 1]));
    return fallback;
}

sim::SimReport play(const std::array<ComputerLevel, 5>& levels, int seats, int games, std::uint32_t seed) {
    sim::SimOptions options;
    options.games = games;
    options.seats = seats;
    options.levels = levels;
    options.levelsGiven = true;
    options.seed = seed;
    return sim::Simulator(options).run();
}

std::string name(ComputerLevel level) {
    return std::string(game::computerLevelName(level));
}

// `upper` against `lower`, `games` in each seat order.
void pair(ComputerLevel upper, ComputerLevel lower, int games, std::uint32_t seed) {
    const sim::SimReport first = play({ComputerLevel::Classic, upper, lower}, 2, games, seed);
    const sim::SimReport second = play({ComputerLevel::Classic, lower, upper}, 2, games, seed + 1);
    const long long wins = first.wins[1] + second.wins[2];
    const long long played = first.games + second.games;
    const sim::Interval in = sim::winInterval(wins, played);
    const double thinking = 1000.0 * (first.seatThinking[1] + second.seatThinking[2]) /
                            static_cast<double>(std::max(1LL, first.seatTurns[1] + second.seatTurns[2]));
    std::printf("%-8s vs %-8s  %6lld games  won %5.1f%%  [%5.1f, %5.1f]  %.1f games/s  %.3f ms per turn\n",
                name(upper).c_str(), name(lower).c_str(), played,
                100.0 * static_cast<double>(wins) / static_cast<double>(played), in.low, in.high,
                static_cast<double>(played) / (first.seconds + second.seconds), thinking);
    std::fflush(stdout);
}

// Two masters and two experts at one table, masters in seats 1 and 3, then in seats 2 and 4: the points
// per round each level makes (laid during the round plus the round's result).
void fourSeats(int games, std::uint32_t seed) {
    constexpr auto M = ComputerLevel::Master, E = ComputerLevel::Expert;
    const sim::SimReport a = play({ComputerLevel::Classic, M, E, M, E}, 4, games, seed);
    const sim::SimReport b = play({ComputerLevel::Classic, E, M, E, M}, 4, games, seed + 1);
    const auto perRound = [](const sim::SimReport& r, int s1, int s2) {
        return static_cast<double>(r.finalScore[static_cast<std::size_t>(s1)] +
                                   r.finalScore[static_cast<std::size_t>(s2)]) /
               2.0 / static_cast<double>(std::max(1LL, r.rounds));
    };
    const double master = (perRound(a, 1, 3) + perRound(b, 2, 4)) / 2;
    const double expert = (perRound(a, 2, 4) + perRound(b, 1, 3)) / 2;
    const long long masterWins = a.wins[1] + a.wins[3] + b.wins[2] + b.wins[4];
    const long long played = a.games + b.games;
    const sim::Interval in = sim::winInterval(masterWins, played);
    std::printf("four seats, 2 masters + 2 experts: %lld games  points per round: master %.1f  expert %.1f  "
                "a master won %.1f%% [%.1f, %.1f] (even share 50%%)\n",
                played, master, expert, 100.0 * static_cast<double>(masterWins) / static_cast<double>(played),
                in.low, in.high);
    std::fflush(stdout);
}

// Positions where a master is about to think, from master-against-expert games.
std::vector<game::MasterView> masterPositions(int count, std::uint32_t seed) {
    std::vector<game::MasterView> views;
    sim::SimOptions options;
    options.games = 1'000'000;
    options.seats = 2;
    options.levels = {ComputerLevel::Classic, ComputerLevel::Master, ComputerLevel::Expert};
    options.levelsGiven = true;
    options.seed = seed;
    for (; static_cast<int>(views.size()) < count; ++options.seed) {
        options.games = 1;
        sim::Simulator simulator(options);
        simulator.setStepObserver([&views, count](const game::Game& g) {
            if (static_cast<int>(views.size()) < count && g.computertimerActive() && g.currentplayer() == 1)
                views.push_back(game::masterView(g, 1));
        });
        simulator.run();
    }
    return views;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(i, values.size() - 1)];
}

// The master's thinking at each bot speed over the same positions: wall and processor time in ms.
void thinking(int count, std::uint32_t seed) {
    const std::vector<game::MasterView> views = masterPositions(count, seed);
    for (const int speed : {protocol::kFastComputer, protocol::kNormalComputer, protocol::kSlowComputer}) {
        std::vector<double> wall, cpu;
        long weighed = 0, chosenOther = 0;
        for (std::size_t i = 0; i < views.size(); ++i) {
            game::MasterStats stats;
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t startCpu = std::clock();
            game::masterTurn(views[i], static_cast<std::uint32_t>(i), game::masterBudget(speed), {}, &stats);
            cpu.push_back(1000.0 * static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            weighed += stats.choices > 1 ? 1 : 0;
            chosenOther += stats.chosen != 0 ? 1 : 0;
        }
        std::printf("master thinking at %4d ms: %zu positions (%ld weighed, %ld not the expert's)  "
                    "wall ms p50 %.1f p90 %.1f p99 %.1f max %.1f  cpu ms p50 %.1f p99 %.1f max %.1f\n",
                    speed, views.size(), weighed, chosenOther, percentile(wall, 0.5), percentile(wall, 0.9),
                    percentile(wall, 0.99), percentile(wall, 1.0), percentile(cpu, 0.5),
                    percentile(cpu, 0.99), percentile(cpu, 1.0));
        std::fflush(stdout);
    }
}

const char* textArgument(int argc, char** argv, const char* name) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
    return "";
}

} // namespace

int main(int argc, char** argv) {
    const int games = argument(argc, argv, "--games", 1000);
    const int four = argument(argc, argv, "--four", 500);
    const auto seed = static_cast<std::uint32_t>(argument(argc, argv, "--seed", 1));
    const int positions = argument(argc, argv, "--thinking", 300);
    const std::string only = textArgument(argc, argv, "--only");
    if (only != "pairs") thinking(positions, seed + 50);
    if (only == "thinking") return 0;
    std::printf("two seats, %d games in each seat order; won = the first level's share, 95 %% interval\n",
                games);
    pair(ComputerLevel::Classic, ComputerLevel::Beginner, games, seed);
    pair(ComputerLevel::Strong, ComputerLevel::Classic, games, seed + 10);
    pair(ComputerLevel::Expert, ComputerLevel::Strong, games, seed + 20);
    pair(ComputerLevel::Master, ComputerLevel::Expert, games, seed + 30);
    fourSeats(four, seed + 40);
    return 0;
}
