// Start-up of the real rimbalo (a solo game, as a player starts it) against a bare 775 x 580 main
// window built in the same tree: the time from starting the program to its first window being
// mapped, and the peak resident memory once started, the two programs run in turn. Needs a
// display: run it under xvfb-run.
//
//   startup_bench [--program PATH] [--bare PATH] [--runs N] [--settle-ms N]

#include "mapwatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Options {
    QString program = QStringLiteral(RIMBALO_BIN);
    QString bare = QStringLiteral(BARE_WINDOW_BIN);
    int runs = 10;
    int settleMs = 1000; // after the map, for what the program does once shown (a solo game logs in)
};

Options parse(const QStringList& args) {
    Options o;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--program") o.program = args[i + 1];
        if (args[i] == "--bare") o.bare = args[i + 1];
        if (args[i] == "--runs") o.runs = std::max(1, args[i + 1].toInt());
        if (args[i] == "--settle-ms") o.settleMs = std::max(0, args[i + 1].toInt());
    }
    return o;
}

// Peak resident set of a running process in MB, from /proc (Linux); 0 when unknown.
double peakRssMb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

struct Run {
    double mapMs = -1;
    double rssMb = 0;
};

Run startOnce(const QString& program, Stage& stage, int settleMs) {
    QProcess p;
    prepareProcess(p, stage.folder.path());
    stage.maps.drain();
    QElapsedTimer clock;
    clock.start();
    p.start(program, {});
    Run r;
    const qint64 mapped = p.waitForStarted(5000) ? stage.maps.waitForMap(clock, 30'000) : -1;
    if (mapped >= 0) {
        r.mapMs = static_cast<double>(mapped) / 1e6;
        QThread::msleep(static_cast<unsigned long>(settleMs));
        r.rssMb = peakRssMb(p.processId());
    }
    p.terminate();
    if (!p.waitForFinished(10'000)) p.kill();
    return r;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void report(const char* what, const char* unit, const std::vector<double>& game,
            const std::vector<double>& bare, double target) {
    const auto [gMin, gMax] = std::minmax_element(game.begin(), game.end());
    const auto [bMin, bMax] = std::minmax_element(bare.begin(), bare.end());
    const double ratio = median(game) / median(bare);
    std::printf(
        "  %-14s rimbalo %6.1f %s [%.1f-%.1f]  bare %6.1f %s [%.1f-%.1f]  ratio %.2fx  target <= %.1fx: %s\n",
        what, median(game), unit, *gMin, *gMax, median(bare), unit, *bMin, *bMax, ratio, target,
        ratio <= target ? "ok" : "OVER");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    Stage stage;
    if (!stage.ready(o.program)) return 1;
    std::vector<double> gameMs, bareMs, gameMb, bareMb;
    for (int i = 0; i < o.runs; ++i) {
        Run g, b;
        if (i % 2) {
            g = startOnce(stage.program, stage, o.settleMs);
            b = startOnce(o.bare, stage, o.settleMs);
        } else {
            b = startOnce(o.bare, stage, o.settleMs);
            g = startOnce(stage.program, stage, o.settleMs);
        }
        if (g.mapMs < 0 || b.mapMs < 0) {
            std::fprintf(stderr, "run %d: a window did not appear\n", i + 1);
            return 1;
        }
        std::printf("run %d: rimbalo %.1f ms %.1f MB | bare %.1f ms %.1f MB\n", i + 1, g.mapMs, g.rssMb,
                    b.mapMs, b.rssMb);
        std::fflush(stdout);
        gameMs.push_back(g.mapMs);
        bareMs.push_back(b.mapMs);
        gameMb.push_back(g.rssMb);
        bareMb.push_back(b.rssMb);
    }
    std::printf("over %d runs each, median [spread]:\n", o.runs);
    report("to mapped", "ms", gameMs, bareMs, 2.0);
    report("peak RSS", "MB", gameMb, bareMb, 1.5);
    return 0;
}
