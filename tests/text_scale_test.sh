#!/usr/bin/env bash
# The built program on a 1280 x 1024 virtual screen with GDK_SCALE=2, as on a desktop that
# draws everything twice as large: the help page is drawn at twice its size, the same picture as
# tests/reference/help-scale-2.png (clearing every frame, on a fixed seed and clock, so that
# the moment "?" is pressed does not matter). With --remake it draws that picture anew.
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
start_virtual_display 1280x1024
cd "$source/data"
GDK_SCALE=2 GYROTRAK_SEED=1 GYROTRAK_CLOCK=50,3500 GYROTRAK_FPS=20 "$program" -blanking 100 &
pid=$!
sleep 1
xdotool key question
wait_still "help at scale 2"
import -window root "$work/help.png"
if [ "${3:-}" = --remake ]; then cp "$work/help.png" "$reference"; exit 0; fi
differing=$(compare -metric AE -fuzz 4% "$reference" "$work/help.png" null: 2>&1 || true)
[ "$differing" -le 50 ] 2>/dev/null ||
  fail "$differing pixels differ from $reference; the picture is in $work/help.png"
echo "text scale: the help page at scale 2 as in the reference"
