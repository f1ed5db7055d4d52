#pragma once
// The game server: connection slots and login, the receive queue and its dispatch, and the referee of
// games, rounds and turns. It owns the pool, the racks, the board and the scores.
//
// Every command handler is a plain method taking the argument text and the slot whose connection sent
// it; kInternal (0) marks the computer player's own calls, which are not tied to a connection. Timer
// handlers can be called directly, and everything sent goes through sendToSlot, so the whole server can
// be driven without sockets or waiting.

#include "computerplayer.h"
#include "protocol/messages.h"
#include "rules/scoring.h"
#include "rules/tiles.h"
#include "tplayer.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace server {

// The options of the game in progress, as chosen in the host's start dialog.
struct GameOptions {
    std::string hostname;
    int playtoscore = 500;
    int turnseconds = 60;
    int dealsize = 14;
    bool timepenalty = true;
    bool teamgame = false;
};

// The phase of the turn clock: a turn runs, the pause between rounds, the grace after the time is up.
enum class ClockPhase { Turn = 1, BetweenRounds = 2, Grace = 3 };

} // namespace server

class TServer : public QObject {
    Q_OBJECT
public:
    using tplayer = server::tplayer;
    using GameOptions = server::GameOptions;
    using ClockPhase = server::ClockPhase;

    // A connection's commands wait in the queue up to this many; past it, what it sends stays in its
    // socket (and the network holds the sender back) until the queue has room again.
    static constexpr int kMaxQueuedPerConnection = 256;
    static constexpr qint64 kReadChunk = 4096; // bytes read from a socket at a time
    static constexpr qint64 kMaxUnsentBytes = 4 * 1024 * 1024;
    static constexpr qint64 kLoginTimeoutMs = 30'000;    // to send the login after connecting
    static constexpr qint64 kFullQueueTimeoutMs = 5'000; // a sender keeping its queue full this long
    static constexpr int kWatchIntervalMs = 1000;
    static constexpr int kDefaultBotDelay = 1000;

    explicit TServer(QObject* parent = nullptr);
    ~TServer() override;

    // ---- Network edge ----
    bool listen(quint16 port = 7772, const QHostAddress& address = QHostAddress::Any); // false on failure
    quint16 serverPort() const;
    QString errorString() const;
    void setBotDelaySource(std::function<int()> source); // the host's computer delay in ms
    void setVersionText(const QString& version);         // compared with a newcomer's version
    void setSeed(quint32 seed);
    // The clock of the connection limits, in milliseconds (a steady clock unless a test sets one).
    void setClock(std::function<qint64()> nowMs);

    // ---- Send path: everything the server sends passes through sendToSlot ----
    using SendObserver = std::function<void(int slot, const std::string& text)>;
    void setSendObserver(SendObserver observer);
    void sendToSlot(int slot, const std::string& text);
    void sendToAll(const std::string& text);
    template <class M> void send(int slot, const M& message) { sendToSlot(slot, protocol::encode(message)); }
    template <class M> void sendAll(const M& message) { sendToAll(protocol::encode(message)); }

    // ---- Connections and the receive path ----
    // Seats a new connection that has no socket (tests, fuzzing); returns its slot, kFullSlot when full.
    int acceptConnection();
    // Bytes received on a slot's connection: cut into commands and queued.
    void receive(int slot, std::string_view bytes);
    // The peer closed the slot's connection; handled in turn with the queued commands.
    void peerClosed(int slot);
    // The server closes the slot's connection (a kick).
    void disconnectsock(int slot);
    // Handles every queued command and close notice now, in order.
    void processQueue();
    std::size_t queuedCommands() const { return queue_.size(); }
    // One received command (without its end marker) from the connection in `fromSlot`.
    void dispatch(std::string_view entry, int fromSlot);
    // Closes the connections that have not logged in within kLoginTimeoutMs of connecting, and those
    // whose queue has stayed full for kFullQueueTimeoutMs. Runs once a second while any connection is
    // waiting for either; a test may call it directly.
    void checkConnections();
    bool watchTimerActive() const { return watchTimer_.isActive(); }

