#include "recordstats.h"

#include "recordfolder.h"
#include "rules/scoring.h"

#include <algorithm>
#include <map>

namespace records {

namespace {

int seatOf(const GameSummary& game, const std::string& player) {
    for (int seat = 1; seat <= 4; ++seat)
        if (game.seats[static_cast<std::size_t>(seat)].name == player) return seat;
    return 0;
}

bool wonBy(const GameSummary& game, int seat) {
    if (game.team) return game.winner == ((seat == 1 || seat == 3) ? rules::kGreenTeam : rules::kBrownTeam);
    return game.winner == game.seats[static_cast<std::size_t>(seat)].name;
}

void addRounds(PlayerStats& stats, const GameSummary& game, int seat) {
    const auto s = static_cast<std::size_t>(seat);
    for (const RoundResult& r : game.rounds) {
        if (!r.playing[s]) continue;
        ++stats.rounds;
        stats.points += r.points[s];
        if (r.winner == seat) ++stats.roundsOut;
        if (!stats.hasBest || r.points[s] > stats.best.points) {
            stats.hasBest = true;
            stats.best = {r.points[s], r.round, game.started};
        }
    }
}

} // namespace

GameSummary summarize(const Record& record, const std::string& file) {
    GameSummary g;
    g.file = file;
    g.started = record.started;
    g.team = record.options.team;
    g.seats = record.seats;
    g.winner = record.winner;
    g.problem = record.problem;
    for (const Position& p : record.positions) {
        for (std::size_t s = 1; s <= 4; ++s)
            g.playing[s] = g.playing[s] || p.playing[s];
        g.scores = p.scores;
        if (p.roundEnd) g.rounds.push_back({p.round, p.winner, p.points, p.playing});
    }
    return g;
}

std::vector<GameSummary> summarizeFolder(const std::string& folder) {
    std::vector<GameSummary> games;
    for (const std::string& file : listRecords(folder))
        games.push_back(summarize(readRecordFile(file, Detail::Summary), file));
    return games;
}

void addGame(PlayerStats& stats, const GameSummary& game) {
    const int seat = seatOf(game, stats.player);
    if (seat == 0 || !game.playing[static_cast<std::size_t>(seat)]) return;
    addRounds(stats, game, seat);
    if (game.winner.empty()) return;
    const bool won = wonBy(game, seat);
    ++stats.games;
    if (won) ++stats.won;
    for (int other = 1; other <= 4; ++other) {
        const auto o = static_cast<std::size_t>(other);
        if (other == seat || !game.playing[o]) continue;
        const std::string& name = game.seats[o].name;
        auto it = std::find_if(stats.opponents.begin(), stats.opponents.end(),
                               [&](const OpponentStats& x) { return x.name == name; });
        if (it == stats.opponents.end()) it = stats.opponents.insert(stats.opponents.end(), {name, 0, 0});
        ++it->played;
        if (won) ++it->won;
    }
}

PlayerStats statsFor(const std::string& player, const std::vector<GameSummary>& games) {
    PlayerStats stats;
    stats.player = player;
    for (const GameSummary& game : games)
        addGame(stats, game);
    std::sort(stats.opponents.begin(), stats.opponents.end(),
              [](const OpponentStats& a, const OpponentStats& b) {
                  return a.played != b.played ? a.played > b.played : a.name < b.name;
              });
    return stats;
}

std::vector<std::string> playerNames(const std::vector<GameSummary>& games) {
    struct Seen {
        int people = 0; // games a person played under the name
        int all = 0;
    };
    std::map<std::string, Seen> seen;
    for (const GameSummary& game : games)
        for (std::size_t s = 1; s <= 4; ++s) {
            const RecordSeat& seat = game.seats[s];
            if (seat.name.empty() || !game.playing[s]) continue;
            Seen& n = seen[seat.name];
            ++n.all;
            if (!seat.computer) ++n.people;
        }
    std::vector<std::pair<std::string, Seen>> counted(seen.begin(), seen.end());
    std::stable_sort(counted.begin(), counted.end(), [](const auto& a, const auto& b) {
        if ((a.second.people > 0) != (b.second.people > 0)) return a.second.people > 0;
        return a.second.all > b.second.all;
    });
    std::vector<std::string> names;
    for (const auto& [name, count] : counted)
        names.push_back(name);
    return names;
}

} // namespace records
