#include "simulator.h"

#include "game/game.h"
#include "protocol/messages.h"
#include "rules/boardcheck.h"
#include "rules/scoring.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>

namespace sim {

namespace {

namespace words = protocol::words;

// Keeps count of what every seat sees, from the commands broadcast to slot 1.
class Tally {
public:
    explicit Tally(SimReport& report) : report_(report) {}

    void seen(const std::string& text) {
        const std::string entry = text.substr(0, text.find(protocol::kEndMarker));
        const protocol::Command c = protocol::splitCommand(entry);
        if (c.word == words::nextplayer) {
            closeTurn();
            inTurn_ = true;
            ++report_.turns;
            if (const auto m = protocol::decode<protocol::toclient::NextPlayer>(c.args);
                m && game::isSeat(m->seat))
                ++report_.seatTurns[static_cast<std::size_t>(m->seat)];
        } else if (c.word == words::placehistile) {
            placed_ = true;
        } else if (c.word == words::undothem) {
            undone_ = true;
        } else if (c.word == words::notime) {
            clock_ = true;
        } else if (c.word == words::movedtiles) {
            accepted_ = true;
            if (const auto m = protocol::decode<protocol::toclient::MovedTiles>(c.args);
                m && game::isSeat(m->seat))
                report_.seatPoints[static_cast<std::size_t>(m->seat)] += m->value;
        } else if (c.word == words::endround) {
            closeTurn();
            ++report_.rounds;
            if (const auto m = protocol::decode<protocol::toclient::EndRound>(c.args)) {
                lastRound_ = *m;
                if (m->winner != 0) ++report_.roundsGoneOut;
                if (game::isSeat(m->winner)) ++report_.seatOut[static_cast<std::size_t>(m->winner)];
            }
        } else if (c.word == words::winner) {
            if (const auto m = protocol::decode<protocol::toclient::Winner>(c.args)) winner_ = m->name;
        }
    }

    void closeTurn() {
        if (inTurn_) {
            if (clock_)
                ++report_.clockTurns;
            else if (accepted_)
                ++report_.laidTurns;
            else if (placed_ && undone_)
                ++report_.undoneTurns;
        }
        inTurn_ = placed_ = undone_ = clock_ = accepted_ = false;
    }

