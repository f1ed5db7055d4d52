// Start-up of the real rimbalo (a solo game, as a player starts it) against a bare 775 x 580 main
// window built in the same tree: the time from starting the program to its first window being
// mapped, and its peak resident memory at that moment, once settled and later on. The programs are run in
// turn, the order turning round after round, so that the machine's other load falls on all of them
// alike; the first round only warms the caches. Needs a display: run it under xvfb-run.
//
//   startup_bench [--program PATH]... [--bare PATH] [--runs N] [--warmup N] [--settle-ms N] [--late-ms N]
//                 [--scale F]
//
// --scale runs every program (the bare window too) with that screen scale factor (QT_SCALE_FACTOR).
//
// More than one --program times each (another build, say) against the same bare windows.

#include "../common/benchargs.h"
#include "../common/procstats.h"
#include "../common/spread.h"
#include "mapwatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Options {
    QStringList programs;
    QString bare;
    int runs, warmup, settleMs, lateMs;
    QString scale;
};

Options parse(const QStringList& args) {
    const bench::Args a(args);
    return {a.texts("--program", QStringLiteral(RIMBALO_BIN)),
            a.text("--bare", QStringLiteral(BARE_WINDOW_BIN)), a.number("--runs", 10, 1),
            a.number("--warmup", 1, 0),
            // After the map, for what the program does once shown (a solo game logs in, plays a cue).
            a.number("--settle-ms", 1000, 0), a.number("--late-ms", 10'000, 0), a.text("--scale", QString())};
}

struct Run {
    double mapMs = -1;
    double mapMb = 0;     // peak resident memory when the window has appeared
    double settledMb = 0; // the peak once settled
    double lateMb = 0;    // the peak later on
};

Run startOnce(Stage& stage, const QString& program, const Options& o) {
    QProcess p;
    QElapsedTimer clock;
    QProcessEnvironment env;
    if (!o.scale.isEmpty()) env.insert(QStringLiteral("QT_SCALE_FACTOR"), o.scale);
    const qint64 mapped = stage.launch(p, program, {}, clock, env);
    Run r;
    if (mapped >= 0) {
        r.mapMs = static_cast<double>(mapped) / 1e6;
        r.mapMb = bench::peakRssMb(p.processId()).value_or(0);
        QThread::msleep(static_cast<unsigned long>(o.settleMs));
        r.settledMb = bench::peakRssMb(p.processId()).value_or(0);
        QThread::msleep(static_cast<unsigned long>(std::max(0, o.lateMs - o.settleMs)));
        r.lateMb = bench::peakRssMb(p.processId()).value_or(0);
    }
    stopProcess(p);
    return r;
}

// One program's figures, run after run, and its ratio to the bare window of the same round.
struct Series {
    QString name;
    QString path;
    std::vector<double> ms, mapMb, settledMb, lateMb, msRatio;
    void add(const Run& r, const Run& bare) {
        ms.push_back(r.mapMs);
        mapMb.push_back(r.mapMb);
        settledMb.push_back(r.settledMb);
        lateMb.push_back(r.lateMb);
        msRatio.push_back(r.mapMs / bare.mapMs);
    }
};

void line(const char* name, const char* unit, const std::vector<double>& v) {
    const bench::Spread s = bench::spreadOf(v);
    std::printf("    %-16s %7.1f %s  quartiles %.1f-%.1f  range %.1f-%.1f\n", name, s.median, unit, s.q1,
                s.q3, s.min, s.max);
}

void verdict(const char* what, double game, double bare, double target) {
    const double ratio = game / bare;
    std::printf("    %-16s %.2fx the bare window (%s)  target <= %.1fx: %s\n", "", ratio, what, target,
                ratio <= target ? "ok" : "OVER");
}

void report(const Series& bare, const std::vector<Series>& games, const Options& o) {
    // The targets: memory near the bare window's, a little more room at a larger scale.
    const double memoryTarget = o.scale.toDouble() > 1.5 ? 1.5 : 1.3;
    const auto median = [](const std::vector<double>& v) { return bench::percentile(v, 0.5); };
    std::printf("to the mapped window:\n");
    line("bare", "ms", bare.ms);
    for (const Series& g : games) {
        line(qPrintable(g.name), "ms", g.ms);
        verdict("ratio of medians", median(g.ms), median(bare.ms), 1.5);
        const bench::Spread r = bench::spreadOf(g.msRatio);
        std::printf("    %-16s run by run %.2fx, quartiles %.2f-%.2fx\n", "", r.median, r.q1, r.q3);
    }
    std::printf("peak resident memory when the window appears:\n");
    line("bare", "MB", bare.mapMb);
    for (const Series& g : games) {
        line(qPrintable(g.name), "MB", g.mapMb);
        verdict("ratio of medians", median(g.mapMb), median(bare.mapMb), memoryTarget);
    }
    const auto peaks = [&](int ms, std::vector<double> Series::*of) {
        std::printf("peak resident memory %d ms after the window appeared:\n", ms);
        line("bare", "MB", bare.*of);
        for (const Series& g : games) {
            line(qPrintable(g.name), "MB", g.*of);
            verdict("ratio of medians", median(g.*of), median(bare.*of), memoryTarget);
        }
    };
    peaks(o.settleMs, &Series::settledMb);
    peaks(std::max(o.settleMs, o.lateMs), &Series::lateMb);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    Stage stage;
    if (!stage.ready()) return 1;
    std::vector<Series> games;
    for (const QString& program : o.programs) {
        const QString copy = stage.copyOf(program);
        if (copy.isEmpty()) return 1;
        // Builds of one name are told apart by their folders.
        const QFileInfo file(program);
        const QString name = o.programs.size() == 1
                                 ? QStringLiteral("rimbalo")
                                 : file.dir().dirName() + QLatin1Char('/') + file.fileName();
        games.push_back({name, copy, {}, {}, {}, {}, {}});
        std::printf("%s: %s\n", qPrintable(name), qPrintable(program));
    }
    Series bare{QStringLiteral("bare"), o.bare, {}, {}, {}, {}, {}};
    const int programs = static_cast<int>(games.size()) + 1;
    for (int round = 1 - o.warmup; round <= o.runs; ++round) {
        // Program 0 is the bare window; the order turns by one each round.
        std::vector<Run> runs(static_cast<std::size_t>(programs));
        for (int k = 0; k < programs; ++k) {
            const int which = (k + round + programs * o.warmup) % programs;
            const QString& path = which == 0 ? bare.path : games[static_cast<std::size_t>(which - 1)].path;
            runs[static_cast<std::size_t>(which)] = startOnce(stage, path, o);
            if (runs[static_cast<std::size_t>(which)].mapMs < 0) {
                std::fprintf(stderr, "round %d: no window of %s appeared\n", round, qPrintable(path));
                return 1;
            }
        }
        std::printf("%s %d: bare %.1f ms %.1f/%.1f/%.1f MB", round < 1 ? "warm-up" : "run",
                    round < 1 ? round + o.warmup : round, runs[0].mapMs, runs[0].mapMb, runs[0].settledMb,
                    runs[0].lateMb);
        for (std::size_t g = 0; g < games.size(); ++g) {
            const Run& r = runs[g + 1];
            std::printf(" | %s %.1f ms %.1f/%.1f/%.1f MB", qPrintable(games[g].name), r.mapMs, r.mapMb,
                        r.settledMb, r.lateMb);
            if (round >= 1) games[g].add(r, runs[0]);
        }
        std::printf("\n");
        std::fflush(stdout);
        if (round >= 1) bare.add(runs[0], runs[0]);
    }
    std::printf(
        "over %d runs each, after %d warm-up, scale %s (memory: peak at the map / %d ms / %d ms after it "
        "appeared):\n",
        o.runs, o.warmup, o.scale.isEmpty() ? "1" : qPrintable(o.scale), o.settleMs,
        std::max(o.settleMs, o.lateMs));
    report(bare, games, o);
    return 0;
}
