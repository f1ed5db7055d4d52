// The server fuzz target's seeds are recorded games: each must still replay as one under today's
// operation layout (every client logged in, a game dealt), or the fuzzer starts from noise.

#include "serverops.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzSeeds, EachServerSeedReplaysAsAGame) {
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(FUZZ_SERVER_SEEDS))
        if (entry.is_regular_file()) seeds.push_back(entry.path());
    ASSERT_GE(seeds.size(), 3U);
    int moves = 0;
    for (const auto& seed : seeds) {
        std::ifstream file(seed, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        std::vector<std::string> faults;
        const serverops::Result result = serverops::run(
            reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
            [&](const char* what, const std::string& detail) { faults.push_back(what + (": " + detail)); });
        EXPECT_TRUE(faults.empty()) << seed << ": " << faults.front();
        EXPECT_GE(result.logins, 9) << seed << ": the nine recorded clients did not all log in";
        EXPECT_TRUE(result.dealt) << seed << ": no game was dealt";
        moves += result.moves;
    }
    EXPECT_GT(moves, 0) << "no recorded move reached the referee";
}

} // namespace
