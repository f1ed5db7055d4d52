#pragma once
// Facts of the game that the server, the client and the tools must agree on, defined once.

#include "rimbaloversion.h"

#include <array>
#include <string_view>

namespace protocol {

// The program's version, from the project's version in the build: sent at login, compared by the
// host, shown in the about box.
inline constexpr std::string_view kVersion = RIMBALO_VERSION;

// The TCP port the game is played on unless the host chooses another.
inline constexpr unsigned short kGamePort = 7772;

// The chat's phrase buttons: as many phrases as the phrase editor edits and the settings file keeps.
inline constexpr int kPhrases = 9;

// The start options' ranges and defaults, as the host's start dialog offers them, the server accepts
// them and the simulator takes them.
struct OptionRange {
    int low;
    int high;
    int step;
    int initial;
};
inline constexpr OptionRange kTargetRange{0, 1500, 100, 500}; // "Play to Score:"
inline constexpr OptionRange kSecondsRange{20, 180, 10, 60};  // "Creation Time:"
inline constexpr OptionRange kTilesRange{10, 48, 1, 14};      // "Tiles to Start With::"

// The computer's delays in milliseconds ("Bot Speed": Slow, Normal, Fast); Normal unless chosen.
inline constexpr int kSlowComputer = 2000;
inline constexpr int kNormalComputer = 1000;
inline constexpr int kFastComputer = 500;
constexpr bool isComputerSpeed(int ms) {
    return ms == kSlowComputer || ms == kNormalComputer || ms == kFastComputer;
}

// The computer players' levels, weakest first, as the settings, the start dialog, the Options menu and
// rimbalo-sim name them; a seat plays Classic unless the host chooses another.
inline constexpr std::array<std::string_view, 5> kComputerLevels = {"beginner", "classic", "strong", "expert",
                                                                    "master"};
inline constexpr int kClassicLevel = 1;

// The place of a level's name in kComputerLevels, or -1 for a name that is none.
constexpr int computerLevelIndex(std::string_view name) {
    for (std::size_t i = 0; i < kComputerLevels.size(); ++i)
        if (kComputerLevels[i] == name) return static_cast<int>(i);
    return -1;
}

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
