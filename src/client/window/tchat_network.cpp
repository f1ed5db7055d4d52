// The main window's game connection: the start-up roles, hosting and joining from the window, a
// connect that fails, and the end of a connection.

#include "tchat.h"

#include "client/play/heldpicture.h"
#include "client/play/hints.h"
#include "client/seats/gameinfo.h"
#include "client/seats/seatdisplay.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"
#include "gameflow.h"

#include "protocol/fields.h"
#include "protocol/text.h"
#include "protocol/words.h"
#include "windows/hostdialog.h"
#include "windows/joindialog.h"
#include "windows/netaddress.h"
#include "windows/tdownload.h"
#include "windows/tgamestart.h"
#include "windows/tspylist.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>

namespace client {

namespace {

constexpr int kLoginMs = 10000;

QString cleanPlayerName(const QString& name) {
    const QString clean = QString::fromStdString(protocol::cleanName(name.trimmed().toStdString()));
    return clean.isEmpty() ? QStringLiteral("Player") : clean;
}

} // namespace

void Tchat::setUpConnection() {
    logintimer_.setParent(this); // found by name, like the window's other parts
    logintimer_.setObjectName(QStringLiteral("logintimer"));
    logintimer_.setSingleShot(true);
    logintimer_.setInterval(kLoginMs);
    connect(&logintimer_, &QTimer::timeout, this, &Tchat::logintimerTimer);
    handleCommandsOf(*connection_);
    attachConnection(*connection_);
    connect(seats_, &SeatDisplay::peopleChanged, this, [this] {
        if (windows_.gamestart.built()) windows_.gamestart->setSeatTwoHeld(seats_->personIn(2));
    });
}

// Commands from `c` go to the dispatch while it is the game connection, and to the join's first step
// while it is a join in progress (one handler for both: it is never replaced while it runs).
void Tchat::handleCommandsOf(GameConnection& c) {
    c.setCommandHandler([this, from = &c](std::string_view entry) {
        if (from == joining_.get())
            joiningCommand(entry);
        else
            handleCommand(entry);
    });
}

// `c` becomes the game connection: its end goes to connectionClosed.
void Tchat::attachConnection(GameConnection& c) {
    connect(&c, &GameConnection::closed, this, &Tchat::connectionClosed);
    connect(&c.socket(), &QAbstractSocket::errorOccurred, this, &Tchat::socketError);
}

// A connection this window no longer uses: it says and handles nothing more, and goes once the event
// that got here has been handled (one of its own handlers may be running).
void Tchat::retire(std::unique_ptr<GameConnection> c) {
    if (!c) return;
    disconnect(c.get(), nullptr, this, nullptr);
    disconnect(&c->socket(), nullptr, this, nullptr);
    c->halt();
    c.release()->deleteLater();
}

void Tchat::attachNetworkWindows() {
    const Windows& w = windows_;
    // Each ends the game this window is in: the player confirms first when that loses something.
    w.hostDialog.whenBuilt([this](windows::HostDialog* dialog) {
        connect(dialog, &windows::HostDialog::hostRequested, this, [this](const QString& name, quint16 port) {
            confirmLeaving(tr("Host"), [this, name, port] { hostGame(name, port); });
        });
        connect(dialog, &windows::HostDialog::stopRequested, this, &Tchat::stopHosting);
    });
    w.joinDialog.whenBuilt([this](windows::JoinDialog* dialog) {
        connect(dialog, &windows::JoinDialog::joinRequested, this,
                [this](const QString& name, const QString& host, quint16 port) {
                    confirmLeaving(tr("Join"), [=, this] { joinGame(name, host, port); });
                });
        attachTableLobby(dialog);
    });
    w.download.whenBuilt([this](windows::Tdownload* download) {
        connect(download, &windows::Tdownload::hostRequested, this, &Tchat::openHostDialog);
        connect(download, &windows::Tdownload::joinRequested, this, &Tchat::openJoinDialog);
        connect(download, &windows::Tdownload::dontShowAgainChanged, this, [this](bool dontShow) {
            NetworkSettings n = settings_.loadNetwork();
            n.showlobby = !dontShow;
            saveNetwork(n);
        });
    });
    w.gamestart.whenBuilt([this](windows::Tgamestart* gamestart) {
        gamestart->setSeatTwoHeld(seats_->personIn(2));
        connect(gamestart, &windows::Tgamestart::optionsChanged, this, &Tchat::showNextGameOptions);
        connect(gamestart, &windows::Tgamestart::optionsChanged, this,
                [this](const windows::Tgamestart::Options& o) {
                    emit computerOpponentsChanged(o.opponents);
                    showComputerLevel(o.level);
                    emit computerLevelChanged(o.level);
                });
    });
}

int Tchat::computerOpponents() const {
    return windows_.gamestart ? windows_.gamestart->options().opponents : 0;
}

int Tchat::computerLevel() const {
    return windows_.gamestart ? windows_.gamestart->options().level : protocol::kClassicLevel;
}

void Tchat::processparams(const QStringList& args) {
    turn_->setStartShown(false);
    if (QAction* a = action("StartGame1")) a->setEnabled(false);
    const StartRole role = readArguments(args, gamePort_);
    switch (role.kind) {
    case StartRole::Solo:
        systemLine(tr("Loading Solo Game..Please wait."));
        systemLine(tr("To play with friends, choose Host a Game… or Join a Game… in the Game menu."));
        if (windows_.download) {
            const NetworkSettings n = settings_.loadNetwork();
            windows_.download->setUrl(QUrl(n.lobbyurl));
            windows_.download->setDontShowAgain(!n.showlobby);
            if (n.showlobby) windows_.download->showCentred();
        }
        break;
    case StartRole::Waiting:
        systemLine(tr("Loading Multi-player Game.. Please Wait."));
        return;
    case StartRole::Host:
    case StartRole::Join:
        systemLine(tr("Loading Multi-player Game.. Please Wait."));
        break;
    }
    state_.playername = role.playername;
    state_.hostaddress = role.hostaddress;
    hostPort_ = role.port;
    targetPort_ = role.port;
    solo_ = role.kind == StartRole::Solo;
    tableCode_ = role.kind == StartRole::Join ? role.tablecode : QString();
    tableAsked_ = false;
    if (role.kind == StartRole::Join) {
        joinpress();
    } else if (solo_) {
        hostSolo();
    } else {
        hostpress();
    }
    if (role.opensLobbyLink)
        sock11_.connectToHost(QStringLiteral("127.0.0.1"), lobbyPort_); // failure ignored
}

// Starts this window's server: the window's own connection gets its local port first, so that the
// server keeps slot 1 for it from the moment it listens.
bool Tchat::startHosting(quint16 port, bool loopbackOnly) {
    hostError_.clear();
    const quint16 own = connection_->bindLoopback();
    if (startServer_) {
        port = startServer_(HostRequest{port, loopbackOnly, own}, &hostError_);
        if (port == 0) {
            connection_->shut();
            return false;
        }
    }
    hostPort_ = port;
    return true;
}

void Tchat::hostpress() {
    // Connecting anyway would seat this player in whatever game holds the port.
    if (!startHosting(hostPort_, false)) {
        systemLine(tr("The game could not be hosted: %1").arg(hostError_));
        return;
    }
    hostConnect();
}

// A game for this player alone: nobody else's, so it listens on this computer's own address only.
void Tchat::hostSolo() {
    solo_ = true;
    state_.playername = QStringLiteral("You");
    state_.hostaddress = QStringLiteral("127.0.0.1");
    // It needs no particular port: when another game holds it, any free one will do.
    if (startHosting(gamePort_, true) || startHosting(0, true))
        hostConnect();
    else
        systemLine(tr("The game could not be hosted: %1").arg(hostError_));
}

void Tchat::playSolo() {
    leaveGame();
    systemLine(tr("Loading Solo Game..Please wait."));
    hostSolo();
}

void Tchat::stopHosting() {
    if (!state_.ishost || solo_) return;
    confirmLeaving(tr("Stop Hosting"), [this] {
        playSolo();
        const NetworkSettings n = settings_.loadNetwork();
        if (windows_.hostDialog) windows_.hostDialog->prepare(n.playername, n.hostport);
    });
}

void Tchat::hostConnect() {
    state_.ishost = true;
    openConnection(QStringLiteral("127.0.0.1"), hostPort_);
    showHostControls(true);
}

void Tchat::joinpress() {
    openConnection(state_.hostaddress, targetPort_);
    showJoinerControls();
}

void Tchat::showJoinerControls() {
    state_.ishost = false;
    showHostControls(false);
}

// Start, the next game's options, removing players and pausing belong to the window that holds the
// host's powers: the one that hosts, or the one a table server gives them to.
void Tchat::showHostControls(bool on) {
    state_.powers = on;
    turn_->setStartShown(on && !flow_->gameOn());
    if (QAction* a = action("StartGame1")) a->setEnabled(on);
    if (windows_.spylist) windows_.spylist->setKickEnabled(on);
    if (on) turn_->setPauseEnabled(true);
    setHostOptionsEnabled(on);
    if (on)
        showNextGameOptions();
    else
        info_->setOptionsUnknown(); // what the next game will be is the host's choice, told when it starts
}

void Tchat::openConnection(const QString& host, quint16 port) {
    targetHost_ = host;
    targetPort_ = port;
    remoteClosed_ = false;
    closingReason_ = 0;
    if (connectBox_) connectBox_->close();
    connection_->open(host, port);
    logintimer_.start();
}

void Tchat::openHostDialog() {
    windows::HostDialog* dialog = windows_.hostDialog.get();
    if (!dialog) return;
    const NetworkSettings n = settings_.loadNetwork();
    // While this window hosts for others the dialog shows where to find the game.
    if (state_.ishost && !solo_) {
        dialog->prepare(state_.playername, hostPort_);
        dialog->showHosting(windows::localAddresses(), hostPort_);
    } else {
        dialog->prepare(n.playername, n.hostport);
    }
    dialog->showOver(this);
}

void Tchat::openJoinDialog() {
    if (!windows_.joinDialog) return;
    const NetworkSettings n = settings_.loadNetwork();
    windows_.joinDialog->prepare(n.playername, n.recenthosts, windows::kGamePort);
    windows_.joinDialog->showOver(this);
}

void Tchat::hostGame(const QString& name, quint16 port) {
    // A game this window hosts for others goes on until the player stops it (Stop Hosting).
    if (state_.ishost && !solo_ && state_.loggedin) return;
    // A port something else holds is found before the game in progress is given up for it.
    const bool ownPort = state_.ishost && port == hostPort_;
    if (const QString problem = ownPort ? QString() : windows::listenProblem(port); !problem.isEmpty()) {
        if (windows_.hostDialog) windows_.hostDialog->showBusy(port, problem, windows::freePortAfter(port));
        return;
    }
    const QString player = cleanPlayerName(name);
    NetworkSettings n = settings_.loadNetwork();
    n.playername = player;
    n.hostport = port;
    saveNetwork(n);
    leaveGame();
    state_.playername = player;
    state_.hostaddress = QStringLiteral("127.0.0.1");
    hostPort_ = port;
    systemLine(tr("Hosting a game on port %1…").arg(port));
    hostpress();
    if (!state_.ishost) {
        if (windows_.hostDialog)
            windows_.hostDialog->showBusy(port, hostError_, windows::freePortAfter(port));
        return;
    }
    if (windows_.hostDialog) windows_.hostDialog->showHosting(windows::localAddresses(), hostPort_);
    showGameAddresses();
}

// The game this window is in goes on while the new connection is made; it ends when the new game has
// given this window a slot, and stays when the join fails.
void Tchat::joinGame(const QString& name, const QString& host, quint16 port) {
    rememberJoin(name, host, port);
    systemLine(tr("Joining a game at: %1…").arg(windows::hostPortText(host, port)));
    openJoining();
}

// The player's name and the server joined are remembered (the server with the recent hosts).
void Tchat::rememberJoin(const QString& name, const QString& host, quint16 port) {
    const QString player = cleanPlayerName(name);
    NetworkSettings n = settings_.loadNetwork();
    n.playername = player;
    n.recenthosts = windows::withRecentHost(n.recenthosts, windows::hostPortText(host, port),
                                            NetworkSettings::kRecentHosts);
    saveNetwork(n);
    joinName_ = player;
    joinHost_ = host;
    joinPort_ = port;
}

void Tchat::openJoining() {
    if (connectBox_) connectBox_->close();
    retire(std::move(joining_));
    joining_ = std::make_unique<GameConnection>();
    GameConnection* c = joining_.get();
    c->setSink(connection_->sink());
    handleCommandsOf(*c);
    connect(c, &GameConnection::closed, this,
            [this] { joiningFailed(tr("the host closed the connection")); });
    connect(&c->socket(), &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // A close by the host is reported once what it sent before has been handled.
        if (error != QAbstractSocket::RemoteHostClosedError && joining_)
            joiningFailed(joining_->socket().errorString());
    });
    c->open(joinHost_, joinPort_);
    logintimer_.start();
}

