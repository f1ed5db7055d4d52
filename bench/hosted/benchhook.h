#pragma once
// A stand-in for the player at a hosting window, for the hosted benchmark's own build of the game. With
// RIMBALO_BENCH_BOARD=N in the environment, the window starts a game as soon as a second player has
// sat down, passes its own turns by drawing a tile, and shows N tiles on its board each round, so the
// benchmark can time the server of a mapped, crowded window from another seat. Without the variable
// nothing is installed.

namespace client {
class Tchat;
}

void installBenchHook(client::Tchat& tchat);
