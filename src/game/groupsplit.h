#pragma once
// How the tiles of one number split into groups (three or four tiles, no suit twice, jokers
// standing in): which counts of tiles can be grouped at all, and one way to group them.

#include <array>
#include <cstddef>
#include <vector>

namespace game {

inline constexpr int kGroupSuits = 4;
inline constexpr int kJokerItem = kGroupSuits; // an item that is a joker, not a suit 0..3

using Groups = std::array<std::vector<int>, 3>;

// Splits tiles of one number into groups of three or more with no suit twice. `items` are
// suits 0..3 or kJokerItem. At most three groups can be made from eight real tiles and two
// jokers. Returns false when no split exists.
bool splitGroups(const std::vector<int>& items, std::size_t at, Groups& groups, int used);

// The items of `copies[suit]` tiles of each suit and `jokers` jokers.
std::vector<int> groupItems(const std::array<int, kGroupSuits>& copies, int jokers);

// groupTable()[ones][twos][jokers]: whether that many suits with one tile, suits with two tiles
// and jokers split into groups.
using GroupTable = std::array<std::array<std::array<bool, 3>, 5>, 5>;
const GroupTable& groupTable();

} // namespace game
