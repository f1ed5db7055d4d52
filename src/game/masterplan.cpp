#include "masterplan.h"

#include <algorithm>

namespace game {

namespace {

int rackTiles(const rules::Rack& rack) {
    return static_cast<int>(
        std::count_if(rack.cells.begin() + 1, rack.cells.end(), [](int c) { return c != 0; }));
}

bool roundIsYoung(const MasterView& view) {
    return view.poolLeft >= kYoungPool && std::all_of(view.othersTiles.begin(), view.othersTiles.end(),
                                                      [](int n) { return n >= kFarFromOut; });
}

} // namespace

std::optional<Turn> masterTurn(const MasterView& view) {
    auto best = planTurn(view.board, view.rack, view.opened);
    if (!best || best->draw || best->tiles == rackTiles(view.rack) || !roundIsYoung(view)) return best;
    // The same search with the jokers held back; the rack's cells keep their numbers, so the moves found
    // are moves of the real rack.
    rules::Rack withoutJokers = view.rack;
    bool jokers = false;
    for (int& code : withoutJokers.cells)
        if (code == rules::kJoker) code = 0, jokers = true;
    if (!jokers) return best;
    auto kept = planTurn(view.board, withoutJokers, view.opened);
    if (kept && !kept->draw) return kept;
    return best;
}

} // namespace game