// The new game's first word: a slot for this window (it moves there), or no room.
void Tchat::joiningCommand(std::string_view entry) {
    if (protocol::splitCommand(entry).word == protocol::words::full) {
        joiningFailed(tr("the game is full"));
        return;
    }
    std::unique_ptr<GameConnection> next = std::move(joining_);
    disconnect(next.get(), nullptr, this, nullptr);
    disconnect(&next->socket(), nullptr, this, nullptr);
    leaveGame();
    retire(std::move(connection_));
    connection_ = std::move(next);
    attachConnection(*connection_);
    targetHost_ = joinHost_;
    targetPort_ = joinPort_;
    remoteClosed_ = false;
    closingReason_ = 0;
    state_.playername = joinName_;
    state_.hostaddress = joinHost_;
    showJoinerControls();
    handleCommand(entry);
}

void Tchat::joiningFailed(const QString& reason) {
    if (!joining_) return;
    retire(std::move(joining_));
    reportConnectFailure(windows::hostPortText(joinHost_, joinPort_), reason, [this] { openJoining(); });
    if (state_.loggedin) systemLine(tr("Your game goes on."));
}

void Tchat::showGameAddresses() {
    QStringList shown;
    for (const QString& a : windows::localAddresses())
        shown << windows::hostPortText(a, hostPort_);
    systemLine(tr("Friends can join this game at: %1 (Game menu, Host a Game… to copy them).")
                   .arg(shown.join(tr(", "))));
}

