#pragma once
// Drives a TServer (the socket adapter and its game) through its receive path without sockets, and
// records everything the game sends, slot by slot. The adapter's clock stands still unless a test
// moves it, so no clock of the game runs by itself.

#include "../game/harness.h" // the game's test harness, shared by both
#include "server/tserver.h"

namespace testing_server {

using testing_game::BasicHarness;
using testing_game::E;
using testing_game::kJoker;
using testing_game::kVersion;
using tilecodes::Black;
using tilecodes::Green;
using tilecodes::Orange;
using tilecodes::Red;

// The adapter and its game, driven through the adapter's receive path. Its clock stands still unless a
// test moves it, so no clock of the game runs by itself.
struct ServerRunner {
    qint64 now = 0;
    TServer server;

    ServerRunner() {
        server.setClock([this] { return now; });
    }
    game::Game& table() { return server.game(); }
    int connect() { return server.acceptConnection(); }
    void raw(int slot, const std::string& bytes) {
        server.receive(slot, bytes);
        server.processQueue();
    }
};
using Harness = BasicHarness<ServerRunner>;

} // namespace testing_server
