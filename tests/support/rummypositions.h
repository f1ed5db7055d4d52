#pragma once
// Random positions of a game in progress for the solver's tests and benchmark: a board made of
// valid sets (runs of three to six, groups of three or four, a joker now and then) and a rack of
// tiles from the rest of the set. Every code appears at most twice over board and rack.

#include "rules/tiles.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace rummypositions {

struct Position {
    std::vector<std::vector<int>> boardSets;
    std::vector<int> rack;
};

inline int below(std::mt19937& rng, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

// A random set of `length` tiles, a run `runPercent` times in a hundred, or nothing when
// `copies` cannot supply it.
inline std::vector<int> randomSet(std::mt19937& rng, int length, std::array<int, 54>& copies,
                                  int runPercent) {
    std::vector<int> set;
    if (below(rng, 100) < runPercent) {
        const int suit = below(rng, 4);
        const int start = 1 + below(rng, 14 - length);
        for (int i = 0; i < length; ++i)
            set.push_back(suit * 13 + start + i);
    } else {
        if (length > 4) return {};
        const int number = 1 + below(rng, 13);
        std::array<int, 4> suits{0, 1, 2, 3};
        std::shuffle(suits.begin(), suits.end(), rng);
        for (int i = 0; i < length; ++i)
            set.push_back(suits[static_cast<std::size_t>(i)] * 13 + number);
    }
    if (below(rng, 8) == 0) set[static_cast<std::size_t>(below(rng, length))] = rules::kJoker;
    std::array<int, 54> need{};
    for (int code : set)
        if (++need[static_cast<std::size_t>(code)] > copies[static_cast<std::size_t>(code)]) return {};
    for (int code : set)
        --copies[static_cast<std::size_t>(code)];
    return set;
}

// A board of exactly `boardTiles` tiles in valid sets and a rack of `rackTiles` others.
inline Position randomPosition(std::mt19937& rng, int boardTiles, int rackTiles, int runPercent = 50) {
    for (;;) {
        std::array<int, 54> copies{};
        copies.fill(2);
        copies[0] = 0;
        Position position;
        int total = 0;
        for (int tries = 0; tries < 4000 && total < boardTiles; ++tries) {
            const int need = boardTiles - total;
            const int length = std::min(need, 3 + below(rng, 4));
            if (need - length > 0 && need - length < 3) continue;
            auto set = randomSet(rng, length, copies, runPercent);
            if (set.empty()) continue;
            total += length;
            position.boardSets.push_back(std::move(set));
        }
        if (total != boardTiles) continue;
        std::vector<int> rest;
        for (int code = 1; code <= rules::kJoker; ++code)
            rest.insert(rest.end(), static_cast<std::size_t>(copies[static_cast<std::size_t>(code)]), code);
        if (static_cast<int>(rest.size()) < rackTiles) continue;
        std::shuffle(rest.begin(), rest.end(), rng);
        position.rack.assign(rest.begin(), rest.begin() + rackTiles);
        return position;
    }
}

} // namespace rummypositions
