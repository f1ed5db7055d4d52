// The socket adapter: accepting, refusing and closing connections, the receive path and its queue, the
// outbox to the sockets and the connection limits.

#include "tserver.h"
#include "table.h"

#include "registry/tableregistry.h"

#include <QEvent>
#include <QNetworkProxy>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>
#include <climits>
#include <limits>

using namespace game;
namespace msg = protocol::toclient;

TServer::TServer(QObject* parent)
    : QObject(parent), queue_([this] {
          QMetaObject::invokeMethod(
              this,
              [this] { queue_.handleSome(kCommandsPerPass, [this](const Queued& entry) { handle(entry); }); },
              Qt::QueuedConnection);
      }),
      version_(protocol::kVersion), sock1_(new QTcpServer(this)) {
    single_ = &createTable(true, {});
    watchTimer_.setInterval(kWatchIntervalMs);
    connect(&watchTimer_, &QTimer::timeout, this, &TServer::checkConnections);
    sock1_->setProxy(QNetworkProxy::NoProxy); // a server listens here, never through a proxy
    connect(sock1_, &QTcpServer::newConnection, this, &TServer::onNewConnection);
    connect(sock1_, &QTcpServer::acceptError, this, &TServer::onAcceptError);
}

TServer::~TServer() {
    delete registry_; // its answers still on their way are not wanted now
    closing_->store(true);
    thinkers_.waitForDone();
    // Everybody still here is told that the game ends, so that they do not take it for a lost
    // connection. What they sent last is read first: a close with unread input would discard the notice.
    const std::string ended = protocol::encode(msg::Closing{msg::Closing::kGameEnded});
    for (auto& [id, link] : links_) {
        if (!link->socket) continue;
        QTcpSocket* socket = link->socket;
        socket->disconnect(this);
        if (!link->closing && socket->state() == QAbstractSocket::ConnectedState) {
            writeUnsent(*link);
            socket->readAll();
            socket->write(ended.data(), static_cast<qint64>(ended.size()));
            socket->flush();
            socket->disconnectFromHost();
        }
        socket->abort();
    }
}

bool TServer::listen(quint16 port, const QHostAddress& address) {
    // As many waiting connections as the system allows (it cuts larger numbers to its own maximum).
    sock1_->setListenBacklogSize(std::numeric_limits<int>::max());
    if (!sock1_->listen(address, port)) return false;
    watchAccepting();
    return true;
}

quint16 TServer::serverPort() const {
    return sock1_->serverPort();
}

QHostAddress TServer::serverAddress() const {
    return sock1_->serverAddress();
}

void TServer::keepFirstSlotFor(const QHostAddress& address, quint16 port) {
    ownAddress_ = address;
    ownPort_ = port;
    if (single_) single_->game.keepFirstSlot(port != 0);
}

QString TServer::errorString() const {
    return sock1_->errorString();
}

void TServer::setLimits(const ServerLimits& limits) {
    limits_ = limits;
    for (auto& [code, table] : tables_)
        table->game.setMoveLimit(limits_.movesPerTurn);
    if (singleTable() && !single_) single_ = &createTable(true, {});
    if (!singleTable() && single_ && single_->connections() == 0) {
        Table* table = single_;
        single_ = nullptr;
        removeTable(*table);
    }
}

void TServer::setVersionText(const QString& version) {
    version_ = version.toStdString();
    for (auto& [code, table] : tables_)
        table->game.setVersionText(version_);
}

void TServer::setSeed(quint32 seed) {
    seed_ = seed;
    for (auto& [code, table] : tables_) {
        table->game.setSeed(seed);
        table->game.setShuffleSource({}, {});
    }
}

void TServer::setHintsAllowed(bool allowed) {
    hintsAllowed_ = allowed;
    for (auto& [code, table] : tables_) {
        table->game.setHintsAllowed(allowed);
        flush(*table);
    }
}

void TServer::setClock(std::function<qint64()> nowMs) {
    clock_ = std::move(nowMs);
}

void TServer::clockMoved() {
    for (auto& [code, table] : tables_) {
        catchUp(*table);
        flush(*table);
    }
}

