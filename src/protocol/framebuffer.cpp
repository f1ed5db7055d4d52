#include "framebuffer.h"

namespace protocol {

namespace {

// Adds `piece` to the unterminated command in `buffer`, unless that would grow it past `capacity`:
// then the buffer is emptied and false returned. The one size check of every delivery.
bool extend(std::string& buffer, std::string_view piece, std::size_t capacity) {
    if (buffer.size() + piece.size() > capacity) {
        buffer.clear();
        return false;
    }
    buffer.append(piece);
    return true;
}

} // namespace

bool FrameBuffer::append(std::string_view bytes, std::vector<std::string>& out) {
    std::size_t start = 0;
    while (true) {
        const std::size_t marker = bytes.find(kEndMarker, start);
        if (marker == std::string_view::npos) break;
        if (!extend(buffer_, bytes.substr(start, marker - start), capacity_)) return false;
        out.push_back(std::move(buffer_));
        buffer_.clear();
        start = marker + 1;
    }
    return extend(buffer_, bytes.substr(start), capacity_);
}

} // namespace protocol
