#pragma once
// A redis-server of a test's own, on a free loopback port, without persistence: started, stopped and
// started again on the same port by the test.

#include <QProcess>
#include <QString>

namespace testing_registry {

class RedisProcess {
public:
    ~RedisProcess();
    // The program's path; empty when it is not installed.
    static QString program();
    // Starts it on a free port (or the port it had, after stop()); false when it does not answer.
    bool start();
    void stop();
    quint16 port() const { return port_; }
    QString url() const;

private:
    bool answers() const;

    QProcess process_;
    quint16 port_ = 0;
};

} // namespace testing_registry
