// The slot table, the send path into the outbox, the dispatch of received commands, and the clocks.

#include "game.h"

#include "protocol/facts.h"
#include "protocol/text.h"
#include "protocol/words.h"

#include <algorithm>

using namespace game;
namespace msg = protocol::toclient;

Game::Game(std::uint32_t seed) : rng_(seed), version_(protocol::kVersion), computer_(*this) {
    for (int seat = 1; seat <= kSeats; ++seat)
        player(seat).partner = rules::partnerOf(seat);
    for (int slot = 1; slot <= kLastSlot; ++slot)
        player(slot).botname = protocol::computerName(slot);
}

void Game::setSeed(std::uint32_t seed) {
    rng_.seed(seed);
}

void Game::setBotDelaySource(std::function<int()> source) {
    botDelaySource_ = std::move(source);
}

void Game::setVersionText(std::string version) {
    version_ = std::move(version);
}

tplayer& Game::player(int slot) {
    return players_.at(static_cast<std::size_t>(slot));
}

const tplayer& Game::player(int slot) const {
    return players_.at(static_cast<std::size_t>(slot));
}

bool Game::turnRunning() const {
    return gamestarted_ && clockphase_ != ClockPhase::BetweenRounds;
}

// ---- Send path ----

void Game::sendToSlot(int slot, const std::string& text) {
    if (!isSlot(slot) || !player(slot).connected || closing_[static_cast<std::size_t>(slot)]) return;
    if (observer_) observer_(slot, text);
    outbox_.push_back({slot, text, false});
}

void Game::sendToAll(const std::string& text) {
    for (int slot = 1; slot <= slotcount_; ++slot)
        sendToSlot(slot, text);
}

std::vector<Outgoing> Game::takeOutbox() {
    std::vector<Outgoing> out;
    out.swap(outbox_);
    return out;
}

void Game::disconnectsock(int slot) {
    if (!isSlot(slot) || !player(slot).connected || closing_[static_cast<std::size_t>(slot)]) return;
    closing_[static_cast<std::size_t>(slot)] = true; // nothing more is sent to it
    outbox_.push_back({slot, {}, true});
}

// ---- Connections ----

// The lowest free slot up to slotcount, else a new slot above it, else the slot that turns away. A seat
// held for a dropped connection is not free, and a kept slot 1 is skipped for everyone but the connection
// it is kept for.
int Game::open(bool firstSlot) {
    const int lowest = firstSlotKept_ && !firstSlot ? 2 : 1;
    int slot = kFullSlot;
    for (int s = lowest; s <= slotcount_ && slot == kFullSlot; ++s)
        if (!player(s).connected && !held(s) && !kept(s)) slot = s;
    // Slots above slotcount are new; a seat kept for a resumed game's player is passed over there too.
    while (slot == kFullSlot && slotcount_ < kLastSlot) {
        slotcount_ = std::max(slotcount_ + 1, lowest);
        if (!kept(slotcount_)) slot = slotcount_;
    }
    if (slot == kFullSlot) {
        if (observer_) observer_(kFullSlot, protocol::encode(msg::Full{}));
        return slot;
    }
    occupy(slot);
    return slot;
}

bool Game::openAt(int slot) {
    if (!held(slot) || player(slot).connected) return false;
    held_[static_cast<std::size_t>(slot)] = false;
    returning_[static_cast<std::size_t>(slot)] = true;
    occupy(slot);
    return true;
}

int Game::keptSeat(std::string_view name) const {
    const std::string clean = protocol::cleanName(name);
    if (clean.empty()) return 0;
    for (int seat = 1; seat <= kSeats; ++seat)
        if (kept(seat) && keptFor_[static_cast<std::size_t>(seat)] == clean) return seat;
    return 0;
}

bool Game::openKept(int seat) {
    if (!kept(seat) || player(seat).connected) return false;
    keptFor_[static_cast<std::size_t>(seat)].clear();
    slotcount_ = std::max(slotcount_, seat);
    returning_[static_cast<std::size_t>(seat)] = true;
    occupy(seat);
    return true;
}

void Game::occupy(int slot) {
    const auto i = static_cast<std::size_t>(slot);
    player(slot).connected = true;
    closing_[i] = false;
    operator_[i] = false;
    openedOrder_[i] = ++opened_;
    send(slot, msg::SendLoginInfo{slot});
}

void Game::closing(int slot) {
    if (isSlot(slot)) closing_[static_cast<std::size_t>(slot)] = true;
}

