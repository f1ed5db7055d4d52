// How the search works.
//
// A lay-down is a split of the board's tiles and some of the rack's tiles into sets. A set is
// either a group (real tiles of one number in different suits, plus any jokers) or a run (one
// suit, the tile at each place being the next number, jokers standing in anywhere, all within
// 1..13). Seen from the numbers, a run is a chain that passes through consecutive numbers of
// one suit, taking one tile (or a joker) at each; a group lives at a single number.
//
// So the search walks the numbers 1..13 once, deciding at each number, for each suit, how many
// copies of that tile are used (board copies always, rack copies as chosen), how many of them
// feed runs and how many go to the number's groups, and how many jokers stand in that suit's
// runs. What it must remember from one number to the next is only, per suit, how many runs are
// open and how long each is, where length counts only as 1, 2 or "3 or more" (a run shorter than
// three may not stop; a longer one may stop anywhere), plus how many jokers are used so far.
// That state fits in 30 bits, and the best value still to be won from a state does not depend
// on how the search got there, so each state is solved once and remembered (dynamic programming
// by memoised recursion). The four suits of a number are decided one after another, each a
// stage of its own, so a state offers one short list of choices instead of their product; the
// last stage of a number adds the jokers that join its groups.
//
// Pruning, all of it exact:
// - Runs that must go on take the first tiles; a run of three or more is never stopped at a
//   number where a new run of its suit starts, because running it on instead gives a state that
//   can do everything the other can. So the tiles that feed runs fix the suit's next state.
// - A choice that leaves more runs of one or two tiles than the next numbers' tiles and jokers
//   could carry on is dropped, and long runs beyond what the next number can carry on are not
//   counted (they would end anyway), so equal states meet in the memo.
// - Which groups a number can form depends only on how many suits give it one tile, how many
//   give two, and how many jokers join; that is a table of 75 entries, filled once.
// - Branch and bound: every call carries the score it must reach to matter (the first lay-down
//   minimum, or one more than the best found so far); a stage whose remaining rack tiles cannot
//   reach it is not entered. A state that fails is remembered only as "below that score", to be
//   searched again if a later call asks for less; a state that succeeds is remembered exactly.
//   Choices that lay the most rack tiles are tried first, so good answers come early.
// - The numbers can be walked from 13 down as well as from 1 up. Proving that no better answer
//   exists is quick when the search meets the rack tiles that cannot be laid early, so both
//   ways run by turns under growing budgets and the first to finish gives the answer.
// Ties in value go to more tiles laid: a score is value * 128 + tiles.
//
// The work is bounded by a count of stages (kStageBudget), not by the clock, so an answer is the
// same on every machine. A search that reaches the bound leaves, on its way back, the best score
// each open stage had found and its choice, and the best of the two walks is laid. Ordinary
// racks never come near it; 40- and 59-tile racks now and then do.

#include "solver.h"

#include "groupsplit.h"
#include "searchmemo.h"

#include "rules/boardcheck.h"
#include "rules/tiles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <limits>

