#pragma once
// Drives a game::Game the way the server's socket adapter does, without sockets or waiting: the bytes
// of each slot are cut into commands, a slot whose unterminated input outgrows the frame limit is
// closed, and the outbox's requests to close a slot are answered at once.

#include "game/game.h"
#include "protocol/framebuffer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace testing_game {

class Driver {
public:
    explicit Driver(game::Game& game) : game_(game) {}

    int connect() {
        const int slot = game_.open();
        if (game::isSlot(slot)) buffers_[static_cast<std::size_t>(slot)].clear();
        settle();
        return slot;
    }
    // Bytes as they would arrive on the slot's connection; every complete command is handled.
    void raw(int slot, std::string_view bytes) {
        if (!game::isSlot(slot) || !game_.player(slot).connected) return;
        std::vector<std::string> entries;
        if (!buffers_[static_cast<std::size_t>(slot)].append(bytes, entries)) {
            close(slot);
            return;
        }
        for (const std::string& entry : entries) {
            if (entry.empty()) continue; // e.g. the second end marker of a login
            game_.command(slot, entry);
            settle();
            if (!game_.player(slot).connected) return; // removed: the rest is not handled
        }
    }
    // The slot's connection closes.
    void close(int slot) {
        game_.closing(slot);
        game_.closed(slot);
        settle();
    }
    // Empties the outbox, closing what the game asked to close.
    void settle() {
        for (bool again = true; again;) {
            again = false;
            for (const game::Outgoing& out : game_.takeOutbox()) {
                if (!out.close) continue;
                game_.closed(out.slot);
                again = true;
            }
        }
    }

private:
    game::Game& game_;
    std::array<protocol::FrameBuffer, game::kFullSlot + 1> buffers_;
};

} // namespace testing_game
