#pragma once
// What the benchmarks read of a running process from /proc (Linux): its peak and current resident
// memory, its CPU time and its context switches. Each answer is empty where the system has no such
// file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

#include <optional>

namespace bench {

namespace detail {

inline std::optional<QByteArray> procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

// A "Key:   value kB" line of /proc/PID/status, as a number.
inline std::optional<double> statusValue(qint64 pid, const QByteArray& key) {
    const auto status = procFile(pid, "status");
    if (!status) return std::nullopt;
    for (const QByteArray& line : status->split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toDouble();
    return std::nullopt;
}

} // namespace detail

// The most memory the process has had resident so far, in MB.
inline std::optional<double> peakRssMb(qint64 pid) {
    const auto kb = detail::statusValue(pid, "VmHWM");
    return kb ? std::optional(*kb / 1024.0) : std::nullopt;
}

// The memory the process has resident now, in MB.
inline std::optional<double> rssMb(qint64 pid) {
    const auto kb = detail::statusValue(pid, "VmRSS");
    return kb ? std::optional(*kb / 1024.0) : std::nullopt;
}

// CPU time the process has used, in seconds.
inline std::optional<double> cpuSeconds(qint64 pid) {
    if (const auto sched = detail::procFile(pid, "schedstat"))
        return sched->split(' ').value(0).toDouble() / 1e9;
    const auto stat = detail::procFile(pid, "stat");
    if (!stat) return std::nullopt;
    const QList<QByteArray> f = stat->split(')').value(1).trimmed().split(' ');
    return (f.value(11).toDouble() + f.value(12).toDouble()) / 100.0; // utime + stime in ticks
}

// CPU time one thread of the process has used, in seconds (the main thread's id is the process's).
inline std::optional<double> threadCpuSeconds(qint64 pid, qint64 tid) {
    const auto sched =
        detail::procFile(pid, QStringLiteral("task/%1/schedstat").arg(tid).toLatin1().constData());
    if (!sched) return std::nullopt;
    return sched->split(' ').value(0).toDouble() / 1e9;
}

// The ids of the process's threads now.
inline QList<qint64> threadIds(qint64 pid) {
    QList<qint64> ids;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& name : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ids.push_back(name.toLongLong());
    return ids;
}

// CPU time all the process's threads now running have used, in seconds.
inline std::optional<double> allThreadsCpuSeconds(qint64 pid) {
    double sum = 0;
    const QList<qint64> ids = threadIds(pid);
    for (qint64 tid : ids)
        sum += threadCpuSeconds(pid, tid).value_or(0);
    return ids.isEmpty() ? std::nullopt : std::optional(sum);
}

// How many times the threads of the process now running went to sleep to be woken later, so far: the
// sum of their voluntary context switches (being taken off the processor by the machine's other load
// is no wake-up of the program's own).
inline std::optional<long> allThreadsSleeps(qint64 pid) {
    long sum = 0;
    const QList<qint64> ids = threadIds(pid);
    for (qint64 tid : ids) {
        const auto status =
            detail::procFile(pid, QStringLiteral("task/%1/status").arg(tid).toLatin1().constData());
        if (!status) continue;
        for (const QByteArray& line : status->split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                sum += line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return ids.isEmpty() ? std::nullopt : std::optional(sum);
}

// Voluntary and involuntary context switches of the process's main thread so far.
inline std::optional<long> contextSwitches(qint64 pid) {
    const auto voluntary = detail::statusValue(pid, "voluntary_ctxt_switches");
    const auto involuntary = detail::statusValue(pid, "nonvoluntary_ctxt_switches");
    if (!voluntary || !involuntary) return std::nullopt;
    return static_cast<long>(*voluntary + *involuntary);
}

} // namespace bench
