#!/usr/bin/env bash
# Wakeups of an idle main window: starts build/src/app/rimbalo under Xvfb waiting for the lobby (it
# connects nowhere), clicks into the chat input and types one key, then counts the program's context
# switches (all threads, from /proc) over `SECONDS_TO_COUNT` seconds starting a minute after the key.
#   bash tools/idle_wakeups.sh [PROGRAM] [SECONDS_TO_COUNT]
# Needs Xvfb, xwininfo (x11-utils), a C compiler with the X11 headers, and libXtst.
set -euo pipefail
program="$(realpath "${1:-build/src/app/rimbalo}")"
seconds="${2:-60}"
work="$(mktemp -d)"
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# A click and one key through the XTEST extension (its header is not always installed).
cat > "$work/typekey.c" <<'CODE'
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <stdlib.h>
int XTestFakeKeyEvent(Display*, unsigned int, Bool, unsigned long);
int XTestFakeButtonEvent(Display*, unsigned int, Bool, unsigned long);
int XTestFakeMotionEvent(Display*, int, int, int, unsigned long);
int main(int argc, char** argv) {
    Display* d = XOpenDisplay(NULL);
    if (!d || argc < 3) return 1;
    XTestFakeMotionEvent(d, -1, atoi(argv[1]), atoi(argv[2]), 0);
    XTestFakeButtonEvent(d, 1, True, 0);
    XTestFakeButtonEvent(d, 1, False, 0);
    KeyCode k = XKeysymToKeycode(d, XK_a);
    XTestFakeKeyEvent(d, k, True, 50);
    XTestFakeKeyEvent(d, k, False, 0);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
CODE
xtst="$( (ls /usr/lib/*/libXtst.so* /usr/lib/libXtst.so* 2>/dev/null || true) | head -1)"
cc "$work/typekey.c" -o "$work/typekey" -lX11 "$xtst"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 2
cp "$program" "$work/rimbalo" # its settings go beside it
(cd "$work" && DISPLAY="$display" exec ./rimbalo Idle 127.0.0.1 >/dev/null 2>&1) &
app=$!
sleep 4
geometry="$(DISPLAY="$display" xwininfo -root -tree | grep -E '"Rimbalo".* [0-9]{3}x[0-9]{3}' | head -1)"
position="$(echo "$geometry" | grep -oE '\+[0-9]+\+[0-9]+' | tail -1)"
x="$(echo "$position" | cut -d+ -f2)"
y="$(echo "$position" | cut -d+ -f3)"
# The chat input: 465, 324 on the panel, which sits 7, 6 into the client area under the menu bar.
DISPLAY="$display" "$work/typekey" $((x + 7 + 465 + 60)) $((y + 22 + 6 + 324 + 10))

switches() {
    local sum=0 n
    for task in /proc/"$app"/task/*; do
        n="$(awk '/^(non)?voluntary_ctxt_switches/ {s += $2} END {print s + 0}' "$task/status" 2>/dev/null || echo 0)"
        sum=$((sum + n))
    done
    echo "$sum"
}
sleep 60
first="$(switches)"
sleep "$seconds"
last="$(switches)"
echo "context switches in $seconds s, a minute after the last key: $((last - first))" \
     "($(awk -v n=$((last - first)) -v s="$seconds" 'BEGIN {printf "%.2f", n / s}') per second)"
