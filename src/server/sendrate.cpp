#include "sendrate.h"

#include "protocol/words.h"

#include <algorithm>
#include <array>

namespace server {

namespace w = protocol::words;

TokenBucket::TokenBucket(int perSecond, int burst)
    : perSecond_(perSecond), capacity_(static_cast<std::int64_t>(burst) * 1000), level_(capacity_) {}

void TokenBucket::refill(std::int64_t nowMs) {
    if (!started_ || nowMs < lastMs_) {
        // The first use, or a clock that went back: nothing to add.
        started_ = true;
        lastMs_ = nowMs;
        return;
    }
    const std::int64_t elapsed = std::min<std::int64_t>(nowMs - lastMs_, capacity_); // no overflow
    level_ = std::min(capacity_, level_ + elapsed * perSecond_);
    lastMs_ = nowMs;
}

bool TokenBucket::take(std::int64_t nowMs) {
    refill(nowMs);
    if (level_ < 1000) return false;
    level_ -= 1000;
    return true;
}

bool TokenBucket::full(std::int64_t nowMs) {
    refill(nowMs);
    return level_ >= capacity_;
}

SendRate::Kind SendRate::kindOf(std::string_view entry) {
    const std::string_view word = entry.substr(0, entry.find('+'));
    static constexpr std::array kChat{w::chat, w::action, w::playasound};
    static constexpr std::array kControl{w::justwatch, w::pause, w::startgame, w::kickhim, w::botspeed};
    if (std::find(kChat.begin(), kChat.end(), word) != kChat.end()) return Kind::Chat;
    if (std::find(kControl.begin(), kControl.end(), word) != kControl.end()) return Kind::Control;
    return Kind::Free;
}

SendRate::Verdict SendRate::admit(std::string_view entry, std::int64_t nowMs) {
    switch (kindOf(entry)) {
    case Kind::Chat:
        return admitOn(chat_, nowMs);
    case Kind::Control:
        return admitOn(control_, nowMs);
    case Kind::Free:
        break;
    }
    return Verdict::Pass;
}

SendRate::Verdict SendRate::admitOn(Lane& lane, std::int64_t nowMs) {
    if (lane.told && lane.bucket.full(nowMs)) lane.told = false; // calm again: a new flood is told anew
    if (lane.bucket.take(nowMs)) return Verdict::Pass;
    if (lane.told) return Verdict::Drop;
    lane.told = true;
    return Verdict::DropAndTell;
}

std::string_view SendRate::notice(Kind kind) {
    if (kind == Kind::Chat)
        return "You are sending chat faster than anyone can read it: lines are dropped until you slow down.";
    return "You are sending commands faster than anyone can play: some were ignored.";
}

} // namespace server
