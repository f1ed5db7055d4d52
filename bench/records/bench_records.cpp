// Plays the same computer games with and without a game record and reports what the record costs: the
// bytes written per game and per turn, and the time it adds to a turn against the game's own time
// (referee and computer players), in processor time, the best of several runs of each. Usage: bench_records
// [GAMES]

#include "game/game.h"
#include "game/gamerecorder.h"
#include "records/recordfolder.h"
#include "records/recordstats.h"
#include "simapp/simulator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Counts the turns as the recorder writes them, and times the recorder itself: the file each game
// begins apart from everything else (the lines and the write at every turn).
class CountingSink : public game::TableSink {
public:
    explicit CountingSink(game::GameRecorder& recorder) : recorder_(recorder) {}
    void tableEvent(const game::Game& g, const game::TableEventInfo& e) override {
        const auto start = std::chrono::steady_clock::now();
        recorder_.tableEvent(g, e);
        const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        (e.kind == game::TableEvent::GameStarted ? opening : writing) += spent;
        if (e.kind == game::TableEvent::TurnStarted) ++turns;
    }
    long long turns = 0;
    double opening = 0; // seconds spent beginning the games' files
    double writing = 0; // seconds spent on everything else

private:
    game::GameRecorder& recorder_;
};

// The processor time of a run (user and system): on a busy machine the wall time mostly measures the
// other programs.
double seconds(sim::Simulator& simulator) {
    const std::clock_t start = std::clock();
    simulator.run();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string folder = (std::filesystem::temp_directory_path() / "rimbalo-bench-records").string();
    sim::SimOptions options;
    options.games = games;
    double plain = 1e9, recorded = 1e9;
    long long turns = 0;
    std::uintmax_t bytes = 0;
    double opening = 1e9, writing = 1e9;
    for (int run = 0; run < 5; ++run) {
        sim::Simulator without(options);
        plain = std::min(plain, seconds(without));
        std::filesystem::remove_all(folder);
        game::GameRecorder recorder(folder);
        CountingSink sink(recorder);
        sim::Simulator with(options);
        with.setTableSink(&sink);
        recorded = std::min(recorded, seconds(with));
        turns = sink.turns;
        opening = std::min(opening, sink.opening);
        writing = std::min(writing, sink.writing);
        bytes = 0;
        for (const std::string& file : records::listRecords(folder))
            bytes += std::filesystem::file_size(file);
    }
    // The statistics window reads the whole folder each time it is shown.
    const auto read = std::chrono::steady_clock::now();
    const std::vector<records::GameSummary> summaries = records::summarizeFolder(folder);
    const std::vector<std::string> names = records::playerNames(summaries);
    const records::PlayerStats stats =
        records::statsFor(names.empty() ? std::string() : names.front(), summaries);
    const double reading = std::chrono::duration<double>(std::chrono::steady_clock::now() - read).count();
    std::filesystem::remove_all(folder);
    const double t = static_cast<double>(turns);
    std::printf("games %d  turns %lld\n", games, turns);
    std::printf("bytes per game %.0f  per turn %.1f\n", static_cast<double>(bytes) / games,
                static_cast<double>(bytes) / t);
    std::printf("game %.2f us per turn  with the record %.2f us per turn  added %.2f us (%.1f%%)\n",
                plain / t * 1e6, recorded / t * 1e6, (recorded - plain) / t * 1e6,
                100.0 * (recorded - plain) / plain);
    // The recorder's own time, as measured around it (wall time, the best run): less noisy than the
    // difference of two runs on a busy machine.
    std::printf("recorder: lines and writes %.2f us per turn (%.1f%%)  beginning the files %.0f us per game "
                "(%.2f us per turn)\n",
                writing / t * 1e6, 100.0 * writing / plain, opening / games * 1e6, opening / t * 1e6);
    std::printf("statistics of %zu records (%d games of %s): %.0f ms\n", summaries.size(), stats.games,
                stats.player.c_str(), reading * 1e3);
    return 0;
}
