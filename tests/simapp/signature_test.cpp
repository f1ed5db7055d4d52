// The game's behaviour in one number: fixed seeds played at every computer level, every seat count and a
// team game, with the board, every rack and the seat on turn folded into a hash after every step. Any
// change to how the computer plays or how the referee deals and judges changes the hash; a change that is
// meant must update the golden value below on purpose.

#include "simapp/simulator.h"

#include "game/game.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <vector>

namespace {

using game::ComputerLevel;

// FNV-1a, 64 bits: order-sensitive and plenty for telling two runs apart.
class Fold {
public:
    void add(std::uint64_t value) {
        for (int i = 0; i < 8; ++i, value >>= 8) {
            h_ ^= value & 0xFFu;
            h_ *= 0x100000001B3u;
        }
    }
    void add(const std::string& text) {
        for (unsigned char c : text) {
            h_ ^= c;
            h_ *= 0x100000001B3u;
        }
    }
    std::uint64_t value() const { return h_; }

private:
    std::uint64_t h_ = 0xCBF29CE484222325u;
};

struct Table {
    int seats;
    bool team;
    std::array<ComputerLevel, 5> levels; // by seat, index 0 unused
};

std::uint64_t signature(const std::vector<Table>& setups) {
    Fold fold;
    std::uint32_t seed = 7;
    for (const Table& s : setups) {
        sim::SimOptions options;
        options.games = 3;
        options.seats = s.seats;
        options.team = s.team;
        options.levels = s.levels;
        options.levelsGiven = true;
        options.seed = seed++;
        options.stepLimit = 5'000;
        sim::Simulator simulator(options);
        simulator.setStepObserver([&fold](const game::Game& g) {
            fold.add(static_cast<std::uint64_t>(g.currentplayer()));
            for (const rules::BoardItem& item : g.board().list())
                fold.add(static_cast<std::uint64_t>(item.tile * 10000 + item.column * 100 + item.row));
            for (int seat = 1; seat <= 4; ++seat)
                for (int code : g.player(seat).tiles.cells)
                    fold.add(static_cast<std::uint64_t>(code));
        });
        const sim::SimReport report = simulator.run();
        EXPECT_EQ(report.stalledGames, 0) << s.seats << " seats";
        // What the report counts, not how it words it.
        for (long long n :
             {report.rounds, report.turns, report.laidTurns, report.undoneTurns, report.clockTurns})
            fold.add(static_cast<std::uint64_t>(n));
        for (int seat = 1; seat <= 4; ++seat) {
            const auto i = static_cast<std::size_t>(seat);
            fold.add(static_cast<std::uint64_t>(report.wins[i]));
            fold.add(static_cast<std::uint64_t>(report.finalScore[i]));
            fold.add(static_cast<std::uint64_t>(report.seatPoints[i]));
        }
    }
    return fold.value();
}

} // namespace

TEST(Signature, ClassicAndExpertPlayExactlyAsBefore) {
    constexpr auto C = ComputerLevel::Classic;
    constexpr auto E = ComputerLevel::Expert;
    const std::vector<Table> setups = {
        {2, false, {C, C, C, C, C}}, {2, false, {C, E, E, C, C}}, {2, false, {C, C, E, C, C}},
        {2, false, {C, E, C, C, C}}, {3, false, {C, C, E, C, C}}, {3, false, {C, E, C, E, C}},
        {4, false, {C, C, E, C, E}}, {4, false, {C, E, E, E, E}}, {4, true, {C, E, C, C, E}},
    };
    const std::uint64_t value = signature(setups);
    char text[32];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    std::printf("signature %s\n", text);
    RecordProperty("signature", text);
    EXPECT_STREQ(text, "62e6da8d1cf8cf2f");
}
