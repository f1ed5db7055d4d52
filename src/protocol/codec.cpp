#include "codec.h"

namespace protocol::detail {

bool get(FieldReader& r, RackItem& v) {
    const std::string_view item = r.field();
    const std::size_t comma = item.find(',');
    if (comma == std::string_view::npos) return false;
    const auto cell = parseInt(item.substr(0, comma));
    const auto tile = parseInt(item.substr(comma + 1));
    if (!cell || !tile) return false;
    v = RackItem{*cell, *tile};
    return true;
}

} // namespace protocol::detail
