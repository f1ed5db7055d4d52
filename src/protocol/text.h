#pragma once
// Text that players type and that travels on the wire. The wire carries UTF-8, which never contains
// the end marker byte 0xFF.

#include <cstddef>
#include <string>
#include <string_view>

namespace protocol {

inline constexpr std::size_t kMaxNameLength = 32;   // characters, not bytes
inline constexpr std::size_t kMaxChatLength = 1000; // characters of a chat or action line (the input's limit)
inline constexpr std::size_t kMaxColourLength = 16; // bytes of the colour after a line's last "|"
inline constexpr std::size_t kMaxSoundLength = 32;  // characters of a shared sound's name

// A player's name made safe to send: "+" (which would shift the fields after a name) and control
// characters become spaces, direction controls and invisible (zero-width) characters are removed,
// bytes that are not valid UTF-8 become "?", spaces at both ends are
// trimmed, and the result is cut to `maxChars` characters. May return an empty text.
std::string cleanName(std::string_view utf8, std::size_t maxChars = kMaxNameLength);

// Cuts `utf8` to at most `maxChars` characters without splitting one.
std::string truncateUtf8(std::string_view utf8, std::size_t maxChars);

// Chat and action texts carry their colour after the last "|": "hello|clBlack".
struct ColouredText {
    std::string text;
    std::string colour; // empty when the text has no "|"
};
ColouredText splitColour(std::string_view text);
std::string joinColour(std::string_view text, std::string_view colour);

// A received chat or action text bounded for relaying: the line is cut to kMaxChatLength characters and
// keeps its colour when that is at most kMaxColourLength bytes; a longer "colour" is taken as part
// of the line. Whatever a client sends, the relay then stays far below any receiver's frame limit.
std::string boundChatText(std::string_view text);

} // namespace protocol
