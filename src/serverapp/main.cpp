// rimbalo-server: the game server without a window. The first connection is slot 1 and hosts.

#include "rimbaloversion.h"
#include "server/tserver.h"
#include "stopsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QTextStream>

#include <optional>

namespace {

constexpr int kBadStart = 2;

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

// One line for every connection, login, game start, round end and winner.
void report(TServer& server) {
    QObject::connect(&server, &TServer::slotConnected, [](int slot, const QString& peer) {
        say(QStringLiteral("Connection from %1 in slot %2").arg(peer).arg(slot));
    });
    QObject::connect(&server, &TServer::slotClosed, [](int slot, const QString& name) {
        say(QStringLiteral("Slot %1 closed%2").arg(slot).arg(name.isEmpty() ? QString() : " (" + name + ")"));
    });
    QObject::connect(&server, &TServer::loggedIn, [](int slot, const QString& name) {
        say(QStringLiteral("Slot %1 logged in as %2").arg(slot).arg(name));
    });
    QObject::connect(&server, &TServer::gameStarted, [](int seats, int dealsize) {
        say(QStringLiteral("Game started: %1 seats, %2 tiles each").arg(seats).arg(dealsize));
    });
    QObject::connect(&server, &TServer::roundEnded, [](int winner) {
        say(winner == 0 ? QStringLiteral("Round ended: the pool ran dry")
                        : QStringLiteral("Round ended: seat %1 went out").arg(winner));
    });
    QObject::connect(&server, &TServer::gameWon, [](const QString& winner) { say("Winner: " + winner); });
}

struct Options {
    quint16 port = 7772;
    QHostAddress address{QHostAddress::Any};
    bool hints = true;
};

// The command line, or nothing after the help, the version or a message saying what was wrong
// (`exitCode` tells which).
std::optional<Options> readOptions(const QStringList& args, int& exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rimbalo game server without a window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("TCP port to listen on (default 7772)."),
                                        QStringLiteral("N"), QStringLiteral("7772"));
    const QCommandLineOption bindOption(
        QStringLiteral("bind"), QStringLiteral("Listen on this IP address only (default: every address)."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption noHintsOption(
        QStringLiteral("no-hints"), QStringLiteral("Players may not ask for hints (allowed by default)."));
    parser.addOption(portOption);
    parser.addOption(bindOption);
    parser.addOption(noHintsOption);
    exitCode = kBadStart;
    if (!parser.parse(args)) {
        fail(parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << (parser.isSet(QStringLiteral("help"))
                                    ? parser.helpText()
                                    : QStringLiteral("rimbalo-server %1\n").arg(RIMBALO_VERSION));
        exitCode = 0;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
        return std::nullopt;
    }
    Options options;
    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        fail(QStringLiteral("bad port \"%1\": give a number from 0 to 65535").arg(parser.value(portOption)));
        return std::nullopt;
    }
    options.port = static_cast<quint16>(port);
    if (parser.isSet(bindOption) && !options.address.setAddress(parser.value(bindOption))) {
        fail(QStringLiteral("bad address \"%1\": give an IP address such as 127.0.0.1 or ::1")
                 .arg(parser.value(bindOption)));
        return std::nullopt;
    }
    options.hints = !parser.isSet(noHintsOption);
    return options;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rimbalo-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RIMBALO_VERSION));

    int exitCode = 0;
    const std::optional<Options> options = readOptions(app.arguments(), exitCode);
    if (!options) return exitCode;

    TServer server;
    server.setVersionText(QStringLiteral(RIMBALO_VERSION));
    server.setHintsAllowed(options->hints);
    // The host's client tells a stand-alone server its computer delay.
    int botDelay = TServer::kDefaultBotDelay;
    server.setBotDelaySource([&botDelay] { return botDelay; });
    QObject::connect(&server, &TServer::botSpeedRequested, [&botDelay](int ms) { botDelay = ms; });
    report(server);

    const QString where =
        options->address == QHostAddress::Any ? QStringLiteral("every address") : options->address.toString();
    if (!server.listen(options->port, options->address)) {
        fail(QStringLiteral("cannot listen on %1, port %2: %3")
                 .arg(where)
                 .arg(options->port)
                 .arg(server.errorString()));
        return kBadStart;
    }
    say(QStringLiteral("Rimbalo server %1 listening on %2, port %3%4")
            .arg(QStringLiteral(RIMBALO_VERSION), where)
            .arg(server.serverPort())
            .arg(options->hints ? QString() : QStringLiteral(", hints off")));

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);
    const int code = app.exec();
    say(QStringLiteral("Stopped"));
    return code;
}