qint64 TServer::now() const {
    if (clock_) return clock_();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TServer::setComputerLevel(game::ComputerLevel level) {
    level_ = level;
    for (auto& [code, table] : tables_)
        for (int seat = 1; seat <= game::kSeats; ++seat)
            table->game.setComputerLevel(seat, level);
}

void TServer::resume(const game::ResumedTable& resumed) {
    Table& table = single_ ? *single_ : createTable(true, {});
    catchUp(table);
    table.game.resume(resumed);
    flush(table);
}

game::Game& TServer::game() {
    return single_ ? single_->game : tables_.begin()->second->game;
}

const game::Game& TServer::game() const {
    return single_ ? single_->game : tables_.begin()->second->game;
}

const game::Game* TServer::tableGame(const std::string& code) const {
    const Table* table = findTable(code);
    return table ? &table->game : nullptr;
}

std::vector<std::string> TServer::tableCodes() const {
    std::vector<std::string> codes;
    for (const auto& [code, table] : tables_)
        codes.push_back(code);
    return codes;
}

bool TServer::deadlineTimerActive() const {
    for (const auto& [code, table] : tables_)
        if (table->deadline.isActive()) return true;
    return false;
}

ServerStats TServer::stats() const {
    ServerStats s = stats_;
    s.connections = static_cast<int>(links_.size());
    s.tables = static_cast<int>(tables_.size());
    return s;
}

QString TServer::statusLine() const {
    const ServerStats s = stats();
    return QStringLiteral("Status: %1 connections, %2 tables, %3 games played, %4 refused")
        .arg(s.connections)
        .arg(s.tables)
        .arg(s.gamesPlayed)
        .arg(s.refusals)
        .append(registry_ ? QStringLiteral(", ") + registry_->health() : QString());
}

QString TServer::where(const Link& link) const {
    QString text = link.peer;
    if (link.table) text += QStringLiteral(" in slot %1").arg(link.slot);
    if (link.table && !singleTable())
        text += QStringLiteral(" at table ") + QString::fromStdString(link.table->code);
    return text;
}

// ---- Outbox and deadline ----

void TServer::catchUp(Table& table) {
    table.game.advanceTo(now());
}

void TServer::flush(Table& table) {
    for (const Outgoing& out : table.game.takeOutbox()) {
        Link* link = table.links[static_cast<std::size_t>(out.slot)];
        if (!link) continue;
        if (out.close) {
            requestClose(*link, CloseReason::Kicked, table.kickedBy);
            continue;
        }
        sendDirect(*link, out.text);
    }
    for (Link* link : table.links) {
        if (!link || link->pendingToken.empty()) continue;
        sendDirect(*link, link->pendingToken);
        link->pendingToken.clear();
    }
    const Millis due = table.game.nextDeadline();
    if (due == kNever) {
        table.deadline.stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(due - now(), 0, INT_MAX);
    table.deadline.start(static_cast<int>(wait));
}

void TServer::sendDirect(Link& link, const std::string& text) {
    if (link.closing || !link.socket) return;
    if (link.unsent.empty()) unsent_.push_back(link.id);
    link.unsent += text;
    // A peer that stops reading would make us hold everything sent to it.
    if (link.socket->bytesToWrite() + static_cast<qint64>(link.unsent.size()) > kMaxUnsentBytes) {
        link.unsent.clear();
        requestClose(link, CloseReason::Unread);
        return;
    }
    if (!writePosted_) {
        // After every event of this pass that may say more (the commands handled, timers, closes).
        writePosted_ = true;
        QMetaObject::invokeMethod(this, &TServer::writeAllUnsent, Qt::QueuedConnection);
    }
}

void TServer::writeUnsent(Link& link) {
    if (link.unsent.empty()) return;
    if (link.socket) {
        link.socket->write(link.unsent.data(), static_cast<qint64>(link.unsent.size()));
        link.socket->flush(); // now, rather than when the loop next finds the socket writable
    }
    // A connection that was once sent a whole board does not keep that much memory for ever.
    if (link.unsent.capacity() > kKeptOutputBytes)
        std::string().swap(link.unsent);
    else
        link.unsent.clear();
}

void TServer::writeAllUnsent() {
    writePosted_ = false;
    std::vector<quint64> ids;
    ids.swap(unsent_);
    for (const quint64 id : ids)
        if (Link* link = findLink(id)) writeUnsent(*link);
}

// ---- Accepting, refusing and closing ----

void TServer::onNewConnection() {
    acceptTroubleLogged_ = false;
    idleWakes_ = 0;
    while (sock1_->hasPendingConnections()) {
        QTcpSocket* socket = sock1_->nextPendingConnection();
        bool v4 = false;
        const quint32 ipv4 = socket->peerAddress().toIPv4Address(&v4);
        const QString peer = v4 ? QHostAddress(ipv4).toString() : socket->peerAddress().toString();
        if (refuseOverLimits(socket, peer)) continue;
        // The hosting window's own connection, for which slot 1 is kept.
        const bool own = ownPort_ != 0 && socket->peerPort() == ownPort_ &&
                         socket->peerAddress().isEqual(ownAddress_, QHostAddress::TolerantConversion);
        Table* table = single_ ? single_ : publicTableWithSeat();
        if (!table && static_cast<int>(tables_.size()) >= limits_.maxTables) {
            refuse(socket, peer, protocol::encode(msg::TableError{"Every table of this server is taken."}),
                   QStringLiteral("the most tables"));
            continue;
        }
        if (!table) table = &createTable(true, {});
        Link& link = addLink(socket, peer);
        // Seated as by a single game; a table command from it before its login moves it on.
        link.tentative = !singleTable();
        if (!seatAt(link, *table, own)) {
            discardLink(link);
            refuse(socket, peer, protocol::encode(msg::Full{}), QStringLiteral("every slot taken"));
        }
    }
}

void TServer::onAcceptError() {
    restFromAccepting(sock1_->errorString());
}

// When descriptors run out, a waiting connection cannot be accepted and the listener reports it as
// ready again at once, without a word: the server would spin. A wake of the listener that found nothing
// to accept, a few times in a row, is taken for that.
void TServer::watchAccepting() {
    idleWakes_ = 0;
    for (QSocketNotifier* notifier : sock1_->findChildren<QSocketNotifier*>())
        notifier->installEventFilter(this);
}

bool TServer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::SockAct && ++idleWakes_ > kIdleWakes)
        restFromAccepting(QStringLiteral("no free descriptors"));
    return QObject::eventFilter(watched, event);
}

