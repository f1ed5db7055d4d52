#include "benchhook.h"

#include "client/window/tchat.h"
#include "protocol/messages.h"

#include <QByteArray>

#include <string>
#include <string_view>

namespace {

// Runs of four along the upper rows, an empty cell between them; the rows below stay free for the
// other seat's moves.
std::string boardOf(int tiles) {
    std::string items = "CMD_loadboard+1";
    int laid = 0;
    for (int r = 1; r <= 6 && laid < tiles; ++r)
        for (int c = 1; c <= 22 && laid < tiles; ++c)
            if (c % 5 != 0) {
                items +=
                    "+" + std::to_string(c) + "+" + std::to_string(r) + "+" + std::to_string(laid % 53 + 1);
                ++laid;
            }
    return items;
}

bool startsWith(std::string_view entry, std::string_view prefix) {
    return entry.substr(0, prefix.size()) == prefix;
}

} // namespace

void installBenchHook(client::Tchat& tchat) {
    bool ok = false;
    const int tiles = qEnvironmentVariableIntValue("RIMBALO_BENCH_BOARD", &ok);
    if (!ok || tiles <= 0) return;
    const std::string board = boardOf(tiles);
    tchat.connection().setCommandHandler([&tchat, board](std::string_view entry) {
        tchat.handleCommand(entry);
        if (!tchat.state().ishost) return;
        if (startsWith(entry, "CMD_newplayerinfo+2+"))
            tchat.sendStartGame(1500, 180, false, false, 14);
        else if (startsWith(entry, "CMD_yourtiles+1+"))
            tchat.handleCommand(board);
        else if (startsWith(entry, "CMD_nextplayer+1+"))
            tchat.connection().send(protocol::encode(protocol::toserver::DrawCard{.seat = 1}));
    });
}
