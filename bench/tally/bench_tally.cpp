// The tally file's codec against zlib at level 1, on the same tally text of about 1 MB (thousands of
// opponents with mixed counts). Reports MB/s of text for each direction and the compressed sizes.
#include "tally/lzrw1kh.h"
#include "tally/tally.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <random>
#include <string>

namespace {

const std::string& tallyText() {
    static const std::string text = [] {
        tally::Tally t;
        std::mt19937 rng(7);
        std::vector<std::string> names;
        for (int i = 0; names.size() < 9000; ++i) {
            names.push_back("Player" + std::to_string(i * 37 % 100000));
            t.addPlayer(names.back());
        }
        for (int game = 0; game < 60000; ++game) {
            std::vector<std::string> in{names[rng() % names.size()], names[rng() % names.size()]};
            t.addGame(rng() % 3 == 0 ? std::string(tally::kOwnWin) : in[rng() % 2], in);
        }
        std::string s = t.toText();
        while (s.size() < (1u << 20))
            s += s.substr(0, (1u << 20) - s.size());
        return s;
    }();
    return text;
}

std::vector<unsigned char> zlibCompress(const std::string& text) {
    uLongf size = compressBound(text.size());
    std::vector<unsigned char> out(size);
    compress2(out.data(), &size, reinterpret_cast<const Bytef*>(text.data()), text.size(), 1);
    out.resize(size);
    return out;
}

void setRate(benchmark::State& state, std::size_t compressedSize) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tallyText().size()));
    state.counters["compressed_bytes"] = static_cast<double>(compressedSize);
}

void BM_TallyCompress(benchmark::State& state) {
    tallyText(); // made before the clock starts
    std::size_t size = 0;
    for (auto _ : state) {
        const auto file = tally::compressText(tallyText());
        size = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    setRate(state, size);
}

void BM_TallyDecompress(benchmark::State& state) {
    const auto file = tally::compressText(tallyText());
    for (auto _ : state) {
        const auto r = tally::decompressText(file);
        if (r.text.size() != tallyText().size()) state.SkipWithError("round trip lost text");
        benchmark::DoNotOptimize(r.text.data());
    }
    setRate(state, file.size());
}

void BM_ZlibCompressLevel1(benchmark::State& state) {
    tallyText();
    std::size_t size = 0;
    for (auto _ : state) {
        const auto out = zlibCompress(tallyText());
        size = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    setRate(state, size);
}

void BM_ZlibDecompressLevel1(benchmark::State& state) {
    const auto packed = zlibCompress(tallyText());
    std::string out(tallyText().size(), '\0');
    for (auto _ : state) {
        uLongf size = out.size();
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size, packed.data(), packed.size());
        if (size != tallyText().size()) state.SkipWithError("zlib round trip lost text");
        benchmark::DoNotOptimize(out.data());
    }
    setRate(state, packed.size());
}

} // namespace

BENCHMARK(BM_TallyCompress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZlibCompressLevel1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TallyDecompress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZlibDecompressLevel1)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
