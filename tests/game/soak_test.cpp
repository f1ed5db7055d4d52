// A randomized soak: four clients send random, mostly legal commands (and some junk) for thousands of
// steps. After every handled command every tile code is held exactly twice by the pool, the racks and
// the board, every command sent parses, and each client's mirror of the board and of its own rack,
// rebuilt only from what it was sent, equals the server's.

#include "harness.h"

#include "rules/boardcheck.h"

#include <map>

using namespace testing_game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

// What one client knows, rebuilt from the commands it receives.
struct Mirror {
    rules::Board board;
    rules::Rack rack;
    int seat = 0;

    void apply(const std::string& text) {
        const protocol::Command c = protocol::splitCommand(text);
        if (c.word == msg::SendLoginInfo::word) {
            *this = Mirror{};
            seat = protocol::decode<msg::SendLoginInfo>(c.args)->slot;
        } else if (c.word == msg::StartRound::word) {
            board.clear();
            rack.clear();
        } else if (c.word == msg::LoadBoard::word) {
            const auto m = protocol::decode<msg::LoadBoard>(c.args);
            for (const auto& item : m->cells)
                board.set(item.column, item.row, item.tile);
        } else if (c.word == msg::PlaceHisTile::word) {
            const auto m = protocol::decode<msg::PlaceHisTile>(c.args);
            board.set(m->column, m->row, m->tile);
        } else if (c.word == msg::SwapTiles::word) {
            const auto m = protocol::decode<msg::SwapTiles>(c.args);
            board.set(m->fromcolumn, m->fromrow, 0);
            board.set(m->tocolumn, m->torow, m->tile);
        } else if (c.word == msg::RemoveTile::word) {
            const auto m = protocol::decode<msg::RemoveTile>(c.args);
            board.set(m->column, m->row, 0);
        } else if (c.word == msg::UndoThem::word) {
            const auto m = protocol::decode<msg::UndoThem>(c.args);
            for (const auto& item : m->cells)
                board.set(item.column, item.row, item.tile);
        } else if (c.word == msg::YourTiles::word) {
            const auto m = protocol::decode<msg::YourTiles>(c.args);
            for (const auto& item : m->cells)
                rack.cells.at(static_cast<std::size_t>(item.cell)) = item.tile;
        } else if (c.word == msg::FreeCard::word) {
            rack.cells.at(static_cast<std::size_t>(protocol::decode<msg::FreeCard>(c.args)->cell)) = 0;
        }
    }
};

class Soak {
public:
    explicit Soak(std::uint32_t seed) : rng_(seed) {
        server_.setSeed(seed);
        server_.setSendObserver([this](int slot, const std::string& text) {
            ++sent_;
            if (!wirecheck::isValidServerCommand(text)) bad_.push_back(text);
            if (slot >= 1 && slot <= 9)
                mirrors_[static_cast<std::size_t>(slot)].apply(text.substr(0, text.size() - 1));
        });
        for (int i = 0; i < 4; ++i)
            join();
    }

    void run(int steps) {
        for (int step = 0; step < steps; ++step) {
            this->step();
            if (!check() || failed_) {
                ADD_FAILURE() << "at step " << step;
                return;
            }
        }
    }

    int sent() const { return sent_; }
    int rounds = 0;
    int accepted = 0;
    int games = 0;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    void join() {
        const int slot = driver_.connect();
        say(slot, protocol::encode(in::LoginInfo{slot, kVersion, "P" + std::to_string(slot)}));
    }
    void say(int slot, const std::string& bytes) { driver_.raw(slot, bytes); }
    template <class M> void send(int slot, const M& m) { say(slot, protocol::encode(m)); }

    void step() {
        if (!server_.gamestarted()) {
            ++games;
            send(1, protocol::StartGame{"P1", 100 * pick(4), 20, chance(50), chance(30), 10 + pick(39)});
            return;
        }
        const int r = pick(100);
        if (r < 62) return playOnTurn();
        if (r < 72) return offTurn();
        if (r < 78) return chat();
        if (r < 84) return junk();
        if (r < 93) return ticks();
        if (r < 96) return send(seatOf(), in::JustWatch{seatOf(), 1 + pick(2)});
        if (r < 98) return send(1, in::Pause{1, pick(2)});
        if (chance(80)) return reconnect();
        ++games; // the host starts again in the middle of a game
        send(1, protocol::StartGame{"P1", 100 * pick(4), 20, chance(50), chance(30), 10 + pick(39)});
    }

