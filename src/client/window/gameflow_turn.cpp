// The player's own turn: what the turn buttons send, and a turn that runs out of time.

#include "gameflow.h"

#include "client/net/clientstate.h"
#include "client/play/boardview.h"
#include "client/play/hints.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"

#include "protocol/messages.h"

namespace client {

void GameFlow::connectTurnControls() {
    using protocol::toserver::ClickYes;
    using protocol::toserver::DrawCard;
    using protocol::toserver::Finish;
    using protocol::toserver::UndoThem;
    connect(turn_, &TurnControls::clearClicked, this, [this] {
        if (!state_.myTurn() ||
            refuseWhileHolding(QT_TR_NOOP("You cannot clear when you have a tile in your hand.")))
            return;
        if (state_.loggedin) send(protocol::encode(UndoThem{.seat = state_.myslot}));
    });
    connect(turn_, &TurnControls::finishClicked, this, [this] {
        if (!state_.myTurn() ||
            refuseWhileHolding(QT_TR_NOOP("You cannot end your turn when you have a tile in your hand.")))
            return;
        if (state_.loggedin) send(protocol::encode(Finish{.seat = state_.myslot}));
        turn_->hidePrompts();
        turn_->hideTurnButtons();
    });
    connect(turn_, &TurnControls::drawClicked, this, [this] {
        if (!state_.myTurn() ||
            refuseWhileHolding(QT_TR_NOOP("You cannot draw a tile when you have a tile in your hand.")))
            return;
        if (state_.loggedin) send(protocol::encode(DrawCard{.seat = state_.myslot}));
        turn_->hidePrompts();
        turn_->hideTurnButtons();
    });
    connect(turn_, &TurnControls::hintClicked, this, [this] {
        if (!state_.myTurn() ||
            refuseWhileHolding(QT_TR_NOOP("You cannot take a hint when you have a tile in your hand.")))
            return;
        hints_->press();
    });
    connect(turn_, &TurnControls::yesClicked, this, [this] {
        turn_->setPenaltyShown(false);
        if (!state_.myTurn()) return;
        if (state_.loggedin) send(protocol::encode(ClickYes{.seat = state_.myslot}));
        play(QStringLiteral("pressyes"));
    });
    auto backToEditing = [this] {
        if (!state_.myTurn()) return;
        // The refusal that raised the prompt no longer describes the board.
        turn_->setStatus(TurnControls::yourTurnText());
        turn_->showFinishAndClear();
        play(QStringLiteral("pressedit"));
    };
    connect(turn_, &TurnControls::editClicked, this, [this, backToEditing] {
        turn_->setPenaltyShown(false);
        backToEditing();
    });
    connect(turn_, &TurnControls::edit2Clicked, this, [this, backToEditing] {
        turn_->setLaydownShown(false);
        backToEditing();
    });
    connect(turn_, &TurnControls::pauseToggled, this, [this](bool down) {
        send(protocol::encode(protocol::toserver::Pause{.slot = state_.myslot, .flag = down ? 1 : 0}));
    });
}

bool GameFlow::refuseWhileHolding(const char* message) {
    if (!table_->rack().held().holding()) return false;
    systemLine(tr(message));
    play(QStringLiteral("nocando"));
    return true;
}

void GameFlow::putBackHeld() {
    board_->returnHeld();
}

void GameFlow::notime(const protocol::toclient::NoTime& m) {
    const int slot = m.seat;
    const bool own = slot == state_.myslot;
    const QString text =
        own ? tr("You have run out of time!.") : tr("%1 has ran out of time.").arg(table_->name(slot));
    systemLine(text);
    turn_->addLog(text);
    if (own) {
        // The server takes the turn back; a tile in hand goes back where it came from with it.
        putBackHeld();
    }
}

} // namespace client
