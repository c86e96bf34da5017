#!/usr/bin/env bash
# Installs the package and has MATE's screen-saver host (mate-screensaver), which starts its
# programs only from folders of its own such as /usr/libexec/xscreensaver, show Gyrotrak alone:
# activated and deactivated three times on a virtual X server, in a D-Bus session and home of its
# own. Each time the program must run as the host's child in its window (XSCREENSAVER_WINDOW),
# show the ride (the ribbon's blue, moving), end within 1 s of the host's SIGTERM with status 0,
# and print nothing. The host passes on no variable of ours (no GYROTRAK_SEED), so the checks
# hold for any track. Then the screen lock xsecurelock runs it once as its saver
# (XSECURELOCK_SAVER), under the same checks when the lock is ended with SIGTERM. The third time
# and under the lock, the settings file asks for -polygon-mode lines: the ribbon is in lines.
# At the end the gyrotrak package installed before, repacked with dpkg-repack, is put back, or
# the package removed where there was none.
#
#   tests/screensaver_host_test.sh gyrotrak_VERSION_ARCH.deb   (as root)
set -euo pipefail
deb=$(realpath "$1")
work=$(mktemp -d /tmp/gyrotrak-host-XXXXXX)
. "$(dirname "$0")/../tools/virtual_display.sh"
bus= host= tracer= child= reader= lock=
log=$work/host.log
finish() {
  kill $child $host $tracer $reader $bus $lock 2>/dev/null || true
  stop_virtual_display
  wait 2>/dev/null || true
  if [ -e "$work"/previous/*.deb ]; then
    dpkg -i "$work"/previous/*.deb >"$work/apt" 2>&1 || { cat "$work/apt" >&2; exit 1; }
  else
    apt-get remove -y -qq -o DPkg::Lock::Timeout=120 gyrotrak >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP
fail() { echo "FAIL: $*; the host's log ends:" >&2; tail -n 25 "$log" >&2; exit 1; }
mkdir "$work/previous"
if dpkg-query -W -f='${Status}' gyrotrak 2>/dev/null | grep -q 'install ok installed'; then
  (cd "$work/previous" && dpkg-repack gyrotrak >/dev/null)
fi
apt-get install --reinstall -y -qq -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt" 2>&1 ||
  { cat "$work/apt" >&2; exit 1; }

mkdir -p "$work"/{home/.config,data,cache} && mkdir -m 700 "$work/runtime"
# No /usr/games on PATH: the host can find the program only in its own folders. No GTK
# accessibility bus, which would be one more D-Bus daemon. MATE's host passes HOME, not
# XDG_CONFIG_HOME: its ride reads the settings file in HOME's .config, as most users keep it.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/data \
  XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  NO_AT_BRIDGE=1
start_virtual_display 1024x768
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>/dev/null &
bus=$!
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
gsettings set org.mate.screensaver lock-enabled false
gsettings set org.mate.screensaver idle-activation-enabled false
gsettings set org.mate.screensaver mode single
gsettings set org.mate.screensaver themes "['screensavers-gyrotrak']"
# Its children's standard output goes to the host's, their standard error into its log as
# "command output" lines while they run. On deactivation it sends its child SIGTERM and waits for
# it: its wait4 calls, with the time each took, tell how and how soon the child ended (its log
# tells only of a status other than 0, not of a death by a signal, and no time finer than 1 s).
mate-screensaver --no-daemon --debug >"$work/host.out" 2>"$work/host.log" &
host=$!
strace -T -p "$host" -e trace=wait4 -e signal=none -o "$work/waits" 2>"$work/strace" &
tracer=$!
# Both ready first: a command sent before the host is on the bus would have D-Bus start another.
owned() { dbus-send --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
  org.freedesktop.DBus.NameHasOwner string:org.mate.ScreenSaver | grep -q 'boolean true'; }
for _ in $(seq 100); do owned && grep -q attached "$work/strace" && break; sleep 0.1; done
owned && grep -q attached "$work/strace" || fail "the host or strace did not start"

# Pixels of the screen whose blue is above 80 and twice their red.
blue() { import -window root "$work/$1.png" && convert "$work/$1.png" -depth 8 rgb:- |
  perl -0777 -ne '$n = 0; while (/(.)(.)(.)/gs) { $n++ if ord $3 > 80 && ord $3 > 2 * ord $1 }
    print $n'; }
# Pixels of blue in $1.png with blue all around: most of the filled ribbon's, none of its lines'.
filled() { convert "$work/$1.png" -fx '(b > 80/255 && b > 2 * r) ? 1 : 0' -morphology Erode \
  Square:1 -format '%[fx:round(mean * w * h)]' info:; }
# The program ($child) in a host's window (XSCREENSAVER_WINDOW), and the ride on the screen
# within 20 s: its fade-in over, more than 1000 pixels of the ribbon's blue (more than $lines,
# where set, the ribbon in lines: not a tenth of them filled); then moving. $1 names the case.
ride_shown() {
  grep -qz '^XSCREENSAVER_WINDOW=' "/proc/$child/environ" || fail "$1: no host window"
  local pixels changed deadline=$(( SECONDS + 20 )) least=${lines:-1000}
  until pixels=$(blue a) && [ "$pixels" -gt $least ] || (( SECONDS > deadline )); do sleep 0.2; done
  [ "$pixels" -gt $least ] || fail "$1: $pixels pixels of blue (want more than $least)"
  [ -z "${lines:-}" ] || [ $(( $(filled a) * 10 )) -lt "$pixels" ] ||
    fail "$1: $(filled a) of $pixels pixels of blue filled, not lines"
  import -window root "$work/b.png"
  changed=$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)
  [ "$changed" -gt 10000 ] || fail "$1: $changed pixels changed (want more than 10000)"
}
# The host's wait for its child returned status 0, less than a second after its SIGTERM.
ended() { grep -qF "wait4($child, [{WIFEXITED(s) && WEXITSTATUS(s) == 0}], 0, NULL) = $child <0." \
  "$work/waits"; }
for cycle in 1 2 3; do
  [ $cycle = 3 ] && mkdir "$XDG_CONFIG_HOME/gyrotrak" && lines=50 &&
    echo "-polygon-mode lines" >"$XDG_CONFIG_HOME/gyrotrak/settings"
  timeout 10 mate-screensaver-command --activate >/dev/null || fail "$cycle: --activate"
  for _ in $(seq 100); do child=$(pgrep -P "$host" -x gyrotrak) && break; sleep 0.1; done
  [ -n "$child" ] || fail "$cycle: the host started no gyrotrak"
  # A reader of its standard error of our own, for what it prints after the host stops reading.
  timeout 60 cat "/proc/$child/fd/2" >"$work/errors" &
  reader=$!
  ride_shown "$cycle"

  timeout 10 mate-screensaver-command --deactivate >/dev/null || fail "$cycle: --deactivate"
  for _ in $(seq 50); do ended && break; sleep 0.1; done
  ended || fail "$cycle: ended so: $(grep "^wait4($child," "$work/waits")"
  wait "$reader" || fail "$cycle: its standard error still open"
  printed=$(cat "$work/errors" "$work/host.out"; grep 'command output' "$work/host.log" || true)
  [ -z "$printed" ] || fail "$cycle: printed: $printed"
  child= reader=
done
echo "under MATE's screen-saver host: the installed program shown, ended and quiet 3 times"
kill $host $tracer && wait $host $tracer 2>/dev/null || true
host= tracer=

# xsecurelock runs the saver through its saver_multiplex, in a window of its own on each
# monitor, with its standard output and error. A SIGTERM to the lock ends it; strace tells the
# saver's exit status.
log=$work/lock.out
XSECURELOCK_SAVER=/usr/games/gyrotrak xsecurelock >"$log" 2>&1 &
lock=$!
for _ in $(seq 100); do
  child=$(pgrep -P "$(pgrep -P $lock -x saver_multiplex)" -x gyrotrak 2>/dev/null) && break
  sleep 0.1
done
[ -n "$child" ] || fail "xsecurelock started no gyrotrak"
strace -p "$child" -e trace=none -e signal=none -o "$work/saver" 2>"$work/strace" &
tracer=$!
ride_shown xsecurelock
grep -q attached "$work/strace" || fail "strace did not attach to the saver"
kill $lock
# Gone: no process, or one only its parent has yet to reap.
gone() { ! grep -q '^State:.[^Z]' "/proc/$child/status" 2>/dev/null; }
for _ in $(seq 10); do gone && break; sleep 0.1; done
gone || fail "xsecurelock's saver still running 1 s after the lock's end"
wait $tracer || true
wait $lock || true
tracer= lock=
grep -qx '+++ exited with 0 +++' "$work/saver" || fail "its saver ended so: $(cat "$work/saver")"
[ ! -s "$log" ] || fail "printed under xsecurelock: $(cat "$log")"
echo "under xsecurelock: the installed program shown, ended and quiet"