void Game::closed(int slot, Leave leave) {
    if (!isSlot(slot)) return;
    const auto i = static_cast<std::size_t>(slot);
    tplayer& p = player(slot);
    const bool wasConnected = p.connected;
    const std::string name = p.name;
    closing_[i] = true;
    if (wasConnected && leave != Leave::Quiet) {
        const std::string notice = protocol::encode(msg::PlayerDisconnected{slot, name});
        for (int other = 1; other <= slotcount_; ++other)
            if (other != slot) sendToSlot(other, notice);
    }
    p.connected = false;
    p.name.clear();
    p.justwatching = false;
    closing_[i] = false;
    operator_[i] = false;
    returning_[i] = false;
    held_[i] = leave == Leave::Hold && wasConnected;
    if (slot == powerSlot_) passPowers();
    if (events_.slotClosed) events_.slotClosed(slot, name);
    // The host's own seat is never taken over at once; any other seat on turn is played now.
    if (wasConnected && slot != 1 && isOnTurn(slot)) computerplay(slot);
}

void Game::release(int slot) {
    if (held(slot)) held_[static_cast<std::size_t>(slot)] = false;
}

// ---- Host powers ----

bool Game::hasPowers(int slot) const {
    if (slot == kInternal) return true;
    if (!isSlot(slot) || !player(slot).connected) return false;
    return slot == powerSlot_ || operator_[static_cast<std::size_t>(slot)];
}

void Game::grantOperator(int slot) {
    if (isSlot(slot) && player(slot).connected) operator_[static_cast<std::size_t>(slot)] = true;
}

// The holder has gone: the longest-connected logged-in player holds the powers now, and everybody is
// told who that is.
void Game::passPowers() {
    powerSlot_ = 0;
    for (int s = 1; s <= slotcount_; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (s == powerSlot_ || !player(s).connected || player(s).name.empty() || closing_[i]) continue;
        if (powerSlot_ == 0 || openedOrder_[i] < openedOrder_[static_cast<std::size_t>(powerSlot_)])
            powerSlot_ = s;
    }
    if (powerSlot_ != 0) sendAll(msg::Powers{powerSlot_, player(powerSlot_).name});
}

// ---- Dispatch ----

void Game::command(int fromSlot, std::string_view entry) {
    using Handler = void (Game::*)(std::string_view, int);
    namespace w = protocol::words;
    static const std::array<std::pair<std::string_view, Handler>, 16> table{{
        {w::logininfo, &Game::receivedlogininfo},
        {w::kickhim, &Game::kickhim},
        {w::chat, &Game::chat},
        {w::action, &Game::action},
        {w::startgame, &Game::startgame},
        {w::justwatch, &Game::justwatch},
        {w::placemytile, &Game::placemytile},
        {w::swaptiles, &Game::swaptiles},
        {w::undothem, &Game::undothem},
        {w::finish, &Game::finish},
        {w::drawcard, &Game::drawcard},
        {w::clickyes, &Game::clickyes},
        {w::replacetile, &Game::replacetile},
        {w::pause, &Game::pause},
        {w::playasound, &Game::playasound},
        {w::botspeed, &Game::botspeed},
    }};
    const protocol::Command c = protocol::splitCommand(entry);
    if (c.word.empty()) return;
    for (const auto& [word, handler] : table) {
        if (word == c.word) {
            (this->*handler)(c.args, fromSlot);
            return;
        }
    }
}

// A command that names its own slot or seat is taken only from the connection in that slot.
bool Game::fromSender(int field, int fromSlot) const {
    return fromSlot == kInternal || field == fromSlot;
}

// ---- Clocks ----

void Game::startTimer1() {
    timer1_ = {true, now_ + kTickMs};
}

Millis Game::nextTick() const {
    Millis next = kNever;
    if (timer1_.active) next = timer1_.due;
    if (computertimer_.active && computertimer_.due < next) next = computertimer_.due;
    return next;
}

Millis Game::nextDeadline() const {
    Millis next = kNever;
    if (timer1_.active)
        next = gamestarted_ ? timer1_.due + static_cast<Millis>(std::max(turnclock_ - 1, 0)) * kTickMs
                            : timer1_.due;
    if (computertimer_.active && computertimer_.due < next) next = computertimer_.due;
    return next;
}

// The computer's delay goes first when both fall due at once.
void Game::fireNext() {
    const bool computer = computertimer_.active && (!timer1_.active || computertimer_.due <= timer1_.due);
    if (computer) {
        now_ = std::max(now_, computertimer_.due);
        computertimerTimer();
    } else {
        now_ = std::max(now_, timer1_.due);
        timer1_.due += kTickMs; // a repeating clock: the handler may stop it or start it afresh
        timer1Timer();
    }
}

void Game::advanceTo(Millis now) {
    while (nextTick() <= now)
        fireNext();
    now_ = std::max(now_, now);
}

bool Game::runNext() {
    if (nextTick() == kNever) return false;
    fireNext();
    return true;
}
