// Feeds arbitrary bytes to the game record reader: it must never crash, and every position it gives
// must have its cells, codes and pool within their ranges.

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
    return 0;
}
