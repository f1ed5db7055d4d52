// Feeds arbitrary bytes to the tally file reader; whatever it accepts must read back as a tally or be
// refused, and a text it returns must survive being written and read again.

#include "tally/lzrw1kh.h"
#include "tally/tally.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tally::Unpacked r = tally::decompressText({data, size});
    if (!r.ok()) {
        if (!r.text.empty()) std::abort();
        return 0;
    }
    if (tally::decompressText(tally::compressText(r.text)).text != r.text) std::abort();
    if (const auto t = tally::Tally::fromText(r.text)) {
        if (tally::Tally::fromText(t->toText())->toText() != t->toText()) std::abort();
    }
    return 0;
}
