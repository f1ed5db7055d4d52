#include "gameconnection.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QNetworkProxy>

#include <vector>

namespace client {

GameConnection::GameConnection(QObject* parent)
    : QObject(parent), sock_(this),
      queue_([this] { QMetaObject::invokeMethod(this, &GameConnection::handleNext, Qt::QueuedConnection); }) {
    sock_.setObjectName(QStringLiteral("sock"));
    // What we do not read stays with the network, which then holds the sender back.
    sock_.setReadBufferSize(protocol::FrameBuffer::kDefaultCapacity);
    connect(&sock_, &QTcpSocket::readyRead, this, &GameConnection::readSocket);
    connect(&sock_, &QTcpSocket::disconnected, this, &GameConnection::socketClosed);
}

GameConnection::~GameConnection() {
    // The socket is destroyed after this body; its last "disconnected" must not reach us then.
    sock_.disconnect(this);
    sock_.abort();
}

quint16 GameConnection::bindLoopback() {
    shut();
    // Exclusively: nobody else may take the same port on this address meanwhile.
    sock_.setProxy(QNetworkProxy::NoProxy);
    if (!sock_.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress)) return 0;
    return sock_.localPort();
}

void GameConnection::open(const QString& host, quint16 port) {
    if (sock_.state() == QAbstractSocket::BoundState) {
        buffer_.clear();
        queue_.clear();
        closing_ = false;
        halted_ = false;
    } else {
        shut();
    }
    // A game on this machine goes straight to it: asking the system for a proxy would load the proxy
    // and authentication libraries for nothing.
    const QHostAddress address(host);
    const bool local = host == QLatin1String("localhost") || (!address.isNull() && address.isLoopback());
    sock_.setProxy(local ? QNetworkProxy::NoProxy : QNetworkProxy::DefaultProxy);
    sock_.connectToHost(host, port);
}

void GameConnection::shut() {
    {
        const QSignalBlocker quiet(sock_);
        sock_.abort();
    }
    buffer_.clear();
    queue_.clear();
    closing_ = false;
    halted_ = false;
}

bool GameConnection::isConnected() const {
    return sock_.state() == QAbstractSocket::ConnectedState;
}

bool GameConnection::send(const std::string& command) {
    if (sink_) {
        sink_(command);
        return true;
    }
    if (!isConnected()) return false;
    sock_.write(command.data(), static_cast<qint64>(command.size()));
    return true;
}

// Reads while the queue has room; the rest waits in the socket and is read as the queue drains.
void GameConnection::readSocket() {
    while (!halted_ && queue_.size() < kMaxQueued && sock_.bytesAvailable() > 0) {
        const QByteArray bytes = sock_.read(kReadChunk);
        receive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
}

void GameConnection::receive(std::string_view bytes) {
    if (halted_) return;
    std::vector<std::string> commands;
    if (!buffer_.append(bytes, commands)) {
        // A peer that sends this much without an end marker is broken or hostile.
        sock_.abort();
    }
    for (std::string& command : commands)
        queue_.push(std::move(command));
}

void GameConnection::socketClosed() {
    if (halted_) return;
    closing_ = true;
    readSocket(); // what arrived last, if the queue has room for it
    closeWhenDrained();
    // Otherwise the last queued command emits closed() once it has been handled (a "game is full"
    // notice, for one, is followed at once by the server closing the connection).
}

// A closed connection is reported once every command received on it has been handled.
bool GameConnection::closeWhenDrained() {
    if (!closing_ || !queue_.empty() || sock_.bytesAvailable() > 0) return false;
    closing_ = false;
    emit closed();
    return true;
}

void GameConnection::handleNext() {
    // A handler runs to completion before the next one starts: if it waits in an event loop of its
    // own, the queue waits with it and is woken again when it returns.
    if (handling_) {
        queue_.skipWake();
        return;
    }
    if (halted_) {
        // Nothing more is handled on this connection; the wake is spent, so a connection opened
        // later is woken for its own commands.
        queue_.skipWake();
        return;
    }
    handling_ = true;
    const bool handled = queue_.handleOne([this](const std::string& entry) {
        if (handler_) handler_(entry);
    });
    handling_ = false;
    if (!handled || halted_) return;
    if (queue_.size() < kMaxQueued / 2) readSocket();
    closeWhenDrained();
}

void GameConnection::halt() {
    halted_ = true;
    queue_.clear();
    buffer_.clear();
    closing_ = false;
    sock_.abort();
}

} // namespace client
