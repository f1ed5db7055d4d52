#pragma once
// Watches the X display for top-level windows being mapped, so a benchmark can tell when a program
// it started has put its first window on the screen. Needs a display (run under xvfb-run).

#include <QElapsedTimer>
#include <QString>

#include <QTemporaryDir>

class QProcess;

#include <memory>

class MapWatch {
public:
    MapWatch();
    ~MapWatch();
    bool ok() const;
    // Forgets the maps seen so far.
    void drain();
    // Waits until a top-level window is mapped; the time on `clock` (ns) when it was seen, or -1
    // after `timeoutMs`.
    qint64 waitForMap(const QElapsedTimer& clock, int timeoutMs);

private:
    struct Display;
    std::unique_ptr<Display> d_;
};

// What both benchmarks start from: the display watched, and a copy of the game in a scratch folder
// (the game keeps its settings beside itself; the copy keeps the build tree clean).
struct Stage {
    MapWatch maps;
    QTemporaryDir folder;
    QString program;
    // False, with the reason printed, when there is no display or no copy.
    bool ready(const QString& game);
};
// Runs the program on the X display, at home in `folder`, its errors shown.
void prepareProcess(QProcess& process, const QString& folder);
