#pragma once
// Watches the X display for top-level windows being mapped, so a benchmark can tell when a program
// it started has put its first window on the screen. Needs a display (run under xvfb-run).

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QProcess;

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

// What both benchmarks start from: the display watched, and copies of the programs in a scratch folder
// (the game keeps its settings beside itself; the copies keep the build tree clean).
struct Stage {
    MapWatch maps;
    QTemporaryDir folder;
    // False, with the reason printed, when there is no display or no scratch folder.
    bool ready();
    // A copy of `program` in a folder of its own in the stage (a second copy of the same name in
    // another); its path, or empty with the reason printed.
    QString copyOf(const QString& program);
    // Starts `program` on the display, at home in the stage, its errors shown, with `env` added to its
    // environment; waits for its first window. The time from the start to the map in ns on `clock`
    // (started here), or -1 when no window appeared within `timeoutMs`.
    qint64 launch(QProcess& process, const QString& program, const QStringList& args, QElapsedTimer& clock,
                  const QProcessEnvironment& env = {}, int timeoutMs = 30'000);

private:
    int copies_ = 0;
};

// Ends a program the stage launched: asked to stop first, killed when it does not.
void stopProcess(QProcess& process);
