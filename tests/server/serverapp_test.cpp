// The stand-alone server program: its options, its report lines and a clean stop.

#include "harness.h"
#include "rimbaloversion.h"

#include "protocol/framebuffer.h"
#include "protocol/text.h"
#include "records/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#ifdef Q_OS_UNIX
#include <csignal>
#endif
#include <functional>

using namespace testing_server;

namespace {

constexpr int kWaitMs = 5000;

struct Outcome {
    int code = -1;
    QString err;
};

Outcome runToEnd(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(RIMBALO_SERVER_BIN), args);
    Outcome run;
    if (!p.waitForFinished(kWaitMs)) return run;
    run.code = p.exitCode();
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

// A started rimbalo-server on an ephemeral port; stops it at the end.
struct RunningServer {
    QProcess process;
    QString output;
    quint16 port = 0;

    bool start() {
        process.start(QStringLiteral(RIMBALO_SERVER_BIN), {"--port", "0"});
        if (!process.waitForStarted(kWaitMs) || !collect(", port ")) return false;
        port = static_cast<quint16>(output.section(", port ", 1).section('\n', 0, 0).toUInt());
        return port != 0;
    }
    bool collect(const QString& wanted) {
        return QTest::qWaitFor(
            [&] {
                output += QString::fromUtf8(process.readAllStandardError());
                return output.contains(wanted);
            },
            kWaitMs);
    }
    ~RunningServer() {
        process.terminate();
        process.waitForFinished(kWaitMs);
    }
};

// A client that logs in and keeps every complete command it receives.
struct WireClient {
    QTcpSocket socket;
    protocol::FrameBuffer buffer;
    std::vector<std::string> received;

    bool join(quint16 port, int slot, const std::string& name) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(kWaitMs)) return false;
        write(protocol::encode(protocol::toserver::LoginInfo{slot, kVersion, name}));
        return waitFor([&](const std::string& e) {
            return e.rfind("CMD_newplayerinfo+" + std::to_string(slot), 0) == 0;
        });
    }
    void write(const std::string& bytes) { socket.write(bytes.data(), static_cast<qint64>(bytes.size())); }
    bool waitFor(const std::function<bool(const std::string&)>& wanted) {
        return QTest::qWaitFor(
            [&] {
                const QByteArray bytes = socket.readAll();
                if (!buffer.append(
                        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        received))
                    return true; // over the frame limit: the caller's checks fail
                return std::any_of(received.begin(), received.end(), wanted);
            },
            kWaitMs);
    }
};

} // namespace