    // ---- Command handlers (argument text after the command word) ----
    void receivedlogininfo(std::string_view args, int fromSlot);
    void kickhim(std::string_view args, int fromSlot);
    void chat(std::string_view args, int fromSlot);
    void action(std::string_view args, int fromSlot);
    void playasound(std::string_view args, int fromSlot);
    void botspeed(std::string_view args, int fromSlot);
    void justwatch(std::string_view args, int fromSlot);
    void startgame(std::string_view args, int fromSlot);
    void pause(std::string_view args, int fromSlot);
    void placemytile(std::string_view args, int fromSlot = server::kInternal);
    void swaptiles(std::string_view args, int fromSlot = server::kInternal);
    void replacetile(std::string_view args, int fromSlot = server::kInternal);
    void undothem(std::string_view args, int fromSlot = server::kInternal);
    void finish(std::string_view args, int fromSlot = server::kInternal);
    void drawcard(std::string_view args, int fromSlot = server::kInternal);
    void clickyes(std::string_view args, int fromSlot = server::kInternal);

    // ---- Referee operations ----
    void startround();
    void givetiles();
    void findplayer();
    void undo(int seat);
    void clearusingstring(int seat);
    bool draw(int seat, int count); // false when the draw ended the round
    void timeup(int seat);
    void endround(int winner);
    bool checkforwin();

    // ---- The computer player ----
    bool computerControlled(int seat) const; // nobody connected, or the seat's human just watches
    void computerplay(int seat);             // plays the turn of the seat on turn at once
    int botDelay() const;

    // ---- Timers ----
    void timer1Timer();
    void computertimerTimer();

    // ---- State ----
    tplayer& player(int slot);
    const tplayer& player(int slot) const;
    const rules::Board& board() const { return board_; }
    const rules::Board& turnboard() const { return turnboard_; }
    const rules::Pool& pool() const { return pool_; }
    const GameOptions& options() const { return options_; }
    const std::vector<rules::RackItem>& playedlist() const { return playedlist_; }
    std::mt19937& random() { return rng_; }
    int slotcount() const { return slotcount_; }
    bool gamestarted() const { return gamestarted_; }
    int currentplayer() const { return currentplayer_; }
    int turnclock() const { return turnclock_; }
    ClockPhase clockphase() const { return clockphase_; }
    bool timer1Active() const { return timer1_.isActive(); }
    bool computertimerActive() const { return computertimer_.isActive(); }
    int computertimerInterval() const { return computertimer_.interval(); }
    // A turn is being played: a game runs and the clock is not between rounds.
    bool turnRunning() const;
    bool isOnTurn(int seat) const { return turnRunning() && server::isSeat(seat) && seat == currentplayer_; }

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

    // connections.cpp
    void onNewConnection();
    void attachSocket(int slot, QTcpSocket* socket);
    int allocateSlot();
    void openSlot(int slot, QTcpSocket* socket);
    enum class CloseReason { PeerClosed, Kicked, Flooded };
    void readSocket(int slot);
    void queueFilled(Link& link);
    void updateWatchTimer();
    void markLoggedIn(int slot);
    qint64 now() const;
    void requestClose(int slot, CloseReason reason);
    void closeNotice(int slot, quint64 link);
    void scheduleDispatch();
    void dispatchOne();
    void handle(const Queued& entry);
    bool fromSender(int field, int fromSlot) const;

    // login.cpp
    void sendExistingPlayers(int slot);
    void sendVersionNotices(int slot, const std::string& version);
    void bringUpToDate(int slot);

    // referee.cpp / turns.cpp / roundend.cpp
    int seatsToDeal() const;
    void limitDealSize();
    void startComputerTimer();
    void sendNextPlayer();
    void takeBackAndDraw(int seat, int count);
    void acceptTurn(int seat);
    void returnToRack(int seat, const rules::RackItem& item, std::vector<rules::RackItem>& returned);
    rules::SeatRecords seatRecords() const;             // what scoring needs of seats 1..4
    void takeScores(const rules::SeatRecords& records); // score and points back from scoring

    std::array<tplayer, server::kFullSlot + 1> players_{}; // index 0 unused
    std::array<std::unique_ptr<Link>, server::kFullSlot + 1> links_;
    quint64 nextLinkId_ = 1;
    int slotcount_ = 0;
    std::deque<Queued> queue_;
    bool dispatchPosted_ = false;

    rules::Pool pool_;
    rules::Board board_;
    rules::Board turnboard_;
    std::vector<rules::RackItem> playedlist_;
    GameOptions options_;
    bool gamestarted_ = false;
    int currentplayer_ = 0;
    int turnclock_ = 0;
    ClockPhase clockphase_ = ClockPhase::Turn;

    QTcpServer* sock1_ = nullptr;
    QTimer timer1_;
    QTimer computertimer_;
    QTimer watchTimer_;
    std::function<qint64()> clock_;
    std::mt19937 rng_;
    std::function<int()> botDelaySource_;
    std::string version_ = "1.0.11";
    SendObserver observer_;
    ComputerPlayer computer_;
};
