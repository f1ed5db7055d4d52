#include "shufflecheck.h"

#include <QCryptographicHash>

#include <array>

namespace client {

void ShuffleCheck::commit(std::string_view digest) {
    digest_ = std::string(digest);
    awaitingDeal_ = true;
    seat_ = 0;
    tiles_.clear();
}

void ShuffleCheck::dealt(int seat, const std::vector<rules::RackItem>& cells) {
    if (!awaitingDeal_) return;
    awaitingDeal_ = false;
    seat_ = seat;
    for (const rules::RackItem& item : cells)
        tiles_.push_back(item.tile);
}

void ShuffleCheck::reset() {
    digest_.clear();
    awaitingDeal_ = false;
    tiles_.clear();
}

QString ShuffleCheck::reveal(std::string_view seed) {
    if (digest_.empty()) return {};
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(seed.data(), static_cast<qsizetype>(seed.size())),
                                 QCryptographicHash::Sha256)
            .toHex();
    const bool promised = hash.toStdString() == digest_;
    const bool ours = tiles_.empty() || dealsOurRack(seed);
    reset();
    if (!promised) return tr("Warning: the server's shuffle seed does not match what it promised.");
    if (!ours) return tr("Warning: the server's shuffle seed does not deal the tiles you were dealt.");
    return tr("Shuffle checked.");
}

// Which other seats took part is not told with the deal: one of the ways they may have must deal our
// rack.
bool ShuffleCheck::dealsOurRack(std::string_view seed) const {
    if (seat_ < 1 || seat_ > 4) return false;
    for (int seats = 0; seats < 16; ++seats) {
        rules::Pool pool;
        if (!rules::shuffleFromSeed(pool, seed)) return false;
        const std::array<bool, 5> playing{false, (seats & 1) != 0, (seats & 2) != 0, (seats & 4) != 0,
                                          (seats & 8) != 0};
        if (!playing[static_cast<std::size_t>(seat_)]) continue;
        std::array<rules::Rack, 5> racks{};
        rules::givetiles(pool, racks, playing, static_cast<int>(tiles_.size()));
        std::vector<int> dealt;
        for (std::size_t cell = 1; cell <= tiles_.size(); ++cell)
            dealt.push_back(racks[static_cast<std::size_t>(seat_)].cells[cell]);
        if (dealt == tiles_) return true;
    }
    return false;
}

} // namespace client
