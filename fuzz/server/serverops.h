#pragma once
// The game server driven by a stream of operations, as the server fuzz target and its seeds use it.
// Each operation is a slot byte and an operation byte (taken modulo 10), then its own bytes:
//   0 accept a connection             1 [n][n bytes] bytes received on the slot
//   2 a command shaped from the input 3 close the slot's connection
//   4 [n] clock ticks                 5 the computer's timer
//   6 [..] seat players, start a game 7, 8 [..] a move of the seat on turn
//   9 [t] t quarter seconds pass, and the queued commands run

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace serverops {

// Called on a fault: a malformed command sent, or a tile not held exactly twice.
using Fault = std::function<void(const char* what, const std::string& detail)>;

struct Result {
    int logins = 0; // slots whose login the server accepted (announced as a new player)
    int moves = 0;  // placed and moved tiles and draws the server told the others of
    bool dealt = false;
};

Result run(const std::uint8_t* data, std::size_t size, const Fault& fail);

} // namespace serverops
