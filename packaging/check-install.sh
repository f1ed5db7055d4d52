#!/bin/sh
# Installs the build into a temporary prefix and checks the result: every file the desktop needs is in
# its place, and the installed game keeps its settings in the user's data folder, not beside itself,
# even where it could write beside itself.
#   check-install.sh CMAKE BUILD-DIR APP-ID [BINDIR]   (BINDIR: where the programs go, games by default)
set -u
cmake="$1"
build="$2"
id="$3"
bin="${4:-games}"
work="$(mktemp -d "${TMPDIR:-/tmp}/rimbalo-check-install.XXXXXX")"
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() {
    echo "FAIL $*"
    failed=1
}

prefix="$work/prefix"
"$cmake" --install "$build" --prefix "$prefix" --strip >"$work/install.log" || {
    cat "$work/install.log"
    exit 1
}

for f in "$bin/rimbalo" "$bin/rimbalo-server" "$bin/rimbalo-sim" "$bin/rimbalo-solve" \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/man/man6/rimbalo.6.gz share/man/man6/rimbalo-sim.6.gz share/man/man6/rimbalo-solve.6.gz \
    share/man/man8/rimbalo-server.8.gz \
    lib/systemd/system/rimbalo-server.service; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    got="$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')"
    [ "$got" = "${size}x${size}" ] || fail "icon $size: found ${got:-nothing}"
done
# The sound output module, loaded by the game at its first sound, where the game looks for it.
if [ -f "$build/src/app/rimbalo-audio.so" ]; then
    [ -n "$(find "$prefix" -path '*/rimbalo/rimbalo-audio.so')" ] || fail "no sound output module"
fi
# An installed program finds what it needs relative to itself: no file names the build tree. (A
# sanitizer build names its object files in its instrumentation by design; it is never installed.)
if [ "${RIMBALO_SANITIZED:-0}" != 1 ]; then
    baked="$(grep -rl -F "$(cd "$build" && pwd -P)" "$prefix" 2>/dev/null)"
    [ -z "$baked" ] || fail "the build folder's path is in: $baked"
fi
# Manual pages compressed as Debian keeps them: gzip at its best, no name or time stamp in the header.
for page in "$prefix"/share/man/man*/*.gz; do
    # Bytes 4 to 7 hold the time stamp, byte 3 the flags (8: a file name follows).
    header="$(od -An -tu1 -j3 -N5 "$page" | tr -s ' ')"
    [ "$header" = " 0 0 0 0 0" ] || fail "$(basename "$page") has a name or time stamp in its gzip header"
done
svg="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
grep -q '<svg' "$svg" 2>/dev/null || fail "no scalable icon"

# The game closes as through "Exit" on SIGTERM once its event loop runs (its handler is then in place:
# bit 15 of the caught-signal mask). Its tally file is made at start-up; its settings are written only
# once they were read (at the login), so the tally is what shows where its files go.
home="$work/home"
mkdir -p "$home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$prefix/$bin/rimbalo" Tester >"$work/game.log" 2>&1 &
pid=$!
i=0
while [ $i -lt 600 ]; do
    mask="$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null)"
    [ -n "$mask" ] && [ $((0x$mask & 0x4000)) -ne 0 ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
    i=$((i + 1))
done
kill -TERM "$pid" 2>/dev/null
wait "$pid"
code=$?
pid=""
[ "$code" -eq 0 ] || fail "the installed game exited $code on SIGTERM: $(cat "$work/game.log")"
[ -f "$home/.local/share/Rimbalo/rimbalotally.tld" ] || fail "no tally in ~/.local/share/Rimbalo"
extra="$(ls "$prefix/$bin" | grep -v -x -e rimbalo -e rimbalo-server -e rimbalo-sim -e rimbalo-solve)"
[ -z "$extra" ] || fail "written beside the installed program: $extra"

[ "$failed" -eq 0 ] && echo "the installed tree is complete and the game keeps its files in the user's folder"
exit "$failed"
