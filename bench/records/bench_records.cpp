// Plays the same computer games with and without a game record and reports what the record costs: the
// bytes written per game and per turn, and the time it adds to a turn, in processor time, the best of
// several runs of each. The time of a turn is given two ways: the game alone (the referee and the
// computer players), and the game served, where every step's commands also go out to the four players'
// connections over loopback TCP as a server sends them (one write per connection and step). Then the
// time the statistics window takes to read the folder of the games' records. Usage: bench_records [GAMES]

#include "game/game.h"
#include "game/gamerecorder.h"
#include "records/recordfolder.h"
#include "records/recordstats.h"
#include "simapp/simulator.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
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

// The four seats' connections over loopback TCP, the server's ends set to send at once as the server
// sets them. What a step sends a slot goes out in one write; a thread of its own reads and drops it
// on the players' side (its time is not the server's).
class Connections {
public:
    Connections() {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener, 4) != 0 ||
            ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("no loopback listener");
        for (int slot = 1; slot <= 4; ++slot) {
            client_[slot] = ::socket(AF_INET, SOCK_STREAM, 0);
            if (::connect(client_[slot], reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
                throw std::runtime_error("no loopback connection");
            server_[slot] = ::accept(listener, nullptr, nullptr);
            const int on = 1;
            ::setsockopt(server_[slot], IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        }
        ::close(listener);
        reader_ = std::thread([this] { drain(); });
    }
    ~Connections() {
        for (int slot = 1; slot <= 4; ++slot)
            ::close(server_[slot]);
        reader_.join();
        for (int slot = 1; slot <= 4; ++slot)
            ::close(client_[slot]);
    }
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;

    void add(int slot, const std::string& text) {
        if (slot >= 1 && slot <= 4) pending_[static_cast<std::size_t>(slot)] += text;
    }
    void send() {
        for (int slot = 1; slot <= 4; ++slot) {
            std::string& out = pending_[static_cast<std::size_t>(slot)];
            for (std::size_t sent = 0; sent < out.size();) {
                const ssize_t n = ::send(server_[slot], out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) throw std::runtime_error("loopback write failed");
                sent += static_cast<std::size_t>(n);
            }
            out.clear();
        }
    }

private:
    void drain() {
        std::array<pollfd, 4> fds{};
        for (int slot = 1; slot <= 4; ++slot)
            fds[static_cast<std::size_t>(slot - 1)] = {client_[slot], POLLIN, 0};
        char buffer[65536];
        for (int open = 4; open > 0;) {
            if (::poll(fds.data(), fds.size(), -1) < 0) return;
            for (pollfd& p : fds)
                if (p.fd >= 0 && (p.revents & (POLLIN | POLLHUP | POLLERR)) &&
                    ::read(p.fd, buffer, sizeof buffer) <= 0) {
                    p.fd = -1;
                    --open;
                }
        }
    }

    std::array<int, 5> server_{}, client_{};
    std::array<std::string, 5> pending_;
    std::thread reader_;
};

// The processor time of this thread (user and system): on a busy machine the wall time mostly measures
// the other programs, and the players' reading thread is not part of the server.
double threadSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One run of the games: recorded into `sink` when given, served on `connections` when given.
double play(const sim::SimOptions& options, game::TableSink* sink, Connections* connections) {
    sim::Simulator simulator(options);
    simulator.setTableSink(sink);
    if (connections) {
        simulator.setSendTap(
            [connections](int slot, const std::string& text) { connections->add(slot, text); });
        simulator.setStepObserver([connections](const game::Game&) { connections->send(); });
    }
    const double start = threadSeconds();
    simulator.run();
    return threadSeconds() - start;
}

// The statistics window reads the whole folder each time it is shown: as summaries, and (for
// comparison) with every record read whole. The best of five, in seconds.
double statistics(const std::string& folder, records::Detail detail, records::PlayerStats& stats) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        std::vector<records::GameSummary> summaries;
        for (const std::string& file : records::listRecords(folder))
            summaries.push_back(records::summarize(records::readRecordFile(file, detail), file));
        const std::vector<std::string> names = records::playerNames(summaries);
        stats = records::statsFor(names.empty() ? std::string() : names.front(), summaries);
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string folder = (std::filesystem::temp_directory_path() / "rimbalo-bench-records").string();
    sim::SimOptions options;
    options.games = games;
    double plain = 1e9, recorded = 1e9, served = 1e9, servedRecorded = 1e9;
    long long turns = 0;
    std::uintmax_t bytes = 0;
    double opening = 1e9, writing = 1e9;
    const auto freshRecorder = [&] {
        std::filesystem::remove_all(folder);
        return std::make_unique<game::GameRecorder>(folder);
    };
    Connections connections;
    for (int run = 0; run < 5; ++run) {
        plain = std::min(plain, play(options, nullptr, nullptr));
        recorded = std::min(recorded, play(options, freshRecorder().get(), nullptr));
        served = std::min(served, play(options, nullptr, &connections));
        servedRecorded = std::min(servedRecorded, play(options, freshRecorder().get(), &connections));
        // The recorder timed from around it, counting the turns and the bytes.
        const auto recorder = freshRecorder();
        CountingSink sink(*recorder);
        play(options, &sink, nullptr);
        turns = sink.turns;
        opening = std::min(opening, sink.opening);
        writing = std::min(writing, sink.writing);
        bytes = 0;
        for (const std::string& file : records::listRecords(folder))
            bytes += std::filesystem::file_size(file);
    }
    records::PlayerStats stats;
    const double readingWhole = statistics(folder, records::Detail::Whole, stats);
    const double reading = statistics(folder, records::Detail::Summary, stats);
    std::filesystem::remove_all(folder);

    const double t = static_cast<double>(turns);
    std::printf("games %d  turns %lld\n", games, turns);
    std::printf("bytes per game %.0f  per turn %.1f\n", static_cast<double>(bytes) / games,
                static_cast<double>(bytes) / t);
    std::printf("game alone: %.2f us per turn  with the record %.2f us  added %.2f us (%.1f%%)\n",
                plain / t * 1e6, recorded / t * 1e6, (recorded - plain) / t * 1e6,
                100.0 * (recorded - plain) / plain);
    std::printf("game served: %.2f us per turn  with the record %.2f us  added %.2f us (%.1f%%)\n",
                served / t * 1e6, servedRecorded / t * 1e6, (servedRecorded - served) / t * 1e6,
                100.0 * (servedRecorded - served) / served);
    // The recorder's own time as measured around it (wall time, the best run, the clock's own reading
    // included): an upper bound, less noisy than the difference of two runs on a busy machine.
    std::printf(
        "recorder timed around it: lines and writes %.2f us per turn (%.1f%% of the game alone, %.1f%% "
        "served)  beginning the files %.0f us per game (%.2f us per turn)\n",
        writing / t * 1e6, 100.0 * writing / plain, 100.0 * writing / served, opening / games * 1e6,
        opening / t * 1e6);
    std::printf("statistics of %d records (%d games of %s): %.1f ms  (every record read whole: %.1f ms)\n",
                games, stats.games, stats.player.c_str(), reading * 1e3, readingWhole * 1e3);
    return 0;
}
