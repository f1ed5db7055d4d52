// The receive side: the dispatch table, which hands each command to the part that handles it, and the
// few commands that concern the window itself (the login, a full game, the rack and board of our own
// slot).

#include "tchat.h"

#include "client/chat/chatview.h"
#include "client/net/wiretext.h"
#include "client/play/boardview.h"
#include "client/play/hints.h"
#include "client/play/rackview.h"
#include "client/seats/seatdisplay.h"
#include "client/sound/chattersounds.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"
#include "gameflow.h"

#include "protocol/fields.h"
#include "protocol/messages.h"

#include <QMessageBox>

namespace client {

namespace {

namespace in = protocol::toclient;

} // namespace

void Tchat::buildDispatchTable() {
    namespace w = protocol::words;
    auto line = [this](const char* message) {
        return [this, message](std::string_view) { systemLine(tr(message)); };
    };
    auto& d = dispatcher_;
    d.add(w::sendlogininfo, [this](std::string_view a) { sendloginfo(a); });
    d.add(w::chat, [this](std::string_view a) { chat_->chatrecieved(a); });
    d.add(w::action, [this](std::string_view a) { chat_->chatrecieved(a); });
    // A newcomer's announcement reads as a list of one player.
    d.add(w::newplayerinfo, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::ExistingPlayers>(a)) seats_->newplayerinfo(*m);
    });
    d.add(w::havewrongversion, [this](std::string_view a) {
        systemLine(tr("%1 has a different version of the game then you.").arg(wireText(a)));
    });
    d.add(w::wrongversion, line(QT_TR_NOOP("You have a differnt version of the game then the host.")));
    d.on<in::ExistingPlayers>([this](const in::ExistingPlayers& m) { seats_->newplayerinfo(m); });
    d.on<in::PlayerDisconnected>([this](const in::PlayerDisconnected& m) { seats_->playerdisconnected(m); });
    d.on<in::StartGame>([this](const in::StartGame& m) { flow_->startthegame(m); });
    d.on<in::NextPlayer>([this](const in::NextPlayer& m) { flow_->getnextplayer(m); });
    d.on<in::Winner>([this](const in::Winner& m) { flow_->winner(m); });
    d.add(w::full, [this](std::string_view) { full(); });
    d.on<in::JustWatching>([this](const in::JustWatching& m) { seats_->justwatching(m); });
    d.on<in::YourTiles>([this](const in::YourTiles& m) { yourtiles(m); });
    d.on<in::StartRound>([this](const in::StartRound& m) { flow_->startround(m); });
    d.on<in::PlaceHisTile>([this](const in::PlaceHisTile& m) { board_->placehistile(m); });
    d.on<in::FreeCard>([this](const in::FreeCard& m) { freecard(m); });
    d.on<in::SwapTiles>([this](const in::SwapTiles& m) { board_->swaptiles(m); });
    d.on<in::UndoThem>([this](const in::UndoThem& m) { board_->undothem(m); });
    d.on<in::ShowDraw>([this](const in::ShowDraw& m) { turn_->showdraw(m); });
    d.on<in::AskPenalty>([this](const in::AskPenalty& m) { turn_->askpenalty(m); });
    d.on<in::EndRound>([this](const in::EndRound& m) { flow_->endround(m); });
    d.add(w::nomoreroom, line(QT_TR_NOOP("You cannot hold anymore tiles")));
    d.add(w::nomoretiles, line(QT_TR_NOOP("There are no tiles left")));
    d.on<in::MovedTiles>([this](const in::MovedTiles& m) { board_->movedtiles(m); });
    d.on<in::RemoveTile>([this](const in::RemoveTile& m) { board_->removetile(m.column, m.row); });
    d.on<in::LoadStats>([this](const in::LoadStats& m) { flow_->loadstats(m); });
    d.on<in::LoadBoard>([this](const in::LoadBoard& m) { loadboard(m); });
    d.on<in::NoTime>([this](const in::NoTime& m) { flow_->notime(m); });
    d.on<in::NotEnough>([this](const in::NotEnough& m) { turn_->notenough(m); });
    d.on<in::Incomplete>([this](const in::Incomplete& m) { turn_->incomplete(m, board_->badSetReason()); });
    d.on<in::GamePause>([this](const in::GamePause& m) { turn_->gamepause(m); });
    d.on<in::PlayASound>([this](const in::PlayASound& m) { chatter_->playasound(m); });
    d.on<in::Hints>([this](const in::Hints& m) { hints_->hints(m); });
    d.on<in::ShuffleCommit>([this](const in::ShuffleCommit& m) { shuffle_.commit(m.digest); });
    d.on<in::ShuffleReveal>([this](const in::ShuffleReveal& m) {
        if (const QString verdict = shuffle_.reveal(m.seed); !verdict.isEmpty()) systemLine(verdict);
    });
    buildTableDispatch();
    d.on<in::Closing>([this](const in::Closing& m) { closingReason_ = m.reason; });
}

void Tchat::handleCommand(std::string_view entry) {
    dispatcher_.dispatch(entry);
}

void Tchat::yourtiles(const protocol::toclient::YourTiles& m) {
    if (m.seat != state_.myslot) return;
    shuffle_.dealt(m.seat, m.cells);
    table_->rack().deal(m.cells);
}

void Tchat::freecard(const protocol::toclient::FreeCard& m) {
    if (m.seat != state_.myslot) return;
    table_->rack().remove(m.cell);
}

void Tchat::loadboard(const protocol::toclient::LoadBoard& m) {
    if (m.slot == state_.myslot) board_->loadboard(m.cells);
}

void Tchat::sendloginfo(std::string_view args) {
    const auto slot = protocol::parseInt(args);
    if (!slot) return;
    logintimer_.stop();
    if (tableStep()) return;
    state_.myslot = *slot;
    state_.loggedin = true;
    // At a table server seat 1 holds the host's powers unless the server names another holder.
    if (atTable_) showHostControls(state_.myslot == 1);
    protocol::toserver::LoginInfo login;
    login.slot = state_.myslot;
    login.version = version_.toStdString();
    login.name = protocol::FreeText(state_.playername.toStdString());
    send(protocol::encode(login));
}

void Tchat::full() {
    if (full_) return;
    full_ = true;
    // The server closes a refused connection at once; whatever else it sent is not for us.
    connection_->halt();
    const QString text = tr("Game is full");
    messageBox_(text);
    // The window closes when the player has read the notice (at once when no box is shown).
    if (QMessageBox* box = noticeBox(text)) {
        connect(box, &QDialog::finished, this, &QWidget::close);
        return;
    }
    close();
}

QMessageBox* Tchat::noticeBox(const QString& text) const {
    for (QMessageBox* box : findChildren<QMessageBox*>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly))
        if (box->text() == text && box->isVisible()) return box;
    return nullptr;
}

void Tchat::showNotice(const QString& text) {
    // Non-modal for the program: a box that waited for its answer would run every later command
    // inside this one's handler. A notice already on screen is not shown twice.
    if (QMessageBox* shown = noticeBox(text)) {
        shown->raise();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("notice"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace client