namespace game {

namespace {

constexpr int kSuits = kGroupSuits;
constexpr int kTop = 13;
constexpr int kNone = -1;
constexpr int kTileWeight = 128; // a score is value * kTileWeight + tiles
constexpr int kOpenStates = 125; // per suit: runs of length 1, 2 and 3+, each 0..4
constexpr int kMaxJokersPerSuit = 2;

using Counts = std::array<int, rules::kJoker + 1>;

int pack(int value, int tiles) {
    return value * kTileWeight + tiles;
}

int openIndex(int ones, int twos, int longer) {
    return ones + 5 * twos + 25 * longer;
}

int openOf(std::uint32_t state, int suit) {
    return static_cast<int>((state >> (7 * suit)) & 0x7f);
}

int jokersOf(std::uint32_t state) {
    return static_cast<int>(state >> 28);
}

int codeOf(int suit, int number) {
    return suit * kTop + number;
}

// One suit's choice at one number.
struct Option {
    std::uint8_t next;     // the suit's open runs after this number
    std::uint8_t group;    // real tiles that go to this number's groups
    std::uint8_t jokers;   // jokers standing in this suit's runs at this number
    std::uint8_t inRuns;   // real tiles that go to runs
    std::uint8_t fromRack; // rack copies laid
};

// The search proper. A stage is one suit's choice at one number (suits 0..3), or, as stage 4,
// the jokers that join the number's groups. A stage's state holds, per suit, the open runs
// before that number (suits not yet decided) or after it (suits decided), the jokers used so
// far, and how many decided suits gave the number's groups one tile and how many two. Deciding
// one suit at a time keeps the work per state to one short list of choices.
class Search {
public:
    // `downward`: the search walks the numbers from 13 down to 1 (its number n is the tile
    // number 14 - n); runs and groups read the same either way.
    Search(const Counts& board, const Counts& rack, bool downward = false) : downward_(downward) {
        for (int suit = 0; suit < kSuits; ++suit)
            for (int number = 1; number <= kTop; ++number) {
                const auto code = static_cast<std::size_t>(tileCode(suit, number));
                board_[suit][number] = board[code];
                rack_[suit][number] = rack[code];
            }
        jokersBoard_ = board[rules::kJoker];
        jokersAll_ = board[rules::kJoker] + rack[rules::kJoker];
        dropLoneRackTiles();
        optionIndex_.assign(static_cast<std::size_t>((kTop + 1) * kSuits * kOpenStates * 3), -1);
        rackJokers_ = pack(rack[rules::kJoker] * rules::kJokerValue, rack[rules::kJoker]);
        ahead_.assign(static_cast<std::size_t>((kTop + 1) * (kSuits + 1)), 0);
        int sum = rackJokers_;
        for (int number = kTop; number >= 1; --number)
            for (int suit = kSuits; suit >= 0; --suit) {
                if (suit < kSuits) sum += pack(rack_[suit][number] * tileNumber(number), rack_[suit][number]);
                ahead_[static_cast<std::size_t>(number * (kSuits + 1) + suit)] = sum;
            }
    }

    // The best score, when it is at least `need`; otherwise some score below `need`.
    int run(int need) {
        ++round_;
        return best(Stage{1, 0, 0, 0, 0}, need);
    }
    // After a run that stopped: the best score at least `need` that it had found by then (its
    // lay-down is what rebuild() gives), or a score below `need` when it had found none.
    int foundSoFar(int need) const { return provisional(Stage{1, 0, 0, 0, 0}.key(), need); }
    // Stops the search once it has weighed `limit` stages: run() then reports failure.
    void limit(long stages) { limit_ = stages; }
    bool stopped() const { return limit_ >= 0 && work_ > limit_; }
    long work() const { return work_; }
    LayDown rebuild();

private:
    struct Stage {
        int number;
        int suit;
        std::uint32_t state;
        int ones;
        int twos;

        std::uint64_t key() const {
            return static_cast<std::uint64_t>(number) | static_cast<std::uint64_t>(suit) << 4 |
                   static_cast<std::uint64_t>(ones) << 7 | static_cast<std::uint64_t>(twos) << 10 |
                   static_cast<std::uint64_t>(state) << 13;
        }
    };

    // The best score from `stage` on when it reaches `need`; otherwise a bound below `need`.
    // Remembered answers are exact (choice >= 0) or only such a bound (choice -1).
    int best(const Stage& stage, int need);
    // The most that the rack tiles not yet decided at `stage` can add (jokers included).
    int bound(const Stage& stage) const;
    // A run that stops remembers, on the way back from where it stopped, the best score each
    // stage had found by then and its choice, marked with the run's number; such an entry is
    // never taken as an answer, only followed by rebuild() after that run.
    int provisional(std::uint64_t key, int need) const;
    void putProvisional(std::uint64_t key, int score, int choice);
    static int choiceOf(int stored) { return stored >= 0 ? stored : (-2 - stored) % kRounds; }
    int finalScore(std::uint32_t state) const;
    int tileNumber(int number) const { return downward_ ? kTop + 1 - number : number; }
    int tileCode(int suit, int number) const { return codeOf(suit, tileNumber(number)); }
    void feedRuns(LayDown& result, std::vector<std::vector<int>>& runs, const Option& option, int code) const;
    // Adds a finished run to the answer, lowest number first.
    void closeRun(LayDown& result, std::vector<int>& run) const {
        if (downward_) std::reverse(run.begin(), run.end());
        result.sets.push_back(std::move(run));
    }
    void dropLoneRackTiles();
    // The stage after `stage` when its suit takes `option`.
    Stage after(const Stage& stage, const Option& option) const;
    const std::vector<Option>& options(const Stage& stage);
    // Board and rack copies of the suit's tile of that number; none past 13.
    int copiesAt(int suit, int number) const {
        return number > kTop ? 0 : board_[suit][number] + rack_[suit][number];
    }

