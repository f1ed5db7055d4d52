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

TEST(Simulator, AGameThatDoesNotEndStopsTheRunAtOnce) {
    // A round cut after a handful of steps stands for a game that never ends: the run must give up on it
    // after the bound and not go on to the other games.
    sim::SimOptions options;
    options.games = 1'000;
    options.stepLimit = 5;
    const sim::SimReport report = sim::Simulator(options).run();
    EXPECT_EQ(report.stalledGames, 1);
    EXPECT_EQ(report.games, 0);
    EXPECT_LE(report.turns, 10);
    EXPECT_NE(sim::Simulator::format(options, report, false).find("stalled games 1"), std::string::npos);
}

namespace {

// Plays `games` two-seat games at `level` against itself and counts the steps after which a tile that
// stood on the committed board before the step stands in another cell (or is gone).
long long boardTilesMoved(game::ComputerLevel level, int games) {
    sim::SimOptions options;
    options.games = games;
    options.seats = 2;
    options.levels = {game::ComputerLevel::Classic, level, level};
    options.levelsGiven = true;
    options.seed = 5;
    long long moved = 0;
    rules::Board before;
    int drawn = 0;
    sim::Simulator simulator(options);
    simulator.setStepObserver([&](const game::Game& g) {
        // Within a round the pool is only drawn from and the committed board only grows; a new deal
        // (a new round or game) starts afresh.
        const rules::Board& now = g.turnboard();
        const bool sameRound = g.pool().poolnext >= drawn && now.list().size() >= before.list().size();
        bool kept = true;
        for (const rules::BoardItem& item : before.list())
            kept = kept && now.at(item.column, item.row) == item.tile;
        if (sameRound && !kept) ++moved;
        before = now;
        drawn = g.pool().poolnext;
    });
    EXPECT_EQ(simulator.run().games, games);
    return moved;
}

} // namespace

TEST(Simulator, ABeginnerNeverMovesATileOnTheBoard) {
    EXPECT_EQ(boardTilesMoved(game::ComputerLevel::Beginner, 20), 0);
    EXPECT_GT(boardTilesMoved(game::ComputerLevel::Classic, 20), 0) << "the classic player does";
}

TEST(Simulator, TheNewLevelsKeepEveryTileAndOnlyValidCommittedBoards) {
    using game::ComputerLevel;
    // Each new level against itself and against its neighbours, in two, three and four seats.
    const std::array<ComputerLevel, 5> tables[] = {
        {ComputerLevel::Classic, ComputerLevel::Beginner, ComputerLevel::Beginner, ComputerLevel::Classic},
        {ComputerLevel::Classic, ComputerLevel::Strong, ComputerLevel::Expert, ComputerLevel::Strong},
        {ComputerLevel::Classic, ComputerLevel::Master, ComputerLevel::Expert, ComputerLevel::Master,
         ComputerLevel::Beginner},
    };
    int seats = 2;
    for (const auto& levels : tables) {
        sim::SimOptions options;
        options.games = 6;
        options.seats = seats++;
        options.levels = levels;
        options.levelsGiven = true;
        options.target = 200;
        options.seed = static_cast<std::uint32_t>(41 + seats);
        const sim::SimReport report = runChecked(options);
        long long points = 0;
        for (int seat = 1; seat <= options.seats; ++seat)
            points += report.seatPoints[static_cast<std::size_t>(seat)];
        EXPECT_GT(points, 0);
        EXPECT_EQ(sim::Simulator::format(options, report, false),
                  sim::Simulator::format(options, sim::Simulator(options).run(), false))
            << "the same seed plays the same games";
    }
}

TEST(Simulator, TheWinIntervalHoldsTheShareAndNarrowsWithMoreGames) {
    const sim::Interval few = sim::winInterval(8, 10);
    const sim::Interval many = sim::winInterval(800, 1000);
    EXPECT_LT(few.low, 80);
    EXPECT_GT(few.high, 80);
    EXPECT_LT(many.low, 80);
    EXPECT_GT(many.high, 80);
    EXPECT_LT(many.high - many.low, few.high - few.low);
    EXPECT_NEAR(many.low, 77.4, 0.1); // Wilson's interval of 800 of 1,000
    EXPECT_NEAR(many.high, 82.4, 0.1);
    const sim::Interval none = sim::winInterval(0, 50);
    EXPECT_EQ(none.low, 0);
    EXPECT_GT(none.high, 0);
}

TEST(Simulator, AMasterAtTheSlowSpeedKeepsEveryTileAndPlaysTheSameGamesForASeed) {
    sim::SimOptions options;
    options.games = 3;
    options.seats = 2;
    options.levels = {game::ComputerLevel::Classic, game::ComputerLevel::Master, game::ComputerLevel::Expert};
    options.levelsGiven = true;
    options.target = 150;
    options.speed = protocol::kSlowComputer;
    options.seed = 77;
    const sim::SimReport slow = runChecked(options);
    EXPECT_GT(slow.seatPoints[1], 0);
    EXPECT_EQ(sim::Simulator::format(options, slow, false),
              sim::Simulator::format(options, sim::Simulator(options).run(), false));
    // The speed changes how long the master thinks, and with it the games it plays.
    options.speed = 0;
    EXPECT_NE(sim::Simulator::format(options, slow, false),
              sim::Simulator::format(options, sim::Simulator(options).run(), false));
}
