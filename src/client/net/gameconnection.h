#pragma once
// The game connection: a socket to the server, the receive buffer that cuts the byte stream into
// commands, and the queue that hands them out one at a time from the event loop.

#include "protocol/framebuffer.h"
#include "protocol/receivequeue.h"

#include <QObject>
#include <QTcpSocket>

#include <functional>
#include <string>
#include <string_view>

namespace client {

class GameConnection : public QObject {
    Q_OBJECT
public:
    // Commands waiting to be handled at most: past it nothing more is read from the socket until the
    // queue has drained, so that a flood waits in the network (where the server sees it unsent) instead
    // of in our memory.
    static constexpr std::size_t kMaxQueued = 512;
    static constexpr qint64 kReadChunk = 4096; // bytes read from the socket at a time
    using CommandHandler = std::function<void(std::string_view entry)>;
    using Sink = std::function<void(const std::string& command)>;

    explicit GameConnection(QObject* parent = nullptr);
    // Drops the connection quietly: no closed() from a connection that is being destroyed.
    ~GameConnection() override;

    // Receives every queued command, one per event-loop pass, in arrival order.
    void setCommandHandler(CommandHandler handler) { handler_ = std::move(handler); }
    // Everything sent goes to `sink` instead of the socket (tests, and nothing else).
    void setSink(Sink sink) { sink_ = std::move(sink); }
    const Sink& sink() const { return sink_; }

    // Gives the socket a local port on the loopback address before it connects there (the server can
    // then tell this connection from others); returns that port, 0 when none could be had.
    quint16 bindLoopback();
    // Starts a non-blocking connect (from the port bindLoopback gave, if any); success or failure
    // arrives later.
    void open(const QString& host, quint16 port);
    // Drops the connection and everything received on it, without reporting it as closed.
    void shut();
    bool isConnected() const;
    // Sends one complete command (end marker included). Nothing is sent while not connected.
    bool send(const std::string& command);

    // Bytes as they arrive from the network: complete commands are queued, the rest kept.
    void receive(std::string_view bytes);
    std::size_t queued() const { return queue_.size(); }
    // Handles nothing more from this connection: queued and later commands are dropped, the socket is
    // dropped, and closed() is not emitted (the window decides when it closes).
    void halt();
    bool halted() const { return halted_; }
    QTcpSocket& socket() { return sock_; }

signals:
    // The connection that was up has closed and every command received before that has been handled.
    void closed();

private:
    void readSocket();
    bool closeWhenDrained();
    void socketClosed();
    void handleNext();

    QTcpSocket sock_;
    protocol::FrameBuffer buffer_;
    protocol::ReceiveQueue<std::string> queue_;
    bool closing_ = false;
    bool handling_ = false; // a handler runs: another command waits for it, even if it spins an event loop
    bool halted_ = false;
    CommandHandler handler_;
    Sink sink_;
};

} // namespace client
