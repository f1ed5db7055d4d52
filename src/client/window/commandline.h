#pragma once
// The program's command line: nothing for a solo game, or name, host address and role.

#include "protocol/facts.h"

#include <QString>
#include <QStringList>

namespace client {

struct StartRole {
    enum Kind {
        Solo,    // no arguments: host a game for "You" on this machine
        Host,    // third argument exactly "true"
        Join,    // third argument anything else
        Waiting, // one or two arguments: nothing connects
    };
    Kind kind = Solo;
    QString playername;
    QString hostaddress;                // without a ":PORT" it was given with
    quint16 port = protocol::kGamePort; // from "HOST:PORT" or "[v6-address]:PORT", else the default
    QString tablecode;                  // from "HOST[:PORT]/CODE": the table of a table server to join
    bool opensLobbyLink = false;
};

// `args` without the program's own name. Arguments after the third are ignored. The host address may
// carry a port; a host listens on it, a joiner connects to it.
StartRole readArguments(const QStringList& args, quint16 defaultPort = protocol::kGamePort);

} // namespace client
