#include "text.h"

namespace protocol {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are not one.
std::size_t sequenceLength(std::string_view s, std::size_t i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t len = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        len = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

bool isControl(char32_t cp) {
    return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F);
}

// Characters that show nothing themselves but change how the text around them shows: the direction
// marks, embeddings, overrides and isolates, and the zero-width ones. In a name they can turn it
// around or make it look empty.
bool isInvisibleFormat(char32_t cp) {
    return cp == 0x00AD || cp == 0x034F || cp == 0x061C || cp == 0x17B4 || cp == 0x17B5 || cp == 0x180E ||
           (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x202A && cp <= 0x202E) ||
           (cp >= 0x2060 && cp <= 0x206F) || cp == 0x3164 || cp == 0xFEFF || cp == 0xFFA0;
}

} // namespace

std::string cleanName(std::string_view utf8, std::size_t maxChars) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t len = sequenceLength(utf8, i, cp);
        if (len == 0) {
            out += '?';
            ++i;
        } else if (cp == '+' || isControl(cp)) {
            out += ' ';
            i += len;
        } else if (isInvisibleFormat(cp)) {
            i += len;
        } else {
            out.append(utf8.substr(i, len));
            i += len;
        }
    }
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    out = out.substr(first, out.find_last_not_of(' ') - first + 1);
    out = truncateUtf8(out, maxChars);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string truncateUtf8(std::string_view utf8, std::size_t maxChars) {
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < utf8.size() && chars < maxChars) {
        char32_t cp = 0;
        const std::size_t len = sequenceLength(utf8, i, cp);
        i += len == 0 ? 1 : len;
        ++chars;
    }
    return std::string(utf8.substr(0, i));
}

ColouredText splitColour(std::string_view text) {
    const std::size_t bar = text.rfind('|');
    if (bar == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, bar)), std::string(text.substr(bar + 1))};
}

std::string joinColour(std::string_view text, std::string_view colour) {
    std::string out(text);
    out += '|';
    out += colour;
    return out;
}

std::string boundChatText(std::string_view text) {
    const std::size_t bar = text.rfind('|');
    if (bar != std::string_view::npos && text.size() - bar - 1 <= kMaxColourLength)
        return joinColour(truncateUtf8(text.substr(0, bar), kMaxChatLength), text.substr(bar + 1));
    return truncateUtf8(text, kMaxChatLength);
}

} // namespace protocol