// Accepting rests a moment instead of failing over and over; the operator is told once for each spell.
void TServer::restFromAccepting(const QString& why) {
    if (!acceptTroubleLogged_)
        emit logLine(QStringLiteral("Cannot accept connections (%1): pausing %2 ms at a time")
                         .arg(why)
                         .arg(kAcceptPauseMs));
    acceptTroubleLogged_ = true;
    idleWakes_ = 0;
    sock1_->pauseAccepting();
    QTimer::singleShot(kAcceptPauseMs, this, [this] { sock1_->resumeAccepting(); });
}

bool TServer::refuseOverLimits(QTcpSocket* socket, const QString& peer) {
    if (static_cast<int>(links_.size()) >= limits_.maxConnections) {
        refuse(socket, peer, protocol::encode(msg::TableError{"The server is full. Try again later."}),
               QStringLiteral("the most connections"));
        return true;
    }
    if (limits_.maxPerAddress > 0 && perAddress_[peer] >= limits_.maxPerAddress) {
        refuse(socket, peer,
               protocol::encode(msg::TableError{"Too many connections from your address."}) +
                   protocol::encode(msg::Full{}),
               QStringLiteral("the most connections from one address"));
        return true;
    }
    return false;
}

void TServer::refuse(QTcpSocket* socket, const QString& peer, const std::string& text,
                     const QString& reason) {
    ++stats_.refusals;
    emit logLine(QStringLiteral("Refused %1: %2").arg(peer, reason));
    socket->write(text.data(), static_cast<qint64>(text.size()));
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
}

