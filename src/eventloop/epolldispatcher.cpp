#include "epolldispatcher.h"

#ifdef __linux__

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>
#include <QtDebug>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace eventloop {

namespace {

constexpr int kEventsPerWait = 512;
constexpr qint64 kNsPerMs = 1'000'000;

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

epoll_event* eventsOf(std::vector<char>& buffer) {
    return reinterpret_cast<epoll_event*>(buffer.data());
}

} // namespace

QAbstractEventDispatcher* EpollDispatcher::create() {
    const int epollFd = epoll_create1(EPOLL_CLOEXEC);
    if (epollFd < 0) return nullptr;
    const int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        close(epollFd);
        return nullptr;
    }
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.fd = wakeFd;
    if (epoll_ctl(epollFd, EPOLL_CTL_ADD, wakeFd, &ev) != 0) {
        close(wakeFd);
        close(epollFd);
        return nullptr;
    }
    return new EpollDispatcher(epollFd, wakeFd);
}

EpollDispatcher::EpollDispatcher(int epollFd, int wakeFd)
    : epollFd_(epollFd), wakeFd_(wakeFd), events_(sizeof(epoll_event) * kEventsPerWait) {}

EpollDispatcher::~EpollDispatcher() {
    close(wakeFd_);
    close(epollFd_);
}

// ---- Sockets ----

std::uint32_t EpollDispatcher::wanted(const Watch& w) {
    return (w.read ? std::uint32_t{EPOLLIN} : 0) | (w.write ? std::uint32_t{EPOLLOUT} : 0) |
           (w.exception ? std::uint32_t{EPOLLPRI} : 0);
}

void EpollDispatcher::registerSocketNotifier(QSocketNotifier* notifier) {
    const int fd = static_cast<int>(notifier->socket());
    Watch& w = watches_[fd];
    switch (notifier->type()) {
    case QSocketNotifier::Read:
        w.read = notifier;
        break;
    case QSocketNotifier::Write:
        w.write = notifier;
        break;
    case QSocketNotifier::Exception:
        w.exception = notifier;
        break;
    }
    changed(fd);
}

void EpollDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier) {
    const auto it = watches_.find(static_cast<int>(notifier->socket()));
    if (it == watches_.end()) return;
    Watch& w = it->second;
    if (w.read == notifier) w.read = nullptr;
    if (w.write == notifier) w.write = nullptr;
    if (w.exception == notifier) w.exception = nullptr;
    if (wanted(w) != 0) {
        changed(it->first);
        return;
    }
    // Off the kernel's list at once, while the descriptor is still open: its number may belong to
    // another socket or pipe before the next round. (And a hung-up socket would be reported for ever.)
    if (w.added) epoll_ctl(epollFd_, EPOLL_CTL_DEL, it->first, nullptr);
    watches_.erase(it);
}

// A change that leaves a descriptor watched is told to the kernel once per pass, just before waiting: a
// socket whose write notifier is switched on and off again within a pass costs nothing.
void EpollDispatcher::changed(int fd) {
    changed_.push_back(fd);
}

void EpollDispatcher::applyChanges() {
    std::vector<int> fds;
    fds.swap(changed_);
    for (const int fd : fds) {
        const auto it = watches_.find(fd);
        if (it == watches_.end()) continue; // removed since
        Watch& w = it->second;
        const std::uint32_t events = wanted(w);
        if (w.added && events == w.armed) continue;
        epoll_event ev{};
        ev.events = events;
        ev.data.fd = fd;
        int result = epoll_ctl(epollFd_, w.added ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, fd, &ev);
        // The descriptor was closed and its number reused since it was last added, or the reverse.
        if (result != 0 && errno == ENOENT) result = epoll_ctl(epollFd_, EPOLL_CTL_ADD, fd, &ev);
        if (result != 0 && errno == EEXIST) result = epoll_ctl(epollFd_, EPOLL_CTL_MOD, fd, &ev);
        if (result != 0) {
            qWarning("Cannot watch descriptor %d: %s", fd, std::strerror(errno));
            continue;
        }
        w.added = true;
        w.armed = events;
    }
}

bool EpollDispatcher::activateSockets(int ready, QEventLoop::ProcessEventsFlags flags) {
    bool activated = false;
    const epoll_event* events = eventsOf(events_);
    for (int i = 0; i < ready; ++i) {
        const int fd = events[i].data.fd;
        const std::uint32_t got = events[i].events;
        if (fd == wakeFd_) {
            woken_.store(false);
            wakeSeen_ = true;
            eventfd_t count = 0;
            eventfd_read(wakeFd_, &count);
            continue;
        }
        if (flags & QEventLoop::ExcludeSocketNotifiers) continue;
        // Each notifier is looked up afresh: the one activated before may have removed this one.
        const auto notify = [&](QSocketNotifier* Watch::*which, std::uint32_t mask) {
            const auto it = watches_.find(fd);
            if (it == watches_.end() || !(it->second.*which) || !(got & mask)) return;
            QEvent event(QEvent::SockAct);
            QCoreApplication::sendEvent(it->second.*which, &event);
            activated = true;
        };
        notify(&Watch::read, EPOLLIN | EPOLLHUP | EPOLLERR | EPOLLRDHUP);
        notify(&Watch::write, EPOLLOUT | EPOLLHUP | EPOLLERR);
        notify(&Watch::exception, EPOLLPRI);
    }
    return activated;
}