TEST(ServerApp, AnOverlongChatLineReachesTheOthersCutAndNobodyIsDropped) {
    RunningServer server;
    ASSERT_TRUE(server.start());
    WireClient host;
    WireClient talker;
    ASSERT_TRUE(host.join(server.port, 1, "Host"));
    ASSERT_TRUE(talker.join(server.port, 2, "Talker"));
    // Just under the frame limit, so the line itself is accepted; the relay adds the name in front.
    std::string line(protocol::FrameBuffer::kDefaultCapacity - 20, 'x');
    line.append("|clRed");
    talker.write(protocol::encode(protocol::toserver::Chat{2, line}));
    talker.write(protocol::encode(protocol::toserver::Chat{2, "after|clRed"}));
    ASSERT_TRUE(
        host.waitFor([](const std::string& e) { return e == "CMD_chat+2+Talker chats: after|clRed"; }));
    EXPECT_NE(std::find(host.received.begin(), host.received.end(),
                        "CMD_chat+2+Talker chats: " + std::string(protocol::kMaxChatLength, 'x') + "|clRed"),
              host.received.end());
    EXPECT_EQ(host.socket.state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(talker.socket.state(), QAbstractSocket::ConnectedState);
}

TEST(ServerApp, BadOptionsExitWithTwoAndABusyPortWithSixtyNine) {
    const Outcome bogus = runToEnd({"--bogus"});
    EXPECT_EQ(bogus.code, 2);
    EXPECT_TRUE(bogus.err.contains("bogus")) << bogus.err.toStdString();
    EXPECT_EQ(runToEnd({"--port", "70000"}).code, 2);
    EXPECT_EQ(runToEnd({"--port", "12x"}).code, 2);
    EXPECT_EQ(runToEnd({"stray"}).code, 2);
    const Outcome badLevel = runToEnd({"--level", "grandmaster", "--port", "0"});
    EXPECT_EQ(badLevel.code, 2);
    EXPECT_TRUE(badLevel.err.contains("grandmaster")) << badLevel.err.toStdString();
    EXPECT_EQ(runToEnd({"--computer-delay", "-1"}).code, 2);
    EXPECT_EQ(runToEnd({"--computer-delay", "60001"}).code, 2);
    const Outcome badAddress = runToEnd({"--bind", "300.1.2.3", "--port", "0"});
    EXPECT_EQ(badAddress.code, 2);
    EXPECT_TRUE(badAddress.err.contains("300.1.2.3")) << badAddress.err.toStdString();
    const Outcome badLimit = runToEnd({"--max-per-address", "-1", "--port", "0"});
    EXPECT_EQ(badLimit.code, 2);
    EXPECT_TRUE(badLimit.err.contains("max-per-address")) << badLimit.err.toStdString();
    // One record file follows one game: many tables and --records do not go together.
    const Outcome recordsOfMany = runToEnd({"--records", "/nonexistent/records", "--port", "0"});
    EXPECT_EQ(recordsOfMany.code, 2);
    EXPECT_TRUE(recordsOfMany.err.contains("--tables 1")) << recordsOfMany.err.toStdString();
    EXPECT_EQ(runToEnd({"--tables", "0", "--port", "0"}).code, 2);
    const Outcome noToken = runToEnd({"--admin-token-file", "/nonexistent/token", "--port", "0"});
    EXPECT_EQ(noToken.code, 2);
    EXPECT_TRUE(noToken.err.contains("/nonexistent/token")) << noToken.err.toStdString();
    // A registry needs a server of many tables, and the address to advertise needs a registry.
    const Outcome badRegistry = runToEnd({"--registry", "http://cache:6379", "--port", "0"});
    EXPECT_EQ(badRegistry.code, 2);
    EXPECT_TRUE(badRegistry.err.contains("redis://HOST:PORT")) << badRegistry.err.toStdString();
    EXPECT_EQ(runToEnd({"--registry", "redis://127.0.0.1:1", "--tables", "1", "--port", "0"}).code, 2);
    EXPECT_EQ(runToEnd({"--advertise", "play.example:7772", "--port", "0"}).code, 2);
    EXPECT_EQ(runToEnd({"--registry", "redis://127.0.0.1:1", "--advertise", "a b", "--port", "0"}).code, 2);

    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::Any, 0));
    const QString port = QString::number(busy.serverPort());
    for (const QStringList& args :
         {QStringList{"--port", port}, QStringList{"--bind", "127.0.0.1", "--port", port}}) {
        const Outcome taken = runToEnd(args);
        EXPECT_EQ(taken.code, 69);
        EXPECT_TRUE(taken.err.contains(port)) << taken.err.toStdString();
    }
}

TEST(ServerApp, HelpAndVersionGoToStandardOutput) {
    QProcess p;
    p.start(QStringLiteral(RIMBALO_SERVER_BIN), {"--version"});
    ASSERT_TRUE(p.waitForFinished(kWaitMs));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              QStringLiteral("rimbalo-server %1\n").arg(RIMBALO_VERSION));
    p.start(QStringLiteral(RIMBALO_SERVER_BIN), {"--help"});
    ASSERT_TRUE(p.waitForFinished(kWaitMs));
    EXPECT_EQ(p.exitCode(), 0);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* option : {"--port", "--bind", "--no-hints", "--level", "--config", "--version",
                               "--max-tables", "--max-per-address", "--max-connections",
                               "--tables-per-minute", "--reconnect-grace", "--admin-token-file"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << help.toStdString();
    // --help lists --help-all: it prints the same help rather than starting a server.
    EXPECT_TRUE(help.contains("--help-all"));
    p.start(QStringLiteral(RIMBALO_SERVER_BIN), {"--help-all", "--port", "0"});
    ASSERT_TRUE(p.waitForFinished(kWaitMs));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()), help);
}