    bool downward_ = false;
    int board_[kSuits][kTop + 1] = {};
    int rack_[kSuits][kTop + 1] = {};
    int jokersBoard_ = 0;
    int jokersAll_ = 0;
    int rackJokers_ = 0; // as a score
    long work_ = 0;
    long limit_ = -1;
    static constexpr int kRounds =
        1024; // a provisional choice c of run r is stored as -2 - (c + r * kRounds)
    int round_ = 0;
    std::vector<int> ahead_;
    SearchMemo memo_;
    std::deque<std::vector<Option>> optionLists_;
    std::vector<int> optionIndex_;
};

const std::vector<Option>& Search::options(const Stage& stage) {
    const int number = stage.number;
    const int suit = stage.suit;
    const int open = openOf(stage.state, suit);
    const int jokerRoom = std::min(jokersAll_ - jokersOf(stage.state), kMaxJokersPerSuit);
    auto& index = optionIndex_[static_cast<std::size_t>(((number * kSuits + suit) * kOpenStates + open) * 3 +
                                                        jokerRoom)];
    if (index >= 0) return optionLists_[static_cast<std::size_t>(index)];

    const int ones = open % 5;
    const int twos = open / 5 % 5;
    const int longer = open / 25;
    std::vector<Option> list;
    for (int fromRack = rack_[suit][number]; fromRack >= 0; --fromRack) { // most tiles first
        const int copies = board_[suit][number] + fromRack;
        for (int jokers = 0; jokers <= jokerRoom; ++jokers)
            for (int inRuns = 0; inRuns <= copies; ++inRuns) {
                const int slots = inRuns + jokers;
                if (slots < ones + twos) continue; // a run shorter than three must go on
                const int extra = slots - ones - twos;
                const int carried = std::min(extra, longer);
                const int fresh = extra - carried;
                // Runs of one or two tiles need tiles at the next numbers: drop choices that
                // leave more of them than the tiles and jokers there could serve.
                const int jokersLeft = jokerRoom - jokers;
                if (fresh + ones > copiesAt(suit, number + 1) + jokersLeft ||
                    fresh > copiesAt(suit, number + 2) + jokersLeft)
                    continue;
                // Long runs beyond what the next number can carry on would end anyway.
                const int longRoom = std::max(0, copiesAt(suit, number + 1) + jokersLeft - fresh - ones);
                const int longNext = std::min(twos + carried, longRoom);
                list.push_back({static_cast<std::uint8_t>(openIndex(fresh, ones, longNext)),
                                static_cast<std::uint8_t>(copies - inRuns), static_cast<std::uint8_t>(jokers),
                                static_cast<std::uint8_t>(inRuns), static_cast<std::uint8_t>(fromRack)});
            }
    }
    index = static_cast<int>(optionLists_.size());
    optionLists_.push_back(std::move(list));
    return optionLists_.back();
}

// A rack tile with no two tiles (or jokers) anywhere that could make a set with it is never
// laid; leaving it out tightens the bound without changing any answer.
void Search::dropLoneRackTiles() {
    for (int suit = 0; suit < kSuits; ++suit)
        for (int number = 1; number <= kTop; ++number) {
            if (rack_[suit][number] == 0) continue;
            bool fits = false;
            for (int first = std::max(1, number - 2); first <= std::min(number, kTop - 2) && !fits; ++first) {
                int missing = 0;
                for (int m = first; m < first + 3; ++m)
                    missing += m != number && copiesAt(suit, m) == 0 ? 1 : 0;
                fits = missing <= jokersAll_;
            }
            int otherSuits = 0;
            for (int other = 0; other < kSuits; ++other)
                otherSuits += other != suit && copiesAt(other, number) > 0 ? 1 : 0;
            if (!fits && otherSuits + jokersAll_ < 2) rack_[suit][number] = 0;
        }
}

int Search::finalScore(std::uint32_t state) const {
    for (int suit = 0; suit < kSuits; ++suit)
        if (openOf(state, suit) % 25 != 0) return kNone; // a run of one or two tiles
    const int jokersUsed = jokersOf(state);
    if (jokersUsed < jokersBoard_) return kNone;
    const int laid = jokersUsed - jokersBoard_;
    return pack(laid * rules::kJokerValue, laid);
}

Search::Stage Search::after(const Stage& stage, const Option& option) const {
    const int shift = 7 * stage.suit;
    std::uint32_t state = (stage.state & ~(0x7fu << shift)) | static_cast<std::uint32_t>(option.next)
                                                                  << shift;
    state += static_cast<std::uint32_t>(option.jokers) << 28;
    return Stage{stage.number, stage.suit + 1, state, stage.ones + (option.group == 1 ? 1 : 0),
                 stage.twos + (option.group == 2 ? 1 : 0)};
}

int Search::bound(const Stage& stage) const {
    if (stage.number > kTop) return rackJokers_;
    return ahead_[static_cast<std::size_t>(stage.number * (kSuits + 1) + stage.suit)];
}

int Search::best(const Stage& stage, int need) {
    if (stage.number > kTop) return finalScore(stage.state);
    const std::uint64_t key = stage.key();
    if (const auto* known = memo_.find(key);
        known && (known->choice >= 0 || (known->choice == -1 && known->score < need)))
        return known->score;
    if (++work_ > limit_ && limit_ >= 0) return need - 1; // out of time: fail, remembering nothing

    int found = kNone;
    int choice = 0;
    int stillBest = kNone; // once stopped: the best provisional score of a choice
    int stillChoice = 0;
    if (stage.suit == kSuits) {
        const auto& table = groupTable();
        const int used = jokersOf(stage.state);
        for (int jokers = 0; used + jokers <= jokersAll_; ++jokers) {
            if (!table[stage.ones][stage.twos][jokers]) continue;
            const std::uint32_t state = stage.state + (static_cast<std::uint32_t>(jokers) << 28);
            const Stage next{stage.number + 1, 0, state, 0, 0};
            const int rest = best(next, std::max(need, found + 1));
            if (rest > found && rest >= need) {
                found = rest;
                choice = jokers;
            }
            if (stopped() && next.number <= kTop)
                if (const int sofar = provisional(next.key(), need); sofar >= need && sofar > stillBest) {
                    stillBest = sofar;
                    stillChoice = jokers;
                }
        }
    } else {
        const auto& list = options(stage);
        const int spare = jokersAll_ - jokersOf(stage.state);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Option& option = list[i];
            if (option.jokers > spare) continue;
            const Stage next = after(stage, option);
            const int gain = pack(option.fromRack * tileNumber(stage.number), option.fromRack);
            const int wanted = std::max(std::max(need, found + 1) - gain, 0); // a score is never negative
            if (bound(next) < wanted) continue;
            const int rest = best(next, wanted);
            if (stopped())
                if (const int sofar = provisional(next.key(), wanted);
                    sofar >= wanted && sofar + gain > stillBest) {
                    stillBest = sofar + gain;
                    stillChoice = static_cast<int>(i);
                }
            if (rest < wanted) continue;
            found = rest + gain;
            choice = static_cast<int>(i);
        }
    }
    if (stopped()) {
        if (found >= need && found >= stillBest)
            putProvisional(key, found, choice);
        else if (stillBest >= need)
            putProvisional(key, stillBest, stillChoice);
        return need - 1;
    }
    if (found >= need) {
        memo_.put(key, found, choice);
        return found;
    }
    // Nothing here reaches `need`: remember only that much.
    memo_.put(key, need - 1, -1);
    return need - 1;
}

int Search::provisional(std::uint64_t key, int need) const {
    const auto* known = memo_.find(key);
    if (!known || known->score < need) return need - 1;
    if (known->choice >= 0) return known->score;
    if (known->choice == -1 || (-2 - known->choice) / kRounds != round_) return need - 1;
    return known->score;
}

// Only where nothing is known or an earlier provisional entry stands, so that what the search
// knows for certain stays as it is.
void Search::putProvisional(std::uint64_t key, int score, int choice) {
    const auto* known = memo_.find(key);
    if (known && known->choice >= -1) return;
    memo_.put(key, score, -2 - (choice + round_ * kRounds));
}

// Gives a suit's runs the tiles one choice sends to runs: real copies first, then jokers. Short
// runs take them first, then long ones; long runs left without a tile end here; the rest start
// new runs.
void Search::feedRuns(LayDown& result, std::vector<std::vector<int>>& runs, const Option& option,
                      int code) const {
    std::vector<int> slots(option.inRuns, code);
    slots.insert(slots.end(), option.jokers, rules::kJoker);
    std::stable_partition(runs.begin(), runs.end(), [](const auto& run) { return run.size() < 3; });
    std::vector<std::vector<int>> still;
    std::size_t taken = 0;
    for (auto& run : runs) {
        if (taken < slots.size()) {
            run.push_back(slots[taken++]);
            still.push_back(std::move(run));
        } else {
            closeRun(result, run);
        }
    }
    for (; taken < slots.size(); ++taken)
        still.push_back({slots[taken]});
    runs = std::move(still);
}

// Walks the remembered choices from number 1 and builds the sets they describe.
LayDown Search::rebuild() {
    LayDown result;
    std::array<std::vector<std::vector<int>>, kSuits> open; // each run's codes, jokers included
    Stage stage{1, 0, 0, 0, 0};
    std::array<int, kSuits> groupCopies{};
    while (stage.number <= kTop) {
        const int choice = choiceOf(memo_.find(stage.key())->choice);
        if (stage.suit == kSuits) {
            Groups groups;
            splitGroups(groupItems(groupCopies, choice), 0, groups, 0);
            for (const auto& group : groups) {
                if (group.empty()) continue;
                std::vector<int> codes;
                for (int item : group)
                    codes.push_back(item == kJokerItem ? rules::kJoker : tileCode(item, stage.number));
                result.sets.push_back(std::move(codes));
            }
            stage =
                Stage{stage.number + 1, 0, stage.state + (static_cast<std::uint32_t>(choice) << 28), 0, 0};
            continue;
        }
        const Option option = options(stage)[static_cast<std::size_t>(choice)];
        const int code = tileCode(stage.suit, stage.number);
        groupCopies[static_cast<std::size_t>(stage.suit)] = option.group;
        result.laid.insert(result.laid.end(), option.fromRack, code);

        feedRuns(result, open[static_cast<std::size_t>(stage.suit)], option, code);
        stage = after(stage, option);
    }
    for (auto& runs : open)
        for (auto& run : runs)
            closeRun(result, run);
    result.laid.insert(result.laid.end(), static_cast<std::size_t>(jokersOf(stage.state) - jokersBoard_),
                       rules::kJoker);
    std::sort(result.laid.begin(), result.laid.end());
    for (int code : result.laid) {
        result.value += rules::tilevalue(code);
        ++result.tiles;
    }
    result.draw = result.tiles == 0;
    return result;
}

Counts countTiles(const std::vector<int>& codes) {
    Counts counts{};
    for (int code : codes)
        ++counts[static_cast<std::size_t>(code)];
    return counts;
}

using rules::kFirstLayDown;
constexpr long kUnbounded = std::numeric_limits<long>::max() / 8;
// How many stages the search for board sets to keep may weigh in all, after the best score is
// known: enough for the usual case many times over, and a bound on the rare slow one.
constexpr long kKeepBudget = 20000;

// The best lay-down from these tiles when it scores at least `need` and the search finds it
// within `budget` stages (what it uses is taken off the budget).
std::optional<LayDown> reach(const Counts& board, const Counts& rack, int need, long& budget) {
    Search search(board, rack);
    search.limit(budget);
    const int score = search.run(need);
    budget = std::max(0L, budget - search.work());
    if (search.stopped() || score < need) return std::nullopt;
    return search.rebuild();
}

// The best lay-down when it scores at least `need`. Whether the search is quick depends much on
// the direction it walks the numbers (a proof that a rack tile cannot be laid ends early when
// the search meets that tile early), so it runs both ways by turns, with budgets growing
// fourfold, until one finishes; that one's answer is exact. When both have used `cap` stages
// without finishing, the better of what they had found by then is the answer, marked cut.
std::optional<LayDown> settle(const Counts& board, const Counts& rack, int need, Walk walk, long cap) {
    constexpr long kFirstBudget = 4000;
    Search up(board, rack, false);
    Search down(board, rack, true);
    std::vector<Search*> searches;
    if (walk != Walk::Down) searches.push_back(&up);
    if (walk != Walk::Up) searches.push_back(&down);
    for (long budget = std::min(kFirstBudget, cap);; budget = std::min(budget * 4, cap)) {
        for (Search* search : searches) {
            search->limit(searches.size() == 1 && cap == kUnbounded ? -1 : budget);
            const int score = search->run(need);
            if (search->stopped()) continue;
            if (score < need) return std::nullopt;
            return search->rebuild();
        }
        if (budget < cap) continue;
        Search* better = nullptr;
        int found = need - 1;
        for (Search* search : searches)
            if (const int sofar = search->foundSoFar(need); sofar > found) {
                found = sofar;
                better = search;
            }
        LayDown cut; // nothing found by then: a draw
        if (better) cut = better->rebuild();
        cut.cut = true;
        return cut;
    }
}

bool worthLaying(const LayDown& layDown, bool opened) {
    return layDown.tiles > 0 && (opened || layDown.value >= kFirstLayDown);
}

} // namespace

