// The receive side: the dispatch table, which hands each command to the part that handles it, and the
// few commands that concern the window itself (the login, a full game, the rack and board of our own
// slot).

#include "tchat.h"

#include "boardview.h"
#include "chattersounds.h"
#include "chatview.h"
#include "gameflow.h"
#include "hints.h"
#include "rackview.h"
#include "seatdisplay.h"
#include "turncontrols.h"
#include "wiretext.h"

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
        return [this, message](std::string_view) { systemLine(QString::fromLatin1(message)); };
    };
    auto& d = dispatcher_;
    d.add(w::sendlogininfo, [this](std::string_view a) { sendloginfo(a); });
    d.add(w::chat, [this](std::string_view a) { chat_->chatrecieved(a); });
    d.add(w::action, [this](std::string_view a) { chat_->chatrecieved(a); });
    d.add(w::newplayerinfo, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::ExistingPlayers>(a)) seats_->newplayerinfo(*m);
    });
    d.add(w::havewrongversion, [this](std::string_view a) {
        systemLine(wireText(a) + QStringLiteral(" has a different version of the game then you."));
    });
    d.add(w::wrongversion, line("You have a differnt version of the game then the host."));
    d.add(w::existingplayers, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::ExistingPlayers>(a)) seats_->newplayerinfo(*m);
    });
    d.add(w::playerdisconnected, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::PlayerDisconnected>(a)) seats_->playerdisconnected(*m);
    });
    d.add(w::startgame, [this](std::string_view a) { flow_->startthegame(a); });
    d.add(w::nextplayer, [this](std::string_view a) { flow_->getnextplayer(a); });
    d.add(w::winner, [this](std::string_view a) { flow_->winner(a); });
    d.add(w::full, [this](std::string_view) { full(); });
    d.add(w::justwatching, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::JustWatching>(a)) seats_->justwatching(*m);
    });
    d.add(w::yourtiles, [this](std::string_view a) { yourtiles(a); });
    d.add(w::startround, [this](std::string_view a) { flow_->startround(a); });
    d.add(w::placehistile, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::PlaceHisTile>(a)) board_->placehistile(*m);
    });
    d.add(w::freecard, [this](std::string_view a) { freecard(a); });
    d.add(w::swaptiles, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::SwapTiles>(a)) board_->swaptiles(*m);
    });
    d.add(w::undothem, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::UndoThem>(a)) board_->undothem(*m);
    });
    d.add(w::showdraw, [this](std::string_view a) { turn_->showdraw(a); });
    d.add(w::askpenalty, [this](std::string_view a) { turn_->askpenalty(a); });
    d.add(w::endround, [this](std::string_view a) { flow_->endround(a); });
    d.add(w::nomoreroom, line("You cannot hold anymore tiles"));
    d.add(w::nomoretiles, line("There are no tiles left"));
    d.add(w::movedtiles, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::MovedTiles>(a)) board_->movedtiles(*m);
    });
    d.add(w::removetile, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::RemoveTile>(a)) board_->removetile(m->column, m->row);
    });
    d.add(w::loadstats, [this](std::string_view a) { flow_->loadstats(a); });
    d.add(w::loadboard, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::LoadBoard>(a)) loadboard(*m);
    });
    d.add(w::notime, [this](std::string_view a) { flow_->notime(a); });
    d.add(w::notenough, [this](std::string_view a) { turn_->notenough(a); });
    d.add(w::incomplete, [this](std::string_view a) { turn_->incomplete(a, board_->badSetReason()); });
    d.add(w::gamepause, [this](std::string_view a) { turn_->gamepause(a); });
    d.add(w::playasound, [this](std::string_view a) { chatter_->playasound(a); });
    d.add(w::hints, [this](std::string_view a) { hints_->hints(a); });
    d.add(w::shufflecommit, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::ShuffleCommit>(a)) shuffle_.commit(m->digest);
    });
    d.add(w::shufflereveal, [this](std::string_view a) {
        const auto m = protocol::decode<in::ShuffleReveal>(a);
        if (!m) return;
        if (const QString verdict = shuffle_.reveal(m->seed); !verdict.isEmpty()) systemLine(verdict);
    });
    buildTableDispatch();
    d.add(w::closing, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::Closing>(a)) closingReason_ = m->reason;
    });
}

void Tchat::handleCommand(std::string_view entry) {
    dispatcher_.dispatch(entry);
}

void Tchat::yourtiles(std::string_view args) {
    const auto m = protocol::decode<in::YourTiles>(args);
    if (!m || m->seat != state_.myslot) return;
    shuffle_.dealt(m->seat, m->cells);
    rack_->yourtiles(m->cells);
}

void Tchat::freecard(std::string_view args) {
    const auto m = protocol::decode<in::FreeCard>(args);
    if (!m || m->seat != state_.myslot) return;
    rack_->freecard(m->cell);
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
    const QString text = QStringLiteral("Game is full");
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
