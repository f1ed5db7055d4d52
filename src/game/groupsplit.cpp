// How the tiles of one number split into groups, for the lay-down search.

#include "groupsplit.h"

#include <algorithm>

namespace game {

// Places one item after another in each group that can take it, backing out of dead ends.
bool splitGroups(const std::vector<int>& items, std::size_t at, Groups& groups, int used) {
    if (at == items.size()) {
        for (int g = 0; g < used; ++g)
            if (groups[static_cast<std::size_t>(g)].size() < 3) return false;
        return true;
    }
    const int item = items[at];
    for (int g = 0; g < std::min(used + 1, 3); ++g) {
        auto& group = groups[static_cast<std::size_t>(g)];
        if (item != kJokerItem && std::find(group.begin(), group.end(), item) != group.end()) continue;
        group.push_back(item);
        if (splitGroups(items, at + 1, groups, std::max(used, g + 1))) return true;
        group.pop_back();
    }
    return false;
}

std::vector<int> groupItems(const std::array<int, kGroupSuits>& copies, int jokers) {
    std::vector<int> items;
    for (int suit = 0; suit < kGroupSuits; ++suit)
        for (int i = 0; i < copies[static_cast<std::size_t>(suit)]; ++i)
            items.push_back(suit);
    items.insert(items.end(), static_cast<std::size_t>(jokers), kJokerItem);
    return items;
}

const GroupTable& groupTable() {
    static const GroupTable table = [] {
        GroupTable t{};
        for (int ones = 0; ones <= kGroupSuits; ++ones)
            for (int twos = 0; ones + twos <= kGroupSuits; ++twos)
                for (int jokers = 0; jokers <= 2; ++jokers) {
                    std::array<int, kGroupSuits> copies{};
                    for (int s = 0; s < ones + twos; ++s)
                        copies[static_cast<std::size_t>(s)] = s < ones ? 1 : 2;
                    Groups groups;
                    t[ones][twos][jokers] = splitGroups(groupItems(copies, jokers), 0, groups, 0);
                }
        return t;
    }();
    return table;
}

} // namespace game
