// Feeds arbitrary bytes to the game record reader: it must never crash, every position it gives must
// have its cells, codes and pool within their ranges, and a summary must stop where the whole read does.

#include "records/record.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const records::Record r = records::readRecordText({reinterpret_cast<const char*>(data), size});
    for (const records::Position& p : r.positions) {
        if (p.logSize > r.log.size() || p.pool.poolnext < 0 || p.pool.poolnext > rules::kPoolExhausted)
            std::abort();
        for (const rules::BoardItem& item : p.board.list())
            if (item.tile < 1 || item.tile > rules::kJoker) std::abort();
        (void)records::tileProblem(p);
    }
    if (r.version == 0 && !r.positions.empty()) std::abort();
    const records::Record s =
        records::readRecordText({reinterpret_cast<const char*>(data), size}, records::Detail::Summary);
    if (s.problem != r.problem || s.winner != r.winner || s.stopped != r.stopped ||
        s.positions.size() > r.positions.size() || !s.log.empty() ||
        (!r.positions.empty() && (s.positions.empty() || s.positions.back().time != r.positions.back().time)))
        std::abort();
    return 0;
}
