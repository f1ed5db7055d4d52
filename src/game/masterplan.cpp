#include "masterplan.h"

#include "solver.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace game {

namespace {

// A play-out's turns use a smaller search bound than a real turn: thousands of them are played, and a
// lay-down a little short of the best still tells which way of playing the real turn does better.
constexpr long kPlayoutStages = 3000;
// A tile still held when the look-ahead ends costs this share of its value: it may yet be laid (for
// points) or be counted against its holder when someone goes out.
constexpr double kHeldShare = 0.5;
// A way of playing other than the expert's must beat it by this many points a deal on the mean, and by
// one standard error of the difference, so that the noise of a few deals does not choose it.
constexpr double kLeastGain = 1.0;

std::vector<int> rackCodes(const rules::Rack& rack) {
    std::vector<int> codes;
    for (std::size_t i = 1; i < rack.cells.size(); ++i)
        if (rack.cells[i] != 0) codes.push_back(rack.cells[i]);
    return codes;
}

std::vector<int> boardCodes(const rules::Board& board) {
    std::vector<int> codes;
    for (const rules::BoardItem& item : board.list())
        codes.push_back(item.tile);
    return codes;
}

std::vector<int> laidCodes(const Turn& turn) {
    std::vector<int> codes;
    if (turn.draw) return codes;
    for (const Move& move : turn.moves)
        if (move.kind == Move::Kind::Place) codes.push_back(move.tile);
    std::sort(codes.begin(), codes.end());
    return codes;
}

int valueOf(const std::vector<int>& codes) {
    int sum = 0;
    for (int code : codes)
        sum += rules::tilevalue(code);
    return sum;
}

void removeTiles(std::vector<int>& from, const std::vector<int>& tiles) {
    for (int code : tiles) {
        const auto it = std::find(from.begin(), from.end(), code);
        if (it != from.end()) from.erase(it);
    }
}

// The tiles nobody can see from the master's seat: every code twice, less the board and its own rack.
std::vector<int> hiddenTiles(const std::vector<int>& board, const std::vector<int>& rack) {
    std::array<int, rules::kJoker + 1> left{};
    for (int code = 1; code <= rules::kJoker; ++code)
        left[static_cast<std::size_t>(code)] = 2;
    for (const auto* seen : {&board, &rack})
        for (int code : *seen)
            if (rules::isTile(code) && left[static_cast<std::size_t>(code)] > 0)
                --left[static_cast<std::size_t>(code)];
    std::vector<int> hidden;
    for (int code = 1; code <= rules::kJoker; ++code)
        hidden.insert(hidden.end(), static_cast<std::size_t>(left[static_cast<std::size_t>(code)]), code);
    return hidden;
}

// One deal of the hidden tiles played forward: seat 0 is the master, then the others in playing order.
class Playout {
public:
    Playout(const MasterView& view, const std::vector<int>& board, const std::vector<int>& rack,
            std::vector<int> hidden, std::mt19937& rng)
        : board_(board), racks_(view.others.size() + 1), opened_(view.others.size() + 1),
          gained_(view.others.size() + 1, 0) {
        std::shuffle(hidden.begin(), hidden.end(), rng);
        racks_[0] = rack;
        opened_[0] = view.opened;
        std::size_t next = 0;
        for (std::size_t i = 0; i < view.others.size(); ++i) {
            const auto count =
                std::min(static_cast<std::size_t>(std::max(0, view.others[i].tiles)), hidden.size() - next);
            racks_[i + 1].assign(hidden.begin() + static_cast<long>(next),
                                 hidden.begin() + static_cast<long>(next + count));
            next += count;
            opened_[i + 1] = view.others[i].opened;
        }
        pool_.assign(hidden.begin() + static_cast<long>(next), hidden.end());
        if (pool_.size() > static_cast<std::size_t>(std::max(0, view.poolLeft)))
            pool_.resize(static_cast<std::size_t>(std::max(0, view.poolLeft)));
    }

    // The master's turn as `laid` (nothing: a draw), then `turnsAhead` turns of every seat; the result
    // for the master, in points against the others' mean.
    double play(const std::vector<int>& laid, int turnsAhead) {
        if (laid.empty())
            drawTile(0);
        else
            lay(0, laid, valueOf(laid));
        const std::size_t seats = racks_.size();
        for (int round = 0; round < turnsAhead && !over(); ++round)
            for (std::size_t k = 1; k <= seats && !over(); ++k)
                turn(k % seats);
        return result();
    }

private:
    bool over() const { return out_ >= 0 || dryDraws_ >= racks_.size(); }

    void turn(std::size_t seat) {
        const auto found = solveTiles(board_, racks_[seat], opened_[seat], Walk::Both, kPlayoutStages);
        if (found && !found->draw)
            lay(seat, found->laid, found->value);
        else
            drawTile(seat);
    }

    void lay(std::size_t seat, const std::vector<int>& laid, int value) {
        removeTiles(racks_[seat], laid);
        board_.insert(board_.end(), laid.begin(), laid.end());
        gained_[seat] += value;
        opened_[seat] = true;
        dryDraws_ = 0;
        if (racks_[seat].empty()) out_ = static_cast<int>(seat);
    }

