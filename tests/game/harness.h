#pragma once
// Drives a game through its inputs and handlers, as the server's adapter would, and records everything
// it sends, slot by slot. No Qt, no waiting: the clocks' handlers are called directly.

#include "driver.h"
#include "game/game.h"
#include "protocol/facts.h"
#include "tilecodes.h"
#include "wirecheck.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_game {

inline const std::string E(1, protocol::kEndMarker);
inline const std::string kVersion{protocol::kVersion};

struct Sent {
    int slot = 0;
    std::string text; // without the end marker
};

// The recording and the game-level helpers, over a Runner that holds the game and provides
// connect(), raw(slot, bytes) (bytes as they would arrive on the slot's connection; every complete
// command is handled) and table() (the game).
template <class Runner> class BasicHarness : public Runner {
public:
    using Runner::connect;
    using Runner::raw;
    using Runner::table;

    explicit BasicHarness(std::uint32_t seed = 7) {
        table().setSeed(seed);
        table().setSendObserver([this](int slot, const std::string& text) {
            EXPECT_TRUE(wirecheck::isValidServerCommand(text)) << text;
            log.push_back({slot, text.substr(0, text.find(protocol::kEndMarker))});
        });
    }

    void say(int slot, const std::string& entry) { raw(slot, entry + E); }
    void say(int slot, const char* entry) { raw(slot, entry + E); }
    template <class M> void say(int slot, const M& message) { raw(slot, protocol::encode(message)); }

    int login(const std::string& name, const std::string& version = kVersion) {
        const int slot = connect();
        say(slot, protocol::toserver::LoginInfo{slot, version, name});
        return slot;
    }

    void start(int target = 500, int seconds = 60, bool timepenalty = true, bool teamgame = false,
               int tiles = 14) {
        say(1, protocol::StartGame{"Host", target, seconds, timepenalty, teamgame, tiles});
    }

    // Host in seat 1 and Ann in seat 2 logged in, a game started, and Ann (a human) on turn.
    void annOnTurn() {
        login("Host");
        login("Ann");
        start();
        say(1, protocol::toserver::DrawCard{1});
        ASSERT_EQ(table().currentplayer(), 2);
    }

    // Commands sent to `slot`, in order, without end markers.
    std::vector<std::string> to(int slot) const {
        std::vector<std::string> out;
        for (const Sent& s : log)
            if (s.slot == slot) out.push_back(s.text);
        return out;
    }
    std::vector<std::string> words(int slot) const {
        std::vector<std::string> out;
        for (const std::string& text : to(slot))
            out.push_back(text.substr(0, text.find('+')));
        return out;
    }
    bool sentNothing() const { return log.empty(); }

    // Every message of type M sent to `slot`, decoded.
    template <class M> std::vector<M> all(int slot) const {
        std::vector<M> out;
        for (const std::string& text : to(slot)) {
            const protocol::Command c = protocol::splitCommand(text);
            if (c.word != M::word) continue;
            if (auto m = protocol::decode<M>(c.args)) out.push_back(*m);
        }
        return out;
    }
    template <class M> std::optional<M> last(int slot) const {
        auto found = all<M>(slot);
        if (found.empty()) return std::nullopt;
        return found.back();
    }

    void clear() { log.clear(); }
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            table().timer1Timer();
    }
    // Replaces a seat's rack by `tiles` in cells 1, 2, ...
    void setRack(int seat, const std::vector<int>& tiles) {
        rules::Rack& rack = table().player(seat).tiles;
        rack.clear();
        for (std::size_t i = 0; i < tiles.size(); ++i)
            rack.cells[i + 1] = tiles[i];
    }
    void place(int seat, int cell, int column, int row) {
        say(seat, protocol::toserver::PlaceMyTile{seat, cell, column, row});
    }
    void finish(int seat) { say(seat, protocol::toserver::Finish{seat}); }

    std::vector<Sent> log;
};

// The game alone, driven as the adapter would drive it.
struct GameRunner {
    game::Game game;
    Driver driver{game};

    game::Game& table() { return game; }
    int connect() { return driver.connect(); }
    void raw(int slot, const std::string& bytes) { driver.raw(slot, bytes); }
    // The slot's connection closes.
    void close(int slot) { driver.close(slot); }
};
using Harness = BasicHarness<GameRunner>;

// Tile codes by suit and number.
using tilecodes::Black;
using tilecodes::Green;
using tilecodes::Orange;
using tilecodes::Red;
inline constexpr int kJoker = rules::kJoker;

} // namespace testing_game
