#pragma once
// Fields of a command: peeling them from the argument text and writing them.
// A command is a word, then fields each preceded by "+", then the end marker.

#include <optional>
#include <string>
#include <string_view>

namespace protocol {

// Ends every command. UTF-8 text never contains this byte.
inline constexpr char kEndMarker = '\xff';

// Strict decimal: an optional "-" and 1 to 9 digits, nothing else.
std::optional<int> parseInt(std::string_view text);

// A received entry split at its first "+": the command word and the argument text.
// An entry without "+" has an empty word (it is ignored by every dispatcher).
struct Command {
    std::string_view word;
    std::string_view args;
};
Command splitCommand(std::string_view entry);

// Peels fields from the front of an argument text.
class FieldReader {
public:
    explicit FieldReader(std::string_view args) : rest_(args) {}

    // The text before the next "+" (which is consumed); the whole remainder when no "+" is left.
    std::string_view field();
    std::optional<int> intField() { return parseInt(field()); }
    // "t" -> true, "f" -> false, anything else -> nothing.
    std::optional<bool> flagField();
    // Everything not yet peeled, consumed: free text that runs to the end marker.
    std::string_view rest();
    // Nothing left but possibly a trailing separator.
    bool atEnd() const { return rest_.empty(); }
    std::string_view remaining() const { return rest_; }

private:
    std::string_view rest_;
};

// Builds a command text; the typed messages use it, callers never join fields by hand.
class CommandBuilder {
public:
    explicit CommandBuilder(std::string_view word) : text_(word) {}
    CommandBuilder& add(int value);
    CommandBuilder& add(std::string_view value);
    CommandBuilder& addFlag(bool value) { return add(std::string_view(value ? "t" : "f")); }
    // Text appended to the last field, with no separator (the comma of a rack item).
    CommandBuilder& append(std::string_view raw);
    // Adds the trailing separator when asked, then the end marker.
    std::string finish(bool trailingPlus);
    // The login's name is followed by two end markers.
    std::string finishTwice();

private:
    std::string text_;
};

} // namespace protocol
