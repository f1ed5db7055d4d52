// The window checks each round's shuffle against the server's promise and says so in the game log.

#include "harness.h"

#include "protocol/messages.h"
#include "rules/tiles.h"

#include <QCryptographicHash>

using namespace testing_client;
namespace msg = protocol::toclient;

namespace {

std::string digestOf(const std::string& seed) {
    return QCryptographicHash::hash(QByteArray::fromStdString(seed), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// The rack `seed` deals seat 1 when seats 1, 2 and 3 play.
std::string dealFrom(const std::string& seed) {
    rules::Pool pool;
    EXPECT_TRUE(rules::shuffleFromSeed(pool, seed));
    std::array<rules::Rack, 5> racks{};
    rules::givetiles(pool, racks, {false, true, true, true, false}, 14);
    msg::YourTiles rack{1, {}};
    for (int cell = 1; cell <= 14; ++cell)
        rack.cells.push_back({cell, racks[1].cells[static_cast<std::size_t>(cell)]});
    const std::string text = protocol::encode(rack);
    return text.substr(0, text.find('\xff'));
}

void playRound(Harness& h, const std::string& committed, const std::string& dealtFrom,
               const std::string& revealed) {
    h.feed("CMD_shufflecommit+" + digestOf(committed) + "+");
    h.feed("CMD_startround+0+0+0+0+");
    h.feed(dealFrom(dealtFrom));
    h.feed("CMD_shufflereveal+" + revealed + "+");
}

} // namespace

TEST(Shuffle, TheRevealedSeedIsCheckedAgainstTheDigestAndTheDeal) {
    Harness h;
    h.login(1);
    const std::string seed(64, 'a');
    std::string other(63, 'a');
    other.append("b");
    playRound(h, seed, seed, seed);
    EXPECT_EQ(h.lastLine(), "Shuffle checked.");

    playRound(h, seed, seed, other); // a seed other than the promised one
    EXPECT_EQ(h.lastLine(), "Warning: the server's shuffle seed does not match what it promised.");

    playRound(h, other, seed, other); // promised, but it is not what we were dealt from
    EXPECT_EQ(h.lastLine(), "Warning: the server's shuffle seed does not deal the tiles you were dealt.");

    // Without a promise (an older server, or a round joined late) nothing is said.
    const int lines = h.chatLines().size();
    h.feed("CMD_shufflereveal+" + seed + "+");
    EXPECT_EQ(h.chatLines().size(), lines);
}
