#pragma once
// Text taken from a received command (UTF-8) as the window shows it.

#include <QString>

#include <string_view>

namespace client {

inline QString wireText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace client