void Tchat::showNextGameOptions() {
    if (flow_->gameOn() || !state_.powers || !windows_.gamestart) return;
    const windows::Tgamestart::Options o = windows_.gamestart->options();
    info_->setPlayToScore(o.playtoscore);
    info_->setTimePerTurn(o.creationtime, true);
    info_->setTimePenalty(o.timepenalty);
}

// Everything of the game this window was in goes: the connection (without its usual end), the server
// it hosted, and the mirror of seats, board, rack and clocks.
void Tchat::leaveGame() {
    retire(std::move(joining_));
    logintimer_.stop();
    shuffle_.reset();
    reconnectTimer_.stop();
    reconnecting_ = false;
    seatToken_.clear();
    if (connectBox_) connectBox_->close();
    connection_->shut();
    if (stopServer_) stopServer_();
    state_.loggedin = false;
    state_.ishost = false;
    state_.powers = false;
    atTable_ = false;
    state_.myslot = 0;
    table_->rack().resetHand();
    held_->hide();
    solo_ = false;
    flow_->clearGame();
    seats_->forgetPeople();
    hints_->reset();
    setHostOptionsEnabled(false);
    if (QAction* a = action("StartGame1")) a->setEnabled(false);
    if (QAction* a = action("JustWatch1")) a->setChecked(false);
    if (windows_.spylist) {
        windows_.spylist->clear();
        windows_.spylist->setKickEnabled(false);
    }
    if (windows_.gamestart) windows_.gamestart->hide();
}