    int seatOf() { return 1 + pick(4); }

    void chat() {
        const int slot = 1 + pick(4);
        send(slot, in::Chat{chance(90) ? slot : 1 + pick(4), "a+b|clRed"});
    }

    void playOnTurn() {
        const int seat = server_.currentplayer();
        if (seat < 1 || seat > 4 || !server_.player(seat).connected) return ticks();
        const int r = pick(100);
        if (r < 35) return placeRandom(seat);
        if (r < 50) return laySet(seat);
        if (r < 60) return swapRandom(seat);
        if (r < 68) return replaceRandom(seat);
        if (r < 72) return send(seat, in::UndoThem{seat});
        if (r < 86) return send(seat, in::Finish{seat});
        if (r < 96) return send(seat, in::DrawCard{seat});
        send(seat, in::ClickYes{seat});
    }

    std::vector<int> rackCells(int seat) const {
        std::vector<int> cells;
        for (int cell = 1; cell <= rules::kRackCells; ++cell)
            if (server_.player(seat).tiles.cells[static_cast<std::size_t>(cell)] != 0) cells.push_back(cell);
        return cells;
    }
    std::vector<rules::BoardItem> boardTiles() const { return server_.board().list(); }

    void placeRandom(int seat) {
        const auto cells = rackCells(seat);
        if (cells.empty()) return send(seat, in::Finish{seat});
        send(seat,
             in::PlaceMyTile{seat, cells[static_cast<std::size_t>(pick(static_cast<int>(cells.size())))],
                             1 + pick(22), 1 + pick(12)});
    }
    void swapRandom(int seat) {
        const auto tiles = boardTiles();
        if (tiles.empty()) return placeRandom(seat);
        const auto& from = tiles[static_cast<std::size_t>(pick(static_cast<int>(tiles.size())))];
        send(seat, in::SwapTiles{seat, 1 + pick(22), 1 + pick(12), from.column, from.row});
    }
    void replaceRandom(int seat) {
        const auto tiles = boardTiles();
        if (tiles.empty()) return placeRandom(seat);
        const auto& at = tiles[static_cast<std::size_t>(pick(static_cast<int>(tiles.size())))];
        send(seat, in::ReplaceTile{seat, at.column, at.row});
    }

    // Lays a group or a run from the rack into a free stretch, if the rack holds one.
    void laySet(int seat) {
        const rules::Rack& rack = server_.player(seat).tiles;
        std::vector<int> cells;
        for (int a = 1; a <= rules::kRackCells && cells.empty(); ++a)
            for (int b = a + 1; b <= rules::kRackCells && cells.empty(); ++b)
                for (int c = b + 1; c <= rules::kRackCells && cells.empty(); ++c) {
                    const std::vector<int> codes{rack.cells[static_cast<std::size_t>(a)],
                                                 rack.cells[static_cast<std::size_t>(b)],
                                                 rack.cells[static_cast<std::size_t>(c)]};
                    if (codes[0] && codes[1] && codes[2] && rules::isValidSet(codes)) cells = {a, b, c};
                }
        if (cells.empty()) return send(seat, in::DrawCard{seat});
        for (int row = 1; row <= 12; ++row)
            for (int col = 1; col + 4 <= 22; ++col) {
                bool free = true;
                for (int i = 0; i < 5; ++i)
                    free = free && server_.board().at(col + i, row) == 0;
                if (!free) continue;
                for (int i = 0; i < 3; ++i)
                    send(seat, in::PlaceMyTile{seat, cells[static_cast<std::size_t>(i)], col + 1 + i, row});
                const int before = server_.player(seat).score;
                send(seat, in::Finish{seat});
                if (server_.player(seat).score != before || !server_.gamestarted()) ++accepted;
                return;
            }
    }

