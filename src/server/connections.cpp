// Connection slots, the send path, the receive queue and its dispatch.

#include "tserver.h"

#include "protocol/facts.h"
#include "protocol/framebuffer.h"
#include "protocol/words.h"
#include "rules/scoring.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <chrono>

using namespace server;
namespace msg = protocol::toclient;

// One accepted connection. Commands queued from it carry its id, so that nothing it sent is handled
// after it is gone or credited to whoever takes its slot next.
struct TServer::Link {
    quint64 id = 0;
    QTcpSocket* socket = nullptr; // null for a connection without a socket (tests, fuzzing)
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
    : QObject(parent), sock1_(new QTcpServer(this)), rng_(clockSeed()), computer_(*this) {
    for (int seat = 1; seat <= kSeats; ++seat)
        player(seat).partner = rules::partnerOf(seat);
    for (int slot = 1; slot <= kLastSlot; ++slot)
        player(slot).botname = protocol::computerName(slot);

    watchTimer_.setInterval(kWatchIntervalMs);
    connect(&watchTimer_, &QTimer::timeout, this, &TServer::checkConnections);
    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, &TServer::timer1Timer);
    computertimer_.setSingleShot(true);
    connect(&computertimer_, &QTimer::timeout, this, &TServer::computertimerTimer);
    connect(sock1_, &QTcpServer::newConnection, this, &TServer::onNewConnection);
}

TServer::~TServer() {
    for (auto& link : links_) {
        if (link && link->socket) {
            link->socket->disconnect(this);
            link->socket->abort();
        }
    }
}

bool TServer::listen(quint16 port, const QHostAddress& address) {
    return sock1_->listen(address, port);
}

quint16 TServer::serverPort() const {
    return sock1_->serverPort();
}

QString TServer::errorString() const {
    return sock1_->errorString();
}

void TServer::setBotDelaySource(std::function<int()> source) {
    botDelaySource_ = std::move(source);
}

void TServer::setVersionText(const QString& version) {
    version_ = version.toStdString();
}

void TServer::setSeed(quint32 seed) {
    rng_.seed(seed);
}

void TServer::setClock(std::function<qint64()> nowMs) {
    clock_ = std::move(nowMs);
}

qint64 TServer::now() const {
    if (clock_) return clock_();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TServer::setSendObserver(SendObserver observer) {
    observer_ = std::move(observer);
}

tplayer& TServer::player(int slot) {
    return players_.at(static_cast<std::size_t>(slot));
}

const tplayer& TServer::player(int slot) const {
    return players_.at(static_cast<std::size_t>(slot));
}

bool TServer::turnRunning() const {
    return gamestarted_ && clockphase_ != ClockPhase::BetweenRounds;
}

// ---- Send path ----

void TServer::sendToSlot(int slot, const std::string& text) {
    if (!isSlot(slot) || !player(slot).connected) return;
    Link* link = links_[static_cast<std::size_t>(slot)].get();
    if (!link || link->closing) return;
    if (observer_) observer_(slot, text);
    if (!link->socket) return;
    link->socket->write(text.data(), static_cast<qint64>(text.size()));
    // A peer that stops reading would make us hold everything sent to it.
    if (link->socket->bytesToWrite() > kMaxUnsentBytes) requestClose(slot, CloseReason::Flooded);
}

void TServer::sendToAll(const std::string& text) {
    for (int slot = 1; slot <= slotcount_; ++slot)
        sendToSlot(slot, text);
}

// ---- Accepting and closing ----

void TServer::onNewConnection() {
    while (sock1_->hasPendingConnections()) {
        QTcpSocket* socket = sock1_->nextPendingConnection();
        const int slot = allocateSlot();
        if (slot != kFullSlot) {
            openSlot(slot, socket);
            continue;
        }
        const std::string full = protocol::encode(msg::Full{});
        if (observer_) observer_(kFullSlot, full);
        socket->write(full.data(), static_cast<qint64>(full.size()));
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
    }
}

int TServer::acceptConnection() {
    const int slot = allocateSlot();
    if (slot == kFullSlot) {
        if (observer_) observer_(kFullSlot, protocol::encode(msg::Full{}));
        return slot;
    }
    openSlot(slot, nullptr);
    return slot;
}

// The lowest free slot up to slotcount, else a new slot above it, else the slot that turns away.
int TServer::allocateSlot() {
    if (slotcount_ == 0) {
        slotcount_ = 1;
        return 1;
    }
    for (int slot = 1; slot <= slotcount_; ++slot)
        if (!player(slot).connected && !links_[static_cast<std::size_t>(slot)]) return slot;
    if (slotcount_ >= kLastSlot) return kFullSlot;
    return ++slotcount_;
}

void TServer::openSlot(int slot, QTcpSocket* socket) {
    auto link = std::make_unique<Link>();
    link->id = nextLinkId_++;
    link->socket = socket;
    link->openedAt = now();
    links_[static_cast<std::size_t>(slot)] = std::move(link);
    player(slot).connected = true;
    QString peer = QStringLiteral("local");
    if (socket) {
        attachSocket(slot, socket);
        bool v4 = false;
        const quint32 ipv4 = socket->peerAddress().toIPv4Address(&v4);
        peer = v4 ? QHostAddress(ipv4).toString() : socket->peerAddress().toString();
    }
    send(slot, msg::SendLoginInfo{slot});
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

void TServer::peerClosed(int slot) {
    requestClose(slot, CloseReason::PeerClosed);
}

void TServer::disconnectsock(int slot) {
    if (isSlot(slot) && player(slot).connected) requestClose(slot, CloseReason::Kicked);
}

// Stops the connection at once. What the server does about the lost seat happens in turn with the
// queued commands (closeNotice): after what the peer sent before it closed, but nothing of what a
// removed or flooding connection still has waiting.
void TServer::requestClose(int slot, CloseReason reason) {
    if (!isSlot(slot)) return;
    Link* link = links_[static_cast<std::size_t>(slot)].get();
    if (!link || link->closing) return;
    link->closing = true;
    link->dropQueued = reason != CloseReason::PeerClosed;
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
    queue_.push_back(Queued{{}, slot, link->id, true});
    scheduleDispatch();
}

void TServer::closeNotice(int slot, quint64 linkId) {
    auto& link = links_[static_cast<std::size_t>(slot)];
    if (!link || link->id != linkId) return;
    tplayer& p = player(slot);
    const bool wasConnected = p.connected;
    const std::string name = p.name;
    if (wasConnected) {
        const std::string notice = protocol::encode(msg::PlayerDisconnected{slot, name});
        for (int other = 1; other <= slotcount_; ++other)
            if (other != slot) sendToSlot(other, notice);
    }
    p.connected = false;
    p.name.clear();
    p.justwatching = false;
    link.reset();
    updateWatchTimer();
    emit slotClosed(slot, QString::fromStdString(name));
    // The host's own seat is never taken over at once; any other seat on turn is played now.
    if (wasConnected && slot != 1 && isOnTurn(slot)) computerplay(slot);
}

// ---- Receive path and dispatch ----

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
        queue_.push_back(Queued{std::move(entry), slot, link->id, false});
        ++link->queued;
    }
    if (link->queued >= kMaxQueuedPerConnection) queueFilled(*link);
    if (!queue_.empty()) scheduleDispatch();
}

