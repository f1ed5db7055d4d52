// rimbalo-sim: plays games between computer seats in the real game and reports how they went.

#include "game/game.h"
#include "game/gamerecorder.h"
#include "protocol/facts.h"
#include "protocol/fields.h"
#include "simulator.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: rimbalo-sim [--games N] [--seed S] [--seats 2..4] [--team] [--target N] [--tiles N] [--check]\n"
    "                   [--levels L,L[,L,L]]   (L: beginner, classic, strong, expert or master)\n"
    "                   [--speed MS] [--record DIR]\n";

int usage(const char* message) {
    std::fprintf(stderr, "%s\n%s", message, kUsage);
    return 2;
}

int help() {
    const sim::SimOptions d;
    std::printf("rimbalo-sim: plays games between computer seats and reports how they went.\n%s\n"
                "  --games N     games to play (%d)\n"
                "  --seed S      the first game's seed; equal seeds give equal reports (%u)\n"
                "  --seats N     seats that play, 2 to 4 (%d)\n"
                "  --team        a team game (all four seats)\n"
                "  --target N    the score that ends a game, %d to %d (%d)\n"
                "  --tiles N     tiles dealt to each seat, %d to %d (%d)\n"
                "  --levels L,L  each seat's player from seat 1 on, no more than the seats that play:\n"
                "                beginner, classic, strong, expert or master (classic)\n"
                "  --check       checks every tile and the board after every step\n"
                "  --speed MS    the bot speed: 0 (at once), 500, 1000 or 2000; a master thinks longer at\n"
                "                a slower speed (0)\n"
                "  --record DIR  writes every game's record into the folder DIR\n"
                "Exit status: 0; 1 when a game stalled, a check failed or a record could not be written;\n"
                "2 for a bad option.\n",
                kUsage, d.games, static_cast<unsigned>(d.seed), d.seats, protocol::kTargetRange.low,
                protocol::kTargetRange.high, d.target, protocol::kTilesRange.low, protocol::kTilesRange.high,
                d.tiles);
    return 0;
}

// "L1,L2[,L3,L4]": the level of each seat from seat 1 on; the seats not named stay classic. Sets
// `named` to the number of levels given.
bool readLevels(int argc, char** argv, int& i, sim::SimOptions& options, int& named) {
    if (i + 1 >= argc) return false;
    const std::string text = argv[++i];
    std::size_t start = 0;
    for (int seat = 1;; ++seat) {
        const std::size_t comma = text.find(',', start);
        const std::string word =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (seat > 4) return false;
        const auto level = game::computerLevelNamed(word);
        if (!level) return false;
        options.levels[static_cast<std::size_t>(seat)] = *level;
        named = seat;
        if (comma == std::string::npos) return seat >= 2;
        start = comma + 1;
    }
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
    int levelsNamed = 0;
    std::string recordFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") return help();
        if (arg == "--version") {
            std::printf("rimbalo-sim %.*s\n", static_cast<int>(protocol::kVersion.size()),
                        protocol::kVersion.data());
            return 0;
        }
        int seed = 0;
        bool ok = true;
        if (arg == "--games")
            ok = readNumber(argc, argv, i, 1, 100'000'000, options.games);
        else if (arg == "--seed")
            ok = readNumber(argc, argv, i, 0, 999'999'999, seed),
            options.seed = static_cast<std::uint32_t>(seed);
        else if (arg == "--seats")
            ok = readNumber(argc, argv, i, 2, 4, options.seats);
        else if (arg == "--levels")
            ok = readLevels(argc, argv, i, options, levelsNamed), options.levelsGiven = true;
        else if (arg == "--record")
            ok = i + 1 < argc && argv[i + 1][0] != '\0', recordFolder = ok ? argv[++i] : "";
        else if (arg == "--speed")
            ok = readNumber(argc, argv, i, 0, protocol::kSlowComputer, options.speed) &&
                 (options.speed == 0 || protocol::isComputerSpeed(options.speed));
        else if (arg == "--check")
            options.check = true;
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
    const int playing = options.team ? 4 : options.seats;
    if (levelsNamed > playing)
        return usage(("--levels names " + std::to_string(levelsNamed) + " levels but only " +
                      std::to_string(playing) + " seats play (see --seats)")
                         .c_str());
    sim::Simulator simulator(options);
    std::optional<game::GameRecorder> recorder;
    if (!recordFolder.empty()) {
        recorder.emplace(recordFolder);
        simulator.setTableSink(&*recorder);
    }
    const sim::SimReport report = simulator.run();
    if (recorder && !recorder->problem().empty()) {
        std::fprintf(stderr, "rimbalo-sim: %s\n", recorder->problem().c_str());
        return 1;
    }
    std::fputs(sim::Simulator::format(options, report, false).c_str(), stdout);
    std::fflush(stdout);
    // Timing varies from run to run, so it goes to stderr: equal seeds give equal standard output.
    std::fputs(sim::Simulator::timing(options, report).c_str(), stderr);
    return report.stalledGames > 0 || report.faults > 0 ? 1 : 0;
}
