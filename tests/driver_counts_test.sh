#!/usr/bin/env bash
# What the built program asks of the driver and the X server in each frame, counted by the
# stand-in library (tests/driver_standin.cpp) on a virtual X server of its own, with Mesa as it is
# under Xvfb and standing in for the drivers most users have. Over a fixed-clock ride, after its
# first 30 frames:
# - every driver, and in a stand-in screen-saver host's window: no server grab, and no round trip
#   to the X server of the program's own (the windows are watched through their events);
# - GLX_EXT_buffer_age answering 1: no pixels read back and no blits;
# - age 2, its back buffer magenta after every swap: no pixels read back, one blit a frame, and no
#   magenta on the screen at the end, where the ride is drawn;
# - a renderer saying it is accelerated, without buffer age: no pixels read back, one blit a frame;
# - Mesa as it is: the counts are printed (the software path checks each swap by reading pixels).
#
#   tests/driver_counts_test.sh PROGRAM SOURCE_DIR STANDIN_LIBRARY SCREENSAVER_HOST
set -euo pipefail
program=$(realpath "$1")
source=$2
standin=$(realpath "$3")
host_program=$(realpath "$4")
work=$(mktemp -d /tmp/gyrotrak-counts-XXXXXX)
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../tools/virtual_display.sh"
pid= host=
trap 'kill $pid $host 2>/dev/null || true; stop_virtual_display; wait 2>/dev/null || true; rm -rf "$work"' EXIT
start_virtual_display 1024x768
export GYROTRAK_SEED=1 GYROTRAK_CLOCK=16,6000 GYROTRAK_FPS=0
cd "$source/data"
# A program built with AddressSanitizer needs its run-time loaded ahead of the stand-in.
asan=$(ldd "$program" | awk '/libasan/ { print $3 }')

. "$(dirname "$0")/wait_still.sh"

# Runs the ride under the stand-in with its environment $2... to its end; case $1. Leaves the
# steady frames' counts (grabs, reads, blits, round trips a line) in $work/$1 and the screen in
# $work/$1.png.
run() {
  local name=$1 status=0
  shift
  env "$@" STANDIN_COUNTS="$work/$name.all" LD_PRELOAD="${asan:+$asan }$standin" "$program" \
    >"$work/console" 2>&1 &
  pid=$!
  wait_still "$name"
  import -window root "$work/$name.png"
  kill -TERM "$pid"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "$name: status $status: $(head -c 400 "$work/console")"
  tail -n +31 "$work/$name.all" >"$work/$name" 2>/dev/null || true
  [ "$(wc -l <"$work/$name")" -ge 300 ] || fail "$name: only $(wc -l <"$work/$name") frames counted"
  echo "$name: frames by their counts (grabs reads blits round trips):"
  summary "$name"
}

summary() { sort "$work/$1" | uniq -c | sort -rn | head -8; }

# Fails case $1 unless every steady frame's counts meet awk condition $2 (on $1 to $4).
each() {
  awk "!($2) { exit 1 }" "$work/$1" || { summary "$1" >&2; fail "$1: not $3 in every frame"; }
}

# Every case runs before any is judged, so that a failure shows the counts of all four.
run plain
run age1 STANDIN_AGE=1
run age2 STANDIN_AGE=2
run accelerated STANDIN_ACCELERATED=1
coproc host_window { exec "$host_program" 1024 768; }
host=$host_window_PID
read -r id <&"${host_window[0]}" || fail "the host made no window"
run hosted XSCREENSAVER_WINDOW="$id"

for name in plain age1 age2 accelerated hosted; do
  each $name '$1 == 0 && $4 == 0' "0 grabs and 0 round trips"
done
each age1 '$2 == 0 && $3 == 0' "0 reads and 0 blits"
each age2 '$2 == 0 && $3 == 1' "0 reads and 1 blit"
each accelerated '$2 == 0 && $3 == 1' "0 reads and 1 blit"
magenta=$(convert "$work/age2.png" -fill black +opaque '#ff00ff' -fill white -opaque '#ff00ff' \
  -format '%[fx:round(mean * w * h)]' info:)
[ "$magenta" -eq 0 ] || fail "age2: $magenta magenta pixels on the screen"
# The ride's last picture averages 0.013; a black screen, or a corner of the ride, far less.
mean=$(convert "$work/age2.png" -format '%[fx:mean]' info:)
awk "BEGIN { exit !($mean > 0.005) }" || fail "age2: the ride is not on the screen (mean $mean)"
echo "driver counts: all checks passed"
