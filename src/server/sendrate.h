#pragma once
// How fast one connection may send what others see at once: chat lines (chat, "/me" actions, shared
// sounds) at the pace of a person typing, and the commands that change the table for everybody (just
// watching, pause, start, removal) at the pace of a person clicking. Tile moves and the other turn
// commands are not counted here: they count only on one's own turn, which the game bounds. Pure logic:
// the caller gives the time.

#include <cstdint>
#include <string_view>

namespace server {

// A bucket of `burst` tokens that refills at `perSecond`: a sender may do `burst` things at once and
// `perSecond` a second after that.
class TokenBucket {
public:
    TokenBucket(int perSecond, int burst);
    // Takes a token at `nowMs` if there is one; false when the sender is over its rate.
    bool take(std::int64_t nowMs);
    // Every token is back: the sender has kept to its rate for a while.
    bool full(std::int64_t nowMs);

private:
    void refill(std::int64_t nowMs);

    std::int64_t perSecond_;
    std::int64_t capacity_; // in thousandths of a token, so that refills never round away
    std::int64_t level_;
    std::int64_t lastMs_ = 0;
    bool started_ = false;
};

class SendRate {
public:
    enum class Kind { Free, Chat, Control };
    enum class Verdict { Pass, Drop, DropAndTell };

    // A person types a few lines a second at most, and no faster for long.
    static constexpr int kChatPerSecond = 3;
    static constexpr int kChatBurst = 10;
    static constexpr int kControlPerSecond = 5;
    static constexpr int kControlBurst = 20;

    static Kind kindOf(std::string_view entry);
    // Whether the command goes ahead. A sender over its rate is told once (DropAndTell), and again only
    // after it has slowed down to the rate for a while and then sped up again.
    Verdict admit(std::string_view entry, std::int64_t nowMs);
    // The words for the sender whose commands of `kind` are being dropped.
    static std::string_view notice(Kind kind);

private:
    struct Lane {
        TokenBucket bucket;
        bool told = false;
    };
    Verdict admitOn(Lane& lane, std::int64_t nowMs);

    Lane chat_{TokenBucket(kChatPerSecond, kChatBurst)};
    Lane control_{TokenBucket(kControlPerSecond, kControlBurst)};
};

} // namespace server