namespace {

// The program on a free loopback port, its report lines collected as they come.
struct ServerProcess {
    QProcess p;
    QString output;
    quint16 port = 0;
    bool start(QStringList extra = {}) {
        p.start(QStringLiteral(RIMBALO_SERVER_BIN),
                QStringList{"--bind", "127.0.0.1", "--port", "0"} + extra);
        if (!p.waitForStarted(kWaitMs) || !collect("listening on 127.0.0.1, port ")) return false;
        port =
            static_cast<quint16>(output.section("port ", 1).section('\n', 0, 0).section(',', 0, 0).toUInt());
        return port != 0;
    }
    bool collect(const QString& wanted, int waitMs = kWaitMs) {
        return QTest::qWaitFor(
            [&] {
                output += QString::fromUtf8(p.readAllStandardError());
                return output.contains(wanted);
            },
            waitMs);
    }
};

} // namespace

TEST(ServerApp, ReportsConnectionsAndLoginsAndStopsOnTerm) {
    ServerProcess server;
    ASSERT_TRUE(server.start());
    QProcess& p = server.p;
    QString& output = server.output;
    auto collect = [&](const QString& wanted) { return server.collect(wanted); };
    const quint16 port = server.port;

    QTcpSocket host;
    host.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(host.waitForConnected(kWaitMs));
    const std::string login = protocol::encode(protocol::toserver::LoginInfo{1, kVersion, "Hostess"});
    host.write(login.data(), static_cast<qint64>(login.size()));
    EXPECT_TRUE(collect("Slot 1 logged in as Hostess"));
    EXPECT_TRUE(output.contains("Connection from 127.0.0.1 in slot 1"));
    const std::string start = protocol::encode(protocol::StartGame{"Hostess", 500, 60, true, false, 14});
    host.write(start.data(), static_cast<qint64>(start.size()));
    EXPECT_TRUE(collect("Game started: 2 seats, 14 tiles each"));

    p.terminate();
    ASSERT_TRUE(p.waitForFinished(kWaitMs));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    output += QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(output.endsWith(" Stopped\n")) << output.toStdString();
    // Every line opens with its UTC time, to the millisecond.
    const QRegularExpression stamped(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z \\S"));
    const QStringList lines = output.split('\n', Qt::SkipEmptyParts);
    EXPECT_GE(lines.size(), 5);
    for (const QString& line : lines)
        EXPECT_TRUE(stamped.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
}

namespace {

// A player logging in to the server on `port` is told that hints are off.
void expectHintsOffAtLogin(quint16 port) {
    QTcpSocket host;
    host.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(host.waitForConnected(kWaitMs));
    const std::string login = protocol::encode(protocol::toserver::LoginInfo{1, kVersion, "Hostess"});
    host.write(login.data(), static_cast<qint64>(login.size()));
    QByteArray got;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            got += host.readAll();
            return got.contains("CMD_hints+");
        },
        kWaitMs));
    EXPECT_TRUE(got.contains("CMD_hints+0+\xff")) << got.toStdString();
}

} // namespace

// Started with --no-hints it tells every player that hints are off; its computer level is in its log.
TEST(ServerApp, NoHintsIsToldAtLogin) {
    ServerProcess server;
    ASSERT_TRUE(server.start({"--no-hints", "--level", "master"}));
    EXPECT_TRUE(server.output.contains(", hints off, computer level master")) << server.output.toStdString();
    expectHintsOffAtLogin(server.port);
    server.p.terminate();
    EXPECT_TRUE(server.p.waitForFinished(kWaitMs));
}