    void offTurn() {
        int seat = seatOf();
        if (seat == server_.currentplayer()) seat = seat % 4 + 1;
        switch (pick(5)) {
        case 0:
            return send(seat, in::PlaceMyTile{seat, 1 + pick(60), pick(23), pick(13)});
        case 1:
            return send(seat, in::Finish{seat});
        case 2:
            return send(seat, in::DrawCard{seat});
        case 3: // another seat's turn, named by a connection that is not its own
            return send(seat,
                        in::PlaceMyTile{server_.currentplayer(), 1 + pick(60), 1 + pick(22), 1 + pick(12)});
        default:
            return send(seat, in::KickHim{1, 2});
        }
    }

    void junk() {
        static const std::vector<std::string> words{"CMD_placemytile", "CMD_swaptiles", "CMD_finish",
                                                    "CMD_logininfo",   "CMD_startgame", "CMD_justwatch",
                                                    "CMD_undothem",    "CMD_chat"};
        std::string text = words[static_cast<std::size_t>(pick(static_cast<int>(words.size())))];
        const int fields = pick(7);
        for (int i = 0; i < fields; ++i)
            text += "+" + std::to_string(pick(80) - 10) + (chance(10) ? "x" : "");
        say(seatOf(), text + E);
    }

    void ticks() {
        const int n = 1 + pick(12);
        for (int i = 0; i < n && server_.gamestarted(); ++i) {
            const auto phase = server_.clockphase();
            server_.timer1Timer();
            if (phase == game::ClockPhase::BetweenRounds && server_.clockphase() == game::ClockPhase::Turn)
                ++rounds;
            if (!check()) failed_ = true;
        }
    }

    void reconnect() {
        const int slot = 2 + pick(3);
        driver_.close(slot);
        if (!check()) failed_ = true;
        join();
    }

    // False (with the failure recorded) when an invariant is broken.
    bool check() {
        if (!bad_.empty()) {
            ADD_FAILURE() << "malformed command sent: " << bad_.front();
            return false;
        }
        if (games == 0) return true;
        std::map<int, int> count;
        const rules::Pool& pool = server_.pool();
        for (int i = pool.poolnext; i < rules::kTileSetSize; ++i)
            ++count[pool.tiles[static_cast<std::size_t>(i)]];
        for (int seat = 1; seat <= 4; ++seat)
            for (int cell = 1; cell <= rules::kRackCells; ++cell)
                if (const int t = server_.player(seat).tiles.cells[static_cast<std::size_t>(cell)])
                    ++count[t];
        for (int col = 0; col < rules::kColumns; ++col)
            for (int row = 0; row < rules::kRows; ++row)
                if (const int t = server_.board().at(col, row)) ++count[t];
        for (int code = 1; code <= rules::kJoker; ++code) {
            if (count[code] != 2) {
                ADD_FAILURE() << "tile " << code << " held " << count[code] << " times";
                return false;
            }
        }
        if (count.size() != 53u) {
            ADD_FAILURE() << "codes other than 1..53 held";
            return false;
        }
        for (int slot = 1; slot <= 4; ++slot) {
            if (!server_.player(slot).connected) continue;
            const Mirror& m = mirrors_[static_cast<std::size_t>(slot)];
            if (m.board != server_.board() || m.rack.cells != server_.player(slot).tiles.cells) {
                ADD_FAILURE() << "the mirror of slot " << slot << " differs from the server";
                return false;
            }
        }
        return true;
    }

    game::Game server_;
    Driver driver_{server_};
    std::mt19937 rng_;
    std::array<Mirror, 10> mirrors_{};
    std::vector<std::string> bad_;
    int sent_ = 0;
    bool failed_ = false;
};

} // namespace

TEST(Soak, RandomPlayKeepsTilesMirrorsAndWireIntact) {
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        Soak soak(seed);
        soak.run(8000);
        EXPECT_GT(soak.sent(), 10000);
        EXPECT_GT(soak.accepted, 10) << "seed " << seed;
        EXPECT_GT(soak.rounds, 0) << "seed " << seed;
        EXPECT_GT(soak.games, 1) << "seed " << seed;
    }
}
