#!/usr/bin/env bash
# The built program on virtual screens, its help page drawn at the scale of the monitor it is on
# (clearing every frame, on a fixed seed and clock, so that the moment "?" is pressed does not
# matter):
# - on a 1280 x 1024 screen with GDK_SCALE=2, as on a desktop that draws everything twice as
#   large, at twice its size: the same picture as tests/reference/help-scale-2.png (with
#   --remake it draws that picture anew);
# - on two 1920 x 1080 monitors stacked, a 1920 x 2160 screen, full screen on the lower one,
#   where the pointer is: at scale 1, the very picture it draws on one 1920 x 1080 screen.
#
#   tests/text_scale_test.sh PROGRAM SOURCE_DIR [--remake]
set -euo pipefail
program=$(realpath "$1")
source=$(realpath "$2")
reference=$source/tests/reference/help-scale-2.png
work=$(mktemp -d /tmp/gyrotrak-scale-XXXXXX)
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../tools/virtual_display.sh"
. "$(dirname "$0")/wait_still.sh"
pid=
trap 'kill $pid 2>/dev/null || true; stop_virtual_display; wait 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$source/data"

# The help page on the screen started, as $work/$1.png, with the environment $2...
help_picture() {
  local name=$1
  shift
  env "$@" GYROTRAK_SEED=1 GYROTRAK_CLOCK=50,3500 GYROTRAK_FPS=20 "$program" -blanking 100 &
  pid=$!
  sleep 1
  xdotool key question
  wait_still "$name"
  import -window root "$work/$name.png"
  kill "$pid" && wait "$pid" || true
  pid=
}

# Fails unless no more than 50 pixels of pictures $1 and $2 differ.
expect_same() {
  differing=$(compare -metric AE -fuzz 4% "$1" "$2" null: 2>&1 || true)
  [ "$differing" -le 50 ] 2>/dev/null || fail "$differing pixels differ from $1 in $2"
}

start_virtual_display 1280x1024
help_picture scale-2 GDK_SCALE=2
if [ "${3:-}" = --remake ]; then cp "$work/scale-2.png" "$reference"; exit 0; fi
expect_same "$reference" "$work/scale-2.png"

start_virtual_display 1920x1080
help_picture one-monitor
start_virtual_display 1920x2160
xrandr --setmonitor upper 1920/500x1080/280+0+0 screen >/dev/null
xrandr --setmonitor lower 1920/500x1080/280+0+1080 none >/dev/null
xdotool mousemove 900 1500
help_picture stacked
convert "$work/stacked.png" -crop 1920x1080+0+1080 +repage "$work/lower.png"
expect_same "$work/one-monitor.png" "$work/lower.png"
echo "text scale: the help page at scale 2 as in the reference, at 1 on a 1080-line monitor"
