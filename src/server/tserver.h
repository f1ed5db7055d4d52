#pragma once
// The game server's socket adapter around the game (game::Game). It listens, accepts connections, cuts
// each connection's bytes into commands with a frame buffer, queues them with the close notices and
// hands them to the game of the connection's table one per event-loop pass, writes every game's outbox
// to the sockets, and arms each table's timer to its game's next deadline. Everything runs on one event
// loop: no thread per table or connection.
//
// With one table (the default, and the hosting window's server) every connection goes to that table,
// exactly as a single game. With more, the server holds up to ServerLimits::maxTables tables, each
// with its own code, slots and game: a connection that says nothing of tables is seated at a public
// table with a free seat (or a new one), and the table commands let a program list, create, join and
// leave tables. Logged-in players get a seat token that brings a dropped connection back to its seat
// while the seat is held for it.
//
// It also keeps the connection limits: the unterminated-command byte limit, back-pressure for bursts,
// the login time-out, unread output, connections in all and per address, tables created per address.
// Nothing of the referee lives here.

#include "game/game.h"
#include "protocol/facts.h"
#include "protocol/framebuffer.h"
#include "protocol/messages.h"
#include "protocol/receivequeue.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

class QTcpServer;
class QTcpSocket;
namespace registry {
class TableRegistry;
}

struct ServerLimits {
    int maxTables = 1;                                // 1: a single table, as a single game
    int maxConnections = 10'000;                      // in all
    int maxPerAddress = 0;                            // from one remote address; 0: no limit
    int tablesPerMinute = 10;                         // tables one address may create in a minute
    qint64 reconnectGraceMs = 120'000;                // a dropped player's seat is held this long
    int movesPerTurn = game::Game::kDefaultMoveLimit; // tile moves a seat may make in one turn; 0: any
};

struct ServerStats {
    int connections = 0;
    int tables = 0;
    int gamesPlayed = 0;
    int refusals = 0;
};

class TServer : public QObject {
    Q_OBJECT
public:
    // A connection's commands wait in the queue up to this many; past it, what it sends stays in its
    // socket (and the network holds the sender back) until the queue has room again.
    static constexpr int kMaxQueuedPerConnection = 256;
    static constexpr qint64 kReadChunk = 4096; // bytes read from a socket at a time
    // Commands handled in one pass of the event loop, in arrival order: with thousands of sockets a
    // pass costs far more than a command.
    static constexpr std::size_t kCommandsPerPass = 64;
    static constexpr qint64 kMaxUnsentBytes = 4 * 1024 * 1024;
    static constexpr std::size_t kKeptOutputBytes = 256; // a connection's output room kept between passes
    static constexpr qint64 kLoginTimeoutMs = 30'000;    // to send the login after connecting
    static constexpr qint64 kFullQueueTimeoutMs = 5'000; // a sender keeping its queue full this long
    static constexpr qint64 kLobbyTimeoutMs = 600'000;   // at no table, choosing one
    static constexpr qint64 kEmptyTableMs = 30'000;      // an empty table stays this long
    static constexpr int kWatchIntervalMs = 1000;
    static constexpr int kAcceptPauseMs = 250; // accepting rests this long when descriptors run out
    static constexpr int kIdleWakes = 3;       // listener wakes in a row that accept nothing, at most
    static constexpr int kDefaultBotDelay = game::Game::kDefaultBotDelay;
    static constexpr int kCodeLength = 6;
    static constexpr int kReserveTries = 4; // codes tried when the registry says one is taken
    // Table codes: no 0/O, 1/I/L, 2/Z, 5/S or 8/B to mistake for one another.
    static constexpr std::string_view kCodeAlphabet = "ACDEFGHJKMNPQRTUVWXY34679";

    explicit TServer(QObject* parent = nullptr);
    ~TServer() override;

