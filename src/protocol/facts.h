#pragma once
// Facts of the game that the server, the client and the tools must agree on, defined once.

#include <array>
#include <string_view>

namespace protocol {

// The computer player's name of slots 2..6 (slot 1, the host's, has none); the seat display shows the
// names of seats 2..4, and the server names a computer-played winner by them.
inline constexpr std::array<std::string_view, 7> kComputerNames = {"",      "",      "Klot", "Klock",
                                                                   "Kling", "Klick", "Krazy"};

// The computer player's name of `slot`, empty for slot 1 and for anything outside 2..6.
constexpr std::string_view computerName(int slot) {
    return slot >= 0 && slot < static_cast<int>(kComputerNames.size())
               ? kComputerNames[static_cast<std::size_t>(slot)]
               : std::string_view{};
}

} // namespace protocol
