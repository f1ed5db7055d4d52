#pragma once
// Cuts a connection's byte stream into commands at the end marker 0xFF.

#include "fields.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

class FrameBuffer {
public:
    // The largest command is under 3,000 bytes; 64 KiB of unterminated input means a broken or hostile peer.
    static constexpr std::size_t kDefaultCapacity = 64 * 1024;

    explicit FrameBuffer(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Appends received bytes and moves every completed command (without its end marker, possibly
    // empty) to the back of `out`, in order. Returns false when the unterminated remainder grows past
    // the capacity: the remainder is then discarded and the owner should close the connection.
    bool append(std::string_view bytes, std::vector<std::string>& out);

    std::size_t pending() const { return buffer_.size(); }
    std::size_t capacity() const { return capacity_; }
    void clear() { buffer_.clear(); }

private:
    std::size_t capacity_;
    std::string buffer_;
};

} // namespace protocol
