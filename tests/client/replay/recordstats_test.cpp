// The statistics of a folder of simulated game records, checked against what the referee itself
// reported while the games were played, and the page that shows them.

#include "client/replay/recordstatspage.h"
#include "game/gamerecorder.h"
#include "records/recordstats.h"
#include "simapp/simulator.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>

namespace {

// What the referee told while the games were played, by seat name.
struct Told : game::TableSink {
    explicit Told(game::GameRecorder& recorder) : recorder(recorder) {}
    void tableEvent(const game::Game& g, const game::TableEventInfo& e) override {
        recorder.tableEvent(g, e);
        const auto name = [&](int seat) {
            const game::tplayer& p = g.player(seat);
            return p.name.empty() ? p.botname : p.name;
        };
        if (e.kind == game::TableEvent::GameWon) ++wins[e.text];
        if (e.kind == game::TableEvent::RoundEnded) {
            ++rounds;
            if (e.values[0] != 0) ++out[name(e.values[0])];
            for (int seat = 1; seat <= 4; ++seat)
                if (g.player(seat).playing) {
                    points[name(seat)] += g.player(seat).points;
                    best[name(seat)] =
                        std::max(best.count(name(seat)) ? best[name(seat)] : -100000, g.player(seat).points);
                }
        }
    }
    game::GameRecorder& recorder;
    std::map<std::string, int> wins, out, best;
    std::map<std::string, long long> points;
    int rounds = 0;
};

// Plays `games` simulated games of `seats` seats into `sink`, and returns the folder's summaries.
std::vector<records::GameSummary> simulate(const QString& folder, int games, int seats,
                                           game::TableSink& sink) {
    sim::SimOptions options;
    options.games = games;
    options.seats = seats;
    options.target = 200;
    sim::Simulator simulator(options);
    simulator.setTableSink(&sink);
    simulator.run();
    return records::summarizeFolder(folder.toStdString());
}

std::vector<records::GameSummary> simulate(const QString& folder, int games, int seats) {
    game::GameRecorder recorder(folder.toStdString());
    return simulate(folder, games, seats, recorder);
}

} // namespace

TEST(RecordStats, AFolderOfSimulatedGamesGivesWhatTheRefereeTold) {
    QTemporaryDir dir;
    constexpr int kGames = 12;
    game::GameRecorder recorder(dir.path().toStdString());
    Told told(recorder);
    const std::vector<records::GameSummary> games = simulate(dir.path(), kGames, 3, told);
    ASSERT_EQ(games.size(), static_cast<std::size_t>(kGames));
    const std::vector<std::string> names = records::playerNames(games);
    ASSERT_EQ(names.size(), 3u);
    int wins = 0, roundsOut = 0;
    for (const std::string& name : names) {
        const records::PlayerStats s = records::statsFor(name, games);
        SCOPED_TRACE(name);
        EXPECT_EQ(s.games, kGames);
        EXPECT_EQ(s.won, told.wins[name]);
        EXPECT_EQ(s.roundsOut, told.out[name]);
        EXPECT_EQ(s.rounds, told.rounds);
        EXPECT_EQ(s.points, told.points[name]);
        ASSERT_TRUE(s.hasBest);
        EXPECT_EQ(s.best.points, told.best[name]);
        // Both others, every game; the games won against each are the games won.
        ASSERT_EQ(s.opponents.size(), 2u);
        for (const records::OpponentStats& o : s.opponents) {
            EXPECT_NE(o.name, name);
            EXPECT_EQ(o.played, kGames);
            EXPECT_EQ(o.won, s.won);
        }
        wins += s.won;
        roundsOut += s.roundsOut;
    }
    EXPECT_EQ(wins, kGames);
    EXPECT_LE(roundsOut, told.rounds);
    EXPECT_EQ(records::statsFor("Nobody", games).games, 0);
}

// A game cut before its winner counts its rounds but is neither played nor won; a damaged file is
// read as far as it goes.
TEST(RecordStats, StoppedAndDamagedRecordsCountAsFarAsTheyGo) {
    QTemporaryDir dir;
    const std::vector<records::GameSummary> whole = simulate(dir.path(), 1, 2);
    ASSERT_EQ(whole.size(), 1u);
    ASSERT_GE(whole[0].rounds.size(), 1u);
    const std::string name = whole[0].seats[1].name;
    // Cut just after the first round's end.
    QFile file(QString::fromStdString(whole[0].file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    const qsizetype end = text.indexOf("\nend ");
    ASSERT_GT(end, 0);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.left(text.indexOf('\n', end + 1) + 1) + "rack 9 garbage\n");
    file.close();

    const std::vector<records::GameSummary> cut = records::summarizeFolder(dir.path().toStdString());
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_FALSE(cut[0].problem.empty());
    const records::PlayerStats s = records::statsFor(name, cut);
    EXPECT_EQ(s.games, 0);
    EXPECT_EQ(s.rounds, 1);
    EXPECT_EQ(s.points, whole[0].rounds[0].points[1]);
}

TEST(RecordStatsPage, ShowsThePlayersStatisticsAndSwitchesBetweenNames) {
    QTemporaryDir dir;
    const std::vector<records::GameSummary> games = simulate(dir.path(), 3, 2);
    const std::string second = games[0].seats[2].name;
    client::RecordStatsPage page;
    page.setFolder(dir.path(), QString::fromStdString(second));
    auto* player = page.findChild<QComboBox*>(QStringLiteral("stats_player"));
    auto* summary = page.findChild<QLabel*>(QStringLiteral("stats_summary"));
    auto* opponents = page.findChild<QTreeWidget*>(QStringLiteral("stats_opponents"));
    EXPECT_EQ(player->count(), 2);
    EXPECT_EQ(player->currentText().toStdString(), second);
    const records::PlayerStats s = records::statsFor(second, games);
    EXPECT_TRUE(summary->text().contains(QStringLiteral("Games played: 3, won: %1").arg(s.won)))
        << summary->text().toStdString();
    ASSERT_EQ(opponents->topLevelItemCount(), 1);
    EXPECT_EQ(opponents->topLevelItem(0)->text(0).toStdString(), games[0].seats[1].name);
    EXPECT_EQ(opponents->topLevelItem(0)->text(1), QStringLiteral("3"));
    EXPECT_EQ(opponents->topLevelItem(0)->text(2), QString::number(s.won));

    player->setCurrentIndex(player->currentIndex() == 0 ? 1 : 0);
    EXPECT_EQ(page.stats().player, games[0].seats[1].name);
    EXPECT_TRUE(summary->text().contains(QStringLiteral("Games played: 3, won: %1").arg(3 - s.won)));

    client::RecordStatsPage empty;
    QTemporaryDir none;
    empty.setFolder(none.path());
    EXPECT_EQ(empty.findChild<QLabel*>(QStringLiteral("stats_summary"))->text(),
              QStringLiteral("No games have been recorded yet."));
}
