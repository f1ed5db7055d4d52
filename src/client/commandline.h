#pragma once
// The program's command line: nothing for a solo game, or name, host address and role.

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
    QString hostaddress;
    bool opensLobbyLink = false;
};

// `args` without the program's own name. Arguments after the third are ignored.
StartRole readArguments(const QStringList& args);

} // namespace client
