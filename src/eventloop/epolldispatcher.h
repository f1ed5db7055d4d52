#pragma once
// An event dispatcher for a thread whose loop watches thousands of sockets. Qt's own dispatchers hand
// the kernel the whole list of watched sockets on every pass of the loop (poll), so a pass costs in
// proportion to the connections held, however few of them are busy. This one keeps the list in the
// kernel (epoll): a pass costs in proportion to the sockets that are ready. Timers are kept in deadline
// order and the loop sleeps until the next one.
//
// Install it before the application object (QCoreApplication::setEventDispatcher) or on a QThread
// before it starts. Available where epoll is (Linux); elsewhere create() answers null and Qt's own
// dispatcher stays.

#include <QAbstractEventDispatcher>

#include <atomic>
#include <cstdint>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace eventloop {

class EpollDispatcher : public QAbstractEventDispatcher {
public:
    // A new dispatcher, or null where the system has no epoll.
    static QAbstractEventDispatcher* create();
    ~EpollDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;
    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;
    void wakeUp() override;
    void interrupt() override;

private:
    EpollDispatcher(int epollFd, int wakeFd);

    struct Watch {
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
        QSocketNotifier* exception = nullptr;
        std::uint32_t armed = 0; // the events the kernel watches for now
        bool added = false;      // known to the kernel
    };
    struct Timer {
        qint64 interval = 0; // milliseconds
        Qt::TimerType type = Qt::CoarseTimer;
        QObject* object = nullptr;
        qint64 due = 0; // nanoseconds on the steady clock
        bool firing = false;
    };

    static std::uint32_t wanted(const Watch& w);
    void changed(int fd);
    void applyChanges();
    int waitMs(QEventLoop::ProcessEventsFlags flags) const;
    bool activateSockets(int ready, QEventLoop::ProcessEventsFlags flags);
    bool fireTimers();

    int epollFd_ = -1;
    int wakeFd_ = -1;
    std::atomic<bool> interrupted_{false};
    std::atomic<bool> woken_{false}; // a wake-up is on its way to the loop
    bool wakeSeen_ = false;          // one arrived since posted events were last handed out
    std::unordered_map<int, Watch> watches_;
    std::vector<int> changed_; // descriptors whose notifiers changed since the kernel was last told
    std::unordered_map<int, Timer> timers_;
    std::set<std::pair<qint64, int>> byDue_; // (due, timer id)
    std::vector<char> events_;               // the kernel's answer (struct epoll_event[]), reused
};

} // namespace eventloop
