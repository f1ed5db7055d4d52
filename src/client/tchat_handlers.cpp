// The receive side: the dispatch table and the handlers that mirror the seats and the game state.

#include "tchat.h"

#include "boardview.h"
#include "chattersounds.h"
#include "chatview.h"
#include "gameinfo.h"
#include "hints.h"
#include "rackview.h"
#include "roundsummary.h"
#include "seatdisplay.h"
#include "soundcues.h"
#include "turncontrols.h"

#include "protocol/fields.h"
#include "protocol/messages.h"
#include "tally/tally.h"
#include "windows/tspylist.h"

#include <QAction>
#include <QMessageBox>

namespace client {

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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
    d.add(w::newplayerinfo, [this](std::string_view a) { newplayerinfo(a); });
    d.add(w::havewrongversion, [this](std::string_view a) {
        systemLine(text(a) + QStringLiteral(" has a different version of the game then you."));
    });
    d.add(w::wrongversion, line("You have a differnt version of the game then the host."));
    d.add(w::existingplayers, [this](std::string_view a) { newplayerinfo(a); });
    d.add(w::playerdisconnected, [this](std::string_view a) { playerdisconnected(a); });
    d.add(w::startgame, [this](std::string_view a) { startthegame(a); });
    d.add(w::nextplayer, [this](std::string_view a) { getnextplayer(a); });
    d.add(w::winner, [this](std::string_view a) { winner(a); });
    d.add(w::full, [this](std::string_view) { full(); });
    d.add(w::justwatching, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::JustWatching>(a)) seats_->justwatching(*m);
    });
    d.add(w::yourtiles, [this](std::string_view a) { yourtiles(a); });
    d.add(w::startround, [this](std::string_view a) { startround(a); });
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
    d.add(w::endround, [this](std::string_view a) { endround(a); });
    d.add(w::nomoreroom, line("You cannot hold anymore tiles"));
    d.add(w::nomoretiles, line("There are no tiles left"));
    d.add(w::movedtiles, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::MovedTiles>(a)) board_->movedtiles(*m);
    });
    d.add(w::removetile, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::RemoveTile>(a)) board_->removetile(m->column, m->row);
    });
    d.add(w::loadstats, [this](std::string_view a) { loadstats(a); });
    d.add(w::loadboard, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::LoadBoard>(a)) loadboard(*m);
    });
    d.add(w::notime, [this](std::string_view a) { notime(a); });
    d.add(w::notenough, [this](std::string_view a) { turn_->notenough(a); });
    d.add(w::incomplete, [this](std::string_view a) { turn_->incomplete(a); });
    d.add(w::gamepause, [this](std::string_view a) { turn_->gamepause(a); });
    d.add(w::playasound, [this](std::string_view a) { chatter_->playasound(a); });
    d.add(w::hints, [this](std::string_view a) { hints_->hints(a); });
}

void Tchat::handleCommand(std::string_view entry) {
    dispatcher_.dispatch(entry);
}

void Tchat::yourtiles(std::string_view args) {
    const auto m = protocol::decode<in::YourTiles>(args);
    if (!m || m->seat != state_.myslot) return;
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
    state_.myslot = *slot;
    state_.loggedin = true;
    protocol::toserver::LoginInfo login;
    login.slot = state_.myslot;
    login.version = version_.toStdString();
    login.name = protocol::FreeText(state_.playername.toStdString());
    send(protocol::encode(login));
}

// A login announced to all, or the list of those already there: the same slot, name, watching triples.
void Tchat::newplayerinfo(std::string_view args) {
    const auto m = protocol::decode<in::ExistingPlayers>(args);
    if (!m) return;
    for (const protocol::PlayerEntry& player : m->players) {
        const int slot = player.slot;
        const QString name = text(player.name);
        if (slot == state_.myslot) {
            systemLine(QStringLiteral("You are Connected."));
            loadinifile();
        } else {
            systemLine(name + QStringLiteral(" is Connected."));
        }
        if (state_.isSeat(slot)) {
            seats_->setName(slot, name);
            if (player.justwatching == 1) seats_->setEyes(slot, true);
        } else {
            if (windows_.spylist) windows_.spylist->addEntry(slot, name);
            systemLine(slot == state_.myslot ? QStringLiteral("You are spying.")
                                             : name + QStringLiteral(" is spying."));
        }
    }
    play(QStringLiteral("entered"));
}

