#include "stopsignals.h"

#include <QSocketNotifier>
#include <QTimer>

#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

constexpr char kStop = 's';
constexpr char kReload = 'r';

volatile std::sig_atomic_t stopFlag = 0;
volatile std::sig_atomic_t reloadFlag = 0;
#ifdef Q_OS_UNIX
int wakeFds[2] = {-1, -1};
#endif

void wake([[maybe_unused]] char which) {
#ifdef Q_OS_UNIX
    [[maybe_unused]] const auto written = ::write(wakeFds[0], &which, 1);
#endif
}

extern "C" void onStopSignal(int) {
    stopFlag = 1;
    wake(kStop);
}

#ifdef SIGHUP
extern "C" void onHangup(int) {
    reloadFlag = 1;
    wake(kReload);
}
#endif

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    // The handlers wake the event loop through a socket pair, one byte naming the signal: no polling
    // while idle.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) == 0) {
        notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char byte = 0;
            if (::read(wakeFds[1], &byte, 1) == 1) deliver(byte);
        });
    }
#endif
    if (!notifier_) {
        // Without a socket pair the flags are looked at four times a second.
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] {
            if (reloadFlag) {
                reloadFlag = 0;
                deliver(kReload);
            }
            if (stopFlag) deliver(kStop);
        });
        poll->start(250);
    }
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

void StopSignals::watchHangup() {
#ifdef SIGHUP
    hangup_ = true;
    std::signal(SIGHUP, onHangup);
#endif
}

void StopSignals::deliver(char which) {
    if (which == kReload) {
        reloadFlag = 0;
        emit reloadRequested();
    } else {
        emit stopRequested();
    }
}

StopSignals::~StopSignals() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
#ifdef SIGHUP
    if (hangup_) std::signal(SIGHUP, SIG_DFL);
#endif
#ifdef Q_OS_UNIX
    delete notifier_;
    for (int& fd : wakeFds) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
#endif
}