    // ---- Network edge ----
    bool listen(quint16 port = protocol::kGamePort,
                const QHostAddress& address = QHostAddress::Any); // false on failure
    quint16 serverPort() const;
    QHostAddress serverAddress() const;
    // Slot 1, and the host's powers with it, belong to the connection from `address`:`port` (the hosting
    // program's own window, which binds its socket before the server listens): every other connection
    // is seated from slot 2 on, also one that arrives first.
    void keepFirstSlotFor(const QHostAddress& address, quint16 port);
    QString errorString() const;
    // Before the first connection: how many tables, connections and so on (one table by default).
    void setLimits(const ServerLimits& limits);
    const ServerLimits& limits() const { return limits_; }
    bool singleTable() const { return limits_.maxTables <= 1; }
    // Tables shared with other servers through a registry (a server of many tables): this server's
    // tables are registered there, the list comes from there, and a code held by another server is
    // answered with a redirect to it. The server takes the registry over and starts it.
    void setRegistry(registry::TableRegistry* registry);
    registry::TableRegistry* tableRegistry() const { return registry_; }
    // The operator's token: a client that sends it holds the host's powers at its table.
    void setOperatorToken(const std::string& token) { operatorToken_ = token; }
    void setBotDelaySource(std::function<int()> source) { botDelaySource_ = std::move(source); }
    void setVersionText(const QString& version);
    // A fixed seed makes every deal repeatable (tests): the rounds are then dealt from the game's own
    // generator without a commitment.
    void setSeed(quint32 seed);
    // Whether players may ask for hints; a change is told to every client at once.
    void setHintsAllowed(bool allowed);
    // The clock of the games and of the connection limits, in milliseconds (a steady clock unless set).
    void setClock(std::function<qint64()> nowMs);
    // The clock set with setClock has moved on: runs what fell due by now and sends what it said.
    void clockMoved();

    // Every computer seat of every table plays at this level.
    void setComputerLevel(game::ComputerLevel level);
    // Goes on with a stopped game (from its record) at the server's present time, at the single table.
    void resume(const game::ResumedTable& table);

    // The game of the single table (tests and the hosting window look into it).
    game::Game& game();
    const game::Game& game() const;
    // A table's game by its code; null when there is none.
    const game::Game* tableGame(const std::string& code) const;
    std::vector<std::string> tableCodes() const;
    ServerStats stats() const;
    QString statusLine() const;

    // ---- Connections and the receive path of the single table ----
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
    // whose queue has stayed full for kFullQueueTimeoutMs; frees held seats whose time ran out and
    // removes tables left empty. Runs once a second while any of that is pending; a test may call it.
    void checkConnections();
    bool watchTimerActive() const { return watchTimer_.isActive(); }
    bool deadlineTimerActive() const;

signals:
    void slotConnected(int slot, const QString& peer);
    void slotClosed(int slot, const QString& name);
    void loggedIn(int slot, const QString& name);
    void gameStarted(int seats, int dealsize);
    void roundEnded(int winner);
    void gameWon(const QString& winner);
    void botSpeedRequested(int milliseconds); // "CMD_botspeed" from the host
    // One line for the operator's log: connections, refusals and close reasons, tables, games.
    void logLine(const QString& line);

private:
    struct Link;
    struct Table;
    struct Queued {
        std::string text;
        quint64 link = 0;
        bool closed = false; // a close notice rather than a command
    };
    enum class CloseReason { PeerClosed, Kicked, LoginTimeout, Flooded, Unread, Idle };

    // tserver.cpp: connections and the receive path
    void onNewConnection();
    void onAcceptError();
    void watchAccepting();
    void restFromAccepting(const QString& why);
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool refuseOverLimits(QTcpSocket* socket, const QString& peer);
    void refuse(QTcpSocket* socket, const QString& peer, const std::string& text, const QString& reason);
    Link& addLink(QTcpSocket* socket, const QString& peer);
    void attachSocket(Link& link);
    void readSocket(quint64 id);
    void requestClose(Link& link, CloseReason reason, const QString& by = {});
    void finishClose(Link& link);
    void handle(const Queued& entry);
    bool admitted(Link& link, std::string_view entry);
    void queueFilled(Link& link);
    void updateWatchTimer();
    void receiveOn(Link& link, std::string_view bytes);
    Link* slotLink(int slot) const; // the single table's connection in a slot
    Link* findLink(quint64 id) const;
    void sendDirect(Link& link, const std::string& text);
    // The output of a pass: everything said to one connection goes out in one write.
    void writeUnsent(Link& link);
    void writeAllUnsent();
    qint64 now() const;
    QString where(const Link& link) const;