namespace {

bool writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

// Every option can come from the configuration file; the command line wins; a bad file is a
// configuration error naming the file and line.
TEST(ServerApp, TheConfigurationFileSetsOptionsAndBadLinesAreNamed) {
    QTemporaryDir dir;
    const QString conf = dir.filePath("rimbalo-server.conf");
    ASSERT_TRUE(writeFile(conf, "# a comment\n\nbind = 127.0.0.1\nport = 0\nno-hints = yes\n"));
    ServerProcess server;
    ASSERT_TRUE(server.start({"--config", conf}));
    EXPECT_TRUE(server.output.contains(", hints off")) << server.output.toStdString();
    server.p.terminate();
    EXPECT_TRUE(server.p.waitForFinished(kWaitMs));

    ServerProcess overridden;
    ASSERT_TRUE(overridden.start({"--config", conf, "--bind", "127.0.0.1"}));
    overridden.p.terminate();
    EXPECT_TRUE(overridden.p.waitForFinished(kWaitMs));

    const struct {
        QByteArray text;
        const char* message;
    } bad[] = {
        {"port = 0\nbogus = 1\n", "line 2: unknown option \"bogus\""},
        {"port = 99999\n", "line 1: bad port \"99999\""},
        {"port\n", "line 1: \"port\" needs \"= N\""},
        {"no-hints = perhaps\n", "takes yes or no"},
    };
    for (const auto& c : bad) {
        ASSERT_TRUE(writeFile(conf, c.text));
        const Outcome run = runToEnd({"--config", conf, "--port", "0"});
        EXPECT_EQ(run.code, 2) << c.text.toStdString();
        EXPECT_TRUE(run.err.contains(conf) && run.err.contains(c.message)) << run.err.toStdString();
    }
    const Outcome missing = runToEnd({"--config", dir.filePath("none.conf")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.err.contains("none.conf")) << missing.err.toStdString();
}

#ifdef Q_OS_UNIX
// SIGHUP reads the file again and logs it; the server keeps serving, also when the new file is bad.
TEST(ServerApp, HangupRereadsTheConfigurationAndLogsIt) {
    QTemporaryDir dir;
    const QString conf = dir.filePath("rimbalo-server.conf");
    ASSERT_TRUE(writeFile(conf, "no-hints = no\n"));
    ServerProcess server;
    ASSERT_TRUE(server.start({"--config", conf}));
    const auto hangup = [&] { return ::kill(static_cast<pid_t>(server.p.processId()), SIGHUP) == 0; };

    ASSERT_TRUE(writeFile(conf, "no-hints = yes\n"));
    ASSERT_TRUE(hangup());
    EXPECT_TRUE(server.collect("Configuration re-read (" + conf + "); hints off"))
        << server.output.toStdString();
    ASSERT_TRUE(writeFile(conf, "no-hints = yes\nport = 1\n"));
    ASSERT_TRUE(hangup());
    // The command line's port still wins over the file's.
    EXPECT_TRUE(server.collect("): no change")) << server.output.toStdString();
    ASSERT_TRUE(writeFile(conf, "colour = red\n"));
    ASSERT_TRUE(hangup());
    EXPECT_TRUE(server.collect("Configuration not re-read")) << server.output.toStdString();

    // Still serving, hints off as the last good file said.
    expectHintsOffAtLogin(server.port);
    server.p.terminate();
    EXPECT_TRUE(server.p.waitForFinished(kWaitMs));
    EXPECT_EQ(server.p.exitCode(), 0);
}
#endif

// With --records every game is written as it goes: a server killed in the middle of a game leaves a
// record that reads up to the last turn's start, with every tile accounted for. Started again, the
// server goes on with that game from there, the computer playing every seat, to its winner.
TEST(ServerApp, AKilledGameIsResumedOnRestart) {
    const QString folder = QDir::temp().filePath(
        QStringLiteral("rimbalo-server-records-%1").arg(QCoreApplication::applicationPid()));
    QDir(folder).removeRecursively();
    QString path;
    {
        ServerProcess server;
        ASSERT_TRUE(server.start({"--tables", "1", "--records", folder}));
        QTcpSocket host;
        host.connectToHost(QHostAddress::LocalHost, server.port);
        ASSERT_TRUE(host.waitForConnected(kWaitMs));
        const std::string login = protocol::encode(protocol::toserver::LoginInfo{1, kVersion, "Hostess"});
        const std::string start = protocol::encode(protocol::StartGame{"Hostess", 100, 60, true, false, 14});
        const std::string draw = protocol::encode(protocol::toserver::DrawCard{1});
        const std::string hello =
            login + protocol::encode(protocol::toserver::BotSpeed{1, protocol::kFastComputer}) + start;
        host.write(hello.data(), static_cast<qint64>(hello.size()));
        ASSERT_TRUE(server.collect("Recording to "));
        // The host draws whenever it is on turn, until a few turns have been recorded.
        path = server.output.section("Recording to ", 1).section('\n', 0, 0);
        QByteArray got;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                got += host.readAll();
                if (got.contains("CMD_nextplayer+1+")) {
                    got.clear();
                    host.write(draw.data(), static_cast<qint64>(draw.size()));
                }
                return records::readRecordFile(path.toStdString()).positions.size() >= 5;
            },
            20000));
        server.p.kill();
        ASSERT_TRUE(server.p.waitForFinished(kWaitMs));
    }
    const records::Record record = records::readRecordFile(path.toStdString());
    EXPECT_NE(record.problem.find("ends before the game does"), std::string::npos) << record.problem;
    EXPECT_EQ(record.seats[1].name, "Hostess");
    ASSERT_GE(record.positions.size(), 5u);
    for (const records::Position& p : record.positions)
        EXPECT_EQ(records::tileProblem(p), "");

    ServerProcess again;
    ASSERT_TRUE(again.start({"--tables", "1", "--records", folder, "--computer-delay", "0"}));
    ASSERT_TRUE(again.collect("Recording to ")) << again.output.toStdString();
    EXPECT_TRUE(again.output.contains("Resuming the stopped game of " + path + " (Hostess, "))
        << again.output.toStdString();
    const QString resumedPath = again.output.section("Recording to ", 1).section('\n', 0, 0);
    ASSERT_NE(resumedPath, path);
    // Rounds are 20 seconds apart; a game to 100 rarely needs a second round.
    ASSERT_TRUE(again.collect("Winner: ", 70000)) << again.output.toStdString();
    again.p.terminate();
    EXPECT_TRUE(again.p.waitForFinished(kWaitMs));

    const records::Record resumed = records::readRecordFile(resumedPath.toStdString());
    EXPECT_EQ(resumed.problem, "");
    EXPECT_EQ(resumed.resumes, path.toStdString());
    EXPECT_TRUE(resumed.finished());
    ASSERT_FALSE(resumed.positions.empty());
    // It begins where the stopped record ends: the same turn, board, racks, pool and scores.
    const records::Position& stopped = record.positions.back();
    const records::Position& first = resumed.positions.front();
    EXPECT_EQ(first.round, stopped.round);
    EXPECT_EQ(first.seat, stopped.seat);
    EXPECT_TRUE(first.board == stopped.board);
    for (std::size_t seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(first.racks[seat].cells, stopped.racks[seat].cells) << seat;
    EXPECT_EQ(first.pool.tiles, stopped.pool.tiles);
    EXPECT_EQ(first.pool.poolnext, stopped.pool.poolnext);
    EXPECT_EQ(first.scores, stopped.scores);
    for (const records::Position& p : resumed.positions)
        ASSERT_EQ(records::tileProblem(p), "");
    QDir(folder).removeRecursively();
}