int TServer::acceptConnection() {
    Link& link = addLink(nullptr, QStringLiteral("local"));
    if (seatAt(link, *single_)) return link.slot;
    discardLink(link);
    return kFullSlot;
}

// A connection that never took a slot: forgotten without a trace (its socket is the caller's).
void TServer::discardLink(Link& link) {
    if (link.socket) link.socket->disconnect(this);
    if (--perAddress_[link.peer] <= 0) perAddress_.erase(link.peer);
    links_.erase(link.id);
}

TServer::Link& TServer::addLink(QTcpSocket* socket, const QString& peer) {
    auto owned = std::make_unique<Link>();
    Link& link = *owned;
    link.id = nextLinkId_++;
    link.socket = socket;
    link.peer = peer;
    link.openedAt = now();
    links_.emplace(link.id, std::move(owned));
    ++perAddress_[peer];
    if (socket) attachSocket(link);
    return link;
}

void TServer::attachSocket(Link& link) {
    const quint64 id = link.id;
    QTcpSocket* socket = link.socket;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // What we do not read stays with the network, which then holds the sender back.
    socket->setReadBufferSize(protocol::FrameBuffer::kDefaultCapacity);
    connect(socket, &QTcpSocket::readyRead, this, [this, id] { readSocket(id); });
    connect(socket, &QAbstractSocket::disconnected, this, [this, id] {
        if (Link* l = findLink(id)) requestClose(*l, CloseReason::PeerClosed);
    });
}

TServer::Link* TServer::findLink(quint64 id) const {
    const auto it = links_.find(id);
    return it == links_.end() ? nullptr : it->second.get();
}

TServer::Link* TServer::slotLink(int slot) const {
    if (!single_ || !isSlot(slot)) return nullptr;
    return single_->links[static_cast<std::size_t>(slot)];
}

