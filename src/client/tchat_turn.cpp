// The turn controls' buttons and the server's answers to them: prompts, time-outs and the pause.

#include "tchat.h"

#include "boardview.h"
#include "chatview.h"
#include "heldpicture.h"
#include "rackview.h"
#include "seatdisplay.h"
#include "soundcues.h"
#include "turncontrols.h"

#include "protocol/fields.h"
#include "protocol/messages.h"

namespace client {

namespace {

// The slot a prompt command names, when it is a number.
std::optional<int> slotOf(std::string_view args) {
    protocol::FieldReader r(args);
    return r.intField();
}

} // namespace

void Tchat::connectTurnControls() {
    using protocol::toserver::ClickYes;
    using protocol::toserver::DrawCard;
    using protocol::toserver::Finish;
    using protocol::toserver::UndoThem;
    connect(turn_, &TurnControls::clearClicked, this, [this] {
        if (!state_.myTurn() || refuseWhileHolding("You cannot clear when you have a tile in your hand."))
            return;
        if (state_.loggedin) send(protocol::encode(UndoThem{.seat = state_.myslot}));
    });
    connect(turn_, &TurnControls::finishClicked, this, [this] {
        if (!state_.myTurn() ||
            refuseWhileHolding("You cannot end your turn when you have a tile in your hand."))
            return;
        if (state_.loggedin) send(protocol::encode(Finish{.seat = state_.myslot}));
        turn_->hidePrompts();
        turn_->hideTurnButtons();
    });
    connect(turn_, &TurnControls::drawClicked, this, [this] {
        if (!state_.myTurn() ||
            refuseWhileHolding("You cannot draw a tile when you have a tile in your hand."))
            return;
        if (state_.loggedin) send(protocol::encode(DrawCard{.seat = state_.myslot}));
        turn_->hidePrompts();
        turn_->hideTurnButtons();
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
        turn_->setStatus(TurnControls::kYourTurn);
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

bool Tchat::refuseWhileHolding(const char* message) {
    if (!state_.held.holding()) return false;
    systemLine(QString::fromLatin1(message));
    play(QStringLiteral("nocando"));
    return true;
}

void Tchat::putBackHeld() {
    board_->returnHeld();
}

void Tchat::showdraw(std::string_view args) {
    protocol::FieldReader r(args);
    const auto slot = r.intField();
    const auto which = r.intField();
    if (!slot || !which || *slot != state_.myslot) return;
    if (*which == 1)
        turn_->showFinish();
    else
        turn_->showDraw();
}

void Tchat::askpenalty(std::string_view args) {
    if (slotOf(args) != state_.myslot) return;
    turn_->setPenaltyShown(true);
    turn_->hideTurnButtons();
    play(QStringLiteral("notvalid"));
}

void Tchat::notenough(std::string_view args) {
    if (slotOf(args) != state_.myslot) return;
    turn_->setStatus(QStringLiteral("Your first lay down must equal at least 30 points"));
    turn_->showFinishAndClear();
    turn_->setLaydownShown(true);
    play(QStringLiteral("notvalid"));
}

void Tchat::incomplete(std::string_view args) {
    if (slotOf(args) != state_.myslot) return;
    turn_->setStatus(QStringLiteral("Board is incomplete."));
    turn_->addLog(QStringLiteral("Board is incomplete."));
    play(QStringLiteral("notvalid"));
}

void Tchat::notime(std::string_view args) {
    const auto slot = slotOf(args);
    if (!slot) return;
    const bool own = *slot == state_.myslot;
    const QString text = own ? QStringLiteral("You have run out of time!.")
                             : seats_->shownName(*slot) + QStringLiteral(" has ran out of time.");
    systemLine(text);
    turn_->addLog(text);
    if (own) {
        // The server takes the turn back; a tile in hand goes back where it came from with it.
        putBackHeld();
    }
}

void Tchat::gamepause(std::string_view args) {
    const auto flag = slotOf(args);
    if (flag == 1) {
        turn_->setPauseDown(true);
        turn_->setPausedLook(true);
        turn_->stopClock();
    } else if (flag == 0) {
        turn_->setPauseDown(false);
        turn_->setPausedLook(false);
        turn_->resumeClock();
    }
}

} // namespace client