void Tchat::playerdisconnected(std::string_view args) {
    const auto m = protocol::decode<in::PlayerDisconnected>(args);
    if (!m) return;
    const int slot = m->slot;
    const QString name = text(m->name);
    if (state_.isSeat(slot)) {
        seats_->seatLeft(slot);
        return;
    }
    const QString entry = windows::Tspylist::entryText(slot, name);
    if (windows_.spylist && windows_.spylist->removeEntry(entry))
        systemLine(name + QStringLiteral(" has left."));
}

void Tchat::applyOptions(int seconds, bool asClock, bool timepenalty, bool teamgame) {
    state_.turnseconds = seconds;
    // A turn of 0 seconds (or less) has no time bar.
    state_.barscale = seconds > 0 ? 184 / seconds : 0;
    turn_->setBarScale(state_.barscale);
    info_->setTimePerTurn(seconds, asClock);
    info_->setTimePenalty(timepenalty);
    info_->setTeamGame(teamgame);
    state_.clientteamgame = teamgame;
}

void Tchat::startthegame(std::string_view args) {
    const auto m = protocol::decode<in::StartGame>(args);
    if (!m) return;
    const QString starter = text(m->hostname);
    const bool tg = m->teamgame;
    for (int seat : {3, 4})
        if (seats_->showsHint(seat)) seats_->setName(seat, SeatDisplay::kWaiting);
    turn_->setPauseDown(false);
    turn_->setPausedLook(false);
    turn_->setStartShown(false);
    turn_->clearLog();
    turn_->hidePrompts();
    turn_->hideTurnButtons();
    if (QAction* a = action("JustWatch1")) a->setChecked(false);
    info_->hideWinner();
    clearall();
    gameOn_ = true;
    lastTurn_ = 0;
    info_->setPlayToScore(m->target);
    applyOptions(m->seconds, true, m->timepenalty, tg);
    if (tg) {
        for (int seat : {3, 4})
            if (seats_->showsWaiting(seat)) seats_->showHint(seat);
    }
    if (!state_.seated())
        systemLine(starter + QStringLiteral(" has started a game."));
    else if (seats_->shownName(state_.myslot) == starter)
        systemLine(QStringLiteral("You have started a game."));
    else
        systemLine(starter + QStringLiteral(" has started a game."));
    systemLine(QStringLiteral("Starting with %1 tiles.").arg(m->tiles));
    if (seats_->showsWaiting(2)) seats_->showHint(2);
}

void Tchat::startround(std::string_view args) {
    const auto m = protocol::decode<in::StartRound>(args);
    if (!m) return;
    for (int seat = 1; seat <= 4; ++seat)
        seats_->setScore(seat, QString::number(m->scores[static_cast<std::size_t>(seat - 1)]));
    for (int seat : {3, 4})
        seats_->setSitout(seat, seats_->showsWaiting(seat));
    rack_->setSitoutShown(false);
    board_->clearthisturn();
    rack_->clearallcards();
    cleartheboard();
    board_->newRound();
    summary_->close();
    hints_->forget();
}

