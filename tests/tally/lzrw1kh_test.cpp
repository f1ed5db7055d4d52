#include "tally/lzrw1kh.h"

#include <gtest/gtest.h>

#include <random>

using namespace tally;

namespace {

Bytes bytes(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

std::string randomText(std::size_t n, std::uint32_t seed, int alphabet) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(rng() % static_cast<unsigned>(alphabet));
    return s;
}

} // namespace

TEST(Lzrw1kh, RoundTripsVariedText) {
    std::string tallyLike;
    for (int i = 0; i < 3000; ++i)
        tallyLike += "Player" + std::to_string(i % 37) + "\r\n" + std::to_string(i * 7 % 101) + "\r\n";
    const std::vector<std::string> texts = {
        "",
        "a",
        "abc",
        std::string(kPieceSize, 'q'),            // one full piece of one byte
        randomText(kPieceSize * 2 + 17, 1, 256), // incompressible, three pieces
        randomText(70000, 2, 3),                 // long matches, many copies
        tallyLike,
        std::string(5000, 'x').append("yz").append(4095, 'x') // repeats around the count limit
    };
    for (const std::string& text : texts) {
        const Bytes file = compressText(text);
        const Unpacked back = decompressText(file);
        ASSERT_TRUE(back.ok()) << "length " << text.size();
        EXPECT_EQ(back.text, text);
    }
    EXPECT_LT(compressText(tallyLike).size(), tallyLike.size() / 2);
    // Incompressible pieces are stored: at most the kind byte and the length more per piece.
    EXPECT_LE(compressText(texts[4]).size(), texts[4].size() + 8 + 3 * 3);
}

TEST(Lzrw1kh, WritesTheDocumentedBytes) {
    // Empty text: header with length 0, then one block of length 1 holding only the stored mark.
    EXPECT_EQ(compressText(""), (Bytes{'W', 'R', 'Z', 'L', 0, 0, 0, 0, 1, 0, 0x80}));
    // Twenty equal bytes: one group, its first bit set, one repeat item of count 20.
    EXPECT_EQ(encodePiece(bytes(std::string(20, 'z'))), (Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 'z'}));
    // A text of exactly one piece ends with the empty piece's block.
    const Bytes file = compressText(std::string(kPieceSize, 'q'));
    EXPECT_EQ(Bytes(file.begin() + 4, file.begin() + 8), (Bytes{0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(Bytes(file.end() - 3, file.end()), (Bytes{1, 0, 0x80}));
}

TEST(Lzrw1kh, ReadsAHandMadeBlock) {
    // Literals 'a' 'b', a copy of 4 from 2 back (overlapping), a repeat of 20 'x', a literal '!'.
    const Bytes block{0x40, 0x30, 0x00, 'a', 'b', 0x00, 0x21, 0x00, 0x00, 0x04, 'x', '!'};
    const auto piece = decodePiece(block);
    ASSERT_TRUE(piece);
    EXPECT_EQ(std::string(piece->begin(), piece->end()), "ababab" + std::string(20, 'x') + "!");
    // Any kind byte other than the stored mark means compressed; a block under 2 bytes is empty.
    Bytes other = block;
    other[0] = 0x00;
    EXPECT_EQ(decodePiece(other), piece);
    EXPECT_EQ(decodePiece(Bytes{0x40}), Bytes{});
    EXPECT_EQ(decodePiece(Bytes{0x80, 'h', 'i'}), bytes("hi"));
}

TEST(Lzrw1kh, RefusesBrokenBlocks) {
    EXPECT_FALSE(decodePiece(Bytes{0x40, 0x40, 0x00, 'a', 0x00, 0x20}));  // copy from before the start
    EXPECT_FALSE(decodePiece(Bytes{0x40, 0x80, 0x00, 0x00}));             // copy item cut short
    EXPECT_FALSE(decodePiece(Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x04})); // repeat item cut short
    EXPECT_FALSE(decodePiece(Bytes{0x40, 0x00}));                         // half a control word
    // Nine repeats of 4095 are more than one piece may hold.
    Bytes big{0x40, 0xFF, 0x80};
    for (int i = 0; i < 9; ++i)
        big.insert(big.end(), {0x00, 0x0F, 0xEF, 'r'});
    EXPECT_FALSE(decodePiece(big));
    Bytes stored(kPieceSize + 2, 'x');
    stored[0] = 0x80;
    EXPECT_FALSE(decodePiece(stored));
}

TEST(Lzrw1kh, RefusesBrokenFiles) {
    const Bytes good = compressText("hello tally\r\n");
    EXPECT_EQ(decompressText(Bytes{}).error, UnpackError::NoHeader);
    Bytes lzh = good;
    lzh[0] = '!';
    EXPECT_EQ(decompressText(lzh).error, UnpackError::NoHeader);
    Bytes longer = good;
    longer[4] += 1;
    EXPECT_EQ(decompressText(longer).error, UnpackError::SizeMismatch);
    EXPECT_EQ(decompressText(Bytes(good.begin(), good.end() - 1)).error, UnpackError::SizeMismatch);
    Bytes negative = good;
    negative[7] = 0xFF;
    EXPECT_EQ(decompressText(negative).error, UnpackError::Damaged);
    // Split into pieces of 4 bytes: reading stops after the first short block.
    Bytes split{'W', 'R', 'Z', 'L', 8, 0, 0,    0,   5,   0,   0x80,
                'a', 'b', 'c', 'd', 5, 0, 0x80, 'e', 'f', 'g', 'h'};
    const Unpacked r = decompressText(split);
    EXPECT_EQ(r.error, UnpackError::SizeMismatch);
    EXPECT_TRUE(r.text.empty());
    EXPECT_EQ(errorMessage(UnpackError::NoHeader, "t.tld"),
              "t.tld : Lzrw1 decompression : this file has no valid header !");
}

TEST(Lzrw1kh, SurvivesRandomDamage) {
    const Bytes good = compressText(randomText(40000, 3, 5) + std::string(300, ' '));
    std::mt19937 rng(4);
    for (int i = 0; i < 3000; ++i) {
        Bytes bad = good;
        for (int k = 0; k < 4; ++k)
            bad[rng() % bad.size()] = static_cast<std::uint8_t>(rng());
        bad.resize(bad.size() - rng() % 64);
        const Unpacked r = decompressText(bad);
        EXPECT_TRUE(r.ok() || r.text.empty());
    }
}
