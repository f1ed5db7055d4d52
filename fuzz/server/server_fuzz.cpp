// Feeds arbitrary byte streams from several connections into the game, cut into commands as the
// server's adapter does, mixed with clock ticks, passing time, closes and game starts. Besides crashes and
// sanitizer reports it stops on a malformed command sent or a tile that is not held exactly twice by the
// pool, the racks and the board.

#include "serverops.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    serverops::run(data, size, [](const char* what, const std::string& detail) {
        std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
        std::abort();
    });
    return 0;
}
