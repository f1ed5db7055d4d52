#pragma once
// The registry's address as an operator writes it (redis://HOST:PORT[/DB]) and the address a server
// tells other servers to send players to (HOST:PORT).

#include <QString>

#include <optional>

namespace registry {

struct RegistryAddress {
    QString host;
    quint16 port = 6379;
    int db = 0;
    QString text() const; // redis://HOST:PORT/DB, as given
};

// Reads "redis://HOST[:PORT][/DB]"; an error text in `error` when it is not one.
std::optional<RegistryAddress> parseRegistryUrl(const QString& url, QString* error);

struct HostPort {
    QString host;
    quint16 port = 0;     // 0: not given
    QString text() const; // HOST:PORT, an IPv6 host in brackets
};

// Reads "HOST[:PORT]" or "[IPv6][:PORT]"; an error text in `error` when it is not one.
std::optional<HostPort> parseHostPort(const QString& text, QString* error);

} // namespace registry
