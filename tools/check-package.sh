#!/usr/bin/env bash
# Builds the Debian packages (rimbalo, rimbalo-server, rimbalo-sound), checks them with lintian
# (pedantic: no error or warning), installs them into a clean Debian 12 root made with debootstrap, and
# checks the installed programs there: the server package pulls in no GUI library, the files are where
# the desktop looks for them, the unit verifies and scores well with systemd-analyze, rimbalo-server
# serves a real client, rimbalo starts offscreen and keeps its files in the user's data folder; then
# removes and purges the server package and checks that nothing of it is left.
#
#   sudo bash tools/check-package.sh [--keep] [--debs DIR]
#
# --debs DIR checks the packages already built in DIR (rimbalo_*.deb, rimbalo-server_*.deb,
# rimbalo-sound_*.deb) instead of building them.
#
# Needs root (debootstrap, chroot, a private network namespace), debootstrap, and the Debian archive
# (RIMBALO_MIRROR, default http://deb.debian.org/debian). Downloaded packages are kept in
# RIMBALO_DEBOOTSTRAP_CACHE (default /var/cache/rimbalo-check-package) for the next run.
# The package is built in build-package/ (kept, so a second run is quick); the root and the logs go to a
# temporary folder that --keep leaves in place.
set -euo pipefail
started_in="$PWD"
cd "$(dirname "$0")/.."

keep=0
prebuilt=""
while [ $# -gt 0 ]; do
    case "$1" in
    --keep) keep=1 ;;
    --debs)
        prebuilt="$(cd "$started_in" && cd "$2" && pwd)"
        shift
        ;;
    *)
        echo "usage: sudo bash tools/check-package.sh [--keep] [--debs DIR]" >&2
        exit 2
        ;;
    esac
    shift
done
mirror="${RIMBALO_MIRROR:-http://deb.debian.org/debian}"
cache="${RIMBALO_DEBOOTSTRAP_CACHE:-/var/cache/rimbalo-check-package}"
port=7772 # the port a joining player's program connects to

if [ "$(id -u)" -ne 0 ]; then
    echo "check-package: run as root (sudo bash tools/check-package.sh)" >&2
    exit 2
fi
for tool in cmake cpack dpkg-deb dpkg-shlibdeps debootstrap chroot unshare ip lintian readelf; do
    if ! command -v "$tool" >/dev/null; then
        echo "check-package: $tool is missing (apt-get install debootstrap dpkg-dev iproute2 cmake lintian binutils)" >&2
        exit 2
    fi
done

work="$(mktemp -d /tmp/rimbalo-check-package.XXXXXX)"
root="$work/root"
build="$PWD/build-package"
failures=0