std::string tileProblem(const std::vector<int>& board, const std::vector<int>& rack) {
    Counts counts{};
    for (const auto* list : {&board, &rack})
        for (int code : *list) {
            if (!rules::isTile(code)) return "tile code " + std::to_string(code) + " is not 1..53";
            if (++counts[static_cast<std::size_t>(code)] > 2)
                return "tile code " + std::to_string(code) + " appears more than twice";
        }
    return {};
}

std::optional<LayDown> solveTiles(const std::vector<int>& board, const std::vector<int>& rack, bool opened,
                                  Walk walk, long stages) {
    if (!tileProblem(board, rack).empty()) return std::nullopt;
    const Counts boardCounts = countTiles(board);
    const auto found = settle(boardCounts, countTiles(rack), opened ? pack(1, 1) : pack(kFirstLayDown, 0),
                              walk, stages == kNoStageBound ? kUnbounded : stages);
    if (found && worthLaying(*found, opened)) return found;
    // Nothing worth laying: the board's tiles alone, arranged by the same search.
    Search boardOnly(boardCounts, Counts{});
    if (boardOnly.run(0) < 0) return std::nullopt;
    LayDown draw = boardOnly.rebuild();
    draw.draw = true;
    draw.cut = found && found->cut;
    return draw;
}

