#pragma once
// Turns SIGINT and SIGTERM into a Qt signal delivered in the event loop, so the program can stop
// cleanly between events.

#include <QObject>

class QSocketNotifier;

class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    void stopRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};