void Tchat::getnextplayer(std::string_view args) {
    const auto m = protocol::decode<in::NextPlayer>(args);
    if (!m) return;
    const int turn = m->seat;
    tellTilesTaken(*m);
    lastTurn_ = turn;
    state_.turnslot = turn;
    state_.tilesleft = m->tilesleft;
    info_->setTilesLeft(m->tilesleft);
    for (const protocol::SeatCount& seat : m->seats) {
        seats_->setScore(seat.seat, QString::number(seat.score));
        seats_->setCards(seat.seat, QString::number(seat.tilecount));
        // A seat nobody holds that has tiles is played by the computer (the host may ask for more
        // computer opponents than seat 2): it shows the computer's name, not an empty seat.
        if (seat.tilecount > 0 && seats_->showsWaiting(seat.seat)) {
            seats_->showHint(seat.seat);
            if (seat.seat >= 3) seats_->setSitout(seat.seat, false);
        }
    }
    seats_->markTurn(turn);
    board_->setOutlinesShown(true);
    if (state_.myTurn()) board_->newTurn();
    // Whose turn it is follows the slot numbers: two players may share a name.
    if (state_.myTurn()) {
        turn_->setStatus(TurnControls::kYourTurn);
        play(turnsound_ == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
        turn_->setPauseEnabled(true);
        turn_->setTurnButtons(true, false, false);
        turn_->setIndicatorShown(true);
    } else {
        turn_->setStatus(seats_->shownName(turn) + QStringLiteral("'s turn."));
        if (!state_.ishost) turn_->setPauseEnabled(false);
        turn_->hideTurnButtons();
        turn_->setIndicatorShown(false);
    }
    turn_->setIndicatorBlinking(false);
    turn_->addLog(QString());
    turn_->addLog(turn_->status());
    turn_->startClock(state_.turnseconds);
    hints_->forget();
    hints_->refresh();
}

// The seat whose turn just ended holds more tiles than when its turn began: it drew a tile, or took
// a penalty (three tiles, or what the pool had left).
void Tchat::tellTilesTaken(const protocol::toclient::NextPlayer& m) {
    for (const protocol::SeatCount& seat : m.seats) {
        bool known = false;
        const int before = seats_->cards(seat.seat).toInt(&known);
        if (seat.seat != lastTurn_ || !known || seat.tilecount <= before) continue;
        const int taken = seat.tilecount - before;
        const QString name = seats_->shownName(seat.seat);
        const QString text = taken == 1 ? name + QStringLiteral(" drew a tile.")
                                        : name + QStringLiteral(" took a %1 tile penalty.").arg(taken);
        turn_->setPlayed(text);
        turn_->addLog(text);
    }
}

void Tchat::loadstats(std::string_view args) {
    const auto m = protocol::decode<in::LoadStats>(args);
    if (!m) return;
    state_.turnslot = m->turnseat;
    gameOn_ = true;
    lastTurn_ = m->turnseat;
    info_->setPlayToScore(m->target);
    applyOptions(m->seconds, false, m->timepenalty, m->teamgame);
    for (const protocol::SeatStats& seat : m->seats) {
        seats_->setScore(seat.seat, QString::number(seat.score));
        seats_->setCards(seat.seat, QString::number(seat.tilecount));
        if (seat.justwatching) seats_->setEyes(seat.seat, true);
        if (seat.notplaying) {
            seats_->setSitout(seat.seat, true);
            if (seat.seat == state_.myslot) rack_->setSitoutShown(true);
        }
    }
}

void Tchat::endround(std::string_view args) {
    const auto m = protocol::decode<in::EndRound>(args);
    if (!m) return;
    const int out = m->winner;
    turn_->hideTurnButtons();
    turn_->hidePrompts();
    turn_->setIndicatorShown(false);
    turn_->resetClock();
    state_.turnslot = 0;
    lastTurn_ = 0;
    board_->setOutlinesShown(false);
    hints_->forget();
    hints_->refresh();
    for (const protocol::SeatResult& seat : m->seats) {
        seats_->setScore(seat.seat, QString::number(seat.score));
        seats_->setBonus(seat.seat, QString::number(seat.points));
        seats_->setCards(seat.seat, QString::number(seat.tilecount));
    }
    seats_->markTurn(0);
    if (out == 0)
        turn_->setStatus(QStringLiteral("The Round Ended in a Draw."));
    else if (out == state_.myslot)
        turn_->setStatus(QStringLiteral(" You are out of tiles! The Round is Over."));
    else
        turn_->setStatus(seats_->shownName(out) + QStringLiteral(" is out of tiles! The Round is Over."));
    std::vector<RoundSummary::Line> lines;
    for (const protocol::SeatResult& seat : m->seats) {
        const QString name = state_.isSeat(seat.seat) ? seats_->shownName(seat.seat) : QString();
        if (!name.isEmpty() && name != SeatDisplay::kWaiting)
            lines.push_back({name, seat.tilecount, seat.points, seat.score});
    }
    summary_->showResult(turn_->status().trimmed(), lines);
    play(QStringLiteral("roundover"));
}

void Tchat::winner(std::string_view args) {
    const auto m = protocol::decode<in::Winner>(args);
    if (!m) return;
    const QString name = text(m->name);
    play(QStringLiteral("winner"));
    summary_->gameOver();
    turn_->hideTurnButtons();
    turn_->setIndicatorShown(false);
    turn_->stopClock();
    const QString own = state_.seated() ? seats_->shownName(state_.myslot) : QString();
    // "You" is the solo player's own name; a remote player who calls himself "You" has not made us win.
    const bool ownWin = !own.isEmpty() && own == name;
    const QString banner = name == QLatin1String("You") && ownWin
                               ? QStringLiteral("You have won the game!")
                               : name + QStringLiteral(" has Won the Game!");
    info_->showWinner(banner);
    systemLine(banner);
    if (state_.ishost) turn_->setStartShown(true);
    gameOn_ = false;
    if (state_.seated()) emit gameRecorded(ownWin ? QString::fromLatin1(tally::kOwnWin) : name);
}

void Tchat::full() {
    if (full_) return;
    full_ = true;
    // The server closes a refused connection at once; whatever else it sent is not for us.
    connection_.halt();
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
