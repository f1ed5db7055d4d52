#include "mapwatch.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <X11/Xlib.h>
#include <cstdio>
#include <poll.h>

struct MapWatch::Display {
    ::Display* dpy = nullptr;
};

MapWatch::MapWatch() : d_(std::make_unique<Display>()) {
    d_->dpy = XOpenDisplay(nullptr);
    if (!d_->dpy) return;
    // Without a window manager, every top-level window is a child of the root window.
    XSelectInput(d_->dpy, DefaultRootWindow(d_->dpy), SubstructureNotifyMask);
    XSync(d_->dpy, False);
}

MapWatch::~MapWatch() {
    if (d_->dpy) XCloseDisplay(d_->dpy);
}

bool MapWatch::ok() const {
    return d_->dpy != nullptr;
}

void MapWatch::drain() {
    XSync(d_->dpy, False);
    XEvent e;
    while (XPending(d_->dpy))
        XNextEvent(d_->dpy, &e);
}

qint64 MapWatch::waitForMap(const QElapsedTimer& clock, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        while (XPending(d_->dpy)) {
            XEvent e;
            XNextEvent(d_->dpy, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect) return clock.nsecsElapsed();
        }
        pollfd fd{ConnectionNumber(d_->dpy), POLLIN, 0};
        poll(&fd, 1, 20);
    }
    return -1;
}

bool Stage::ready(const QString& game) {
    if (!maps.ok()) {
        std::fprintf(stderr, "no X display: run under xvfb-run -a\n");
        return false;
    }
    program = folder.filePath(QStringLiteral("rimbalo"));
    if (QFile::copy(game, program)) return true;
    std::fprintf(stderr, "could not copy %s\n", qPrintable(game));
    return false;
}

void prepareProcess(QProcess& process, const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), folder);
    env.insert(QStringLiteral("TMPDIR"), folder);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}
