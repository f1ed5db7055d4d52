#pragma once
// Checks a round's shuffle against the server's promise: the server tells the SHA-256 digest of the
// round's seed before the deal and the seed itself when the round is over. The seed must hash to the
// digest and deal this seat exactly the tiles it was dealt.

#include "rules/tiles.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace client {

class ShuffleCheck {
    Q_DECLARE_TR_FUNCTIONS(client::ShuffleCheck)

public:
    // The digest for the round about to be dealt.
    void commit(std::string_view digest);
    // Our rack as dealt (the first rack after the digest; later ones are ignored).
    void dealt(int seat, const std::vector<rules::RackItem>& cells);
    // The verdict on the revealed seed, for the game log; empty when no digest was told this round.
    QString reveal(std::string_view seed);
    // The connection is gone: what was promised on it counts no more.
    void reset();

private:
    bool dealsOurRack(std::string_view seed) const;

    std::string digest_;
    bool awaitingDeal_ = false;
    int seat_ = 0;
    std::vector<int> tiles_; // in cell order
};

} // namespace client
