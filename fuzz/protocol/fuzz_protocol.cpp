// Arbitrary bytes through the frame buffer and every message reader. Whatever a reader accepts must
// survive being written and read again unchanged.

#include "protocol/framebuffer.h"
#include "protocol/messages.h"
#include "protocol/text.h"

#include <cstdint>
#include <cstdlib>

namespace {

template <class M> void check(std::string_view word, std::string_view args) {
    if (word != M::word) return;
    const auto first = protocol::decode<M>(args);
    if (!first) return;
    const std::string wire = protocol::encode(*first);
    const std::string entry = wire.substr(0, wire.find(protocol::kEndMarker));
    if (entry == M::word) return; // a list command with an empty list is the bare word, which nobody sends
    const protocol::Command again = protocol::splitCommand(entry);
    const auto second = protocol::decode<M>(again.args);
    if (again.word != M::word || !second || !(second->fields() == first->fields())) std::abort();
}

void readEntry(std::string_view entry) {
    const protocol::Command c = protocol::splitCommand(entry);
    const auto checkOne = [&c](auto type) {
        check<typename decltype(type)::type>(c.word, c.args);
        return false;
    };
    protocol::anyMessage(protocol::ClientMessages{}, checkOne);
    protocol::anyMessage(protocol::ServerMessages{}, checkOne);
    // Names are cleaned before they are sent: the result never holds a separator or the end marker.
    const std::string name = protocol::cleanName(entry);
    if (name.find('+') != std::string::npos || name.find(protocol::kEndMarker) != std::string::npos)
        std::abort();
    protocol::splitColour(entry);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses how the stream is cut into deliveries.
    if (size == 0) return 0;
    const std::size_t chunk = 1 + data[0] % 64;
    std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
    protocol::FrameBuffer buffer(4096);
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < stream.size(); i += chunk) {
        if (!buffer.append(stream.substr(i, chunk), entries)) break;
    }
    for (const std::string& entry : entries)
        readEntry(entry);
    return 0;
}
