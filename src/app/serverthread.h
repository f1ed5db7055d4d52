#pragma once
// The hosting program's game server, run in a thread of its own so that painting, dialogs and menus
// never delay the other players. The program's own client still talks to it over the loopback socket
// like anyone else; the only values passed across are the ones set here, and they cross safely.
//
// The server is created, listens, stops and is destroyed in the server's thread; the calls below
// wait for that thread to have done it, so they read as plain function calls to the caller.

#include "protocol/facts.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class TServer;
namespace game {
class GameRecorder;
struct ResumedTable;
} // namespace game
namespace client {
class Tchat;
}

class ServerThread : public QObject {
    Q_OBJECT
public:
    explicit ServerThread(QObject* parent = nullptr);
    // Stops the server and ends its thread.
    ~ServerThread() override;

    // The version text every new server compares a newcomer's version with.
    void setVersionText(const QString& version) { version_ = version; }
    // The host's computer delay in ms, read by the server whenever a computer turn is timed.
    void setBotDelay(int ms) { botDelay_->store(ms, std::memory_order_relaxed); }
    int botDelay() const { return botDelay_->load(std::memory_order_relaxed); }
    // How many empty seats (0..3) the computer plays in a game that is not a team game (0: seat 2 when
    // nobody holds it, as always): told to the running server and to every later one.
    void setComputerOpponents(int count);
    int computerOpponents() const { return opponents_; }
    // The level every computer seat plays at: a place in protocol::kComputerLevels.
    void setComputerLevel(int level);
    int computerLevel() const { return level_; }
    // Whether players may ask for hints: told to the running server, which tells its clients, and to
    // every later one.
    void setHintsAllowed(bool allowed);
    bool hintsAllowed() const { return hints_; }
    // Every later server keeps the records of its games in `folder` (the newest `keep`); empty: none.
    void setRecords(const QString& folder, int keep);
    const QString& recordsFolder() const { return recordsFolder_; }
    // The running server goes on with a stopped game (its players come back by their names).
    void resume(const game::ResumedTable& table);
    // The running server's records and every later one's: the newest `keep` are kept (0: all).
    void setKeptRecords(int keep);

    // How a fresh server listens: its port (0: any free one), on this computer's own address only or on
    // every address, and the local port of the hosting window's connection, for which slot 1 is kept
    // (0: for the first to come).
    struct Listen {
        quint16 port = 0;
        bool loopbackOnly = false;
        quint16 ownClientPort = 0;
    };
    // A fresh server listening as `how` says; the one running before is stopped first. Returns the
    // port it listens on, or 0 with the reason in `error`.
    quint16 start(const Listen& how, QString* error = nullptr);
    // On every address, slot 1 for the first to come.
    quint16 start(quint16 port, QString* error = nullptr) { return start(Listen{port, false, 0}, error); }
    // The address and port the running server listens on (null and 0 when none runs).
    QHostAddress address() const { return address_; }
    quint16 port() const { return serving_ ? port_ : 0; }
    // Stops the running server, if any (its connections close); the thread stays for the next one.
    void stop();
    bool serving() const { return serving_; }
    // The thread the server runs in (idle until the first start).
    const QThread& thread() const { return thread_; }

private:
    void ensureThread();
    void tellServer(std::function<void(TServer&)> change);
    void stopThread();

    QThread thread_;
    QObject* worker_ = nullptr;                    // lives in thread_: the context the calls are run in
    TServer* server_ = nullptr;                    // created, used and deleted in thread_ only
    std::unique_ptr<game::GameRecorder> recorder_; // the server's record keeper, in thread_ like it
    QString recordsFolder_;                        // read and written in the caller's thread only
    int keepRecords_ = 0;
    bool serving_ = false; // read and written in the caller's thread only
    QHostAddress address_; // read and written in the caller's thread only
    quint16 port_ = 0;     // read and written in the caller's thread only
    QString version_;
    int opponents_ = 0;                   // read and written in the caller's thread only
    int level_ = protocol::kClassicLevel; // read and written in the caller's thread only
    bool hints_ = true;                   // read and written in the caller's thread only
    std::shared_ptr<std::atomic<int>> botDelay_ = std::make_shared<std::atomic<int>>(1000);
};

// The window hosts through `server`: every hosted game a fresh server (any earlier one stopped),
// stopped before joining another game, and told the computer delay the window's menu sets, the
// number and level of computer opponents its game start dialog sets, and whether hints are allowed.
void wireHosting(client::Tchat& window, ServerThread& server);
