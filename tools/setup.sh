#!/usr/bin/env bash
# Installs what is missing (Debian packages), builds Rimbalo, then plays or tests.
#   bash tools/setup.sh play   build and start a solo game
#   bash tools/setup.sh test   build and run the whole test suite, then build it again with the
#                              address and undefined-behaviour sanitizers (build-asan/) and run it there
#   bash tools/setup.sh build  build only
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-play}"
shift || true

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev qt6-svg-dev
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n   # lupdate, lrelease; Qt's own translations
          libgtest-dev libgmock-dev libbenchmark-dev
          libhiredis-dev redis-server   # the table registry shared by several servers
          clang libclang-rt-dev xvfb xauth
          at-spi2-core dbus python3-pyatspi gir1.2-atspi-2.0
          desktop-file-utils appstream zlib1g-dev
          lintian debootstrap)   # the last two for tools/check-package.sh

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Each phase's wall time, so that a log shows where the time goes.
phase_start=$SECONDS
phase_done() {
    echo "== $1: $((SECONDS - phase_start)) s"
    phase_start=$SECONDS
}

build=build
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake --build "$build" --parallel "$jobs"
phase_done "configure and build ($build)"

case "$mode" in
play)
    if [ -x "$build/src/app/rimbalo" ]; then
        exec "$build/src/app/rimbalo" "$@"
    elif [ -x "$build/src/serverapp/rimbalo-server" ]; then
        echo "The game window is not built yet; starting the stand-alone server on port 7772."
        exec "$build/src/serverapp/rimbalo-server" "$@"
    else
        echo "Rimbalo's game window and server are not built yet: only the rules and protocol libraries exist." >&2
        echo "Run 'bash tools/setup.sh test' to run their tests." >&2
        exit 1
    fi
    ;;
test)
    status=0
    (cd "$build" && ctest --output-on-failure --timeout 600 -j "$jobs" "$@") || status=1
    phase_done "tests ($build)"

    # The same suite under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer.
    asan=build-asan
    if [ ! -f "$asan/CMakeCache.txt" ]; then
        sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
        cmake -S . -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRIMBALO_BENCH=OFF \
            -DCMAKE_CXX_FLAGS="-O1 $sanitize" \
            -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
    fi
    if cmake --build "$asan" --parallel "$jobs"; then
        phase_done "configure and build ($asan)"
        (cd "$asan" &&
            ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1" \
            UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
            ctest --output-on-failure --timeout 900 -j "$jobs" "$@") || status=1
        phase_done "tests ($asan)"
    else
        phase_done "configure and build ($asan), failed"
        status=1
    fi
    exit "$status"
    ;;
build)
    ;;
*)
    echo "usage: bash tools/setup.sh [play|test|build]" >&2
    exit 2
    ;;
esac
