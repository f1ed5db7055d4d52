#include "serverops.h"

#include "driver.h"
#include "game/game.h"
#include "protocol/facts.h"
#include "wirecheck.h"

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace serverops {

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return pos_ < size_; }
    int byte() { return more() ? data_[pos_++] : 0; }
    std::string bytes(std::size_t n) {
        n = std::min(n, size_ - pos_);
        std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

constexpr std::array<const char*, 17> kWords = {
    "CMD_logininfo",   "CMD_kickhim",   "CMD_chat",       "CMD_action",   "CMD_startgame", "CMD_justwatch",
    "CMD_placemytile", "CMD_swaptiles", "CMD_undothem",   "CMD_finish",   "CMD_drawcard",  "CMD_clickyes",
    "CMD_replacetile", "CMD_pause",     "CMD_playasound", "CMD_botspeed", "CMD_unknown"};

void checkTiles(const game::Game& server, const serverops::Fault& fail) {
    std::array<int, 54> count{};
    const rules::Pool& pool = server.pool();
    for (int i = pool.poolnext; i < rules::kTileSetSize; ++i)
        ++count.at(static_cast<std::size_t>(pool.tiles[static_cast<std::size_t>(i)]));
    for (int seat = 1; seat <= 4; ++seat)
        for (int cell = 1; cell <= rules::kRackCells; ++cell)
            ++count.at(
                static_cast<std::size_t>(server.player(seat).tiles.cells[static_cast<std::size_t>(cell)]));
    for (int col = 0; col < rules::kColumns; ++col)
        for (int row = 0; row < rules::kRows; ++row)
            ++count.at(static_cast<std::size_t>(server.board().at(col, row)));
    for (int code = 1; code <= rules::kJoker; ++code)
        if (count[static_cast<std::size_t>(code)] != 2) fail("tile count", std::to_string(code));
}

// A command built from a word of the protocol and small fields, so that inputs reach the referee.
// Most name the sending slot first, as a client's own commands do.
std::string shapedCommand(Input& in, int slot) {
    std::string text = kWords[static_cast<std::size_t>(in.byte()) % kWords.size()];
    if (in.byte() % 4 != 0) text += "+" + std::to_string(slot);
    const int fields = in.byte() % 8;
    for (int i = 0; i < fields; ++i) {
        const int b = in.byte();
        if (b >= 240)
            text += b % 2 ? "+t" : "+f";
        else
            text += "+" + std::to_string(b % 70 - 5);
    }
    return text + '\xff';
}

// A move of the seat on turn that is mostly legal: it names a rack cell that holds a tile and board
// cells that hold one, so that inputs get deep into turns and rounds.
void turnMove(game::Game& server, testing_game::Driver& driver, Input& in) {
    namespace ts = protocol::toserver;
    const int seat = server.currentplayer();
    if (seat < 1 || seat > 4) return;
    const auto rackCell = [&] {
        std::vector<int> cells;
        for (int cell = 1; cell <= rules::kRackCells; ++cell)
            if (server.player(seat).tiles.cells[static_cast<std::size_t>(cell)] != 0) cells.push_back(cell);
        return cells.empty() ? 1 : cells[static_cast<std::size_t>(in.byte()) % cells.size()];
    };
    const auto boardTile = [&] {
        const auto tiles = server.board().list();
        return tiles.empty() ? rules::BoardItem{} : tiles[static_cast<std::size_t>(in.byte()) % tiles.size()];
    };
    std::string text;
    switch (in.byte() % 8) {
    case 0:
    case 1:
    case 2:
        text = protocol::encode(ts::PlaceMyTile{seat, rackCell(), 1 + in.byte() % 22, 1 + in.byte() % 12});
        break;
    case 3: {
        const rules::BoardItem from = boardTile();
        text = protocol::encode(
            ts::SwapTiles{seat, 1 + in.byte() % 22, 1 + in.byte() % 12, from.column, from.row});
        break;
    }
    case 4: {
        const rules::BoardItem at = boardTile();
        text = protocol::encode(ts::ReplaceTile{seat, at.column, at.row});
        break;
    }
    case 5:
        text = protocol::encode(ts::Finish{seat});
        break;
    case 6:
        text = protocol::encode(ts::DrawCard{seat});
        break;
    default:
        text = in.byte() % 2 ? protocol::encode(ts::UndoThem{seat}) : protocol::encode(ts::ClickYes{seat});
        break;
    }
    driver.raw(seat, text);
}

// Seats up to four logged-in players and starts a game from the host's slot.
void startGame(game::Game& server, testing_game::Driver& driver, Input& in) {
    const int seats = 1 + in.byte() % 4;
    while (server.slotcount() < seats && driver.connect() != game::kFullSlot) {
    }
    for (int slot = 1; slot <= server.slotcount(); ++slot)
        driver.raw(slot, protocol::encode(
                             protocol::toserver::LoginInfo{slot, std::string(protocol::kVersion), "P"}));
    driver.raw(1, protocol::encode(protocol::StartGame{"Host", 100 * (in.byte() % 3), 20, in.byte() % 2 == 1,
                                                       in.byte() % 2 == 1, in.byte()}));
}

} // namespace

Result run(const std::uint8_t* data, std::size_t size, const Fault& fail) {
    game::Game server(1);
    testing_game::Driver driver(server);
    Result result;
    std::set<std::string> announced; // the slot fields of the new players announced
    server.setSendObserver([&](int, const std::string& text) {
        if (!wirecheck::isValidServerCommand(text)) fail("malformed command", text);
        const auto word = text.substr(0, text.find_first_of("+\xff"));
        if (word == "CMD_newplayerinfo") {
            const std::size_t slot = word.size() + 1;
            announced.insert(text.substr(slot, text.find_first_of("+\xff", slot) - slot));
            result.logins = static_cast<int>(announced.size());
        }
        if (word == "CMD_placehistile" || word == "CMD_movedtiles" || word == "CMD_showdraw") ++result.moves;
    });
    bool dealt = false;
    Input in(data, size);
    while (in.more()) {
        const int slot = 1 + in.byte() % 9;
        switch (in.byte() % 10) {
        case 0:
            driver.connect();
            break;
        case 1:
            driver.raw(slot, in.bytes(static_cast<std::size_t>(in.byte())));
            break;
        case 2:
            driver.raw(slot, shapedCommand(in, slot));
            break;
        case 3:
            if (server.player(slot).connected) driver.close(slot);
            break;
        case 4:
            for (int n = in.byte() % 40; n > 0; --n)
                server.timer1Timer();
            driver.settle();
            break;
        case 5:
            server.computertimerTimer();
            driver.settle();
            break;
        case 6:
            startGame(server, driver, in);
            break;
        case 7:
        case 8:
            turnMove(server, driver, in);
            break;
        default:
            server.advanceTo(server.now() + 250 * in.byte()); // time passes: due clocks run
            driver.settle();
            break;
        }
        dealt = dealt || server.gamestarted();
        if (dealt) checkTiles(server, fail);
    }
    if (dealt) checkTiles(server, fail);
    result.dealt = dealt;
    return result;
}

} // namespace serverops
