#include "netaddress.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QRegularExpression>
#include <QTcpServer>

namespace windows {

namespace {

std::optional<quint16> portOf(const QString& text) {
    bool ok = false;
    const uint port = text.toUInt(&ok, 10);
    if (!ok || port == 0 || port > 65535 || text.startsWith(QLatin1Char('+'))) return std::nullopt;
    return static_cast<quint16>(port);
}

bool isIPv6(const QString& text) {
    QHostAddress a;
    return a.setAddress(text) && a.protocol() == QAbstractSocket::IPv6Protocol;
}

// A host name or IPv4 address: letters, digits, dots, hyphens and underscores only.
bool isPlainHost(const QString& text) {
    if (text.isEmpty() || text.size() > 253) return false;
    for (const QChar c : text)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('_')))
            return false;
    return true;
}

} // namespace

std::optional<HostPort> parseHostPort(const QString& input, quint16 defaultPort) {
    const QString text = input.trimmed();
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0) return std::nullopt;
        const QString host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!isIPv6(host)) return std::nullopt;
        if (rest.isEmpty()) return HostPort{host, defaultPort};
        if (!rest.startsWith(QLatin1Char(':'))) return std::nullopt;
        const auto port = portOf(rest.mid(1));
        if (!port) return std::nullopt;
        return HostPort{host, *port};
    }
    const qsizetype colons = text.count(QLatin1Char(':'));
    if (colons > 1) {
        // More than one colon without brackets: an IPv6 address, which cannot carry a port this way.
        if (!isIPv6(text)) return std::nullopt;
        return HostPort{text, defaultPort};
    }
    if (colons == 1) {
        const qsizetype at = text.indexOf(QLatin1Char(':'));
        const QString host = text.left(at);
        const auto port = portOf(text.mid(at + 1));
        if (!port || !isPlainHost(host)) return std::nullopt;
        return HostPort{host, *port};
    }
    if (!isPlainHost(text)) return std::nullopt;
    return HostPort{text, defaultPort};
}

QString firstListed(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\r\\n,;]+"));
    for (const QString& entry : text.split(separators, Qt::SkipEmptyParts))
        if (const QString e = entry.trimmed(); !e.isEmpty()) return e;
    return {};
}

bool reachableFromOthers(const QString& address) {
    const auto parsed = parseHostPort(address, kGamePort);
    QHostAddress a;
    return parsed && a.setAddress(parsed->host) && !a.isLoopback();
}

QString hostPortText(const QString& host, quint16 port) {
    const QString shown = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shown + QLatin1Char(':') + QString::number(port);
}

QStringList localAddresses() {
    QStringList v4, v6, loopback;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.isLoopback()) {
            loopback << a.toString();
            continue;
        }
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            v4 << a.toString();
        } else if (a.protocol() == QAbstractSocket::IPv6Protocol && !a.isLinkLocal()) {
            QHostAddress plain = a;
            plain.setScopeId(QString());
            v6 << plain.toString();
        }
    }
    // The IPv4 loopback first: it is the one most programs can use.
    std::stable_sort(loopback.begin(), loopback.end(), [](const QString& x, const QString& y) {
        return !x.contains(QLatin1Char(':')) && y.contains(QLatin1Char(':'));
    });
    v4.removeDuplicates();
    v6.removeDuplicates();
    loopback.removeDuplicates();
    return v4 + v6 + loopback;
}

QStringList withRecentHost(const QStringList& recent, const QString& entry, int keep) {
    QStringList list{entry};
    for (const QString& r : recent)
        if (!r.isEmpty() && r.compare(entry, Qt::CaseInsensitive) != 0) list << r;
    return list.mid(0, keep);
}

QString listenProblem(quint16 port) {
    // Where the game's server listens: every address of this computer.
    QTcpServer probe;
    probe.setProxy(QNetworkProxy::NoProxy);
    return probe.listen(QHostAddress::Any, port) ? QString() : probe.errorString();
}

quint16 freePortAfter(quint16 busy) {
    for (uint port = uint(busy) + 1; port <= uint(busy) + 50 && port <= 65535; ++port)
        if (listenProblem(static_cast<quint16>(port)).isEmpty()) return static_cast<quint16>(port);
    return 0;
}

} // namespace windows
