#include "computerplayer.h"

#include "tserver.h"

using namespace server;

void ComputerPlayer::computerplay(int seat) {
    if (!server_.isOnTurn(seat)) return;
    // A fresh turn: no rack cell has been used yet.
    server_.player(seat).botused.fill(false);
}

// The computer seat's delay has run out: play its turn unless a human has taken the seat meanwhile or
// the turn is no longer running.
void TServer::computertimerTimer() {
    computertimer_.stop();
    if (!turnRunning() || !computerControlled(currentplayer_)) return;
    computerplay(currentplayer_);
}

void TServer::computerplay(int seat) {
    if (!isOnTurn(seat)) return;
    computer_.computerplay(seat);
}

void TServer::startComputerTimer() {
    computertimer_.stop();
    if (!computerControlled(currentplayer_)) return;
    computertimer_.start(botDelay());
}

int TServer::botDelay() const {
    constexpr int kLongest = 60000;
    if (!botDelaySource_) return kDefaultBotDelay;
    const int delay = botDelaySource_();
    return delay < 0 ? 0 : (delay > kLongest ? kLongest : delay);
}

bool TServer::computerControlled(int seat) const {
    if (!isSeat(seat)) return false;
    const tplayer& p = players_[static_cast<std::size_t>(seat)];
    return !p.connected || p.justwatching;
}
