// The program's hint source (the game's lay-down search) on given positions, and a hint taken in a
// solo game the way the program wires it: asked, shown, laid through the server and accepted.

#include "solohost.h"

#include "app/hintsource.h"
#include "app/serverthread.h"
#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/settings/filelocations.h"
#include "client/table/table.h"
#include "client/window/tchat.h"
#include "game/layout.h"
#include "rules/boardcheck.h"
#include "tilecodes.h"
#include "windows/tgamestart.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tilecodes;
using client::HintStep;
using testing_app::kWaitMs;
using testing_app::label;

namespace {

rules::Rack rackOf(const std::vector<int>& codes) {
    rules::Rack rack;
    for (std::size_t i = 0; i < codes.size(); ++i)
        rack.cells[i + 1] = codes[i];
    return rack;
}

void putRow(rules::Board& board, int row, int column, const std::vector<int>& codes) {
    for (const int code : codes)
        board.set(column++, row, code);
}

// The board after the plan's steps, made in order as the referee makes them; empty when one cannot be.
std::optional<rules::Board> played(rules::Board board, rules::Rack rack, const client::HintPlan& plan) {
    for (const HintStep& s : plan.steps) {
        game::Move m;
        m.kind = s.kind == HintStep::Kind::Place ? game::Move::Kind::Place : game::Move::Kind::Shift;
        m.rackCell = s.rackCell;
        m.fromColumn = s.fromColumn;
        m.fromRow = s.fromRow;
        m.toColumn = s.toColumn;
        m.toRow = s.toRow;
        m.tile = s.tile;
        if (!game::applyMove(board, rack, m)) return std::nullopt;
    }
    return board;
}

} // namespace

TEST(GameHints, TheBestLayDownAsStepsAPlayerCanMake) {
    const client::HintSource hints = gameHints();

    // Red 6 and 7 extend the run; Green 9 and Black 1 fit nowhere.
    rules::Board board;
    putRow(board, 1, 1, {Red(3), Red(4), Red(5)});
    const rules::Rack rack = rackOf({Green(9), Red(7), Black(1), Red(6)});
    const auto extend = hints(board, rack, 1);
    ASSERT_TRUE(extend);
    EXPECT_EQ(extend->value, 13);
    std::vector<int> cells = extend->rackCells;
    std::sort(cells.begin(), cells.end());
    EXPECT_EQ(cells, (std::vector<int>{2, 4}));
    const auto after = played(board, rack, *extend);
    ASSERT_TRUE(after);
    EXPECT_TRUE(rules::boardok(*after));
    EXPECT_TRUE(hints(board, rack, 30)->rackCells.empty()) << "13 is no first lay-down";

    // Two sevens make a group only with the run's Black 7, which must move.
    rules::Board run;
    putRow(run, 2, 3, {Black(4), Black(5), Black(6), Black(7)});
    const rules::Rack sevens = rackOf({Green(7), Orange(7)});
    const auto group = hints(run, sevens, 1);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->value, 14);
    EXPECT_EQ(group->rackCells.size(), 2u);
    EXPECT_TRUE(std::any_of(group->steps.begin(), group->steps.end(),
                            [](const HintStep& s) { return s.kind == HintStep::Kind::Move; }));
    const auto rearranged = played(run, sevens, *group);
    ASSERT_TRUE(rearranged);
    EXPECT_TRUE(rules::boardok(*rearranged));

    // A lone pair on the board that the rack cannot complete: no advice at all.
    rules::Board broken;
    putRow(broken, 1, 1, {Red(3), Green(9)});
    EXPECT_FALSE(hints(broken, rackOf({Black(1)}), 1));
}

// A solo game as the program wires it: the host's Allow Hints reaches the button through its server,
// and the hint on the own turn is the search's best lay-down, laid step by step and accepted.
TEST(GameHints, ASoloPlayerTakesAHintAndTheServerAcceptsIt) {
    testing_app::SoloHost h;
    client::Tchat& window = h.window;
    window.setHintSource(gameHints());
    window.findChild<QAction*>(QStringLiteral("Fast1"))->trigger();
    ASSERT_TRUE(h.playSolo());
    auto* hint = window.findChild<QAbstractButton*>(QStringLiteral("button_hint"));
    auto* board = window.findChild<client::BoardView*>();
    auto* rack = window.findChild<client::RackView*>();
    const QString allowedTip = QStringLiteral("Outline the best lay-down for your rack (H)");
    ASSERT_TRUE(QTest::qWaitFor([&] { return hint->toolTip() == allowedTip; }, kWaitMs));

    window.findChild<QAction*>(QStringLiteral("AllowHints1"))->trigger(); // off
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return hint->toolTip() == "The host has switched hints off"; }, kWaitMs));
    window.findChild<QAction*>(QStringLiteral("AllowHints1"))->trigger(); // on again
    ASSERT_TRUE(QTest::qWaitFor([&] { return hint->toolTip() == allowedTip; }, kWaitMs));

    h.gamestart.start();
    // Draw until the rack holds a first lay-down of 30 (the deal is the server's own).
    std::optional<game::Turn> expected;
    for (int turn = 0; turn < 30 && !expected; ++turn) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.state().myTurn() && hint->isEnabled(); }, kWaitMs));
        hint->click();
        if (!rack->outlined().empty()) {
            expected = game::planTurn(board->mirror(), window.table().rack().tiles(), false);
            break;
        }
        EXPECT_EQ(label(window, "label_status"), "No lay-down of 30 yet: draw a tile.");
        window.findChild<QAbstractButton*>(QStringLiteral("button_draw"))->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.state().myTurn(); }, kWaitMs));
    }
    ASSERT_TRUE(expected && !expected->draw) << "no lay-down of 30 in 30 turns";
    std::vector<int> cells;
    for (const game::Move& m : expected->moves)
        if (m.kind == game::Move::Kind::Place) cells.push_back(m.rackCell);
    std::vector<int> outlined = rack->outlined();
    std::sort(cells.begin(), cells.end());
    std::sort(outlined.begin(), outlined.end());
    EXPECT_EQ(outlined, cells);

    const int tilesBefore = window.table().rack().tiles().tilecount();
    hint->click(); // Place
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return window.table().rack().order().size() ==
                   static_cast<std::size_t>(tilesBefore) - cells.size();
        },
        kWaitMs))
        << "the server takes every tile laid off the rack";
    EXPECT_EQ(board->mirror(), expected->board);
    window.findChild<QAbstractButton*>(QStringLiteral("button_finish"))->click();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return label(window, "label_score1") == QString::number(expected->value); }, kWaitMs))
        << "the finish is accepted with the hint's value";
}
