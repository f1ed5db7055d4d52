#include "redisprocess.h"

#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include "testclient.h"

namespace testing_registry {

namespace {

quint16 freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return probe.serverPort();
}

} // namespace

RedisProcess::~RedisProcess() {
    stop();
}

QString RedisProcess::program() {
    return QStandardPaths::findExecutable(QStringLiteral("redis-server"));
}

bool RedisProcess::start() {
    // A port found free may be taken again before redis binds it: another is tried then.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (port_ == 0 || attempt > 0) port_ = freePort();
        process_.start(program(), {"--port", QString::number(port_), "--bind", "127.0.0.1", "--save", "",
                                   "--appendonly", "no", "--protected-mode", "no", "--loglevel", "warning"});
        if (!process_.waitForStarted(testing_server::kWaitMs)) return false;
        if (testing_server::waitUntil(
                [this] { return process_.state() != QProcess::Running || answers(); }) &&
            process_.state() == QProcess::Running)
            return true;
        stop();
    }
    return false;
}

void RedisProcess::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(testing_server::kWaitMs)) {
        process_.kill();
        process_.waitForFinished(testing_server::kWaitMs);
    }
}

bool RedisProcess::answers() const {
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port_);
    if (!probe.waitForConnected(200)) return false;
    probe.write("PING\r\n");
    return probe.waitForReadyRead(500) && probe.readAll().startsWith("+PONG");
}

QString RedisProcess::url() const {
    return QStringLiteral("redis://127.0.0.1:%1").arg(port_);
}

} // namespace testing_registry