// Reads what the connection's socket holds while its queue has room; the rest waits in the socket and
// is read when the queue has drained (handle).
void TServer::readSocket(quint64 id) {
    Link* link = findLink(id);
    while (link && !link->closing && link->socket && link->queued < kMaxQueuedPerConnection &&
           link->socket->bytesAvailable() > 0) {
        const QByteArray bytes = link->socket->read(kReadChunk);
        receiveOn(*link, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        link = findLink(id);
    }
}

void TServer::peerClosed(int slot) {
    if (Link* link = slotLink(slot)) requestClose(*link, CloseReason::PeerClosed);
}

// Stops the connection at once. What the game does about the lost slot happens in turn with the queued
// commands (handle): after what the peer sent before it closed, but nothing of what a removed or
// flooding connection still has waiting.
void TServer::requestClose(Link& link, CloseReason reason, const QString& by) {
    if (link.closing) return;
    link.closing = true;
    link.peerLeft = reason == CloseReason::PeerClosed;
    link.dropQueued = reason != CloseReason::PeerClosed;
    static const char* const kWhy[] = {"left",          "removed",      "did not log in in time",
                                       "sent too much", "did not read", "chose no table in time"};
    QString why = QString::fromLatin1(kWhy[static_cast<int>(reason)]);
    if (reason == CloseReason::Kicked && !by.isEmpty()) why += QStringLiteral(" by ") + by;
    emit logLine(QStringLiteral("Closed %1: %2").arg(where(link), why));
    if (link.table) link.table->game.closing(link.slot);
    if (reason != CloseReason::Flooded && reason != CloseReason::Unread) writeUnsent(link);
    link.unsent.clear();
    if (QTcpSocket* socket = link.socket) {
        link.socket = nullptr;
        socket->disconnect(this);
        if (reason == CloseReason::Flooded || reason == CloseReason::Unread)
            socket->abort();
        else
            socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
        else
            connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    }
    queue_.push(Queued{{}, link.id, true});
}

void TServer::finishClose(Link& link) {
    if (link.table) holdOrFree(link); // flushes the table's outbox and may remove the table
    if (--perAddress_[link.peer] <= 0) perAddress_.erase(link.peer);
    links_.erase(link.id);
    updateWatchTimer();
}

// ---- Connection limits ----

void TServer::queueFilled(Link& link) {
    if (link.fullSince < 0) link.fullSince = now();
    updateWatchTimer();
}

// The watch runs only while something waits for it: a login, a full queue, a connection at no table, a
// held seat or an empty table.
void TServer::updateWatchTimer() {
    bool needed = false;
    for (const auto& [id, link] : links_) {
        needed = needed || (!link->closing && (!link->loggedIn || link->fullSince >= 0));
        if (needed) break;
    }
    for (const auto& [code, table] : tables_) {
        if (needed) break;
        needed = table->holds > 0 || table->emptySince >= 0;
    }
    if (needed && !watchTimer_.isActive())
        watchTimer_.start();
    else if (!needed)
        watchTimer_.stop();
}

void TServer::checkConnections() {
    const qint64 t = now();
    for (auto& [id, link] : links_) {
        if (link->closing) continue;
        if (link->table && !link->loggedIn && t - link->openedAt >= kLoginTimeoutMs)
            requestClose(*link, CloseReason::LoginTimeout);
        else if (!link->table && t - link->openedAt >= kLobbyTimeoutMs)
            requestClose(*link, CloseReason::Idle);
        else if (link->fullSince >= 0 && t - link->fullSince >= kFullQueueTimeoutMs)
            requestClose(*link, CloseReason::Flooded);
    }
    expireHolds(t);
    removeEmptyTables(t);
    updateWatchTimer();
}

// ---- Receive path ----

void TServer::receive(int slot, std::string_view bytes) {
    if (Link* link = slotLink(slot)) receiveOn(*link, bytes);
}

void TServer::receiveOn(Link& link, std::string_view bytes) {
    if (link.closing) return;
    std::vector<std::string> entries;
    if (!link.buffer.append(bytes, entries)) {
        requestClose(link, CloseReason::Flooded); // unterminated input past the frame buffer's capacity
        return;
    }
    for (std::string& entry : entries) {
        if (entry.empty()) continue; // e.g. the second end marker of a login
        ++link.queued;
        queue_.push(Queued{std::move(entry), link.id, false});
    }
    if (link.queued >= kMaxQueuedPerConnection) queueFilled(link);
}

void TServer::processQueue() {
    queue_.drain([this](const Queued& entry) { handle(entry); });
}

void TServer::handle(const Queued& entry) {
    Link* link = findLink(entry.link);
    if (!link) return;
    if (entry.closed) {
        finishClose(*link);
        return;
    }
    if (--link->queued < kMaxQueuedPerConnection && link->fullSince >= 0) {
        link->fullSince = -1;
        updateWatchTimer();
        readSocket(link->id); // what waited in the socket
        link = findLink(entry.link);
        if (!link) return;
    }
    if (link->dropQueued || tableCommand(*link, entry.text) || !link->table) return;
    if (!admitted(*link, entry.text)) return;
    Table& table = *link->table;
    catchUp(table);
    if (!link->loggedIn && seatBackByName(*link, entry.text)) return;
    table.kickedBy = QString::fromStdString(table.game.player(link->slot).name);
    table.game.command(link->slot, entry.text);
    flush(table);
}

// A sender over its rate loses the command; the first loss of a flood is told to it in words.
bool TServer::admitted(Link& link, std::string_view entry) {
    const server::SendRate::Verdict verdict = link.rate.admit(entry, now());
    if (verdict == server::SendRate::Verdict::Pass) return true;
    if (verdict == server::SendRate::Verdict::DropAndTell) {
        const server::SendRate::Kind kind = server::SendRate::kindOf(entry);
        sendDirect(link, protocol::encode(msg::TableError{std::string(server::SendRate::notice(kind))}));
        emit logLine(QStringLiteral("Dropping %1 from %2: over its rate")
                         .arg(kind == server::SendRate::Kind::Chat ? QStringLiteral("chat")
                                                                   : QStringLiteral("commands"),
                              where(link)));
    }
    return false;
}
