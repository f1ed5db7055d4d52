#!/usr/bin/env bash
# Kills a process that saves the settings and the tally, at random moments, over and over; after each
# kill the files must read, holding the last save that was reported or the one after it.
#   bash tools/crash_saves.sh [ROUNDS] [BUILD-FOLDER]     (defaults: 200 rounds, build)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-200}"
bin="${2:-build}/tools/savestress/savestress"
[ -x "$bin" ] || { echo "build $bin first (cmake --build build --target savestress)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/files"

last() { # last() WORD FILE DEFAULT: the number after the last "WORD N" line, else DEFAULT
    local n
    n=$(grep "^$1 " "$2" | tail -n 1 | cut -d' ' -f2 || true)
    echo "${n:-$3}"
}

settings=0
tally=0
saves=0
for ((i = 1; i <= rounds; i++)); do
    "$bin" save "$work/files" >"$work/out" 2>"$work/err" &
    pid=$!
    sleep "0.$(printf '%03d' $((RANDOM % 400 + 20)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if grep -q "^savestress:" "$work/err"; then
        echo "round $i: the saving process failed:" >&2
        cat "$work/err" >&2
        exit 1
    fi
    said_settings=$(last settings "$work/out" "$settings")
    said_tally=$(last tally "$work/out" "$tally")
    if ! "$bin" check "$work/files" >"$work/read" 2>"$work/err"; then
        echo "round $i: the files do not read after the kill:" >&2
        cat "$work/err" >&2
        exit 1
    fi
    got_settings=$(last settings "$work/read" -1)
    got_tally=$(last tally "$work/read" -1)
    for pair in "settings $said_settings $got_settings" "tally $said_tally $got_tally"; do
        set -- $pair
        if [ "$3" -ne "$2" ] && [ "$3" -ne $(($2 + 1)) ]; then
            echo "round $i: $1 holds save $3, but save $2 was reported done" >&2
            exit 1
        fi
    done
    saves=$((saves + got_settings - settings))
    settings=$got_settings
    tally=$got_tally
done
left=$(find "$work/files" -type f | wc -l)
echo "$rounds kills: every file read; $saves saves of each kept in order; $left files in the folder"
