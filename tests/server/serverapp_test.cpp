// The stand-alone server program: its options, its report lines and a clean stop.

#include "harness.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

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

} // namespace

TEST(ServerApp, BadOptionsAndABusyPortExitWithTwo) {
    const Outcome bogus = runToEnd({"--bogus"});
    EXPECT_EQ(bogus.code, 2);
    EXPECT_TRUE(bogus.err.contains("bogus")) << bogus.err.toStdString();
    EXPECT_EQ(runToEnd({"--port", "70000"}).code, 2);
    EXPECT_EQ(runToEnd({"--port", "12x"}).code, 2);
    EXPECT_EQ(runToEnd({"stray"}).code, 2);

    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::Any, 0));
    const Outcome taken = runToEnd({"--port", QString::number(busy.serverPort())});
    EXPECT_EQ(taken.code, 2);
    EXPECT_TRUE(taken.err.contains(QString::number(busy.serverPort()))) << taken.err.toStdString();
}

TEST(ServerApp, ReportsConnectionsAndLoginsAndStopsOnTerm) {
    QProcess p;
    p.start(QStringLiteral(RIMBALO_SERVER_BIN), {"--port", "0"});
    ASSERT_TRUE(p.waitForStarted(kWaitMs));
    QString output;
    auto collect = [&](const QString& wanted) {
        return QTest::qWaitFor(
            [&] {
                output += QString::fromUtf8(p.readAllStandardOutput());
                return output.contains(wanted);
            },
            kWaitMs);
    };
    ASSERT_TRUE(collect("Listening on port "));
    const QString portText = output.section("Listening on port ", 1).section('\n', 0, 0);
    const quint16 port = static_cast<quint16>(portText.toUInt());
    ASSERT_NE(port, 0);

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
    output += QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(output.endsWith("Stopped\n")) << output.toStdString();
}
