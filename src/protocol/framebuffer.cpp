#include "framebuffer.h"

namespace protocol {

bool FrameBuffer::append(std::string_view bytes, std::vector<std::string>& out) {
    std::size_t start = 0;
    while (true) {
        const std::size_t marker = bytes.find(kEndMarker, start);
        if (marker == std::string_view::npos) break;
        std::string_view piece = bytes.substr(start, marker - start);
        if (buffer_.size() + piece.size() > capacity_) {
            buffer_.clear();
            return false;
        }
        buffer_.append(piece);
        out.push_back(std::move(buffer_));
        buffer_.clear();
        start = marker + 1;
    }
    const std::string_view rest = bytes.substr(start);
    if (buffer_.size() + rest.size() > capacity_) {
        buffer_.clear();
        return false;
    }
    buffer_.append(rest);
    return true;
}

} // namespace protocol
