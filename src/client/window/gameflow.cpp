// The game's course as the server tells it: games, rounds and turns on the panel's parts.

#include "gameflow.h"

#include "client/net/clientstate.h"
#include "client/net/wiretext.h"
#include "client/play/boardview.h"
#include "client/play/hints.h"
#include "client/play/rackview.h"
#include "client/seats/gameinfo.h"
#include "client/seats/roundsummary.h"
#include "client/sound/soundcues.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"

#include "protocol/fields.h"
#include "tally/tally.h"

namespace client {

namespace {

namespace in = protocol::toclient;

} // namespace

GameFlow::GameFlow(QObject* parent, Parts parts)
    : QObject(parent), state_(*parts.state), table_(parts.table), info_(parts.info), turn_(parts.turn),
      board_(parts.board), rack_(parts.rack), summary_(parts.summary), sounds_(parts.sounds),
      hints_(parts.hints), send_(std::move(parts.send)), systemLine_(std::move(parts.systemLine)) {
    connectTurnControls();
    connect(turn_, &TurnControls::clockOverrun, this, [this] {
        state_.turnslot = 0;
        turn_->hideTurnButtons();
        turn_->setIndicatorShown(false);
        hints_->refresh();
    });
    // The winner's plaque waits behind a round summary that names the winner already.
    connect(summary_, &RoundSummary::closedByPlayer, this, [this] {
        if (!winner_.isEmpty()) info_->showWinner(winner_);
    });
}

void GameFlow::play(const QString& cue) {
    sounds_->play(cue);
}

void GameFlow::clearall() {
    summary_->close();
    table_->rack().clear();
    board_->cleartheboard();
    table_->clearCounts();
}

void GameFlow::cleartheboard() {
    board_->cleartheboard();
}

void GameFlow::applyOptions(int seconds, bool asClock, bool timepenalty, bool teamgame) {
    state_.turnseconds = seconds;
    // A turn of 0 seconds (or less) has no time bar.
    state_.barscale = seconds > 0 ? TurnControls::kBarWidth / seconds : 0;
    turn_->setBarScale(state_.barscale);
    info_->setTimePerTurn(seconds, asClock);
    info_->setTimePenalty(timepenalty);
    info_->setTeamGame(teamgame);
    state_.clientteamgame = teamgame;
}

void GameFlow::startthegame(const in::StartGame& m) {
    const QString starter = wireText(m.hostname);
    const bool tg = m.teamgame;
    for (int seat : {3, 4})
        if (table_->computerNamed(seat)) table_->setName(seat, Table::kWaiting);
    turn_->setPauseDown(false);
    turn_->setPausedLook(false);
    turn_->setStartShown(false);
    turn_->clearLog();
    turn_->hidePrompts();
    turn_->hideTurnButtons();
    emit gameStarted();
    info_->hideWinner();
    winner_.clear();
    clearall();
    gameOn_ = true;
    lastTurn_ = 0;
    info_->setPlayToScore(m.target);
    applyOptions(m.seconds, true, m.timepenalty, tg);
    if (tg) {
        for (int seat : {3, 4})
            if (table_->waiting(seat)) table_->setComputer(seat);
    }
    if (!state_.seated())
        systemLine(tr("%1 has started a game.").arg(starter));
    else if (table_->name(state_.myslot) == starter)
        systemLine(tr("You have started a game."));
    else
        systemLine(tr("%1 has started a game.").arg(starter));
    systemLine(tr("Starting with %1 tiles.").arg(m.tiles));
    if (table_->waiting(2)) table_->setComputer(2);
}

void GameFlow::startround(const in::StartRound& m) {
    for (int seat = 1; seat <= 4; ++seat)
        table_->setScore(seat, QString::number(m.scores[static_cast<std::size_t>(seat - 1)]));
    for (int seat : {3, 4})
        table_->setSitout(seat, table_->waiting(seat));
    rack_->setSitoutShown(false);
    board_->clearthisturn();
    table_->rack().clear();
    cleartheboard();
    board_->newRound();
    summary_->close();
    hints_->forget();
}

void GameFlow::getnextplayer(const in::NextPlayer& m) {
    const int turn = m.seat;
    tellTilesTaken(m);
    lastTurn_ = turn;
    state_.turnslot = turn;
    state_.tilesleft = m.tilesleft;
    info_->setTilesLeft(m.tilesleft);
    for (const protocol::SeatCount& seat : m.seats) {
        table_->setScore(seat.seat, QString::number(seat.score));
        table_->setCards(seat.seat, QString::number(seat.tilecount));
        // A seat nobody holds that has tiles is played by the computer (the host may ask for more
        // computer opponents than seat 2): it shows the computer's name, not an empty seat.
        if (seat.tilecount > 0 && table_->waiting(seat.seat)) {
            table_->setComputer(seat.seat);
            if (seat.seat >= 3) table_->setSitout(seat.seat, false);
        }
    }
    table_->setTurn(turn);
    board_->setOutlinesShown(true);
    if (state_.myTurn()) board_->newTurn();
    // Whose turn it is follows the slot numbers: two players may share a name.
    if (state_.myTurn()) {
        turn_->announce(TurnControls::yourTurnText());
        emit ownTurnStarted();
        play(turnsound_ == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
        turn_->setPauseEnabled(true);
        turn_->setTurnButtons(true, false, false);
        turn_->setIndicatorShown(true);
    } else {
        turn_->setStatus(tr("%1's turn.").arg(table_->name(turn)));
        if (!state_.powers) turn_->setPauseEnabled(false);
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
void GameFlow::tellTilesTaken(const protocol::toclient::NextPlayer& m) {
    for (const protocol::SeatCount& seat : m.seats) {
        bool known = false;
        const int before = table_->seat(seat.seat).cards.toInt(&known);
        if (seat.seat != lastTurn_ || !known || seat.tilecount <= before) continue;
        const int taken = seat.tilecount - before;
        const QString name = table_->name(seat.seat);
        const QString text = taken == 1 ? tr("%1 drew a tile.").arg(name)
                                        : tr("%1 took a %2 tile penalty.").arg(name).arg(taken);
        turn_->setPlayed(text);
        turn_->addLog(text);
    }
}

void GameFlow::loadstats(const in::LoadStats& m) {
    state_.turnslot = m.turnseat;
    gameOn_ = true;
    lastTurn_ = m.turnseat;
    // Whose turn it is shows at once, not only from the next turn on.
    table_->setTurn(m.turnseat);
    if (m.turnseat != 0 && m.turnseat != state_.myslot)
        turn_->setStatus(tr("%1's turn.").arg(table_->name(m.turnseat)));
    info_->setPlayToScore(m.target);
    applyOptions(m.seconds, false, m.timepenalty, m.teamgame);
    // Joined during a round: whether this seat has laid down, as the server says (a server that does
    // not say is taken to mean not yet).
    if (state_.seated()) board_->joinedRound(m.opened.value_or(false));
    for (const protocol::SeatStats& seat : m.seats) {
        table_->setScore(seat.seat, QString::number(seat.score));
        table_->setCards(seat.seat, QString::number(seat.tilecount));
        if (seat.justwatching) table_->setWatching(seat.seat, true);
        if (seat.notplaying) {
            table_->setSitout(seat.seat, true);
            if (seat.seat == state_.myslot) rack_->setSitoutShown(true);
        }
    }
}

void GameFlow::endround(const in::EndRound& m) {
    const int out = m.winner;
    turn_->hideTurnButtons();
    turn_->hidePrompts();
    turn_->setIndicatorShown(false);
    turn_->resetClock();
    state_.turnslot = 0;
    lastTurn_ = 0;
    board_->setOutlinesShown(false);
    hints_->forget();
    hints_->refresh();
    for (const protocol::SeatResult& seat : m.seats) {
        table_->setScore(seat.seat, QString::number(seat.score));
        table_->setBonus(seat.seat, QString::number(seat.points));
        table_->setCards(seat.seat, QString::number(seat.tilecount));
    }
    table_->setTurn(0);
    if (out == 0)
        turn_->announce(tr("The Round Ended in a Draw."));
    else if (out == state_.myslot)
        turn_->announce(tr(" You are out of tiles! The Round is Over."));
    else
        turn_->announce(tr("%1 is out of tiles! The Round is Over.").arg(table_->name(out)));
    std::vector<RoundSummary::Line> lines;
    for (const protocol::SeatResult& seat : m.seats) {
        const QString name = state_.isSeat(seat.seat) ? table_->name(seat.seat) : QString();
        if (!name.isEmpty() && name != Table::kWaiting)
            lines.push_back({name, seat.tilecount, seat.points, seat.score});
    }
    summary_->showResult(turn_->status().trimmed(), lines);
    play(QStringLiteral("roundover"));
}

void GameFlow::winner(const in::Winner& m) {
    const QString name = wireText(m.name);
    play(QStringLiteral("winner"));
    turn_->hideTurnButtons();
    turn_->setIndicatorShown(false);
    turn_->stopClock();
    const QString own = state_.seated() ? table_->name(state_.myslot) : QString();
    // "You" is the solo player's own name; a remote player who calls himself "You" has not made us win.
    const bool ownWin = !own.isEmpty() && own == name;
    const QString banner = name == QLatin1String("You") && ownWin ? tr("You have won the game!")
                                                                  : tr("%1 has Won the Game!").arg(name);
    summary_->gameOver(banner);
    if (summary_->isHidden())
        info_->showWinner(banner);
    else
        winner_ = banner; // shown when the summary is closed

    systemLine(banner);
    if (state_.powers) turn_->setStartShown(true);
    gameOn_ = false;
    if (state_.seated()) emit gameRecorded(ownWin ? QString::fromLatin1(tally::kOwnWin) : name);
}

void GameFlow::clearGame() {
    state_.turnslot = 0;
    state_.clientteamgame = false;
    gameOn_ = false;
    lastTurn_ = 0;
    clearall();
    table_->clearSeats();
    turn_->clearTurn();
    info_->hideWinner();
    winner_.clear();
    info_->setTeamGame(false);
    info_->setTilesLeft(0);
}

void GameFlow::stopTurn() {
    state_.turnslot = 0;
    turn_->stopClock();
    turn_->hideTurnButtons();
    hints_->refresh();
}

} // namespace client
