#include "hints.h"

#include "boardview.h"
#include "client/net/clientstate.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"
#include "rackview.h"

#include "protocol/messages.h"

#include <algorithm>

namespace client {

Hints::Hints(QObject* parent, Parts parts) : QObject(parent), parts_(parts) {
    // Any change of the board takes the advice shown with it; laying it forgets it first.
    connect(parts_.board, &BoardView::mirrorChanged, this, &Hints::forget);
    refresh();
}

void Hints::setSource(HintSource source) {
    source_ = std::move(source);
    refresh();
}

void Hints::hints(const protocol::toclient::Hints& m) {
    allowed_ = m.allowed == 1 ? Allowed::Yes : Allowed::No;
    if (!allowed()) forget();
    refresh();
}

void Hints::reset() {
    allowed_ = Allowed::Unknown;
    forget();
    refresh();
}

void Hints::refresh() {
    if (!source_) {
        parts_.turn->setHintEnabled(false, tr("This program offers no hints"));
        return;
    }
    switch (allowed_) {
    case Allowed::Unknown:
        parts_.turn->setHintEnabled(false, tr("This game's host offers no hints"));
        return;
    case Allowed::No:
        parts_.turn->setHintEnabled(false, tr("The host has switched hints off"));
        return;
    case Allowed::Yes:
        break;
    }
    const bool now = parts_.state->myTurn() && parts_.state->loggedin;
    parts_.turn->setHintEnabled(now, shown() ? tr("Lay the outlined tiles (H)")
                                             : tr("Outline the best lay-down for your rack (H)"));
}

void Hints::forget() {
    if (!plan_) return;
    plan_.reset();
    parts_.rack->setOutlined({});
    parts_.turn->setHintPlacing(false);
    refresh();
}

void Hints::press() {
    if (!allowed() || !source_ || !parts_.state->myTurn() || !parts_.state->loggedin) return;
    const rules::Board& board = parts_.board->mirror();
    const rules::Rack rack = parts_.table->rack().tiles();
    if (plan_ && board == planBoard_ && rack.cells == planRack_.cells)
        lay();
    else
        show(board, rack);
}

void Hints::show(const rules::Board& board, const rules::Rack& rack) {
    forget();
    // Before the first lay-down what this turn has laid already counts towards the 30.
    const int needed = parts_.table->layDownPending() ? rules::kFirstLayDown - parts_.table->laidValue() : 0;
    const int minimum = std::max(1, needed);
    std::optional<HintPlan> plan = source_(board, rack, minimum);
    TurnControls& turn = *parts_.turn;
    if (!plan) {
        turn.setStatus(tr("No hint: a set on the board cannot be completed. Clear your moves."));
        return;
    }
    if (plan->rackCells.empty() || plan->value < minimum) {
        turn.setStatus(needed > 0 ? tr("No lay-down of %1 yet: draw a tile.").arg(rules::kFirstLayDown)
                                  : tr("None of your tiles can be laid: draw a tile."));
        return;
    }
    planBoard_ = board;
    planRack_ = rack;
    const auto tiles = static_cast<int>(plan->rackCells.size());
    turn.setStatus(tr("Hint: %1 worth %2. Press Place to lay %3.")
                       .arg(tiles == 1 ? tr("1 tile") : tr("%1 tiles").arg(tiles))
                       .arg(plan->value)
                       .arg(tiles == 1 ? tr("it") : tr("them")));
    parts_.rack->setOutlined(plan->rackCells);
    plan_ = std::move(plan);
    turn.setHintPlacing(true);
    refresh();
}

void Hints::lay() {
    const HintPlan plan = *plan_;
    forget();
    parts_.board->makeMoves(plan.steps);
    parts_.turn->setStatus(tr("Hint laid (%1 points): press Finish to end your turn.").arg(plan.value));
}

} // namespace client