cleanup() {
    # Nothing started in the root outlives the check.
    for proc in /proc/[0-9]*; do
        if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then kill -KILL "${proc#/proc/}" 2>/dev/null || true; fi
    done
    if mountpoint -q "$root/proc" 2>/dev/null; then umount "$root/proc"; fi
    if [ "$keep" -eq 1 ]; then
        echo "Kept: $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

step() { printf '\n== %s\n' "$*"; }
pass() { printf 'ok   %s\n' "$*"; }
fail() {
    printf 'FAIL %s\n' "$*"
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

if [ -z "$prebuilt" ]; then
    step "Building the package"
    launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
        -DRIMBALO_TESTS=OFF -DRIMBALO_BENCH=OFF "${launcher[@]}" >"$work/configure.log"
    cmake --build "$build" >"$work/build.log"
    rm -f "$build"/rimbalo*.deb
    (cd "$build" && cpack -G DEB >"$work/cpack.log")
else
    step "Checking the packages in $prebuilt"
    build="$prebuilt"
fi
debs=("$build"/rimbalo_*.deb "$build"/rimbalo-server_*.deb "$build"/rimbalo-sound_*.deb)
for deb in "${debs[@]}"; do
    echo "$(basename "$deb"): $(du -h "$deb" | cut -f1), installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
    echo "  Depends: $(dpkg-deb -f "$deb" Depends)" | fold -s -w 110
    for field in Recommends Maintainer Section; do
        value="$(dpkg-deb -f "$deb" "$field")"
        [ -z "$value" ] || echo "  $field: $value"
    done
done
server_deb="${debs[1]}"
check "rimbalo-server depends on no GUI library" \
    sh -c "! dpkg-deb -f '$server_deb' Depends | grep -q -i -e gui -e widgets -e multimedia -e libgl -e libx"
check "no package names a homepage" sh -c "for d in ${debs[*]}; do [ -z \"\$(dpkg-deb -f \$d Homepage)\" ] || exit 1; done"

step "lintian --pedantic"
if lintian --pedantic --tag-display-limit 0 "${debs[@]}" >"$work/lintian.log" 2>&1; then :; fi
sed 's/^/  /' "$work/lintian.log"
check "lintian reports no error or warning" sh -c "! grep -q -E '^[EW]: ' '$work/lintian.log'"

step "Making a clean Debian 12 root (debootstrap, minbase)"
mkdir -p "$cache"
debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" >"$work/debootstrap.log"
pass "debootstrap bookworm"

step "Installing the packages with apt"
for deb in "${debs[@]}"; do cp "$deb" "$root/tmp/"; done
mount -t proc proc "$root/proc"
chroot "$root" apt-get update -qq >"$work/apt.log"
apt_install() {
    chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" \
        >>"$work/apt.log" 2>&1
}
before_server="$(chroot "$root" dpkg-query -W -f='${Package}\n' | sort)"
apt_install "/tmp/$(basename "$server_deb")"
pass "apt-get install rimbalo-server alone ($(chroot "$root" dpkg-query -W -f='${Version}' rimbalo-server))"
gui="$(chroot "$root" dpkg-query -W -f='${Package}\n' | grep -i -e libqt6gui -e libqt6widgets -e multimedia -e libx11 || true)"
check "the server's installation pulled in no GUI library${gui:+: $gui}" test -z "$gui"
server_files="$(chroot "$root" dpkg -L rimbalo-server | grep -v '^/\.$' | sort)"
echo "  with rimbalo-server: $(($(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l) - $(echo "$before_server" | wc -l))) packages added"
apt_install "/tmp/$(basename "${debs[0]}")" "/tmp/$(basename "${debs[2]}")"
pass "apt-get install rimbalo rimbalo-sound"

files=(/usr/games/rimbalo /usr/games/rimbalo-server /usr/games/rimbalo-sim /usr/games/rimbalo-solve
       /usr/share/applications/com.vemko.rimbalo.desktop /usr/share/metainfo/com.vemko.rimbalo.metainfo.xml
       /usr/share/icons/hicolor/16x16/apps/com.vemko.rimbalo.png
       /usr/share/icons/hicolor/256x256/apps/com.vemko.rimbalo.png
       /usr/share/icons/hicolor/scalable/apps/com.vemko.rimbalo.svg
       /usr/share/man/man6/rimbalo.6.gz /usr/share/man/man6/rimbalo-sim.6.gz /usr/share/man/man6/rimbalo-solve.6.gz
       /usr/share/man/man8/rimbalo-server.8.gz /usr/lib/systemd/system/rimbalo-server.service
       /usr/share/doc/rimbalo/copyright /usr/share/doc/rimbalo-server/copyright /usr/share/doc/rimbalo-sound/copyright
       /usr/share/doc/rimbalo/changelog.gz /usr/share/doc/rimbalo-server/examples/rimbalo-server.conf
       "/usr/lib/$(uname -m)-linux-gnu/rimbalo/rimbalo-audio.so")
unit="$root/usr/lib/systemd/system/rimbalo-server.service"
missing=()
for f in "${files[@]}"; do [ -e "$root$f" ] || missing+=("$f"); done
if ((${#missing[@]})); then fail "installed files; missing: ${missing[*]}"; else pass "installed files (${#files[@]} checked)"; fi
check "service unit sets DynamicUser, NoNewPrivileges, Restart=on-failure, RestartPreventExitStatus=2" \
    sh -c "grep -q '^DynamicUser=yes' '$unit' && grep -q '^NoNewPrivileges=yes' '$unit' \
           && grep -q '^Restart=on-failure' '$unit' && grep -q '^RestartPreventExitStatus=2' '$unit' \
           && grep -q '^ExecStart=/usr/games/rimbalo-server' '$unit'"
check "no installed program names the build folder" \
    sh -c "! grep -r -l -F '$build' '$root/usr/games' '$root/usr/lib/$(uname -m)-linux-gnu/rimbalo'"
# The hardening flags left their marks: position-independent, relocations read-only and bound at start,
# the stack protector linked in (the server parses what the network sends).
hardened() { # hardened PROGRAM
    local headers
    headers="$(readelf -h -d -l -W --dyn-syms "$1")" || return 1
    grep -q 'Type:.*DYN' <<<"$headers" && grep -q GNU_RELRO <<<"$headers" \
        && grep -Eq 'BIND_NOW|FLAGS_1.*NOW' <<<"$headers" && grep -q __stack_chk_fail <<<"$headers"
}
for program in rimbalo-server rimbalo; do
    check "$program is built hardened (PIE, full RELRO, BIND_NOW, stack protector)" hardened "$root/usr/games/$program"
done
# systemd and man come after the package, so that nothing of theirs stands in for a missing dependency.
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    systemd man-db >>"$work/apt.log" 2>&1
check "systemd-analyze verify rimbalo-server.service" \
    chroot "$root" systemd-analyze verify /usr/lib/systemd/system/rimbalo-server.service
score="$(chroot "$root" systemd-analyze security --offline=yes /usr/lib/systemd/system/rimbalo-server.service 2>&1 |
    sed -n 's/.*Overall exposure level for [^:]*: \([0-9.]*\).*/\1/p')"
check "systemd-analyze security: exposure ${score:-unknown} (at most 2.0)" \
    awk -v s="$score" 'BEGIN { exit !(s != "" && s + 0 <= 2.0) }'
enabled="$(chroot "$root" systemctl is-enabled rimbalo-server.service 2>&1 || true)"
check "service unit installed but not enabled ($enabled)" test "$enabled" = disabled
check "man finds rimbalo(6), rimbalo-sim(6), rimbalo-solve(6), rimbalo-server(8)" \
    sh -c "chroot '$root' man -w rimbalo.6 rimbalo-sim.6 rimbalo-solve.6 rimbalo-server.8 >/dev/null"
warnings="$(chroot "$root" sh -c 'for p in rimbalo rimbalo-sim rimbalo-solve rimbalo-server; do MANWIDTH=80 man --warnings $p 2>&1 >/dev/null; done')"
check "the manual pages format without warnings" test -z "$warnings"

step "Running the programs in the root (private network, offscreen)"
chroot "$root" useradd -m player
cat >"$root/tmp/run-checks.sh" <<'EOF'
#!/bin/sh
# Runs inside the root; prints one "ok"/"FAIL" line per check.
port="$1"
# The games' folder, which Debian puts on the path of users, not of root.
export PATH="/usr/games:$PATH"
result() { if [ "$1" -eq 0 ]; then echo "ok   $2"; else echo "FAIL $2"; fi; }
# A prefix, not a function: a backgrounded function runs in a subshell, and $! would name the subshell.
as_player="setpriv --reuid=player --regid=player --init-groups env HOME=/home/player QT_QPA_PLATFORM=offscreen"
wait_for() { # wait_for FILE TEXT: up to 20 s
    i=0
    while [ $i -lt 200 ]; do
        grep -q "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}
stop() { # stop PID: SIGTERM, then the exit code
    kill -TERM "$1" 2>/dev/null
    wait "$1"
}

out=$(rimbalo-server --version); result $? "rimbalo-server --version: $out"
out=$(rimbalo-server --help-all </dev/null | head -n1); result $? "rimbalo-server --help-all: $out"
out=$(env -u DISPLAY rimbalo --version); result $? "rimbalo --version without a display: $out"
env -u DISPLAY rimbalo --help | grep -q '^usage: rimbalo'; result $? "rimbalo --help without a display"
out=$(printf 'board:\nrack: 1 2 3 11 12 13\nopened: no\n' | rimbalo-solve | head -n1)
[ "$out" = "value 42 tiles 6" ]; result $? "rimbalo-solve: $out"
head -c 100000000 /dev/zero | rimbalo-solve 2>/tmp/solve.err; code=$?
[ $code -eq 2 ]; result $? "rimbalo-solve on endless input exits $code: $(cat /tmp/solve.err)"
mkdir -p /etc/rimbalo
echo "bogus = 1" >/etc/rimbalo/rimbalo-server.conf
rimbalo-server 2>/tmp/conf.err; code=$?
[ $code -eq 2 ] && grep -q rimbalo-server.conf /tmp/conf.err; result $? "a bad /etc/rimbalo/rimbalo-server.conf exits $code: $(cat /tmp/conf.err)"
rm -f /etc/rimbalo/rimbalo-server.conf
rimbalo-server --bogus 2>/tmp/bogus.err; code=$?
[ $code -eq 2 ] && grep -q bogus /tmp/bogus.err; result $? "rimbalo-server --bogus exits $code: $(cat /tmp/bogus.err)"

$as_player rimbalo-server --port "$port" 2>/tmp/server.log &
server=$!
wait_for /tmp/server.log "port $port"; result $? "server listening: $(head -n1 /tmp/server.log)"
rimbalo-server --port "$port" 2>/tmp/busy.err; code=$?
[ $code -eq 69 ]; result $? "a second server on a busy port exits $code: $(cat /tmp/busy.err)"

$as_player rimbalo Tester 127.0.0.1 false >/tmp/client.log 2>&1 &
client=$!
wait_for /tmp/server.log "logged in as Tester"; result $? "the game joined the server: $(grep 'logged in' /tmp/server.log)"
stop $client; result $? "the game stops on SIGTERM"
stop $server; code=$?
[ $code -eq 0 ] && tail -n1 /tmp/server.log | grep -q ' Stopped$'; result $? "the server stops on SIGTERM (exit $code)"
echo "     server log:"
sed 's/^/       /' /tmp/server.log

# Any port, one address: a bare TCP client is greeted with the login request.
other=$((port + 1000))
$as_player rimbalo-server --port "$other" --bind 127.0.0.1 2>/tmp/other.log &
server=$!
wait_for /tmp/other.log "port $other"; result $? "server on --port $other --bind 127.0.0.1: $(head -n1 /tmp/other.log)"
# The table server first names the table it seated the client at (a command old programs ignore), then
# asks it to log in; the connection stays open waiting for the login, so read what comes in 3 seconds.
timeout 3 bash -c "exec 3<>/dev/tcp/127.0.0.1/$other && cat <&3" >/tmp/greeting 2>/dev/null
grep -aq CMD_sendlogininfo /tmp/greeting; result $? "a bare TCP client there is asked to log in ($(head -c 40 /tmp/greeting | tr -c '[:print:]' '.'))"
stop $server; result $? "that server stops on SIGTERM"

$as_player rimbalo >/tmp/solo.log 2>&1 &
solo=$!
sleep 1
kill -0 $solo 2>/dev/null; result $? "a solo game runs offscreen for a second"
stop $solo; result $? "the solo game stops cleanly"

# The game makes its tally file at start-up: in the user's data folder, never in /usr/bin.
$as_player rimbalo Tester >/dev/null 2>&1 &
waiting=$!
sleep 2
stop $waiting
test -f /home/player/.local/share/Rimbalo/rimbalotally.tld; result $? "a user's tally goes to ~/.local/share/Rimbalo"
env HOME=/root QT_QPA_PLATFORM=offscreen rimbalo Tester >/dev/null 2>&1 &
waiting=$!
sleep 2
stop $waiting
test -f /root/.local/share/Rimbalo/rimbalotally.tld; result $? "root's tally goes to /root/.local/share/Rimbalo"
test -z "$(ls /usr/games | grep -e vemkolobby -e tally -e rimbalotiles)"; result $? "nothing was written into /usr/games"
EOF
unshare --net --fork sh -c "ip link set lo up && chroot '$root' sh /tmp/run-checks.sh $port" \
    | tee "$work/run-checks.log"
failures=$((failures + $(grep -c '^FAIL' "$work/run-checks.log" || true)))

step "Removing and purging rimbalo-server"
chroot "$root" systemctl enable rimbalo-server.service >>"$work/apt.log" 2>&1
check "the unit can be enabled (a link in multi-user.target.wants)" \
    test -L "$root/etc/systemd/system/multi-user.target.wants/rimbalo-server.service"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq rimbalo-server >>"$work/apt.log" 2>&1
check "after removal no link enables the unit" \
    sh -c "! ls '$root'/etc/systemd/system/*.wants/rimbalo-server.service 2>/dev/null"
mkdir -p "$root/etc/rimbalo"
echo "port = 7772" >"$root/etc/rimbalo/rimbalo-server.conf"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq rimbalo-server >>"$work/apt.log" 2>&1
left=""
for f in $server_files /etc/rimbalo; do
    if [ -e "$root$f" ] && [ ! -d "$root$f" ] || [ "$f" = /etc/rimbalo ] && [ -e "$root$f" ]; then left="$left $f"; fi
done
check "after purge nothing of rimbalo-server is left${left:+:$left}" test -z "$left"
check "dpkg no longer knows rimbalo-server" sh -c "! chroot '$root' dpkg-query -W rimbalo-server 2>/dev/null | grep -q ."

step "Summary"
if [ "$failures" -eq 0 ]; then
    echo "check-package: all checks passed"
else
    echo "check-package: $failures check(s) failed"
    exit 1
fi
