#pragma once
// Checks that a command the server sent is well formed: one end marker at the very end, a known
// word, and fields that read back as that command's message.

#include "protocol/messages.h"

#include <string>
#include <string_view>

namespace wirecheck {

namespace detail {

template <class M> bool reads(std::string_view word, std::string_view args, bool& known) {
    if (word != M::word) return false;
    known = true;
    return protocol::decode<M>(args).has_value();
}

} // namespace detail

// True when `text` (as handed to the socket, end marker included) is a valid server command.
inline bool isValidServerCommand(std::string_view text) {
    if (text.empty() || text.back() != protocol::kEndMarker) return false;
    const std::string_view entry = text.substr(0, text.size() - 1);
    if (entry.find(protocol::kEndMarker) != std::string_view::npos) return false;
    const protocol::Command c = protocol::splitCommand(entry);
    // Clients accept "CMD_showdraw", but this server never sends it.
    if (c.word == protocol::words::showdraw) return false;
    bool known = false;
    const bool ok = protocol::anyMessage(protocol::ServerMessages{}, [&](auto type) {
        return detail::reads<typename decltype(type)::type>(c.word, c.args, known);
    });
    return known && ok;
}

} // namespace wirecheck
