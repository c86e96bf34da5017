#!/usr/bin/env bash
# The built program in a window another program gives it, as screen-saver hosts and their
# previews start it: through XSCREENSAVER_WINDOW, -window-id and -root. It draws at the host
# window's size and follows it, rests while the host's window is unmapped, and ends with status
# 0 and nothing on the console when the host ends it (a signal, or its window destroyed), and
# draws no text there but the frame-rate line -fps asks for. A bad window ID is one line on
# standard error and status 1.
#
#   tests/hosted_window_test.sh PROGRAM SOURCE_DIR SCREENSAVER_HOST
set -euo pipefail
program=$(realpath "$1")
source=$2
host_program=$(realpath "$3")
work=$(mktemp -d /tmp/gyrotrak-hosted-XXXXXX)
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../tools/virtual_display.sh"
. "$(dirname "$0")/wait_still.sh"
pid= host=
trap 'kill $pid $host 2>/dev/null || true; stop_virtual_display; wait 2>/dev/null || true; rm -rf "$work"' EXIT
start_virtual_display 1024x768
export GYROTRAK_SEED=1
cd "$source/data"

# A host window of $1 x $2 at the top-left, obeying lines written to descriptor 3; $host, $id.
open_host() {
  rm -f "$work/commands"
  mkfifo "$work/commands"
  "$host_program" "$1" "$2" <"$work/commands" >"$work/id" &
  host=$!
  exec 3>"$work/commands"
  for _ in $(seq 600); do [ -s "$work/id" ] && break; sleep 0.05; done
  id=$(cat "$work/id")
  # Without an ID, import would wait for a click on some window instead of failing.
  [ -n "$id" ] || fail "the host reported no window within 30 s"
}

# The program with environment $1 (or "-") and arguments $2...; $pid.
start() {
  local environment=$1
  shift
  [ "$environment" = - ] && environment=GYROTRAK_SEED=1
  env "$environment" "$program" "$@" >"$work/console" 2>&1 &
  pid=$!
}

# Waits up to $3 seconds until window $1 shows the ride in the area $2 (WxH+X+Y).
expect_drawn() {
  local mean
  for _ in $(seq $(( $3 * 10 ))); do
    mean=$(import -window "$1" -crop "$2" +repage -format '%[fx:mean]' info: 2>/dev/null || echo 0)
    awk "BEGIN { exit !($mean > 0.003) }" && return 0
    sleep 0.1
  done
  fail "$4: nothing drawn in $2 of window $1 (mean $mean)"
}

# Processor time the program uses over one second, in clock ticks.
ticks_per_second() {
  local before after
  before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
  sleep 1
  after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
  echo $(( after - before ))
}

# Ends the host's part with $1 (a signal name, or "destroy") and checks the program's end
# within 2 seconds: status 0, nothing printed.
end_with() {
  if [ "$1" = destroy ]; then echo destroy >&3; else kill -"$1" "$pid"; fi
  local status=0
  for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "$2: still running 2 s after $1"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "$2: status $status after $1"
  [ ! -s "$work/console" ] || fail "$2: printed: $(head -c 400 "$work/console")"
  exec 3>&-
  wait "$host" 2>/dev/null || true
  host=
}

# The preview's smallest size, then larger: the new area is drawn within a second or two.
open_host 160 120
start "XSCREENSAVER_WINDOW=$id"
expect_drawn "$id" 160x120+0+0 10 "XSCREENSAVER_WINDOW"
echo "resize 400 300" >&3
expect_drawn "$id" 240x180+160+120 2 "after the resize"
# At rest while the host's window is unmapped; drawing again once it is back.
echo unmap >&3
sleep 0.5
resting=$(ticks_per_second)
[ "$resting" -le 2 ] || fail "$resting ticks a second while the host's window is unmapped"
echo map >&3
expect_drawn "$id" 400x300+0+0 2 "mapped again"
end_with TERM "XSCREENSAVER_WINDOW"

# Nothing but the ride at 1 s, in a preview pane's size: no title and no message line where they
# would be, only the frame-rate line that -fps asks for. Text is grey; few stars are there.
open_host 480 300
GYROTRAK_CLOCK=20,1000 GYROTRAK_FPS=0 start "XSCREENSAVER_WINDOW=$id" -fps
wait_still "quiet"
grey() {
  import -window "$id" png:- | convert - -crop "$1" +repage \
    -fx '(r == g && g == b && r > 0.2) ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:
}
frame_rate=$(grey 120x30+360+0) others=$(grey 360x70+0+0)
[ "$frame_rate" -gt 200 ] && [ "$others" -lt 30 ] ||
  fail "hosted at 1 s: $frame_rate text pixels in the frame-rate line, $others by the title"
end_with TERM "quiet"

open_host 320 240
start - -window-id "$(( id ))"
expect_drawn "$id" 320x240+0+0 10 "-window-id in decimal"
end_with destroy "-window-id"

open_host 320 240
start "XSCREENSAVER_WINDOW=$id" -root
expect_drawn "$id" 320x240+0+0 10 "-root with XSCREENSAVER_WINDOW"
end_with HUP "-root with XSCREENSAVER_WINDOW"

open_host 64 64  # only so that end_with has a host to end
start - -root
expect_drawn root 1024x768+0+0 10 "-root"
end_with INT "-root"

for bad in abc 0 0x3ffffff; do
  status=0
  timeout 5 "$program" -window-id "$bad" >"$work/console" 2>"$work/errors" || status=$?
  [ "$status" -eq 1 ] || fail "-window-id $bad: status $status"
  [ ! -s "$work/console" ] && [ "$(wc -l <"$work/errors")" -eq 1 ] ||
    fail "-window-id $bad: wanted one line on standard error: $(head -c 400 "$work/errors")"
done
echo "hosted window: all checks passed"