// ---- Timers ----

void EpollDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) {
    unregisterTimer(timerId);
    const qint64 due = nowNs() + std::max<qint64>(interval, 0) * kNsPerMs;
    timers_[timerId] = Timer{interval, timerType, object, due, false};
    byDue_.emplace(due, timerId);
}

bool EpollDispatcher::unregisterTimer(int timerId) {
    const auto it = timers_.find(timerId);
    if (it == timers_.end()) return false;
    byDue_.erase({it->second.due, timerId});
    timers_.erase(it);
    return true;
}

bool EpollDispatcher::unregisterTimers(QObject* object) {
    bool any = false;
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->second.object == object) {
            byDue_.erase({it->second.due, it->first});
            it = timers_.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> EpollDispatcher::registeredTimers(QObject* object) const {
    QList<TimerInfo> list;
    for (const auto& [id, timer] : timers_)
        if (timer.object == object)
            list.append(
                TimerInfo(id, static_cast<int>(std::min<qint64>(timer.interval, INT_MAX)), timer.type));
    return list;
}

int EpollDispatcher::remainingTime(int timerId) {
    const auto it = timers_.find(timerId);
    if (it == timers_.end()) return -1;
    const qint64 left = std::max<qint64>(it->second.due - nowNs(), 0);
    return static_cast<int>(std::min<qint64>((left + kNsPerMs - 1) / kNsPerMs, INT_MAX));
}

// Fires every timer that was due when the round began, earliest first; one that a handler starts or
// restarts meanwhile waits for the next round. A timer is not fired again inside its own handler.
bool EpollDispatcher::fireTimers() {
    const qint64 now = nowNs();
    std::vector<int> due;
    for (auto it = byDue_.begin(); it != byDue_.end() && it->first <= now; ++it)
        due.push_back(it->second);
    bool fired = false;
    for (const int id : due) {
        auto it = timers_.find(id);
        if (it == timers_.end() || it->second.firing || it->second.due > now) continue;
        Timer& timer = it->second;
        byDue_.erase({timer.due, id});
        const qint64 step = std::max<qint64>(timer.interval, 0) * kNsPerMs;
        timer.due += step;
        if (timer.due <= now) timer.due = now + step; // a late timer does not fire again to catch up
        byDue_.emplace(timer.due, id);
        timer.firing = true;
        QObject* object = timer.object;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
        fired = true;
        it = timers_.find(id);
        if (it != timers_.end()) it->second.firing = false;
    }
    return fired;
}

int EpollDispatcher::waitMs(QEventLoop::ProcessEventsFlags flags) const {
    if (!(flags & QEventLoop::WaitForMoreEvents) || interrupted_.load()) return 0;
    if (byDue_.empty()) return -1;
    const qint64 left = byDue_.begin()->first - nowNs();
    if (left <= 0) return 0;
    return static_cast<int>(std::min<qint64>((left + kNsPerMs - 1) / kNsPerMs, INT_MAX));
}

// ---- The loop ----

bool EpollDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags) {
    interrupted_.store(false);
    emit awake();
    // A wake-up since the last round means events were posted: handing them out is this round's
    // work, and it does not then wait for more.
    const bool posted = wakeSeen_ || woken_.load();
    wakeSeen_ = false;
    QCoreApplication::sendPostedEvents();
    if (interrupted_.load()) return posted;
    applyChanges();
    const int wait = posted ? 0 : waitMs(flags);
    if (wait != 0) emit aboutToBlock();
    int ready = epoll_wait(epollFd_, eventsOf(events_), kEventsPerWait, wait);
    if (ready < 0) ready = 0; // a signal: the caller's loop comes back
    if (wait != 0) emit awake();
    bool handled = activateSockets(ready, flags) || posted;
    if (!(flags & QEventLoop::X11ExcludeTimers)) handled = fireTimers() || handled;
    return handled;
}

void EpollDispatcher::wakeUp() {
    if (!woken_.exchange(true)) eventfd_write(wakeFd_, 1);
}

void EpollDispatcher::interrupt() {
    interrupted_.store(true);
    wakeUp();
}

} // namespace eventloop

#else

namespace eventloop {
QAbstractEventDispatcher* EpollDispatcher::create() {
    return nullptr;
}
} // namespace eventloop

#endif
