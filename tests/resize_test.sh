#!/usr/bin/env bash
# The built program's window resized 100 times a run, from 1 x 1 to the whole screen, back to
# back or up to 150 ms apart: its own window (full screen, and the 512 x 512 one) with no window
# manager, a host's window, and its window under openbox. After each run it is alive, draws in
# every quarter of a 400 x 300 window, holds no more memory than after its first 20 resizes, and
# ends with status 0 and nothing printed on SIGTERM. Full screen covers the screen from its
# origin, and with no window manager (none ever, or openbox quit) only the monitor the pointer
# is on. -window makes the size -geometry gives, at its place, else (with no window manager)
# centred on the pointer's monitor.
#
#   tests/resize_test.sh PROGRAM SOURCE_DIR SCREENSAVER_HOST
set -euo pipefail
program=$(realpath "$1")
source=$2
host_program=$(realpath "$3")
work=$(mktemp -d /tmp/gyrotrak-resize-XXXXXX)
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../tools/virtual_display.sh"
pid= host= manager=
trap 'kill $pid $host $manager 2>/dev/null || true; stop_virtual_display; wait 2>/dev/null || true; rm -rf "$work"' EXIT
start_virtual_display 1024x768
# openbox's settings and log: its defaults, whoever runs this. Blocks of 128 kB or more are
# mapped alone and returned when freed: resident memory is then what is in use, not what the
# heap kept of the largest window's buffers.
export GYROTRAK_SEED=1 XDG_CONFIG_HOME=$work XDG_CACHE_HOME=$work
export GLIBC_TUNABLES=glibc.malloc.mmap_threshold=131072
cd "$source/data"
# Resident memory (kB) may grow this much from the first 20 resizes to the last: llvmpipe's
# came and went by up to 7 MB, one leaked window-sized buffer a resize makes some 60 MB. Not
# with AddressSanitizer, which holds freed memory back and maps its shadow as it goes.
memory_margin=16384
grep -q __asan_init "$program" && memory_margin=

# Fails unless the program still runs.
alive() {
  local status=0
  kill -0 "$pid" 2>/dev/null && return 0
  wait "$pid" || status=$?
  fail "$run: ended with status $status after $resized resizes: $(head -c 400 "$work/console")"
}

# Waits up to 2 s until the program's window is $1 x $2, at $3 (x,y) where given.
wait_size() {
  for _ in $(seq 40); do
    xdotool getwindowgeometry "$window" 2>/dev/null | tr '\n' ' ' |
      grep -q "Position: ${3:-[-0-9]*,[-0-9]*} .*Geometry: $1x$2 \$" && return 0
    sleep 0.05
  done
  alive
  fail "$run: the window is not $1 x $2${3:+ at $3}:" $(xdotool getwindowgeometry "$window")
}

# Resizes the host's window, if there is one, else the program's, to $1 x $2.
resize() {
  if [ -n "$host" ]; then echo "resize $1 $2" >&"${host_window[1]}" && return; fi
  xdotool windowsize "$window" "$@" 2>/dev/null || true
}

# $1 resizes, each length 1 to 4 or the screen's in one draw out of 8, else any; half of them
# back to back. RANDOM is read in this shell: a subshell would not move its sequence on.
resize_randomly() {
  for _ in $(seq "$1"); do
    resize $(( RANDOM % 8 ? RANDOM % 1024 + 1 : RANDOM % 2 ? 1024 : RANDOM % 4 + 1 )) \
      $(( RANDOM % 8 ? RANDOM % 768 + 1 : RANDOM % 2 ? 768 : RANDOM % 4 + 1 ))
    (( RANDOM % 2 )) && sleep "0.$(printf %03d $(( RANDOM % 150 + 1 )))"
    resized=$(( resized + 1 ))
    alive
  done
}

# Waits up to 3 s until each quarter of the 400 x 300 window shows the ride, stars at least:
# 0.1 % of its pixels lit.
expect_drawn_all_over() {
  local lit
  for _ in $(seq 15); do
    lit=$(import -window "$window" -crop 400x300+0+0 +repage miff:- | convert - -colorspace gray \
      -threshold 1% -crop 2x2@ +repage -format '%[fx:mean] ' info:) || lit=
    awk -v l="$lit" 'BEGIN { ok = split(l, q) == 4; for (i in q) ok = ok && q[i] >= 0.001; exit !ok }' &&
      return 0
    sleep 0.2
  done
  fail "$run: not drawn all over after the resizes (share lit in each quarter: $lit)"
}