void Tchat::socketError(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError) {
        remoteClosed_ = true;
        return; // the close itself follows
    }
    // Before the connection is up an error ends the attempt; later ones end in a close.
    if (logintimer_.isActive() && connection_->socket().state() != QAbstractSocket::ConnectedState)
        connectFailed(connection_->socket().errorString());
}

void Tchat::logintimerTimer() {
    logintimer_.stop();
    const QString reason = tr("no answer from the game within %1 seconds").arg(logintimer_.interval() / 1000);
    if (joining_) {
        joiningFailed(reason);
        return;
    }
    if (state_.loggedin) return;
    connectFailed(reason);
}

void Tchat::connectFailed(const QString& reason) {
    connection_->shut();
    if (reconnecting_) {
        logintimer_.stop();
        scheduleReconnect();
        return;
    }
    reportConnectFailure(windows::hostPortText(targetHost_, targetPort_), reason, [this] {
        // A host starts its server afresh, its own connection again first in line for slot 1.
        if (state_.ishost) {
            if (startHosting(hostPort_, solo_)) hostConnect();
            return;
        }
        openConnection(targetHost_, targetPort_);
    });
}

void Tchat::reportConnectFailure(const QString& where, const QString& reason, std::function<void()> retry) {
    logintimer_.stop();
    const QString text = tr("Could not connect to %1: %2").arg(where, reason);
    // A chat line's head ends at its first colon, which must not be the one inside the address.
    systemLine(tr("Not connected: %1").arg(text));
    if (connectBox_) connectBox_->close();
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text,
                                QMessageBox::Retry | QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("message_connect"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::buttonClicked, this, [box, retry = std::move(retry)](QAbstractButton* button) {
        if (box->standardButton(button) == QMessageBox::Retry) retry();
    });
    // Not modal: the window goes on handling everything while the player decides.
    box->setWindowModality(Qt::NonModal);
    box->show();
    connectBox_ = box;
}

