// The socket adapter: accepting and closing connections, the receive path and its queue, the outbox
// to the sockets, the game's deadline timer and the connection limits.

#include "tserver.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>
#include <climits>

using namespace game;
namespace msg = protocol::toclient;

// One accepted connection. Commands queued from it carry its id, so that nothing it sent is handled
// after it is gone or credited to whoever takes its slot next.
struct TServer::Link {
    quint64 id = 0;
    QTcpSocket* socket = nullptr; // null for a connection without a socket (tests)
    protocol::FrameBuffer buffer;
    int queued = 0;          // its commands waiting in the queue
    qint64 openedAt = 0;     // when it was accepted
    bool loggedIn = false;   // its login arrived
    qint64 fullSince = -1;   // since when its queue has been full; -1 while it has room
    bool closing = false;    // closed or being closed: nothing more is read from it or sent to it
    bool dropQueued = false; // removed by the server: what it sent and is still queued is not handled
};

namespace {

quint32 clockSeed() {
    return static_cast<quint32>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

TServer::TServer(QObject* parent)
    : QObject(parent), game_(clockSeed()), queue_([this] {
          QMetaObject::invokeMethod(
              this, [this] { queue_.handleOne([this](const Queued& entry) { handle(entry); }); },
              Qt::QueuedConnection);
      }),
      sock1_(new QTcpServer(this)) {
    GameEvents events;
    events.loggedIn = [this](int slot, const std::string& name) {
        markLoggedIn(slot);
        emit loggedIn(slot, QString::fromStdString(name));
    };
    events.slotClosed = [this](int slot, const std::string& name) {
        emit slotClosed(slot, QString::fromStdString(name));
    };
    events.gameStarted = [this](int seats, int dealsize) { emit gameStarted(seats, dealsize); };
    events.roundEnded = [this](int winner) { emit roundEnded(winner); };
    events.gameWon = [this](const std::string& winner) { emit gameWon(QString::fromStdString(winner)); };
    events.botSpeedRequested = [this](int ms) { emit botSpeedRequested(ms); };
    game_.setEvents(std::move(events));

    deadlineTimer_.setSingleShot(true);
    connect(&deadlineTimer_, &QTimer::timeout, this, [this] {
        catchUp();
        flush();
    });
    watchTimer_.setInterval(kWatchIntervalMs);
    connect(&watchTimer_, &QTimer::timeout, this, &TServer::checkConnections);
    connect(sock1_, &QTcpServer::newConnection, this, &TServer::onNewConnection);
}

TServer::~TServer() {
    // Everybody still here is told that the game ends, so that they do not take it for a lost
    // connection. What they sent last is read first: a close with unread input would discard the notice.
    const std::string ended = protocol::encode(msg::Closing{msg::Closing::kGameEnded});
    for (auto& link : links_) {
        if (!link || !link->socket) continue;
        QTcpSocket* socket = link->socket;
        socket->disconnect(this);
        if (!link->closing && socket->state() == QAbstractSocket::ConnectedState) {
            socket->readAll();
            socket->write(ended.data(), static_cast<qint64>(ended.size()));
            socket->flush();
            socket->disconnectFromHost();
        }
        socket->abort();
    }
}

bool TServer::listen(quint16 port, const QHostAddress& address) {
    return sock1_->listen(address, port);
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
    game_.keepFirstSlot(port != 0);
}

QString TServer::errorString() const {
    return sock1_->errorString();
}

void TServer::setClock(std::function<qint64()> nowMs) {
    clock_ = std::move(nowMs);
}

void TServer::clockMoved() {
    catchUp();
    flush();
}

qint64 TServer::now() const {
    if (clock_) return clock_();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TServer::resume(const game::ResumedTable& table) {
    catchUp();
    game_.resume(table);
    flush();
}

void TServer::catchUp() {
    game_.advanceTo(now());
}

// ---- Outbox and deadline ----

void TServer::setHintsAllowed(bool allowed) {
    game_.setHintsAllowed(allowed);
    flush();
}

void TServer::flush() {
    for (const Outgoing& out : game_.takeOutbox()) {
        if (out.close) {
            requestClose(out.slot, CloseReason::Kicked);
            continue;
        }
        Link* link = links_[static_cast<std::size_t>(out.slot)].get();
        if (!link || link->closing || !link->socket) continue;
        link->socket->write(out.text.data(), static_cast<qint64>(out.text.size()));
        // A peer that stops reading would make us hold everything sent to it.
        if (link->socket->bytesToWrite() > kMaxUnsentBytes) requestClose(out.slot, CloseReason::Flooded);
    }
    const Millis due = game_.nextDeadline();
    if (due == kNever) {
        deadlineTimer_.stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(due - now(), 0, INT_MAX);
    deadlineTimer_.start(static_cast<int>(wait));
}

// ---- Accepting and closing ----

void TServer::onNewConnection() {
    while (sock1_->hasPendingConnections()) {
        QTcpSocket* socket = sock1_->nextPendingConnection();
        catchUp();
        const bool own = ownPort_ != 0 && socket->peerPort() == ownPort_ &&
                         socket->peerAddress().isEqual(ownAddress_, QHostAddress::TolerantConversion);
        const int slot = game_.open(own);
        if (slot != kFullSlot) {
            openSlot(slot, socket);
            flush();
            continue;
        }
        const std::string full = protocol::encode(msg::Full{});
        socket->write(full.data(), static_cast<qint64>(full.size()));
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
    }
}

int TServer::acceptConnection() {
    catchUp();
    const int slot = game_.open();
    if (slot == kFullSlot) return slot;
    openSlot(slot, nullptr);
    flush();
    return slot;
}

void TServer::openSlot(int slot, QTcpSocket* socket) {
    auto link = std::make_unique<Link>();
    link->id = nextLinkId_++;
    link->socket = socket;
    link->openedAt = now();
    links_[static_cast<std::size_t>(slot)] = std::move(link);
    QString peer = QStringLiteral("local");
    if (socket) {
        attachSocket(slot, socket);
        bool v4 = false;
        const quint32 ipv4 = socket->peerAddress().toIPv4Address(&v4);
        peer = v4 ? QHostAddress(ipv4).toString() : socket->peerAddress().toString();
    }
    updateWatchTimer();
    emit slotConnected(slot, peer);
}

void TServer::attachSocket(int slot, QTcpSocket* socket) {
    const quint64 id = links_[static_cast<std::size_t>(slot)]->id;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // What we do not read stays with the network, which then holds the sender back.
    socket->setReadBufferSize(protocol::FrameBuffer::kDefaultCapacity);
    connect(socket, &QTcpSocket::readyRead, this, [this, slot, id] {
        const Link* link = links_[static_cast<std::size_t>(slot)].get();
        if (link && link->id == id) readSocket(slot);
    });
    connect(socket, &QAbstractSocket::disconnected, this, [this, slot, id] {
        const Link* link = links_[static_cast<std::size_t>(slot)].get();
        if (link && link->id == id) peerClosed(slot);
    });
}

// Reads what the slot's socket holds while its queue has room; the rest waits in the socket and is read
// when the queue has drained (handle).
void TServer::readSocket(int slot) {
    Link* link = links_[static_cast<std::size_t>(slot)].get();
    while (link && !link->closing && link->socket && link->queued < kMaxQueuedPerConnection &&
           link->socket->bytesAvailable() > 0) {
        const QByteArray bytes = link->socket->read(kReadChunk);
        receive(slot, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        link = links_[static_cast<std::size_t>(slot)].get();
    }
}

void TServer::peerClosed(int slot) {
    requestClose(slot, CloseReason::PeerClosed);
}

// Stops the connection at once. What the game does about the lost slot happens in turn with the queued
// commands (handle): after what the peer sent before it closed, but nothing of what a removed or
// flooding connection still has waiting.
void TServer::requestClose(int slot, CloseReason reason) {
    if (!isSlot(slot)) return;
    Link* link = links_[static_cast<std::size_t>(slot)].get();
    if (!link || link->closing) return;
    link->closing = true;
    link->dropQueued = reason != CloseReason::PeerClosed;
    game_.closing(slot);
    if (QTcpSocket* socket = link->socket) {
        link->socket = nullptr;
        socket->disconnect(this);
        if (reason == CloseReason::Flooded)
            socket->abort();
        else
            socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
        else
            connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    }
    queue_.push(Queued{{}, slot, link->id, true});
}

// ---- Connection limits ----

void TServer::queueFilled(Link& link) {
    if (link.fullSince < 0) link.fullSince = now();
    updateWatchTimer();
}

void TServer::markLoggedIn(int slot) {
    if (Link* link = links_[static_cast<std::size_t>(slot)].get()) link->loggedIn = true;
    updateWatchTimer();
}

// The watch runs only while a connection is waiting to log in or has a full queue.
void TServer::updateWatchTimer() {
    bool needed = false;
    for (const auto& link : links_)
        needed = needed || (link && !link->closing && (!link->loggedIn || link->fullSince >= 0));
    if (needed && !watchTimer_.isActive())
        watchTimer_.start();
    else if (!needed)
        watchTimer_.stop();
}

void TServer::checkConnections() {
    const qint64 t = now();
    for (int slot = 1; slot <= kLastSlot; ++slot) {
        const Link* link = links_[static_cast<std::size_t>(slot)].get();
        if (!link || link->closing) continue;
        if (!link->loggedIn && t - link->openedAt >= kLoginTimeoutMs)
            requestClose(slot, CloseReason::Kicked);
        else if (link->fullSince >= 0 && t - link->fullSince >= kFullQueueTimeoutMs)
            requestClose(slot, CloseReason::Flooded);
    }
    updateWatchTimer();
}

// ---- Receive path ----

void TServer::receive(int slot, std::string_view bytes) {
    if (!isSlot(slot)) return;
    Link* link = links_[static_cast<std::size_t>(slot)].get();
    if (!link || link->closing) return;
    std::vector<std::string> entries;
    if (!link->buffer.append(bytes, entries)) {
        requestClose(slot, CloseReason::Flooded); // unterminated input past the frame buffer's capacity
        return;
    }
    for (std::string& entry : entries) {
        if (entry.empty()) continue; // e.g. the second end marker of a login
        ++link->queued;
        queue_.push(Queued{std::move(entry), slot, link->id, false});
    }
    if (link->queued >= kMaxQueuedPerConnection) queueFilled(*link);
}

void TServer::processQueue() {
    queue_.drain([this](const Queued& entry) { handle(entry); });
}

void TServer::handle(const Queued& entry) {
    auto& link = links_[static_cast<std::size_t>(entry.slot)];
    if (!link || link->id != entry.link) return;
    catchUp();
    if (entry.closed) {
        link.reset();
        updateWatchTimer();
        game_.closed(entry.slot);
        flush();
        return;
    }
    if (--link->queued < kMaxQueuedPerConnection && link->fullSince >= 0) {
        link->fullSince = -1;
        updateWatchTimer();
        readSocket(entry.slot); // what waited in the socket
    }
    if (!link->dropQueued) game_.command(entry.slot, entry.text);
    flush();
}
