// rimbalo-server: the game server without a window. The first connection is slot 1 and hosts.

#include "eventloop/epolldispatcher.h"
#include "game/gamerecorder.h"
#include "records/recordfolder.h"
#include "registry/registryaddress.h"
#include "registry/tableregistry.h"
#include "rimbaloversion.h"
#include "server/tserver.h"
#include "serveroptions.h"
#include "stopsignals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QHostInfo>
#include <QTextStream>
#include <QTimer>

#include <optional>

namespace {

constexpr int kStatusIntervalMs = 60'000;

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

// One event, one line on standard error, stamped with the UTC time (a service manager's journal keeps
// the lines in order even when it adds its own time).
void say(const QString& line) {
    err() << QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) << ' ' << line << Qt::endl;
}

void fail(const QString& message) {
    err() << "rimbalo-server: " << message << Qt::endl;
}

// One line for every connection (and refusal, and close with its reason), login, table, game start,
// round end and winner, and a status line every minute.
void report(TServer& server, QTimer& status) {
    QObject::connect(&server, &TServer::logLine, [](const QString& line) { say(line); });
    status.setInterval(kStatusIntervalMs);
    QObject::connect(&status, &QTimer::timeout, [&server] { say(server.statusLine()); });
    status.start();
}

// When the newest record in `folder` is of a game that stopped before its winner (the server was
// killed or the machine stopped), that game goes on from its last turn's start, recorded anew.
void resumeStoppedGame(TServer& server, const game::GameRecorder& recorder, const std::string& folder) {
    const std::vector<std::string> kept = records::listRecords(folder);
    if (kept.empty()) return;
    const records::Record record = records::readRecordFile(kept.front());
    const std::optional<game::ResumedTable> point = game::resumePoint(record, kept.front());
    if (!point) {
        if (!record.finished())
            say(QStringLiteral("The game of %1 stopped before its end but cannot go on: %2")
                    .arg(QString::fromStdString(kept.front()), QString::fromStdString(record.problem)));
        return;
    }
    QStringList seats;
    for (int seat = 1; seat <= game::kSeats; ++seat)
        if (point->playing[static_cast<std::size_t>(seat)])
            seats << QString::fromStdString(point->names[static_cast<std::size_t>(seat)]);
    say(QStringLiteral("Resuming the stopped game of %1 (%2), round %3, %4")
            .arg(QString::fromStdString(kept.front()), seats.join(QStringLiteral(", ")))
            .arg(point->round)
            .arg(point->roundEnd ? QStringLiteral("at the next round's deal")
                                 : QStringLiteral("at seat %1's turn").arg(point->seat)));
    server.resume(*point);
    say(recorder.problem().empty()
            ? QStringLiteral("Recording to %1").arg(QString::fromStdString(recorder.path()))
            : QStringLiteral("No game record: %1").arg(QString::fromStdString(recorder.problem())));
}

// SIGHUP: the configuration file read again and what can change while running applied; logged either way.
void reload(TServer& server, const serverapp::Request& started, serverapp::Settings& current) {
    serverapp::Settings fresh;
    if (const QString error = serverapp::reread(started, fresh); !error.isEmpty()) {
        say(QStringLiteral("Configuration not re-read, the server goes on as it was: %1").arg(error));
        return;
    }
    const QString file =
        started.configFile.isEmpty() ? QStringLiteral("no configuration file") : started.configFile;
    QString changes;
    if (fresh.hints != current.hints) {
        server.setHintsAllowed(fresh.hints);
        changes += fresh.hints ? QStringLiteral("; hints on") : QStringLiteral("; hints off");
    }
    if (fresh.port != current.port || fresh.address != current.address)
        changes += QStringLiteral("; the new port or address takes effect at the next start");
    if (fresh.registry != current.registry || fresh.advertise != current.advertise ||
        fresh.registryTtl != current.registryTtl)
        changes += QStringLiteral("; the new registry settings take effect at the next start");
    current.hints = fresh.hints;
    say(QStringLiteral("Configuration re-read (%1)%2")
            .arg(file, changes.isEmpty() ? QStringLiteral(": no change") : changes));
}