    void drawTile(std::size_t seat) {
        if (nextDraw_ < pool_.size()) {
            racks_[seat].push_back(pool_[nextDraw_++]);
            dryDraws_ = 0;
        } else {
            ++dryDraws_;
        }
    }

    // Each seat's points from the round so far: what it laid, and its rack as the round's end counts it
    // (or a share of it, when the round goes on).
    double result() const {
        const std::size_t seats = racks_.size();
        std::vector<double> delta(seats);
        double outGain = 0;
        for (std::size_t s = 0; s < seats; ++s) {
            const int held = valueOf(racks_[s]);
            if (out_ >= 0) {
                delta[s] = gained_[s] - held;
                outGain += held;
            } else {
                delta[s] = gained_[s] - (dryDraws_ >= seats ? 1.0 : kHeldShare) * held;
            }
        }
        if (out_ >= 0) delta[static_cast<std::size_t>(out_)] += outGain;
        double others = 0;
        for (std::size_t s = 1; s < seats; ++s)
            others += delta[s];
        return delta[0] - (seats > 1 ? others / static_cast<double>(seats - 1) : 0.0);
    }

    std::vector<int> board_;
    std::vector<std::vector<int>> racks_;
    std::vector<bool> opened_;
    std::vector<int> gained_;
    std::vector<int> pool_;
    std::size_t nextDraw_ = 0;
    std::size_t dryDraws_ = 0;
    int out_ = -1;
};

// The ways of playing the turn worth weighing, the expert's lay-down first; each lays a different set
// of tiles.
std::vector<Turn> choices(const MasterView& view, const Turn& best) {
    std::vector<Turn> ways{best};
    const auto add = [&ways](const std::optional<Turn>& way) {
        if (!way) return;
        const std::vector<int> laid = laidCodes(*way);
        if (std::none_of(ways.begin(), ways.end(), [&laid](const Turn& t) { return laidCodes(t) == laid; }))
            ways.push_back(*way);
    };
    rules::Rack withoutJokers = view.rack;
    bool jokers = false;
    for (int& code : withoutJokers.cells)
        if (code == rules::kJoker) code = 0, jokers = true;
    // The rack's cells keep their numbers, so the moves found are moves of the real rack.
    if (jokers) {
        const auto kept = planTurn(view.board, withoutJokers, view.opened);
        if (kept && !kept->draw) add(kept);
    }
    if (best.boardTilesMoved > 0) {
        const auto own = planTurn(view.board, view.rack, view.opened, View::NewSetsOnly);
        if (own && !own->draw) add(own);
    }
    // Laying nothing keeps every tile for later; before the first lay-down it only delays it.
    if (view.opened && view.poolLeft > 0) add(Turn{});
    return ways;
}

} // namespace

MasterBudget masterBudget(int botDelayMs) {
    if (botDelayMs <= 500) return {48, 2};
    if (botDelayMs <= 1000) return {96, 2};
    return {192, 2};
}

std::optional<Turn> masterTurn(const MasterView& view, std::uint32_t seed, const MasterBudget& budget,
                               const std::function<bool()>& stop, MasterStats* stats) {
    MasterStats local;
    MasterStats& st = stats ? *stats : local;
    st = {};
    auto best = planTurn(view.board, view.rack, view.opened);
    const std::vector<int> rack = rackCodes(view.rack);
    // Nothing to lay, or a lay-down that goes out: there is nothing to weigh.
    st.choices = 1;
    if (!best || best->draw || best->tiles == static_cast<int>(rack.size())) return best;
    const std::vector<Turn> ways = choices(view, *best);
    st.choices = static_cast<int>(ways.size());
    if (ways.size() == 1) return best;

    std::vector<std::vector<int>> laid;
    for (const Turn& way : ways)
        laid.push_back(laidCodes(way));
    const std::vector<int> board = boardCodes(view.board);
    const std::vector<int> hidden = hiddenTiles(board, rack);
    std::mt19937 rng(seed);
    // Every way is played out on the same deals, so their difference is the way's, not the deal's.
    std::vector<std::vector<double>> gain(ways.size());
    for (int deal = 0; deal < budget.deals; ++deal) {
        if (stop && stop()) {
            st.stopped = true;
            break;
        }
        const std::uint32_t dealSeed = static_cast<std::uint32_t>(rng());
        double base = 0;
        for (std::size_t w = 0; w < ways.size(); ++w) {
            std::mt19937 dealRng(dealSeed);
            Playout playout(view, board, rack, hidden, dealRng);
            const double result = playout.play(laid[w], budget.turnsAhead);
            if (w == 0)
                base = result;
            else
                gain[w].push_back(result - base);
        }
        ++st.deals;
    }
    if (st.deals == 0) return best;

    std::size_t chosen = 0;
    double chosenMean = 0;
    for (std::size_t w = 1; w < ways.size(); ++w) {
        const auto n = static_cast<double>(gain[w].size());
        const double mean = std::accumulate(gain[w].begin(), gain[w].end(), 0.0) / n;
        double squares = 0;
        for (double g : gain[w])
            squares += (g - mean) * (g - mean);
        const double error = n > 1 ? std::sqrt(squares / (n - 1) / n) : 0.0;
        if (mean > std::max(kLeastGain, error) && mean > chosenMean) {
            chosen = w;
            chosenMean = mean;
        }
    }
    st.chosen = static_cast<int>(chosen);
    return ways[chosen];
}

} // namespace game
