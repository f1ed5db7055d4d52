#include "lzrw1kh.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace tally {

namespace {

constexpr std::size_t kMaxDistance = 4095;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinRepeat = 16;
constexpr std::size_t kMaxRepeat = 4095;
constexpr std::size_t kHashSize = 4096;
constexpr int kGroupItems = 16;

std::size_t hash3(const std::uint8_t* p) {
    const std::uint32_t v = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    return ((v * 2654435761u) >> 20) & (kHashSize - 1);
}

// Writes the items of a compressed piece, sixteen to a group behind their control word.
class GroupWriter {
public:
    explicit GroupWriter(Bytes& out) : out_(out) {}

    void literal(std::uint8_t b) {
        item(false);
        out_.push_back(b);
    }
    void copy(std::size_t distance, std::size_t length) {
        item(true);
        out_.push_back(static_cast<std::uint8_t>(distance >> 4));
        out_.push_back(static_cast<std::uint8_t>(((distance & 15) << 4) | (length - kMinCopy)));
    }
    void repeat(std::size_t count, std::uint8_t b) {
        item(true);
        const std::size_t field = count - kMinRepeat;
        out_.push_back(0);
        out_.push_back(static_cast<std::uint8_t>(field >> 8));
        out_.push_back(static_cast<std::uint8_t>(field & 0xFF));
        out_.push_back(b);
    }
    void finish() { writeControl(); }

private:
    void item(bool bit) {
        if (items_ == kGroupItems) {
            writeControl();
            items_ = 0;
            control_ = 0;
            controlAt_ = out_.size();
            out_.push_back(0);
            out_.push_back(0);
        }
        if (bit) control_ |= static_cast<std::uint16_t>(0x8000u >> items_);
        ++items_;
    }
    void writeControl() {
        if (controlAt_ == 0) return; // no group started
        out_[controlAt_] = static_cast<std::uint8_t>(control_ >> 8);
        out_[controlAt_ + 1] = static_cast<std::uint8_t>(control_ & 0xFF);
    }