void TServer::scheduleDispatch() {
    if (dispatchPosted_) return;
    dispatchPosted_ = true;
    QMetaObject::invokeMethod(this, &TServer::dispatchOne, Qt::QueuedConnection);
}

// One queued entry per event-loop turn, so that socket events and timers get their turn in between.
void TServer::dispatchOne() {
    dispatchPosted_ = false;

    if (queue_.empty()) return;
    const Queued entry = std::move(queue_.front());
    queue_.pop_front();
    handle(entry);
    if (!queue_.empty()) scheduleDispatch();
}

void TServer::processQueue() {
    while (!queue_.empty()) {
        const Queued entry = std::move(queue_.front());
        queue_.pop_front();
        handle(entry);
    }
}

void TServer::handle(const Queued& entry) {
    if (entry.closed) {
        closeNotice(entry.slot, entry.link);
        return;
    }
    Link* link = links_[static_cast<std::size_t>(entry.slot)].get();
    if (!link || link->id != entry.link) return;
    if (--link->queued < kMaxQueuedPerConnection && link->fullSince >= 0) {
        link->fullSince = -1;
        updateWatchTimer();
        readSocket(entry.slot); // what waited in the socket
    }
    if (link->dropQueued) return;
    dispatch(entry.text, entry.slot);
}

void TServer::dispatch(std::string_view entry, int fromSlot) {
    using Handler = void (TServer::*)(std::string_view, int);
    namespace w = protocol::words;
    static const std::array<std::pair<std::string_view, Handler>, 16> table{{
        {w::logininfo, &TServer::receivedlogininfo},
        {w::kickhim, &TServer::kickhim},
        {w::chat, &TServer::chat},
        {w::action, &TServer::action},
        {w::startgame, &TServer::startgame},
        {w::justwatch, &TServer::justwatch},
        {w::placemytile, &TServer::placemytile},
        {w::swaptiles, &TServer::swaptiles},
        {w::undothem, &TServer::undothem},
        {w::finish, &TServer::finish},
        {w::drawcard, &TServer::drawcard},
        {w::clickyes, &TServer::clickyes},
        {w::replacetile, &TServer::replacetile},
        {w::pause, &TServer::pause},
        {w::playasound, &TServer::playasound},
        {w::botspeed, &TServer::botspeed},
    }};
    const protocol::Command command = protocol::splitCommand(entry);
    if (command.word.empty()) return;
    for (const auto& [word, handler] : table) {
        if (word == command.word) {
            (this->*handler)(command.args, fromSlot);
            return;
        }
    }
}

// A command that names its own slot or seat is taken only from the connection in that slot.
bool TServer::fromSender(int field, int fromSlot) const {
    return fromSlot == kInternal || field == fromSlot;
}
