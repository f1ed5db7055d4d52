#include "stopsignals.h"

#include <QSocketNotifier>
#include <QTimer>

#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

volatile std::sig_atomic_t stopFlag = 0;
#ifdef Q_OS_UNIX
int wakeFds[2] = {-1, -1};
#endif

extern "C" void onStopSignal(int) {
    stopFlag = 1;
#ifdef Q_OS_UNIX
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeFds[0], &byte, 1);
#endif
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    // The handler wakes the event loop through a socket pair: no polling while idle.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) == 0) {
        notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char byte = 0;
            [[maybe_unused]] const auto got = ::read(wakeFds[1], &byte, 1);
            emit stopRequested();
        });
    }
#endif
    if (!notifier_) {
        // Without a socket pair the flag is looked at four times a second.
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] {
            if (stopFlag) emit stopRequested();
        });
        poll->start(250);
    }
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

StopSignals::~StopSignals() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
#ifdef Q_OS_UNIX
    delete notifier_;
    for (int& fd : wakeFds) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
#endif
}
