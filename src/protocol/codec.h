#pragma once
// Generic writing and reading of typed commands. A message type declares its command word, whether a
// "+" stands before the end marker, and its fields in wire order (RIMBALO_FIELDS). Field kinds:
//   int            decimal integer
//   bool           flag "t"/"f"
//   std::string    a field that ends at the next "+" (names, sound names)
//   FreeText       the last field: runs to the end marker and may contain "+"
//   RackItem       "cell,tile" in one field;  BoardItem  column, row, tile as three fields
//   std::array<T,N> N items in a row; std::vector<T> items up to the end of the command
//   std::optional<T> a last field that may be missing
//   any struct with RIMBALO_FIELDS, written field by field

#include "fields.h"
#include "rules/tiles.h"

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace protocol {

using rules::BoardItem;
using rules::RackItem;

enum class Tail {
    None,    // the last field runs up to the end marker
    Plus,    // an empty last field: "+" right before the end marker
    TwoEnds, // the login: the end marker twice
};

// Free text: the last field of a command, which runs to the end marker and may contain "+".
struct FreeText : std::string {
    using std::string::string;
    FreeText(std::string s) : std::string(std::move(s)) {}
    FreeText(std::string_view s) : std::string(s) {}
};

#define RIMBALO_FIELDS(...)                                                                                  \
    auto fields() {                                                                                          \
        return std::tie(__VA_ARGS__);                                                                        \
    }                                                                                                        \
    auto fields() const {                                                                                    \
        return std::tie(__VA_ARGS__);                                                                        \
    }

template <class T>
concept HasFields = requires(T t) {
    t.fields();
};

namespace detail {

inline void put(CommandBuilder& b, int v) {
    b.add(v);
}
inline void put(CommandBuilder& b, bool v) {
    b.addFlag(v);
}
inline void put(CommandBuilder& b, const std::string& v) {
    b.add(v);
}
inline void put(CommandBuilder& b, const RackItem& v) {
    b.add(v.cell).append(",").append(std::to_string(v.tile));
}
inline void put(CommandBuilder& b, const BoardItem& v) {
    b.add(v.column).add(v.row).add(v.tile);
}
template <HasFields T> void put(CommandBuilder& b, const T& v);
// A last field that older peers neither send nor expect: written only when it has a value.
template <class T> void put(CommandBuilder& b, const std::optional<T>& v) {
    if (v) put(b, *v);
}
template <class T, std::size_t N> void put(CommandBuilder& b, const std::array<T, N>& v) {
    for (const T& item : v)
        put(b, item);
}
template <class T> void put(CommandBuilder& b, const std::vector<T>& v) {
    for (const T& item : v)
        put(b, item);
}
template <HasFields T> void put(CommandBuilder& b, const T& v) {
    std::apply([&b](const auto&... f) { (put(b, f), ...); }, v.fields());
}

inline bool get(FieldReader& r, int& v) {
    const auto x = r.intField();
    if (x) v = *x;
    return x.has_value();
}
inline bool get(FieldReader& r, bool& v) {
    const auto x = r.flagField();
    if (x) v = *x;
    return x.has_value();
}
inline bool get(FieldReader& r, std::string& v) {
    v = std::string(r.field());
    return true;
}
inline bool get(FieldReader& r, FreeText& v) {
    v = FreeText(r.rest());
    return true;
}
bool get(FieldReader& r, RackItem& v);
inline bool get(FieldReader& r, BoardItem& v) {
    return get(r, v.column) && get(r, v.row) && get(r, v.tile);
}
template <HasFields T> bool get(FieldReader& r, T& v);
// A last field that may be missing (sent by an older peer): empty then.
template <class T> bool get(FieldReader& r, std::optional<T>& v) {
    v.reset();
    if (r.atEnd()) return true;
    T value{};
    if (!get(r, value)) return false;
    v = std::move(value);
    return true;
}
template <class T, std::size_t N> bool get(FieldReader& r, std::array<T, N>& v) {
    for (T& item : v)
        if (!get(r, item)) return false;
    return true;
}
// A list runs to the end of the command; a lone trailing separator ends it too.
template <class T> bool get(FieldReader& r, std::vector<T>& v) {
    v.clear();
    while (!r.atEnd()) {
        T item{};
        if (!get(r, item)) return false;
        v.push_back(std::move(item));
    }
    return true;
}
template <HasFields T> bool get(FieldReader& r, T& v) {
    return std::apply([&r](auto&... f) { return (get(r, f) && ...); }, v.fields());
}

} // namespace detail

// The complete command text, end marker included.
template <class M> std::string encode(const M& message) {
    CommandBuilder b(M::word);
    detail::put(b, message);
    if constexpr (M::tail == Tail::TwoEnds)
        return b.finishTwice();
    else
        return b.finish(M::tail == Tail::Plus);
}

// The argument text a receiver's handler gets for this message: what follows the word's "+", without
// the end marker(s). Lets one part of the program hand a command to another without a connection.
template <class M> std::string encodeArgs(const M& message) {
    const std::string text = encode(message);
    return std::string(splitCommand(std::string_view(text).substr(0, text.find(kEndMarker))).args);
}

// Reads the argument text of a received command (the text after the word's "+"). Nothing when a
// field is missing or not of its kind; text after the last field (a trailing "+") is ignored.
template <class M> std::optional<M> decode(std::string_view args) {
    M message{};
    FieldReader r(args);
    if (!detail::get(r, message)) return std::nullopt;
    return message;
}

} // namespace protocol
