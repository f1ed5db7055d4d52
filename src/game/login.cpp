// Login, bringing a late joiner up to date, just watching, removing a player, and the relayed
// commands (chat, actions, sounds).

#include "game.h"

#include "protocol/facts.h"
#include "protocol/text.h"

using namespace game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

void Game::receivedlogininfo(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::LoginInfo>(args);
    if (!m || !isSlot(m->slot) || !fromSender(m->slot, fromSlot)) return;
    const int slot = m->slot;
    tplayer& p = player(slot);
    if (!p.connected) return;

    std::string name = protocol::cleanName(m->name);
    if (name.empty()) name = "Player" + std::to_string(slot);
    p.name = name;
    // The powers go to a connection that has logged in, never to one that merely took slot 1.
    if (powerSlot_ == 0) powerSlot_ = slot;

    sendAll(msg::NewPlayerInfo{slot, name, 0});
    sendExistingPlayers(slot);
    sendVersionNotices(slot, m->version);
    send(slot, msg::Hints{hintsAllowed_ ? 1 : 0});
    if (powerSlot_ != 1) send(slot, msg::Powers{powerSlot_, player(powerSlot_).name});
    if (gamestarted_) bringUpToDate(slot);
    if (returning_[static_cast<std::size_t>(slot)]) {
        returning_[static_cast<std::size_t>(slot)] = false;
        sendAll(msg::Action{slot, name + " is back.|clGreen"});
    }
    if (events_.loggedIn) events_.loggedIn(slot, name);
}

void Game::sendExistingPlayers(int slot) {
    msg::ExistingPlayers others;
    for (int other = 1; other <= slotcount_; ++other) {
        const tplayer& p = player(other);
        if (other != slot && p.connected) others.players.push_back({other, p.name, p.justwatching ? 1 : 0});
    }
    if (!others.players.empty()) send(slot, others);
}

// A different version is reported to the host and to the newcomer; the newcomer keeps the seat.
void Game::sendVersionNotices(int slot, const std::string& version) {
    if (version == version_) return;
    if (powerSlot_ != slot && hasPowers(powerSlot_))
        send(powerSlot_, msg::HaveWrongVersion{player(slot).name});
    send(slot, msg::WrongVersion{});
}

// The game's statistics, the board and, for a seat in the round, its rack.
void Game::bringUpToDate(int slot) {
    msg::LoadStats stats{slot,
                         currentplayer_,
                         options_.playtoscore,
                         options_.turnseconds,
                         options_.timepenalty,
                         options_.teamgame,
                         {},
                         std::nullopt};
    for (int seat = 1; seat <= kSeats; ++seat) {
        const tplayer& p = player(seat);
        stats.seats[static_cast<std::size_t>(seat - 1)] = {seat, p.score, p.tilecount(), p.justwatching,
                                                           !p.playing};
    }
    // A seat taken over during a round may have laid down already (its earlier player or the computer).
    if (isSeat(slot)) stats.opened = player(slot).laidpoints > 0;
    send(slot, stats);
    if (!board_.empty()) send(slot, msg::LoadBoard{slot, board_.list()});
    if (!isSeat(slot) || !player(slot).playing) return;
    msg::YourTiles rack{slot, {}};
    for (int cell = 1; cell <= rules::kRackCells; ++cell)
        if (const int tile = player(slot).tiles.cells[static_cast<std::size_t>(cell)]; tile != 0)
            rack.cells.push_back({cell, tile});
    if (!rack.cells.empty()) send(slot, rack);
}

void Game::setHintsAllowed(bool allowed) {
    if (allowed == hintsAllowed_) return;
    hintsAllowed_ = allowed;
    sendAll(msg::Hints{allowed ? 1 : 0});
}

// A player sets their own seat to just watch or to play again; the host may do so for any seat.
void Game::justwatch(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::JustWatch>(args);
    if (!m || !isSeat(m->slot)) return;
    if (fromSlot != m->slot && !hasPowers(fromSlot)) return;
    const int seat = m->slot;
    tplayer& p = player(seat);
    if (!p.connected) return; // nobody to watch: the computer plays the seat anyway
    if (m->flag == 2) {
        p.justwatching = false;
        sendAll(msg::JustWatching{seat, 2});
    } else if (m->flag == 1 && gamestarted_) {
        p.justwatching = true;
        sendAll(msg::JustWatching{seat, 1});
        if (isOnTurn(seat)) computerplay(seat);
    }
}

void Game::kickhim(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::KickHim>(args);
    if (!m || !fromSender(m->slot, fromSlot) || !hasPowers(m->slot)) return;
    if (isSlot(m->target) && m->target != m->slot) send(m->target, msg::Closing{msg::Closing::kRemoved});
    disconnectsock(m->target);
}

void Game::chat(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::Chat>(args);
    if (!m || !isSlot(m->slot) || !fromSender(m->slot, fromSlot)) return;
    sendAll(msg::Chat{m->slot, player(m->slot).name + " chats: " + protocol::boundChatText(m->text)});
}

void Game::action(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::Action>(args);
    if (!m || !isSlot(m->slot) || !fromSender(m->slot, fromSlot)) return;
    sendAll(msg::Action{m->slot, player(m->slot).name + " " + protocol::boundChatText(m->text)});
}

void Game::playasound(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::PlayASound>(args);
    if (!m || !isSlot(m->slot) || !fromSender(m->slot, fromSlot)) return;
    // A sound's name is short ("wave7"); anything longer is no sound a client has.
    if (m->sound.size() > protocol::kMaxSoundLength) return;
    sendAll(msg::PlayASound{m->slot, m->sound});
}

// The in-process host reads its own client's delay; a stand-alone server can follow this command.
void Game::botspeed(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::BotSpeed>(args);
    if (!m || !fromSender(m->slot, fromSlot) || !hasPowers(m->slot)) return;
    if (protocol::isComputerSpeed(m->delay)) {
        if (events_.botSpeedRequested) events_.botSpeedRequested(m->delay);
    }
}