// The registry shared with other servers, when one is given: this server's tables are registered under
// the address it advertises (this machine's name and the listening port unless told otherwise).
void joinRegistry(TServer& server, const serverapp::Settings& settings) {
    if (settings.registry.isEmpty()) return;
    QString error;
    const auto where = registry::parseRegistryUrl(settings.registry, &error);
    registry::HostPort self{QHostInfo::localHostName(), server.serverPort()};
    if (!settings.advertise.isEmpty()) {
        const auto given = registry::parseHostPort(settings.advertise, &error);
        self.host = given->host;
        if (given->port) self.port = given->port;
    }
    server.setRegistry(new registry::TableRegistry(*where, self.text(), settings.registryTtl));
}

// Takes this server's tables off the registry before it stops, waiting a moment at most: what is left
// there expires with its time-to-live.
void leaveRegistry(TServer& server) {
    registry::TableRegistry* shared = server.tableRegistry();
    if (!shared || !shared->isUp()) return;
    QEventLoop wait;
    shared->withdraw([&wait] { wait.quit(); });
    QTimer::singleShot(registry::RedisConnection::kReplyTimeoutMs, &wait, &QEventLoop::quit);
    wait.exec();
}

} // namespace

int main(int argc, char** argv) {
    // With thousands of connections a pass of Qt's own dispatchers costs in proportion to all of them;
    // the epoll one in proportion to the busy ones (measured with bench/tables). Where there is no
    // epoll, Qt's own without GLib, a third cheaper per move than the GLib one.
    if (QAbstractEventDispatcher* dispatcher = eventloop::EpollDispatcher::create())
        QCoreApplication::setEventDispatcher(dispatcher);
    else if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rimbalo-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RIMBALO_VERSION));

    const serverapp::Request request =
        serverapp::readRequest(app.arguments(), QString::fromLatin1(serverapp::kDefaultConfigFile));
    if (request.kind == serverapp::Request::Kind::Error) {
        fail(request.text);
        return serverapp::kBadConfiguration;
    }
    if (request.kind != serverapp::Request::Kind::Run) {
        QTextStream(stdout) << request.text;
        return 0;
    }
    serverapp::Settings settings = request.settings;

    TServer server;
    server.setLimits(settings.limits);
    server.setOperatorToken(settings.operatorToken);
    server.setVersionText(QStringLiteral(RIMBALO_VERSION));
    server.setHintsAllowed(settings.hints);
    server.setComputerLevel(settings.level);
    // The host's client tells a stand-alone server its computer delay.
    int botDelay = settings.computerDelay;
    server.setBotDelaySource([&botDelay] { return botDelay; });
    QObject::connect(&server, &TServer::botSpeedRequested, [&botDelay](int ms) { botDelay = ms; });
    QTimer status;
    report(server, status);
    std::optional<game::GameRecorder> recorder;
    if (!settings.records.isEmpty()) {
        recorder.emplace(settings.records.toStdString(), settings.keepRecords);
        server.game().setTableSink(&*recorder);
        // Told once per game: a record that cannot be written does not stop the game.
        QObject::connect(&server, &TServer::gameStarted, [&recorder] {
            say(recorder->problem().empty()
                    ? QStringLiteral("Recording to %1").arg(QString::fromStdString(recorder->path()))
                    : QStringLiteral("No game record: %1").arg(QString::fromStdString(recorder->problem())));
        });
    }

    const QString where =
        settings.address == QHostAddress::Any ? QStringLiteral("every address") : settings.address.toString();
    if (!server.listen(settings.port, settings.address)) {
        fail(QStringLiteral("cannot listen on %1, port %2: %3")
                 .arg(where)
                 .arg(settings.port)
                 .arg(server.errorString()));
        return serverapp::kAddressUnavailable;
    }
    say(QStringLiteral("Rimbalo server %1%2 listening on %3, port %4%5%6")
            .arg(QStringLiteral(RIMBALO_VERSION),
                 server.singleTable() ? QString()
                                      : QStringLiteral(" (up to %1 tables)").arg(settings.limits.maxTables),
                 where)
            .arg(server.serverPort())
            .arg(settings.hints ? QString() : QStringLiteral(", hints off"))
            .arg(settings.level == game::ComputerLevel::Classic
                     ? QString()
                     : QStringLiteral(", computer level %1")
                           .arg(QString::fromLatin1(game::computerLevelName(settings.level).data()))));
    if (recorder) resumeStoppedGame(server, *recorder, settings.records.toStdString());
    joinRegistry(server, settings);

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);
    stop.watchHangup();
    QObject::connect(&stop, &StopSignals::reloadRequested, [&] { reload(server, request, settings); });
    const int code = app.exec();
    leaveRegistry(server);
    say(QStringLiteral("Stopped"));
    return code;
}
