#include "registryaddress.h"

#include <QHostAddress>

namespace registry {

namespace {

bool readPort(const QString& text, quint16& port) {
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value == 0 || value > 65535) return false;
    port = static_cast<quint16>(value);
    return true;
}

bool plausibleHost(const QString& host) {
    if (host.isEmpty() || host.size() > 253) return false;
    if (!QHostAddress(host).isNull()) return true;
    for (const QChar c : host)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.'))) return false;
    return true;
}

} // namespace

std::optional<HostPort> parseHostPort(const QString& text, QString* error) {
    HostPort out;
    QString rest = text.trimmed();
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0) {
            *error = QStringLiteral("\"%1\": an IPv6 address needs its closing ]").arg(text);
            return std::nullopt;
        }
        out.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':'))) {
            *error = QStringLiteral("\"%1\" is not HOST:PORT").arg(text);
            return std::nullopt;
        }
        portText = after.mid(1);
        if (after.isEmpty())
            portText.clear();
        else if (portText.isEmpty())
            portText = QStringLiteral("x");
    } else if (rest.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = rest.indexOf(QLatin1Char(':'));
        out.host = rest.left(colon);
        portText = rest.mid(colon + 1);
        if (portText.isEmpty()) portText = QStringLiteral("x");
    } else {
        out.host = rest; // a bare host, or an IPv6 address without a port
    }
    if (!plausibleHost(out.host)) {
        *error = QStringLiteral("\"%1\" is not a host name or address").arg(out.host);
        return std::nullopt;
    }
    if (!portText.isEmpty() && !readPort(portText, out.port)) {
        *error = QStringLiteral("bad port in \"%1\": give a number from 1 to 65535").arg(text);
        return std::nullopt;
    }
    return out;
}

QString HostPort::text() const {
    const QString h = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return port ? QStringLiteral("%1:%2").arg(h).arg(port) : h;
}

std::optional<RegistryAddress> parseRegistryUrl(const QString& url, QString* error) {
    static const QString kScheme = QStringLiteral("redis://");
    if (!url.startsWith(kScheme)) {
        *error = QStringLiteral("bad registry \"%1\": give redis://HOST:PORT[/DB]").arg(url);
        return std::nullopt;
    }
    QString rest = url.mid(kScheme.size());
    RegistryAddress out;
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        bool ok = false;
        out.db = rest.mid(slash + 1).toInt(&ok);
        if (!ok || out.db < 0 || out.db > 1'000'000) {
            *error = QStringLiteral("bad database number in \"%1\"").arg(url);
            return std::nullopt;
        }
        rest = rest.left(slash);
    }
    const auto hostPort = parseHostPort(rest, error);
    if (!hostPort) {
        *error = QStringLiteral("bad registry \"%1\": %2").arg(url, *error);
        return std::nullopt;
    }
    out.host = hostPort->host;
    if (hostPort->port) out.port = hostPort->port;
    return out;
}

QString RegistryAddress::text() const {
    return QStringLiteral("redis://%1/%2").arg(HostPort{host, port}.text()).arg(db);
}

} // namespace registry