void Tchat::connectionClosed() {
    if (windowClosed_) return; // the window is ending anyway ("Game is full")
    shuffle_.reset();
    if (reconnecting_) {
        logintimer_.stop();
        scheduleReconnect();
        return;
    }
    if (logintimer_.isActive()) {
        connectFailed(remoteClosed_ ? tr("the host closed the connection") : tr("the connection was lost"));
        return;
    }
    // Only a close the host announced is the host's doing; any other is a lost connection, and a lost
    // connection during a game is tried again for the seat.
    if (closingReason_ == 0 && startReconnecting()) return;
    QString why = tr("The connection to the host was lost.");
    if (closingReason_ == protocol::toclient::Closing::kGameEnded)
        why = tr("The host has closed the game.");
    else if (closingReason_ == protocol::toclient::Closing::kRemoved)
        why = tr("The host has removed you from the game.");
    showClosed(why);
}

void Tchat::showClosed(const QString& why) {
    state_.loggedin = false;
    flow_->stopTurn();
    systemLine(why);
    // The window closes once the player has read why; nothing more arrives meanwhile.
    auto* box = new QMessageBox(QMessageBox::Information, windowTitle(), why, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("message_closed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    connect(box, &QDialog::finished, this, &QWidget::close);
    box->show();
}

void Tchat::saveNetwork(const NetworkSettings& settings) {
    if (!settings_.saveNetwork(settings))
        systemLine(tr("Your settings could not be saved: %1").arg(settings_.lastError()));
}

} // namespace client
