#include "commandline.h"

#include "protocol/text.h"
#include "windows/netaddress.h"

namespace client {

StartRole readArguments(const QStringList& args, quint16 defaultPort) {
    StartRole role;
    role.port = defaultPort;
    if (args.isEmpty()) {
        role.kind = StartRole::Solo;
        role.playername = QStringLiteral("You");
        role.hostaddress = QStringLiteral("127.0.0.1");
        return role;
    }
    if (args.size() < 3) {
        role.kind = StartRole::Waiting;
        return role;
    }
    // The name travels in fields: "+" and control characters cannot be part of it.
    role.playername = QString::fromStdString(protocol::cleanName(args[0].toStdString()));
    if (role.playername.isEmpty()) role.playername = QStringLiteral("Player");
    role.hostaddress = args[1].trimmed();
    // "HOST[:PORT]/CODE" names a table of a table server.
    if (const qsizetype slash = role.hostaddress.lastIndexOf(QLatin1Char('/')); slash > 0) {
        role.tablecode = role.hostaddress.mid(slash + 1).trimmed().toUpper();
        role.hostaddress = role.hostaddress.left(slash);
    }
    // An address that does not read is left as given: connecting to it reports what is wrong.
    if (const auto target = windows::parseHostPort(role.hostaddress, defaultPort)) {
        role.hostaddress = target->host;
        role.port = target->port;
    }
    role.kind = args[2] == QLatin1String("true") ? StartRole::Host : StartRole::Join;
    role.opensLobbyLink = true;
    return role;
}

} // namespace client
