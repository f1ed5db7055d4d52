#pragma once
// The command line of a benchmark: "--name value" pairs, each read with its default. A number below
// its least value is raised to it.

#include <QStringList>

#include <algorithm>

namespace bench {

class Args {
public:
    explicit Args(QStringList args) : args_(std::move(args)) {}

    // The value after the last `name`, or `fallback`.
    QString text(const char* name, const QString& fallback) const {
        const int at = args_.lastIndexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args_.size() ? args_[at + 1] : fallback;
    }
    // The values after every `name`, in order; `fallback` alone when there is none.
    QStringList texts(const char* name, const QString& fallback) const {
        QStringList found;
        for (int i = 0; i + 1 < args_.size(); ++i)
            if (args_[i] == QLatin1String(name)) found << args_[++i];
        return found.isEmpty() ? QStringList{fallback} : found;
    }
    int number(const char* name, int fallback, int least) const {
        bool ok = false;
        const int n = text(name, QString()).toInt(&ok);
        return std::max(least, ok ? n : fallback);
    }

private:
    QStringList args_;
};

} // namespace bench
