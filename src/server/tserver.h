#pragma once
// The game server's socket adapter around the game (game::Game): it listens, accepts connections into
// the game's slots, cuts each connection's bytes into commands with a frame buffer, queues them with
// the close notices and hands them to the game one per event-loop pass, writes the game's outbox to
// the sockets, and arms one timer to the game's next deadline. It also keeps the connection limits:
// the unterminated-command byte limit, back-pressure for bursts, the login time-out and unread output.
// Nothing of the referee lives here.

#include "game/game.h"
#include "protocol/framebuffer.h"
#include "protocol/receivequeue.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QTcpServer;
class QTcpSocket;

class TServer : public QObject {
    Q_OBJECT
public:
    // A connection's commands wait in the queue up to this many; past it, what it sends stays in its
    // socket (and the network holds the sender back) until the queue has room again.
    static constexpr int kMaxQueuedPerConnection = 256;
    static constexpr qint64 kReadChunk = 4096; // bytes read from a socket at a time
    static constexpr qint64 kMaxUnsentBytes = 4 * 1024 * 1024;
    static constexpr qint64 kLoginTimeoutMs = 30'000;    // to send the login after connecting
    static constexpr qint64 kFullQueueTimeoutMs = 5'000; // a sender keeping its queue full this long
    static constexpr int kWatchIntervalMs = 1000;
    static constexpr int kDefaultBotDelay = game::Game::kDefaultBotDelay;

    explicit TServer(QObject* parent = nullptr);
    ~TServer() override;

    // ---- Network edge ----
    bool listen(quint16 port = 7772, const QHostAddress& address = QHostAddress::Any); // false on failure
    quint16 serverPort() const;
    QHostAddress serverAddress() const;
    // Slot 1, and the host's powers with it, belong to the connection from `address`:`port` (the hosting
    // program's own window, which binds its socket before the server listens): every other connection
    // is seated from slot 2 on, also one that arrives first.
    void keepFirstSlotFor(const QHostAddress& address, quint16 port);
    QString errorString() const;
    void setBotDelaySource(std::function<int()> source) { game_.setBotDelaySource(std::move(source)); }
    void setVersionText(const QString& version) { game_.setVersionText(version.toStdString()); }
    void setSeed(quint32 seed) { game_.setSeed(seed); }
    // Whether players may ask for hints; a change is told to every client at once.
    void setHintsAllowed(bool allowed);
    // The clock of the game and of the connection limits, in milliseconds (a steady clock unless set).
    void setClock(std::function<qint64()> nowMs);
    // The clock set with setClock has moved on: runs what fell due by now and sends what it said.
    void clockMoved();

    // Goes on with a stopped game (from its record) at the server's present time.
    void resume(const game::ResumedTable& table);

    // The game it serves (tests look into it).
    game::Game& game() { return game_; }
    const game::Game& game() const { return game_; }

    // ---- Connections and the receive path ----
    // Seats a new connection that has no socket (tests); returns its slot, kFullSlot when full.
    int acceptConnection();
    // Bytes received on a slot's connection: cut into commands and queued.
    void receive(int slot, std::string_view bytes);
    // The peer closed the slot's connection; handled in turn with the queued commands.
    void peerClosed(int slot);
    // Handles every queued command and close notice now, in order.
    void processQueue();
    std::size_t queuedCommands() const { return queue_.size(); }
    // Closes the connections that have not logged in within kLoginTimeoutMs of connecting, and those
    // whose queue has stayed full for kFullQueueTimeoutMs. Runs once a second while any connection is
    // waiting for either; a test may call it directly.
    void checkConnections();
    bool watchTimerActive() const { return watchTimer_.isActive(); }
    bool deadlineTimerActive() const { return deadlineTimer_.isActive(); }

signals:
    void slotConnected(int slot, const QString& peer);
    void slotClosed(int slot, const QString& name);
    void loggedIn(int slot, const QString& name);
    void gameStarted(int seats, int dealsize);
    void roundEnded(int winner);
    void gameWon(const QString& winner);
    void botSpeedRequested(int milliseconds); // "CMD_botspeed" from slot 1

private:
    struct Link;
    struct Queued {
        std::string text;
        int slot = 0;
        quint64 link = 0;
        bool closed = false; // a close notice rather than a command
    };
    enum class CloseReason { PeerClosed, Kicked, Flooded };

    void onNewConnection();
    void openSlot(int slot, QTcpSocket* socket);
    void attachSocket(int slot, QTcpSocket* socket);
    void readSocket(int slot);
    void requestClose(int slot, CloseReason reason);
    void handle(const Queued& entry);
    void queueFilled(Link& link);
    void updateWatchTimer();
    void markLoggedIn(int slot);
    qint64 now() const;
    // Brings the game's time up to now, before an input or when its deadline has come.
    void catchUp();
    // Writes the game's outbox to the sockets and arms the timer to its next deadline.
    void flush();

    game::Game game_;
    std::array<std::unique_ptr<Link>, game::kFullSlot + 1> links_;
    quint64 nextLinkId_ = 1;
    protocol::ReceiveQueue<Queued> queue_;

    QTcpServer* sock1_ = nullptr;
    QTimer deadlineTimer_;
    QTimer watchTimer_;
    std::function<qint64()> clock_;
    QHostAddress ownAddress_;
    quint16 ownPort_ = 0; // 0: slot 1 is kept for nobody
};