    std::string winner_;
    protocol::toclient::EndRound lastRound_{};

private:
    SimReport& report_;
    bool inTurn_ = false, placed_ = false, undone_ = false, clock_ = false, accepted_ = false;
};

int playingSeats(const SimOptions& options) {
    return options.team ? 4 : options.seats;
}

std::string seatName(int seat) {
    return "Seat" + std::to_string(seat);
}

} // namespace

void seatPlayers(game::Game& server, int seats, int speed) {
    server.setBotDelaySource([speed] { return speed; });
    for (int seat = 1; seat <= seats; ++seat) {
        server.open();
        server.receivedlogininfo(protocol::encodeArgs(protocol::toserver::LoginInfo{
                                     seat, std::string(protocol::kVersion), seatName(seat)}),
                                 seat);
    }
    server.takeOutbox();
}

void startComputerGame(game::Game& server, const SimOptions& options,
                       const std::function<void()>& afterEach) {
    const protocol::StartGame start{seatName(1),         options.target, options.seconds,
                                    options.timepenalty, options.team,   options.tiles};
    server.startgame(protocol::encodeArgs(start), 1);
    for (int seat = 1; seat <= options.seats; ++seat) {
        server.justwatch(protocol::encodeArgs(protocol::toserver::JustWatch{seat, 1}), seat);
        if (afterEach) afterEach();
    }
}

bool step(game::Game& server) {
    const bool ran = server.runNext();
    server.takeOutbox(); // nobody reads it: the report is made from what the send observer saw
    return ran;
}

std::string tileFault(const game::Game& server) {
    std::array<int, rules::kJoker + 1> count{};
    const rules::Pool& pool = server.pool();
    for (int i = pool.poolnext; i < rules::kTileSetSize; ++i)
        ++count[static_cast<std::size_t>(pool.tiles[static_cast<std::size_t>(i)])];
    for (int seat = 1; seat <= 4; ++seat)
        for (int cell = 1; cell <= rules::kRackCells; ++cell)
            ++count[static_cast<std::size_t>(
                server.player(seat).tiles.cells[static_cast<std::size_t>(cell)])];
    for (const rules::BoardItem& item : server.board().list())
        ++count[static_cast<std::size_t>(item.tile)];
    for (int code = 1; code <= rules::kJoker; ++code)
        if (count[static_cast<std::size_t>(code)] != 2)
            return "tile code " + std::to_string(code) + " found " +
                   std::to_string(count[static_cast<std::size_t>(code)]) + " times";
    if (!rules::boardok(server.turnboard())) return "the committed board fails the board check";
    return {};
}

Simulator::Simulator(const SimOptions& options) : options_(options) {}

SimReport Simulator::run() {
    SimReport report;
    const auto started = std::chrono::steady_clock::now();
    game::Game server;
    server.setSeed(options_.seed);
    server.setTableSink(sink_);
    seatPlayers(server, options_.seats, options_.speed);
    for (int seat = 1; seat <= 4; ++seat)
        server.setComputerLevel(seat, options_.levels[static_cast<std::size_t>(seat)]);
    for (int game = 0; game < options_.games && report.stalledGames == 0; ++game)
        playGame(server, report);
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return report;
}

void Simulator::playGame(game::Game& server, SimReport& report) {
    Tally tally(report);
    server.setSendObserver([this, &tally](int slot, const std::string& text) {
        if (slot == 1) tally.seen(text);
        if (tap_) tap_(slot, text);
    });
    const auto observe = [this, &server, &report] {
        if (options_.check) {
            ++report.checkedSteps;
            if (std::string fault = tileFault(server); !fault.empty() && report.faults++ == 0)
                report.firstFault = std::move(fault);
        }
        if (observer_) observer_(server);
    };
    startComputerGame(server, options_, observe);
    server.takeOutbox();
    // A round ends within a few hundred steps; the bound only guards against a game that stalls.
    long long roundSteps = 0;
    for (long long rounds = report.rounds; server.gamestarted() && roundSteps < options_.stepLimit;) {
        // A step that runs the computer's delay is that seat's thinking.
        const int thinker = server.computertimerActive() ? server.currentplayer() : 0;
        const auto before = std::chrono::steady_clock::now();
        if (!step(server)) break;
        if (game::isSeat(thinker))
            report.seatThinking[static_cast<std::size_t>(thinker)] +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
        observe();
        roundSteps = rounds == report.rounds ? roundSteps + 1 : 0;
        rounds = report.rounds;
    }
    tally.closeTurn();
    server.setSendObserver({});
    if (server.gamestarted()) {
        ++report.stalledGames;
        return;
    }
    ++report.games;
    for (const auto& s : tally.lastRound_.seats)
        if (s.seat >= 1 && s.seat <= 4) report.finalScore[static_cast<std::size_t>(s.seat)] += s.score;
    for (int seat = 1; seat <= 4; ++seat) {
        const bool teamWin = options_.team && ((tally.winner_ == rules::kGreenTeam && seat % 2 == 1) ||
                                               (tally.winner_ == rules::kBrownTeam && seat % 2 == 0));
        if (teamWin || tally.winner_ == seatName(seat)) ++report.wins[static_cast<std::size_t>(seat)];
    }
}

std::string Simulator::format(const SimOptions& options, const SimReport& r, bool withTiming) {
    std::string out;
    char line[160];
    const auto add = [&](const char* fmt, auto... values) {
        std::snprintf(line, sizeof line, fmt, values...);
        out += line;
    };
    add("games %d  seats %d  seed %u  target %d  tiles %d%s\n", r.games, options.seats, options.seed,
        options.target, options.tiles, options.team ? "  team" : "");
    const int seats = playingSeats(options);
    const double games = r.games > 0 ? r.games : 1;
    for (int seat = 1; seat <= seats; ++seat)
        add("seat %d: won %d  mean final score %.1f\n", seat, r.wins[static_cast<std::size_t>(seat)],
            static_cast<double>(r.finalScore[static_cast<std::size_t>(seat)]) / games);
    const double rounds = r.rounds > 0 ? static_cast<double>(r.rounds) : 1;
    const double turns = r.turns > 0 ? static_cast<double>(r.turns) : 1;
    add("rounds per game %.2f  turns per round %.1f\n", static_cast<double>(r.rounds) / games,
        static_cast<double>(r.turns) / rounds);
    add("turns that laid tiles %.1f%%  undone at finish %.1f%%  settled by the clock %.1f%%\n",
        100.0 * static_cast<double>(r.laidTurns) / turns, 100.0 * static_cast<double>(r.undoneTurns) / turns,
        100.0 * static_cast<double>(r.clockTurns) / turns);
    if (options.levelsGiven) {
        for (int seat = 1; seat <= seats; ++seat) {
            const auto i = static_cast<std::size_t>(seat);
            const Interval in = winInterval(r.wins[i], r.games);
            add("seat %d (%s): won %.1f%% [%.1f, %.1f]  mean points per turn %.2f  went out %lld\n", seat,
                std::string(game::computerLevelName(options.levels[i])).c_str(), 100.0 * r.wins[i] / games,
                in.low, in.high,
                r.seatTurns[i] > 0
                    ? static_cast<double>(r.seatPoints[i]) / static_cast<double>(r.seatTurns[i])
                    : 0.0,
                r.seatOut[i]);
        }
        add("rounds won by going out %.1f%%  by a dry pool %.1f%%\n",
            100.0 * static_cast<double>(r.roundsGoneOut) / rounds,
            100.0 * static_cast<double>(r.rounds - r.roundsGoneOut) / rounds);
    }
    if (options.check) {
        add("checked after %lld steps: %lld faults\n", r.checkedSteps, r.faults);
        if (r.faults > 0) out += "first fault: " + r.firstFault + "\n";
    }
    if (r.stalledGames > 0) add("stalled games %lld\n", r.stalledGames);
    if (withTiming) out += timing(options, r);
    return out;
}

std::string Simulator::timing(const SimOptions& options, const SimReport& r) {
    std::string out;
    char line[160];
    std::snprintf(line, sizeof line, "%.3f s, %.1f games per second\n", r.seconds,
                  r.seconds > 0 ? r.games / r.seconds : 0.0);
    out += line;
    if (!options.levelsGiven) return out;
    for (int seat = 1; seat <= playingSeats(options); ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        std::snprintf(line, sizeof line, "seat %d (%s): mean thinking time per turn %.3f ms\n", seat,
                      std::string(game::computerLevelName(options.levels[i])).c_str(),
                      r.seatTurns[i] > 0 ? 1000.0 * r.seatThinking[i] / static_cast<double>(r.seatTurns[i])
                                         : 0.0);
        out += line;
    }
    return out;
}

Interval winInterval(long long wins, long long games) {
    if (games <= 0) return {0, 100};
    constexpr double z = 1.959964; // the normal quantile of 97.5 %
    const double n = static_cast<double>(games);
    const double p = static_cast<double>(wins) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return {100.0 * std::max(0.0, centre - half), 100.0 * std::min(1.0, centre + half)};
}

} // namespace sim
