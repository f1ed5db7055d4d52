#pragma once
// Game addresses as players type and read them: a host name, an IPv4 or IPv6 address, optionally
// followed by ":PORT" ("[v6-address]:PORT" for IPv6), and the addresses of this computer.

#include "protocol/facts.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace windows {

inline constexpr quint16 kGamePort = protocol::kGamePort;

struct HostPort {
    QString host;
    quint16 port = kGamePort;
};

// Reads "name", "192.0.2.7", "2001:db8::7", "name:7800", "192.0.2.7:7800" or "[2001:db8::7]:7800";
// without a port, `defaultPort`. Nothing for an empty host, a bad port or text that is no address.
std::optional<HostPort> parseHostPort(const QString& text, quint16 defaultPort = kGamePort);
// The first entry of a pasted list of addresses (one a line, or separated by commas or semicolons),
// trimmed; the text itself when it holds one.
QString firstListed(const QString& text);
// The form parseHostPort reads back: brackets around an IPv6 address.
QString hostPortText(const QString& host, quint16 port);
// This computer's addresses that others may reach: IPv4 first, then IPv6 (link-local ones, which need
// an interface name to be of use, left out), the loopback addresses last.
QStringList localAddresses();
// Whether others can reach this computer at `address` (not a loopback address).
bool reachableFromOthers(const QString& address);
// `recent` with `entry` put first, an older copy of it dropped, at most `keep` entries.
QStringList withRecentHost(const QStringList& recent, const QString& entry, int keep);
// Why a game could not listen on `port` now (empty when it could).
QString listenProblem(quint16 port);
// The first port after `busy` that a game could listen on now; 0 when none of the next few is free.
quint16 freePortAfter(quint16 busy);

} // namespace windows
