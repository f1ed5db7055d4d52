#include "gameconnection.h"

#include <QMetaObject>

#include <vector>

namespace client {

GameConnection::GameConnection(QObject* parent)
    : QObject(parent), sock_(this),
      queue_([this] { QMetaObject::invokeMethod(this, &GameConnection::handleNext, Qt::QueuedConnection); }) {
    sock_.setObjectName(QStringLiteral("sock"));
    connect(&sock_, &QTcpSocket::readyRead, this, &GameConnection::readSocket);
    connect(&sock_, &QTcpSocket::disconnected, this, &GameConnection::socketClosed);
    // Connect errors are not reported to the player: the window stays open and unconnected.
}

void GameConnection::open(const QString& host, quint16 port) {
    sock_.abort();
    buffer_.clear();
    closing_ = false;
    sock_.connectToHost(host, port);
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

void GameConnection::readSocket() {
    const QByteArray bytes = sock_.readAll();
    receive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void GameConnection::receive(std::string_view bytes) {
    std::vector<std::string> commands;
    if (!buffer_.append(bytes, commands)) {
        // A peer that sends this much without an end marker is broken or hostile.
        sock_.abort();
    }
    for (std::string& command : commands)
        queue_.push(std::move(command));
}

void GameConnection::socketClosed() {
    closing_ = true;
    if (queue_.empty()) {
        emit closed();
    }
    // Otherwise the last queued command emits closed() once it has been handled (a "game is full"
    // notice, for one, is followed at once by the server closing the connection).
}

void GameConnection::handleNext() {
    if (!queue_.handleOne([this](const std::string& entry) {
            if (handler_) handler_(entry);
        }))
        return;
    if (queue_.empty() && closing_) {
        closing_ = false;
        emit closed();
    }
}

} // namespace client
