#include "simapp/simulator.h"

#include "game/game.h"

#include <gtest/gtest.h>

namespace {

// Runs the games with the tiles and the committed board checked after every step, and checks what
// every run must show: all games played to the end, no fault, a check at least once a turn.
sim::SimReport runChecked(sim::SimOptions options) {
    options.check = true;
    const sim::SimReport report = sim::Simulator(options).run();
    EXPECT_EQ(report.stalledGames, 0);
    EXPECT_EQ(report.games, options.games);
    EXPECT_EQ(report.faults, 0) << report.firstFault;
    EXPECT_GT(report.checkedSteps, report.turns);
    return report;
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
        const sim::SimReport report = runChecked(options);
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
        const sim::SimReport report = runChecked(options);
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

TEST(Simulator, TheCheckFindsATileHeldThreeTimes) {
    game::Game server;
    sim::seatPlayers(server, 2);
    sim::SimOptions options;
    options.seats = 2;
    sim::startComputerGame(server, options);
    EXPECT_EQ(sim::tileFault(server), "");
    rules::Rack& rack = server.player(1).tiles;
    int cell = 1;
    while (rack.cells[static_cast<std::size_t>(cell)] != 0)
        ++cell;
    rack.cells[static_cast<std::size_t>(cell)] = rules::kJoker; // a third joker
    EXPECT_EQ(sim::tileFault(server), "tile code 53 found 3 times");
}
