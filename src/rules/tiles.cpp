#include "tiles.h"

#include <algorithm>

namespace rules {

namespace {

constexpr int kSuitSize = 13;
constexpr int kRealCodes = 52;

} // namespace

bool isTile(int code) {
    return code >= 1 && code <= kJoker;
}

int getsuit(int code) {
    if (!isTile(code)) return 0;
    if (code == kJoker) return 5;
    return (code - 1) / kSuitSize + 1;
}

int tilenumber(int code) {
    if (code < 1 || code > kRealCodes) return 0;
    const int rest = code % kSuitSize;
    return rest == 0 ? kSuitSize : rest;
}

int tileface(int code) {
    return code % kSuitSize;
}

int facenumber(int code) {
    const int face = tileface(code);
    return face == 0 ? kSuitSize : face;
}

int tilevalue(int code) {
    if (code == kJoker) return kJokerValue;
    return tilenumber(code);
}

std::string suitname(int suit) {
    switch (suit) {
    case 1:
        return "Green";
    case 2:
        return "Orange";
    case 3:
        return "Red";
    case 4:
        return "Black";
    case 5:
        return "WILD";
    default:
        return {};
    }
}

std::string gettilename(int code) {
    if (!isTile(code)) return {};
    if (code == kJoker) return suitname(5);
    const int number = tilenumber(code);
    std::string numbertext;
    switch (number) {
    case 11:
        numbertext = "Jack";
        break;
    case 12:
        numbertext = "Queen";
        break;
    case 13:
        numbertext = "King";
        break;
    default:
        numbertext = std::to_string(number);
    }
    return suitname(getsuit(code)) + " " + numbertext;
}

// ---- Pool -------------------------------------------------------------------

int Pool::tilesleft() const {
    if (poolnext == kPoolExhausted) return -1;
    return kTileSetSize - poolnext;
}

int Pool::take() {
    if (poolnext < 0 || empty()) return 0;
    return tiles[static_cast<std::size_t>(poolnext++)];
}

void shuffletiles(Pool& pool, std::mt19937& rng) {
    std::array<int, kTileSetSize> table{};
    for (int i = 0; i < kTileSetSize; ++i)
        table[static_cast<std::size_t>(i)] = i % kJoker + 1;

    std::uniform_int_distribution<int> pick(0, kTileSetSize - 1);
    int taken = 0;
    while (taken < kTileSetSize) {
        int& entry = table[static_cast<std::size_t>(pick(rng))];
        if (entry == 0) continue; // already taken: pick again
        pool.tiles[static_cast<std::size_t>(taken++)] = entry;
        entry = 0;
    }
    pool.poolnext = 0;
}

bool shuffleFromSeed(Pool& pool, std::string_view seedHex) {
    if (seedHex.size() < kMinSeedHexDigits || seedHex.size() % 2 != 0 || seedHex.size() > 256) return false;
    std::vector<std::uint32_t> words((seedHex.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < seedHex.size(); ++i) {
        const char c = seedHex[i];
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        if (v < 0) return false;
        words[i / 8] = (words[i / 8] << 4) | static_cast<std::uint32_t>(v);
    }
    std::seed_seq seq(words.begin(), words.end());
    std::mt19937 rng(seq);
    shuffletiles(pool, rng);
    return true;
}

// ---- Rack -------------------------------------------------------------------

int Rack::tilecount() const {
    return static_cast<int>(std::count_if(cells.begin() + 1, cells.end(), [](int c) { return c != 0; }));
}

int Rack::value() const {
    int sum = 0;
    for (int cell = 1; cell <= kRackCells; ++cell)
        sum += tilevalue(cells[static_cast<std::size_t>(cell)]);
    return sum;
}

int Rack::firstFreeCell() const {
    for (int cell = 1; cell <= kDrawCells; ++cell)
        if (cells[static_cast<std::size_t>(cell)] == 0) return cell;
    return 0;
}

int Rack::draw(int code) {
    if (!isTile(code)) return 0;
    const int cell = firstFreeCell();
    if (cell != 0) cells[static_cast<std::size_t>(cell)] = code;
    return cell;
}

int drawFromPool(Pool& pool, Rack& rack) {
    if (pool.empty()) return 0;
    const int cell = rack.firstFreeCell();
    if (cell == 0) return 0; // no room: the tile stays in the pool
    return rack.draw(pool.take());
}

void givetiles(Pool& pool, std::array<Rack, 5>& racks, const std::array<bool, 5>& playing, int dealsize) {
    const int last = std::min(dealsize, kRackCells);
    for (int cell = 1; cell <= last; ++cell)
        for (std::size_t seat = 1; seat <= 4; ++seat)
            if (playing[seat]) racks[seat].cells[static_cast<std::size_t>(cell)] = pool.take();
}

// ---- Board ------------------------------------------------------------------

void Board::set(int column, int row, int code) {
    if (!inPlay(column, row)) return;
    cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
}

bool Board::empty() const {
    for (const auto& column : cells_)
        for (int code : column)
            if (code != 0) return false;
    return true;
}

std::vector<BoardItem> Board::list() const {
    std::vector<BoardItem> items;
    for (int column = 0; column <= kLastColumn; ++column)
        for (int row = 0; row <= kLastRow; ++row)
            if (const int code = at(column, row); code != 0) items.push_back({column, row, code});
    return items;
}

std::vector<BoardItem> Board::diff(const Board& to) const {
    std::vector<BoardItem> items;
    for (int column = 0; column <= kLastColumn; ++column)
        for (int row = 0; row <= kLastRow; ++row)
            if (const int code = to.at(column, row); code != at(column, row))
                items.push_back({column, row, code});
    return items;
}

std::vector<BoardItem> Board::changedTiles(const Board& to) const {
    std::vector<BoardItem> items = diff(to);
    std::erase_if(items, [](const BoardItem& item) { return item.tile == 0; });
    return items;
}

} // namespace rules
