#include "mapwatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool Stage::ready() {
    if (!maps.ok()) {
        std::fprintf(stderr, "no X display: run under xvfb-run -a\n");
        return false;
    }
    if (folder.isValid()) return true;
    std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(folder.errorString()));
    return false;
}

QString Stage::copyOf(const QString& program) {
    const QString home = folder.filePath(QString::number(++copies_));
    const QString copy = home + QStringLiteral("/rimbalo");
    if (!QDir().mkpath(home) || !QFile::copy(program, copy)) {
        std::fprintf(stderr, "could not copy %s\n", qPrintable(program));
        return {};
    }
    // The modules the program loads from beside itself (its sound output) go with it, so the copy
    // costs what the program costs.
    const QDir source = QFileInfo(program).dir();
    for (const QString& module : source.entryList({QStringLiteral("*.so")}, QDir::Files))
        QFile::copy(source.filePath(module), home + QLatin1Char('/') + module);
    return copy;
}

qint64 Stage::launch(QProcess& process, const QString& program, const QStringList& args, QElapsedTimer& clock,
                     const QProcessEnvironment& env, int timeoutMs) {
    QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
    all.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    all.insert(QStringLiteral("HOME"), folder.path());
    all.insert(QStringLiteral("TMPDIR"), folder.path());
    all.insert(env);
    process.setProcessEnvironment(all);
    process.setWorkingDirectory(folder.path());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    maps.drain();
    clock.start();
    process.start(program, args);
    return process.waitForStarted(timeoutMs) ? maps.waitForMap(clock, timeoutMs) : -1;
}

void stopProcess(QProcess& process) {
    process.terminate();
    if (!process.waitForFinished(10'000)) process.kill();
    process.waitForFinished(10'000);
}