    Bytes& out_;
    std::size_t controlAt_ = 0;
    std::uint16_t control_ = 0;
    int items_ = kGroupItems;
};

std::size_t runLength(std::span<const std::uint8_t> in, std::size_t pos) {
    std::size_t n = 1;
    while (pos + n < in.size() && n < kMaxRepeat && in[pos + n] == in[pos])
        ++n;
    return n;
}

Bytes compressPiece(std::span<const std::uint8_t> in) {
    Bytes out;
    out.reserve(in.size() + in.size() / 8 + 3);
    out.push_back(kCompressed);
    GroupWriter w(out);
    std::array<std::size_t, kHashSize> table{}; // position + 1, 0 = empty
    std::size_t pos = 0;
    while (pos < in.size()) {
        const std::size_t run = runLength(in, pos);
        if (run >= kMinRepeat) {
            w.repeat(run, in[pos]);
            pos += run;
            continue;
        }
        std::size_t length = 0, distance = 0;
        if (in.size() - pos >= kMinCopy) {
            const std::size_t h = hash3(&in[pos]);
            if (table[h] != 0) {
                const std::size_t from = table[h] - 1;
                distance = pos - from;
                const std::size_t limit = std::min(kMaxCopy, in.size() - pos);
                while (distance <= kMaxDistance && length < limit && in[from + length] == in[pos + length])
                    ++length;
            }
            table[h] = pos + 1;
        }
        if (length >= kMinCopy) {
            w.copy(distance, length);
            pos += length;
        } else {
            w.literal(in[pos]);
            ++pos;
        }
    }
    w.finish();
    return out;
}

void putLE(Bytes& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t getLE(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

// Decodes the items after the kind byte into out[0..kPieceSize); the decoded length, or nothing when the
// block breaks the format. Writes through a pointer into room reserved once: the tally's pieces are
// decoded straight into the text they make.
std::optional<std::size_t> decodeItems(std::span<const std::uint8_t> in, std::uint8_t* out) {
    std::size_t i = 1, n = 0;
    while (i < in.size()) {
        if (in.size() - i < 2) return std::nullopt;
        const unsigned control = (unsigned{in[i]} << 8) | in[i + 1];
        i += 2;
        for (int bit = 0; bit < kGroupItems && i < in.size(); ++bit) {
            if ((control & (0x8000u >> bit)) == 0) {
                if (n >= kPieceSize) return std::nullopt;
                out[n++] = in[i++];
                continue;
            }
            if (in.size() - i < 2) return std::nullopt;
            const std::size_t distance = (std::size_t{in[i]} << 4) | (in[i + 1] >> 4);
            if (distance == 0) {
                if (in.size() - i < 4) return std::nullopt;
                const std::size_t count = ((std::size_t{in[i + 1]} << 8) | in[i + 2]) + kMinRepeat;
                if (n + count > kPieceSize) return std::nullopt;
                std::memset(out + n, in[i + 3], count);
                n += count;
                i += 4;
                continue;
            }
            const std::size_t length = (in[i + 1] & 15u) + kMinCopy;
            i += 2;
            if (distance > n || n + length > kPieceSize) return std::nullopt;
            const std::uint8_t* from = out + n - distance;
            if (distance >= length) {
                std::memcpy(out + n, from, length);
            } else {
                for (std::size_t k = 0; k < length; ++k) // the source overlaps what is written
                    out[n + k] = from[k];
            }
            n += length;
        }
    }
    return n;
}

// Decodes one block into out[0..kPieceSize); the decoded length, or nothing for a broken block.
std::optional<std::size_t> decodeInto(std::span<const std::uint8_t> block, std::uint8_t* out) {
    if (block.size() < 2) return 0;
    if (block[0] != kStored) return decodeItems(block, out);
    if (block.size() - 1 > kPieceSize) return std::nullopt;
    std::memcpy(out, block.data() + 1, block.size() - 1);
    return block.size() - 1;
}

} // namespace

Bytes encodePiece(std::span<const std::uint8_t> piece) {
    Bytes out = compressPiece(piece);
    if (out.size() <= piece.size()) return out;
    out.assign(1, kStored);
    out.insert(out.end(), piece.begin(), piece.end());
    return out;
}

std::optional<Bytes> decodePiece(std::span<const std::uint8_t> block) {
    Bytes out(kPieceSize);
    const auto n = decodeInto(block, out.data());
    if (!n) return std::nullopt;
    out.resize(*n);
    return out;
}

Bytes compressText(std::string_view text) {
    if (text.size() > 0x7FFFFFFFu) throw std::length_error("tally text too long");
    Bytes out{'W', 'R', 'Z', 'L'};
    putLE(out, static_cast<std::uint32_t>(text.size()), 4);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    for (std::size_t off = 0;; off += kPieceSize) {
        const std::size_t n = std::min(kPieceSize, text.size() - off);
        const Bytes block = encodePiece({data + off, n});
        putLE(out, static_cast<std::uint32_t>(block.size()), 2);
        out.insert(out.end(), block.begin(), block.end());
        if (n < kPieceSize) break;
    }
    return out;
}

namespace {

UnpackError unpackBlocks(std::span<const std::uint8_t> file, std::size_t length, std::string& text) {
    // Capacity for the stated length plus one piece is taken once (not touched until written), so each
    // piece decodes in place at the text's end.
    text.reserve(length + kPieceSize);
    std::size_t done = 0, pos = 8;
    for (;;) {
        if (file.size() - pos < 2) return UnpackError::SizeMismatch;
        const std::size_t size = getLE(&file[pos], 2);
        pos += 2;
        if (file.size() - pos < size) return UnpackError::SizeMismatch;
        text.resize(done + kPieceSize);
        auto* out = reinterpret_cast<std::uint8_t*>(text.data());
        const auto n = decodeInto(file.subspan(pos, size), out + done);
        pos += size;
        if (!n) return UnpackError::Damaged;
        if (done + *n > length) return UnpackError::SizeMismatch;
        done += *n;
        if (*n < kPieceSize) break;
    }
    text.resize(done);
    return done == length ? UnpackError::None : UnpackError::SizeMismatch;
}

} // namespace

Unpacked decompressText(std::span<const std::uint8_t> file, std::size_t maxText) {
    Unpacked r;
    if (file.size() < 8 || file[0] != 'W' || file[1] != 'R' || file[2] != 'Z' || file[3] != 'L') {
        r.error = UnpackError::NoHeader;
        return r;
    }
    const auto length = static_cast<std::int32_t>(getLE(&file[4], 4));
    if (length < 0 || static_cast<std::size_t>(length) > maxText) {
        r.error = UnpackError::Damaged;
        return r;
    }
    r.error = unpackBlocks(file, static_cast<std::size_t>(length), r.text);
    if (!r.ok()) r.text.clear();
    return r;
}

std::string errorMessage(UnpackError error, std::string_view fileName) {
    const std::string name(fileName);
    switch (error) {
    case UnpackError::None:
        return {};
    case UnpackError::NoHeader:
        return name + " : Lzrw1 decompression : this file has no valid header !";
    case UnpackError::SizeMismatch:
        return "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    case UnpackError::Damaged:
        return "Lzrw1 (decompression LZRW1/KH) : " + name + " is damaged !";
    }
    return {};
}

} // namespace tally
