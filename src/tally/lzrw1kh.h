#pragma once
// The compressed tally file: a "WRZL" header, the text's length, then the text in pieces of 32768 bytes,
// each encoded in the LZRW1/KH format (stored, or literals, back copies and byte repeats).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tally {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kPieceSize = 32768;
inline constexpr std::uint8_t kStored = 0x80;
inline constexpr std::uint8_t kCompressed = 0x40;

// One piece (at most kPieceSize bytes) encoded; stored whenever compressing would make it longer.
Bytes encodePiece(std::span<const std::uint8_t> piece);
// Decodes one block; nothing for a block that breaks the format or decodes to more than kPieceSize bytes.
std::optional<Bytes> decodePiece(std::span<const std::uint8_t> block);

// The whole file for `text` (shorter than 2 GiB).
Bytes compressText(std::string_view text);

enum class UnpackError {
    None,
    NoHeader,     // too short, or not the "WRZL" signature
    SizeMismatch, // the blocks end before, or decode to more than, the length in the header
    Damaged,      // a block breaks the format, or the stated length is beyond what a tally can be
};

struct Unpacked {
    std::string text;
    UnpackError error = UnpackError::None;
    bool ok() const { return error == UnpackError::None; }
};

// The default limit on the text a file may claim; a tally is a few kilobytes.
inline constexpr std::size_t kMaxText = std::size_t{16} << 20;

Unpacked decompressText(std::span<const std::uint8_t> file, std::size_t maxText = kMaxText);

// The message shown for a file that could not be read.
std::string errorMessage(UnpackError error, std::string_view fileName);

} // namespace tally
