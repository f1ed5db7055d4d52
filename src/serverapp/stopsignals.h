#pragma once
// Turns SIGINT and SIGTERM into a Qt signal delivered in the event loop, so the program can stop
// cleanly between events; on request SIGHUP too, as a request to re-read the configuration.

#include <QObject>

class QSocketNotifier;

class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // From now on SIGHUP emits reloadRequested() instead of ending the program.
    void watchHangup();

signals:
    void stopRequested();
    void reloadRequested();

private:
    void deliver(char which);

    QSocketNotifier* notifier_ = nullptr;
    bool hangup_ = false;
};
