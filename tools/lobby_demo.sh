#!/usr/bin/env bash
# Two copies of the game meet at a private table of a stand-alone table server by its code, play a
# turn, and one of them comes back to its seat after its connection is cut (ss -K). Runs on an X
# display of its own (Xvfb) and saves screenshots of both windows as it goes.
#
#   tools/lobby_demo.sh BUILD_DIR DISPLAY_NUMBER OUT_DIR
#
# Needs Xvfb, xdotool, ImageMagick's import, ss (iproute2) and the rights to destroy a socket (root).
set -euo pipefail
build=$(realpath "$1")
display=:$2
out=$(realpath -m "$3")
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1700x900x24 >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
"$build/src/serverapp/rimbalo-server" --port "$port" --max-tables 100 >"$work/server.log" 2>&1 &
pids+=($!)
sleep 1

shot() { import -window root -display "$display" "$out/$1.png"; echo "shot $1"; }
# The first window whose title matches, waiting for it up to ten seconds.
window() {
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window '$1'" >&2
    exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
type_in() { click "$1" "$2" "$3"; xdotool key --window "$1" ctrl+a; xdotool type --window "$1" "$4"; }

# Each copy in a folder of its own: its settings live beside the program.
for who in ann bob; do
    mkdir -p "$work/$who"
    cp "$build/src/app/rimbalo" "$work/$who/"
done

# Ann starts the program (a solo game), closes the welcome window and opens Game > Join a Game….
(cd "$work/ann" && exec ./rimbalo) >"$work/ann.log" 2>&1 &
pids+=($!)
annw=$(window '^Rimbalo$')
xdotool windowmove "$annw" 0 0
welcome=$(window 'Download')
xdotool windowunmap "$welcome"
click "$annw" 27 8    # the Game menu
click "$annw" 76 97   # Join a Game…
join=$(window 'Join a Game')
xdotool windowmove "$join" 800 0
sleep 0.5
type_in "$join" 200 63 Ann
type_in "$join" 200 96 "127.0.0.1:$port"
type_in "$join" 90 504 "Ann and Bob"
shot 01-join-dialog-filled-in
click "$join" 301 504 # Create a Table (Private is ticked)
codebox=$(window 'Your Table')
shot 02-ann-created-private-table-code
code=$(grep -o 'Table [A-Z0-9]* opened (private)' "$work/server.log" | tail -1 | cut -d' ' -f2)
echo "table $code"
click "$codebox" 117 190 # Copy
click "$codebox" 222 190 # Close

# Bob starts the program with the table's code on the command line.
(cd "$work/bob" && exec ./rimbalo Bob "127.0.0.1:$port/$code" false) >"$work/bob.log" 2>&1 &
bob=$!
pids+=($bob)
sleep 3
bobw=$(xdotool search --onlyvisible --name '^Rimbalo$' | grep -v "^$annw$" | head -1)
xdotool windowmove "$bobw" 820 0
sleep 1
shot 03-bob-joined-by-code

# Ann (seat 1 of her table, with its host's powers) starts a game and draws: a turn played.
click "$annw" 654 445  # Start
start=$(window 'Game Start')
xdotool windowmove "$start" 200 100
sleep 0.3
click "$start" 150 267 # the options' Start
sleep 2
shot 04-game-started-at-private-table
click "$annw" 369 450  # Draw
sleep 1.5
shot 05-ann-played-a-turn-bobs-turn

# Bob lays a tile, then his connection is cut.
click "$bobw" 34 502   # the first tile of his rack
click "$bobw" 77 109   # a board cell
sleep 0.5
shot 06-bob-placed-a-tile
bobport=$(ss -tnp | grep "pid=$bob," | grep -o "127.0.0.1:[0-9]* *127.0.0.1:$port" | head -1 | cut -d: -f2 | cut -d' ' -f1)
ss -K -t src 127.0.0.1 sport = ":$bobport" >/dev/null
sleep 0.3
shot 07-bob-cut-reconnecting
sleep 4
xdotool windowmove "$bobw" 820 0
sleep 0.5
shot 08-bob-back-at-his-seat
grep -E 'Seat held|Returned to its seat|logged in as Bob' "$work/server.log"
