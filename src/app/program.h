#pragma once
// The program: creates the windows in their order, wires the host's server to the main window, and
// runs until the main window closes.

#include <functional>

namespace client {
class Tchat;
}

// Called once the main window is wired, before it reads its command line and shows: a program built
// around the game's (a benchmark's stand-in player) adds to the window there.
using StartHook = std::function<void(client::Tchat&)>;

// Runs the game with the command line given; returns the exit code.
int runProgram(int argc, char* argv[], const StartHook& started = {});
