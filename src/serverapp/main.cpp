// rimbalo-server: the game server without a window. The first connection is slot 1 and hosts.

#include "server/tserver.h"
#include "stopsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int kBadStart = 2;

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

void say(const QString& line) {
    out() << line << Qt::endl;
}

void fail(const QString& message) {
    QTextStream err(stderr);
    err << "rimbalo-server: " << message << Qt::endl;
}

// One line on stdout for every connection, login, game start, round end and winner.
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rimbalo-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rimbalo game server without a window."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("TCP port to listen on (default 7772)."),
                                        QStringLiteral("N"), QStringLiteral("7772"));
    parser.addOption(portOption);
    if (!parser.parse(app.arguments())) {
        fail(parser.errorText());
        return kBadStart;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out() << parser.helpText();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
        return kBadStart;
    }
    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        fail(QStringLiteral("bad port \"%1\": give a number from 0 to 65535").arg(parser.value(portOption)));
        return kBadStart;
    }

    TServer server;
    // The host's client tells a stand-alone server its computer delay.
    int botDelay = TServer::kDefaultBotDelay;
    server.setBotDelaySource([&botDelay] { return botDelay; });
    QObject::connect(&server, &TServer::botSpeedRequested, [&botDelay](int ms) { botDelay = ms; });
    report(server);

    if (!server.listen(static_cast<quint16>(port))) {
        fail(QStringLiteral("cannot listen on port %1: %2").arg(port).arg(server.errorString()));
        return kBadStart;
    }
    say(QStringLiteral("Listening on port %1").arg(server.serverPort()));

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);
    const int code = app.exec();
    say(QStringLiteral("Stopped"));
    return code;
}
