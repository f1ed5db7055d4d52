#pragma once
// Tile codes by suit and number, for writing test boards and racks readably.

namespace tilecodes {

constexpr int Green(int n) {
    return n;
}
constexpr int Orange(int n) {
    return 13 + n;
}
constexpr int Red(int n) {
    return 26 + n;
}
constexpr int Black(int n) {
    return 39 + n;
}

} // namespace tilecodes
