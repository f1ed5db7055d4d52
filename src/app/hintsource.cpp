#include "hintsource.h"

#include "game/layout.h"

client::HintSource gameHints() {
    return [](const rules::Board& board, const rules::Rack& rack,
              int minimum) -> std::optional<client::HintPlan> {
        // The greatest value the board allows, whatever the minimum: the caller's minimum counts what
        // the turn has laid already, which the search cannot know.
        const std::optional<game::Turn> turn = game::planTurn(board, rack, true);
        if (!turn) return std::nullopt;
        client::HintPlan plan;
        if (turn->draw || turn->value < minimum) return plan;
        plan.value = turn->value;
        for (const game::Move& move : turn->moves) {
            client::HintStep step;
            step.tile = move.tile;
            step.toColumn = move.toColumn;
            step.toRow = move.toRow;
            if (move.kind == game::Move::Kind::Place) {
                step.rackCell = move.rackCell;
                plan.rackCells.push_back(move.rackCell);
            } else {
                step.kind = client::HintStep::Kind::Move;
                step.fromColumn = move.fromColumn;
                step.fromRow = move.fromRow;
            }
            plan.steps.push_back(step);
        }
        return plan;
    };
}
