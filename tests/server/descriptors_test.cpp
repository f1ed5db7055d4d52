// The stand-alone server when the system gives it no more descriptors: it rests from accepting instead
// of spinning, says so once, and seats newcomers again as soon as descriptors are free.

#include "server/tserver.h"

#include <QProcess>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/resource.h>

namespace {

constexpr int kWaitMs = 5000;
constexpr rlim_t kDescriptors = 24; // the server's own files and sockets, and a dozen or so players
const QString kRefused = QStringLiteral("Cannot accept connections");
const QString kAccepted = QStringLiteral("Connection from ");

struct Starved {
    QProcess p;
    QString log;
    quint16 port = 0;

    bool start() {
        p.setChildProcessModifier([] {
            const rlimit few{kDescriptors, kDescriptors};
            setrlimit(RLIMIT_NOFILE, &few);
        });
        p.start(QStringLiteral(RIMBALO_SERVER_BIN),
                {"--bind", "127.0.0.1", "--port", "0", "--max-per-address", "0"});
        if (!p.waitForStarted(kWaitMs) || !waitForMore(QStringLiteral("port "), 0)) return false;
        port = static_cast<quint16>(log.section("port ", 1).section('\n', 0, 0).section(',', 0, 0).toUInt());
        return port != 0;
    }
    // Waits until `what` occurs more than `seen` times in the log.
    bool waitForMore(const QString& what, qsizetype seen) {
        return QTest::qWaitFor(
            [&] {
                log += QString::fromUtf8(p.readAllStandardError());
                return log.count(what) > seen;
            },
            kWaitMs);
    }
    ~Starved() {
        p.terminate();
        p.waitForFinished(kWaitMs);
    }
};

} // namespace

TEST(Descriptors, RunningOutIsLoggedOnceAndAcceptingResumesWhenOneIsFree) {
#ifdef RIMBALO_SANITIZED
    GTEST_SKIP() << "a sanitized server without free descriptors cannot be checked: the sanitizers' own "
                    "probes (UBSan reads memory through a pipe) need descriptors and report every object "
                    "as invalid once there are none";
#endif
    Starved server;
    ASSERT_TRUE(server.start()) << server.log.toStdString();
    // Connect one at a time until the server has no descriptor for the next one: that one waits in the
    // listen queue (connected, as far as the network is concerned).
    std::vector<std::unique_ptr<QTcpSocket>> peers;
    while (!server.log.contains(kRefused)) {
        ASSERT_LT(peers.size(), 2 * kDescriptors) << server.log.toStdString();
        const qsizetype accepted = server.log.count(kAccepted);
        peers.push_back(std::make_unique<QTcpSocket>());
        peers.back()->connectToHost(QHostAddress::LocalHost, server.port);
        ASSERT_TRUE(peers.back()->waitForConnected(kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                server.log += QString::fromUtf8(server.p.readAllStandardError());
                return server.log.count(kAccepted) > accepted || server.log.contains(kRefused);
            },
            kWaitMs))
            << server.log.toStdString();
    }
    const qsizetype accepted = server.log.count(kAccepted);
    ASSERT_GE(accepted, 2);

    // A player leaves: the waiting connection is seated in the descriptor that frees.
    peers.front()->disconnectFromHost();
    ASSERT_TRUE(server.waitForMore(kAccepted, accepted)) << server.log.toStdString();
    // And the next, once another leaves.
    peers[1]->disconnectFromHost();
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, server.port);
    ASSERT_TRUE(late.waitForConnected(kWaitMs));
    ASSERT_TRUE(server.waitForMore(kAccepted, accepted + 1)) << server.log.toStdString();
    EXPECT_EQ(server.log.count(kRefused), 1) << server.log.toStdString();
}
#endif
