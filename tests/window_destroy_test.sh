#!/usr/bin/env bash
# The built program's window destroyed by another client at a random moment, 200 launches: its
# own window (as xdotool windowclose does) and a screen-saver host's window (the host's own
# request), from start-up on; frames run back to back on a small screen, so the window often
# goes mid-frame. Each time the program ends within 2 s with status 0 and nothing printed.
#
#   tests/window_destroy_test.sh PROGRAM SOURCE_DIR SCREENSAVER_HOST
set -euo pipefail
program=$(realpath "$1")
source=$2
host_program=$(realpath "$3")
work=$(mktemp -d /tmp/gyrotrak-destroy-XXXXXX)
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../tools/virtual_display.sh"
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
export GYROTRAK_SEED=1 GYROTRAK_FPS=0
cd "$source/data"

# Lane $1 (own or hosted) with seed $2: 50 launches on a virtual screen of its own, each bad
# ending a line in $work/bad-$1-$2.
lane() {
  local name=$1-$2 window id delay code late
  pid= host=  # not local: the exit trap needs them after the function has returned
  trap 'kill $pid $host 2>/dev/null || true; stop_virtual_display' EXIT
  start_virtual_display 320x240
  RANDOM=$2
  : >"$work/bad-$name"
  for launch in $(seq 50); do
    local environment=()
    if [ "$1" = hosted ]; then
      coproc host_window { exec "$host_program" 320 240; }
      host=$host_window_PID
      read -r id <&"${host_window[0]}" || fail "$name, launch $launch: the host made no window"
      environment=("XSCREENSAVER_WINDOW=$id")
    fi
    env "${environment[@]}" "$program" >"$work/$name.console" 2>&1 &
    pid=$!
    # The toolkit's window appears before the first frame, and before the program moves it
    # into the host's window: from then on, losing the window must end the program quietly.
    for _ in $(seq 250); do
      window=$(xdotool search --name '^Gyrotrak$' 2>/dev/null | head -1) && [ -n "$window" ] && break
      sleep 0.02
    done
    [ -n "$window" ] || fail "$name, launch $launch: no window: $(head -c 400 "$work/$name.console")"
    delay=$(( RANDOM % 301 ))
    sleep "0.$(printf %03d $delay)"
    if [ -n "$host" ]; then
      echo destroy >&"${host_window[1]}"
    else
      xdotool windowclose "$window" 2>/dev/null || true
    fi
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    late= code=0
    if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" && late=", still running 2 s later"; fi
    wait "$pid" || code=$?
    pid= window=
    if [ -n "$host" ]; then kill "$host" && wait "$host" || true; host=; fi
    [ "$code$late" = 0 ] && [ ! -s "$work/$name.console" ] && continue
    echo "$name, launch $launch, destroyed $delay ms after the window appeared: status $code$late;" \
      "$(head -c 200 "$work/$name.console" | tr '\n' ' ')" >>"$work/bad-$name"
  done
}

# An own and a hosted lane at a time, one per core.
for seed in 1 2; do
  lane own $seed &
  (lane hosted $(( seed + 2 ))) && wait $! || fail "a lane stopped"
done
bad=$(cat "$work"/bad-* | wc -l)
[ "$bad" -eq 0 ] || fail "$bad of 200 destructions ended badly, such as: $(cat "$work"/bad-* | head -3)"
echo "window destroyed at random moments: all 200 launches ended quietly"