# Starts the program with the environment $@ and the arguments in $args and waits for its
# window: $pid, $window.
args=()
start_program() {
  resized=0 window=
  env "$@" "$program" "${args[@]}" >"$work/console" 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    window=$(xdotool search --name '^Gyrotrak$' | head -1) && [ -n "$window" ] && break
    sleep 0.05
  done
  [ -n "$window" ] || fail "$run: no window: $(head -c 400 "$work/console")"
}

# Ends the program with SIGTERM: it must end within 2 s with status 0, having printed nothing.
end_program() {
  local status=0
  kill -TERM "$pid"
  for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "$run: still running 2 s after SIGTERM"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] && [ ! -s "$work/console" ] ||
    fail "$run: status $status after SIGTERM, printed: $(head -c 400 "$work/console")"
  # The server destroys its window once it has seen the connection close: the next run must
  # not find this one.
  for _ in $(seq 40); do xdotool search --name '^Gyrotrak$' >/dev/null || break; sleep 0.05; done
}

# Run $1: the program started with the environment $4... and, with $3 = f, made the 512 x 512
# window; its resizes with seed $2; then the checks and the end on SIGTERM.
resize_run() {
  run=$1
  RANDOM=$2
  local keys=$3 first= memory
  shift 3
  start_program "$@"
  # Its own window goes full screen first.
  [ -n "$host" ] || wait_size 1024 768 0,0
  [ "$keys" != f ] || { xdotool key --window "$window" f 2>/dev/null && wait_size 512 512; }
  # After 20 resizes and after the rest, to 400 x 300, which the program's window follows, and
  # a second to draw there; then its resident memory.
  for count in 20 80; do
    resize_randomly $count
    resize 400 300
    wait_size 400 300
    sleep 1
    alive
    memory=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
    first=${first:-$memory}
  done
  echo "$run: $resized resizes, resident memory $first kB after the first 20, $memory kB at the end"
  [ -z "$memory_margin" ] || [ $(( memory - first )) -le "$memory_margin" ] ||
    fail "$run: memory grew from $first to $memory kB"
  expect_drawn_all_over
  end_program
}

resize_run "full screen, no window manager" 1 -
resize_run "512 x 512 window, no window manager" 2 f

# Run $1: the program started with the arguments $4...: its window is $2 (WIDTHxHEIGHT) at $3
# (x,y; empty for anywhere).
window_run() {
  run=$1 args=("${@:4}")
  start_program
  wait_size "${2%x*}" "${2#*x}" "$3"
  end_program
  args=()
}
# -geometry's size and place; with no place, centred, wholly on the screen.
window_run "-window -geometry, no window manager" 300x200 40,30 -window -geometry 300x200+40+30
window_run "-window, no window manager" 512x512 256,128 -window

# A host's window, 320 x 240 at first, which the program's window follows.
coproc host_window { exec "$host_program" 320 240; }
host=$host_window_PID
read -r id <&"${host_window[0]}" || fail "the host made no window"
resize_run "host's window" 3 - "XSCREENSAVER_WINDOW=$id"
kill "$host" && wait "$host" || true
host=

# openbox last on this screen (ended, it leaves its stale check window named on the root
# window, and the toolkit refuses to start beside that), once it says it has started, so that it
# manages the program's window from the start.
openbox --sm-disable --startup "touch $work/manager-ready" >"$work/manager.log" 2>&1 &
manager=$!
for _ in $(seq 200); do [ -e "$work/manager-ready" ] && break; sleep 0.05; done
[ -e "$work/manager-ready" ] || fail "openbox did not start: $(head -c 400 "$work/manager.log")"
resize_run "512 x 512 window under openbox" 4 f
window_run "-window -geometry under openbox" 300x200 "" -window -geometry 300x200+40+30

# openbox quits, leaving its check window named on the root window: "f" then finds no manager.
run="full screen after openbox quit"
start_program
wait_size 1024 768 0,0
xdotool key --window "$window" f 2>/dev/null && wait_size 512 512
kill "$manager" && wait "$manager" || true
manager=
xdotool key --window "$window" f 2>/dev/null && wait_size 1024 768 0,0
end_program

# Two monitors side by side, no window manager: full screen covers the pointer's, at start and
# after "f" twice with the pointer moved to the other.
run="two monitors"
start_virtual_display 2048x768
xrandr --setmonitor left 1024/270x768/200+0+0 screen >/dev/null
xrandr --setmonitor right 1024/270x768/200+1024+0 none >/dev/null
xdotool mousemove 1500 300 && start_program
wait_size 1024 768 1024,0
xdotool key --window "$window" f 2>/dev/null && wait_size 512 512 1024,0
xdotool mousemove 300 300 key --window "$window" f 2>/dev/null && wait_size 1024 768 0,0
end_program
xdotool mousemove 1500 300
window_run "-window on two monitors" 512x512 1280,128 -window
echo "resizes: all checks passed"
