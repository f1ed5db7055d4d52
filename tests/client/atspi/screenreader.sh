#!/usr/bin/env bash
# A real screen reader's view of the window: starts the program on a display of its own (Xvfb) with a
# private session bus and the accessibility bus, and lets an AT-SPI client (pyatspi) start a solo game,
# read the rack, draw, and read the board as the computer lays its sets.
#   screenreader.sh PROGRAM
# Exit 77 (skipped) when Xvfb, the accessibility bus or pyatspi is missing.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

if [ -z "${RIMBALO_IN_SESSION:-}" ]; then
    for need in Xvfb dbus-run-session; do
        command -v "$need" >/dev/null || { echo "skipped: $need is not installed"; exit 77; }
    done
    [ -x "$launcher" ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
    "$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
    RIMBALO_IN_SESSION=1 exec timeout -k 5 150 dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# A display of its own: Xvfb picks a free number and tells it on a pipe. It must not reset when its
# last client leaves: the accessibility bus sets a property on the display and disconnects just before
# the program connects.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 number <"$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export DISPLAY=":$number" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LANGUAGE=en LANG=C.UTF-8

# Under the address sanitizer: one fault of the system's X keyboard library is not ours to stop for.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$here/xkb.supp"

"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
"$program" >"$work/program.log" 2>&1 &
pids+=($!)
export RIMBALO_PID=$!

if "$python" "$here/screenreader.py"; then
    exit 0
fi
echo "--- program output"
cat "$work/program.log"
echo "--- display :$number"
cat "$work/xvfb.log"
exit 1