    // tables.cpp: tables, seating, the table commands, tokens and held seats
    Table& createTable(bool isPublic, const std::string& name, const std::string& code = {});
    void removeTable(Table& table);
    Table* findTable(const std::string& code) const;
    Table* publicTableWithSeat() const;
    bool seatAt(Link& link, Table& table, bool own = false);
    void attach(Link& link, Table& table, int slot);
    void forgetToken(Table& table, int slot);
    void tableError(Link& link, const std::string& text, const QString& logged);
    void discardLink(Link& link);
    void leaveTable(Link& link, game::Leave leave);
    bool tableCommand(Link& link, std::string_view entry);
    void listTables(Link& link);
    std::vector<protocol::toclient::TableEntry> localListing() const;
    protocol::toclient::TableEntry entryOf(const Table& table) const;

    // registered.cpp: the hooks of the shared registry
    void listingChanged();
    void createRegistered(quint64 linkId, bool isPublic, const std::string& name, int tries);
    void lookUpElsewhere(Link& link, const std::string& code);
    void listFromRegistry(Link& link);
    void createCommand(Link& link, std::string_view args);
    void joinCommand(Link& link, std::string_view args);
    void reconnectCommand(Link& link, std::string_view args);
    // A login with the name of a seat kept after a resume moves the connection to that seat; true when
    // it did (the connection is asked to log in again there).
    bool seatBackByName(Link& link, std::string_view entry);
    void operatorCommand(Link& link, std::string_view args);
    void markLoggedIn(Table& table, int slot, const std::string& name);
    void holdOrFree(Link& link);
    void expireHolds(qint64 t);
    void removeEmptyTables(qint64 t);
    void noteIfEmpty(Table& table);
    std::string randomHex(int bytes);
    std::string newCode();
    void wireGame(Table& table);
    // masterthinking.cpp: a master seat's turn thought over on a worker, its answer brought back here
    void think(const std::string& code, game::MasterJob job);
    void masterAnswered(const std::string& code, const game::MasterJob& job,
                        const std::optional<game::Turn>& turn);
    // Brings a table's game up to now, before an input or when its deadline has come.
    void catchUp(Table& table);
    // Writes a table's outbox to the sockets and arms its timer to the game's next deadline.
    void flush(Table& table);

    registry::TableRegistry* registry_ = nullptr;
    std::set<std::string> lostCodes_; // codes another server's table took while the registry was away
    ServerLimits limits_;
    std::string operatorToken_;
    std::unordered_map<quint64, std::unique_ptr<Link>> links_;
    std::map<std::string, std::unique_ptr<Table>> tables_; // by code, listed in that order
    Table* single_ = nullptr;                              // the table of a single-table server
    std::unordered_map<std::string, std::pair<std::string, int>> tokens_; // seat token: table, slot
    std::unordered_map<QString, int> perAddress_;
    std::unordered_map<QString, std::deque<qint64>> createdAt_;
    quint64 nextLinkId_ = 1;
    protocol::ReceiveQueue<Queued> queue_;
    std::vector<quint64> unsent_; // the connections with output waiting for the end of the pass
    bool writePosted_ = false;
    ServerStats stats_;

    std::random_device entropy_; // the operating system's random source
    std::optional<quint32> seed_;
    bool hintsAllowed_ = true;
    std::string version_;
    std::function<int()> botDelaySource_;
    game::ComputerLevel level_ = game::ComputerLevel::Classic;
    QTcpServer* sock1_ = nullptr;
    bool acceptTroubleLogged_ = false;
    int idleWakes_ = 0; // the listener woke this many times in a row without a connection to accept
    QTimer watchTimer_;
    QThreadPool thinkers_; // the masters' thinking, off the event loop
    // Set when the server goes: a master still thinking stops and posts nothing.
    std::shared_ptr<std::atomic<bool>> closing_ = std::make_shared<std::atomic<bool>>(false);
    std::function<qint64()> clock_;
    QHostAddress ownAddress_;
    quint16 ownPort_ = 0; // 0: slot 1 is kept for nobody
};
