#include "simapp/simulator.h"

#include "game/game.h"
#include "rules/boardcheck.h"

#include <gtest/gtest.h>

namespace {

// Every tile code 1..53 is somewhere exactly twice: in the pool still to be drawn, in a rack or on the
// board.
::testing::AssertionResult everyTileTwice(const game::Game& server) {
    std::array<int, 54> count{};
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
            return ::testing::AssertionFailure()
                   << "code " << code << " found " << count[static_cast<std::size_t>(code)] << " times";
    return ::testing::AssertionSuccess();
}

struct Checked {
    long long steps = 0;
    long long failures = 0;
};

void checkEveryStep(sim::Simulator& simulator, Checked& checked) {
    simulator.setStepObserver([&checked](const game::Game& server) {
        ++checked.steps;
        const auto twice = everyTileTwice(server);
        const bool committedOk = rules::boardok(server.turnboard());
        if (!twice || !committedOk) {
            if (++checked.failures <= 3)
                ADD_FAILURE() << (twice ? "committed board fails the board check" : twice.message());
        }
    });
}

} // namespace

TEST(Simulator, TwoHundredGamesKeepEveryTileAndOnlyValidCommittedBoards) {
    struct Setup {
        int seats;
        bool team;
        int tiles;
    };
    // 200 games across the seat counts, a team game and the largest deal.
    const Setup setups[] = {{4, false, 14}, {2, false, 14}, {3, false, 20}, {4, true, 14}, {2, false, 48}};
    int games = 0;
    for (const Setup& s : setups) {
        sim::SimOptions options;
        options.games = 40;
        options.seats = s.seats;
        options.team = s.team;
        options.tiles = s.tiles;
        options.target = 200;
        options.seed = static_cast<std::uint32_t>(11 + games);
        sim::Simulator simulator(options);
        Checked checked;
        checkEveryStep(simulator, checked);
        const sim::SimReport report = simulator.run();
        EXPECT_EQ(report.stalledGames, 0);
        EXPECT_EQ(report.games, 40);
        EXPECT_EQ(checked.failures, 0);
        EXPECT_GT(checked.steps, report.turns); // checked at least once a turn
        EXPECT_GT(report.laidTurns, 0);
        int wins = 0;
        for (int seat = 1; seat <= 4; ++seat)
            wins += report.wins[static_cast<std::size_t>(seat)];
        EXPECT_EQ(wins, s.team ? 80 : 40); // a team win counts for both partners
        games += report.games;
    }
    EXPECT_EQ(games, 200);
}

TEST(Simulator, TheSameSeedGivesTheSameReport) {
    sim::SimOptions options;
    options.games = 5;
    options.seed = 99;
    const sim::SimReport a = sim::Simulator(options).run();
    const sim::SimReport b = sim::Simulator(options).run();
    EXPECT_EQ(sim::Simulator::format(options, a, false), sim::Simulator::format(options, b, false));
    options.seed = 100;
    const sim::SimReport c = sim::Simulator(options).run();
    EXPECT_NE(sim::Simulator::format(options, a, false), sim::Simulator::format(options, c, false));
}

TEST(Simulator, ExpertGamesKeepEveryTileAndOnlyValidCommittedBoards) {
    using game::ComputerLevel;
    struct Setup {
        int seats;
        std::array<ComputerLevel, 5> levels;
    };
    // 20 games: the expert against itself, and in seats 2 and 4 against the classic player.
    const Setup setups[] = {
        {2, {ComputerLevel::Classic, ComputerLevel::Expert, ComputerLevel::Expert}},
        {4,
         {ComputerLevel::Classic, ComputerLevel::Classic, ComputerLevel::Expert, ComputerLevel::Classic,
          ComputerLevel::Expert}},
    };
    for (const Setup& s : setups) {
        sim::SimOptions options;
        options.games = 10;
        options.seats = s.seats;
        options.levels = s.levels;
        options.levelsGiven = true;
        options.target = 200;
        options.seed = static_cast<std::uint32_t>(31 + s.seats);
        sim::Simulator simulator(options);
        Checked checked;
        checkEveryStep(simulator, checked);
        const sim::SimReport report = simulator.run();
        EXPECT_EQ(report.stalledGames, 0);
        EXPECT_EQ(report.games, 10);
        EXPECT_EQ(checked.failures, 0);
        EXPECT_GT(checked.steps, report.turns);
        // Each turn is counted for the seat that played it, and the points add up to the scores made.
        long long seatTurns = 0, expertPoints = 0;
        for (int seat = 1; seat <= 4; ++seat) {
            seatTurns += report.seatTurns[static_cast<std::size_t>(seat)];
            if (s.levels[static_cast<std::size_t>(seat)] == ComputerLevel::Expert)
                expertPoints += report.seatPoints[static_cast<std::size_t>(seat)];
        }
        EXPECT_EQ(seatTurns, report.turns);
        EXPECT_GT(expertPoints, 0);
        EXPECT_LE(report.roundsGoneOut, report.rounds);
        const std::string text = sim::Simulator::format(options, report, false);
        EXPECT_NE(text.find("seat 2 (expert): won "), std::string::npos) << text;
        EXPECT_NE(text.find("rounds won by going out "), std::string::npos) << text;
    }
}

TEST(Simulator, WithoutLevelsTheReportHasNoLevelLines) {
    sim::SimOptions options;
    options.games = 2;
    const std::string text = sim::Simulator::format(options, sim::Simulator(options).run(), false);
    EXPECT_EQ(text.find("classic"), std::string::npos) << text;
    EXPECT_EQ(text.find("going out"), std::string::npos) << text;
}
