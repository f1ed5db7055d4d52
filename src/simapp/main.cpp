// rimbalo-sim: plays games between computer seats in the real game and reports how they went.

#include "protocol/fields.h"
#include "simulator.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int usage(const char* message) {
    std::fprintf(
        stderr,
        "%s\nusage: rimbalo-sim [--games N] [--seed S] [--seats 2..4] [--team] [--target N] [--tiles N]\n",
        message);
    return 2;
}

bool readNumber(int argc, char** argv, int& i, int low, int high, int& value) {
    if (i + 1 >= argc) return false;
    const auto n = protocol::parseInt(argv[++i]);
    if (!n || *n < low || *n > high) return false;
    value = *n;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    sim::SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        int seed = 0;
        bool ok = true;
        if (arg == "--games")
            ok = readNumber(argc, argv, i, 1, 100'000'000, options.games);
        else if (arg == "--seed")
            ok = readNumber(argc, argv, i, 0, 999'999'999, seed),
            options.seed = static_cast<std::uint32_t>(seed);
        else if (arg == "--seats")
            ok = readNumber(argc, argv, i, 2, 4, options.seats);
        else if (arg == "--team")
            options.team = true;
        else if (arg == "--target")
            ok = readNumber(argc, argv, i, protocol::kTargetRange.low, protocol::kTargetRange.high,
                            options.target);
        else if (arg == "--tiles")
            ok = readNumber(argc, argv, i, protocol::kTilesRange.low, protocol::kTilesRange.high,
                            options.tiles);
        else
            return usage(("unknown option " + arg).c_str());
        if (!ok) return usage(("bad or missing value for " + arg).c_str());
    }
    sim::Simulator simulator(options);
    const sim::SimReport report = simulator.run();
    std::fputs(sim::Simulator::format(options, report, false).c_str(), stdout);
    std::fflush(stdout);
    // Timing varies from run to run, so it goes to stderr: equal seeds give equal standard output.
    std::fprintf(stderr, "%.3f s, %.1f games per second\n", report.seconds,
                 report.seconds > 0 ? report.games / report.seconds : 0.0);
    return report.stalledGames > 0 ? 1 : 0;
}