std::optional<LayDown> solve(const std::vector<std::vector<int>>& boardSets, const std::vector<int>& rack,
                             bool opened, long stages) {
    std::vector<int> board;
    bool setsValid = true;
    for (const auto& set : boardSets) {
        board.insert(board.end(), set.begin(), set.end());
        setsValid = setsValid && rules::isValidSet(set);
    }
    auto found = solveTiles(board, rack, opened, Walk::Both, stages);
    if (!found || !setsValid) return found;
    if (found->draw) {
        found->sets = boardSets;
        return found;
    }
    if (boardSets.empty()) return found; // no board set to keep
    // Among the lay-downs with the best score, look for one that keeps board sets whole, since
    // a kept set needs no tile moved: first all of them (the rack alone reaches the score), else
    // one at a time, the biggest first, each staying when the rest still reach the score.
    const int score = pack(found->value, found->tiles);
    const Counts rackCounts = countTiles(rack);
    std::vector<bool> kept(boardSets.size(), false);
    LayDown best = *found;
    long budget = kKeepBudget;
    if (auto alone = reach(Counts{}, rackCounts, score, budget)) {
        kept.assign(boardSets.size(), true);
        best = std::move(*alone);
    } else {
        std::vector<std::size_t> order(boardSets.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](auto a, auto b) { return boardSets[a].size() > boardSets[b].size(); });
        Counts free = countTiles(board);
        for (std::size_t i : order) {
            if (budget == 0) break;
            Counts trial = free;
            for (int code : boardSets[i])
                --trial[static_cast<std::size_t>(code)];
            if (auto rest = reach(trial, rackCounts, score, budget)) {
                free = trial;
                kept[i] = true;
                best = std::move(*rest);
            }
        }
    }
    std::vector<std::vector<int>> sets;
    for (std::size_t i = 0; i < boardSets.size(); ++i)
        if (kept[i]) sets.push_back(boardSets[i]);
    sets.insert(sets.end(), best.sets.begin(), best.sets.end());
    best.sets = std::move(sets);
    best.cut = found->cut;
    return best;
}

} // namespace game
