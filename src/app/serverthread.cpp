#include "serverthread.h"

#include "client/window/tchat.h"
#include "game/gamerecorder.h"
#include "resumeoffer.h"
#include "server/tserver.h"

#include <QMetaObject>

namespace {

// Every seat at one level (a place in protocol::kComputerLevels): the level counts only for seats the
// computer plays.
void applyLevel(game::Game& game, int level) {
    const auto chosen =
        level >= 0 && level < static_cast<int>(protocol::kComputerLevels.size())
            ? game::computerLevelNamed(protocol::kComputerLevels[static_cast<std::size_t>(level)])
            : std::nullopt;
    for (int seat = 1; seat <= game::kSeats; ++seat)
        game.setComputerLevel(seat, chosen.value_or(game::ComputerLevel::Classic));
}

} // namespace

ServerThread::ServerThread(QObject* parent) : QObject(parent) {
    thread_.setObjectName(QStringLiteral("game server"));
}

ServerThread::~ServerThread() {
    stopThread();
}

void ServerThread::ensureThread() {
    if (thread_.isRunning()) return;
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    thread_.start();
}

quint16 ServerThread::start(const Listen& how, QString* error) {
    stop();
    ensureThread();
    quint16 listening = 0;
    QHostAddress address;
    QString why;
    const QString version = version_;
    const std::shared_ptr<std::atomic<int>> delay = botDelay_;
    const int opponents = opponents_;
    const int level = level_;
    const bool hints = hints_;
    const std::string records = recordsFolder_.toStdString();
    const int keep = keepRecords_;
    QMetaObject::invokeMethod(
        worker_,
        [&] {
            auto* fresh = new TServer;
            fresh->setVersionText(version);
            fresh->setBotDelaySource([delay] { return delay->load(std::memory_order_relaxed); });
            fresh->game().setComputerOpponents(opponents);
            applyLevel(fresh->game(), level);
            fresh->setHintsAllowed(hints);
            // Kept before the first connection can come in.
            if (how.ownClientPort != 0) fresh->keepFirstSlotFor(QHostAddress::LocalHost, how.ownClientPort);
            if (!fresh->listen(how.port, how.loopbackOnly ? QHostAddress::LocalHost : QHostAddress::Any)) {
                why = fresh->errorString();
                delete fresh;
                return;
            }
            listening = fresh->serverPort();
            address = fresh->serverAddress();
            server_ = fresh;
            if (!records.empty()) {
                recorder_ = std::make_unique<game::GameRecorder>(records, keep);
                server_->game().setTableSink(recorder_.get());
            }
        },
        Qt::BlockingQueuedConnection);
    if (listening == 0) {
        if (error) *error = why;
        return 0;
    }
    serving_ = true;
    address_ = address;
    port_ = listening;
    return listening;
}

void ServerThread::stop() {
    if (!serving_) return;
    serving_ = false;
    address_.clear();
    QMetaObject::invokeMethod(
        worker_,
        [this] {
            delete server_;
            server_ = nullptr;
            recorder_.reset();
        },
        Qt::BlockingQueuedConnection);
}

// Runs `change` on the running server in its thread. Queued before anything the window sends
// afterwards reaches the server's socket, so a game the host starts next is played with it.
void ServerThread::tellServer(std::function<void(TServer&)> change) {
    if (!serving_) return;
    QMetaObject::invokeMethod(
        worker_,
        [this, change = std::move(change)] {
            if (server_) change(*server_);
        },
        Qt::QueuedConnection);
}

void ServerThread::setComputerOpponents(int count) {
    opponents_ = count;
    tellServer([count](TServer& s) { s.game().setComputerOpponents(count); });
}

void ServerThread::setComputerLevel(int level) {
    level_ = level;
    tellServer([level](TServer& s) { applyLevel(s.game(), level); });
}

void ServerThread::setHintsAllowed(bool allowed) {
    hints_ = allowed;
    tellServer([allowed](TServer& s) { s.setHintsAllowed(allowed); });
}

void ServerThread::setRecords(const QString& folder, int keep) {
    recordsFolder_ = folder;
    keepRecords_ = keep;
}

void ServerThread::resume(const game::ResumedTable& table) {
    tellServer([table](TServer& s) { s.resume(table); });
}

void ServerThread::setKeptRecords(int keep) {
    keepRecords_ = keep;
    if (!serving_) return;
    QMetaObject::invokeMethod(
        worker_,
        [this, keep] {
            if (recorder_) recorder_->setKeep(keep);
        },
        Qt::QueuedConnection);
}

void ServerThread::stopThread() {
    stop();
    if (!thread_.isRunning()) return;
    thread_.quit();
    thread_.wait();
    // The thread has ended: nothing can be handling events for its objects any more.
    delete worker_;
    worker_ = nullptr;
}

void wireHosting(client::Tchat& window, ServerThread& server) {
    server.setBotDelay(window.botspeed());
    QObject::connect(&window, &client::Tchat::botSpeedChanged, &server, &ServerThread::setBotDelay);
    server.setComputerOpponents(window.computerOpponents());
    QObject::connect(&window, &client::Tchat::computerOpponentsChanged, &server,
                     &ServerThread::setComputerOpponents);
    server.setComputerLevel(window.computerLevel());
    QObject::connect(&window, &client::Tchat::computerLevelChanged, &server, &ServerThread::setComputerLevel);
    server.setHintsAllowed(window.hintsAllowed());
    QObject::connect(&window, &client::Tchat::hintsAllowedChanged, &server, &ServerThread::setHintsAllowed);
    window.setServerStarter([&window, &server](const client::Tchat::HostRequest& r, QString* error) {
        const quint16 port =
            server.start(ServerThread::Listen{r.port, r.loopbackOnly, r.ownClientPort}, error);
        // Once the window has finished hosting: a game stopped before its end may be resumed.
        if (port != 0)
            QMetaObject::invokeMethod(
                &window, [&window, &server] { resumeoffer::offer(&window, server); }, Qt::QueuedConnection);
        return port;
    });
    window.setServerStopper([&server] { server.stop(); });
}
