#!/usr/bin/env bash
# Starts a program on a virtual 1024 x 768 X screen of its own (STILL_PICTURE_SCREEN=WxH sets
# another size), waits until it has stopped drawing, saves the screen as an image and ends both.
# Gyrotrak stops drawing once the fixed clock GYROTRAK_CLOCK has run out (see README.md), so
# with GYROTRAK_SEED set too the picture is the same on every run. The program runs in the
# current directory with this environment.
#
#   tools/still_picture.sh OUTPUT.png PROGRAM [ARGS...]
#
# Needs xvfb and imagemagick (SCREENSHOT_PACKAGES in tools/packages.sh).
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,9p' "$0" >&2; exit 2; }
output=$1
shift

. "$(dirname "$0")/virtual_display.sh"
program=
trap '[ -n "$program" ] && kill $program 2>/dev/null; stop_virtual_display; wait 2>/dev/null || true' EXIT
start_virtual_display "${STILL_PICTURE_SCREEN:-1024x768}"

"$@" &
program=$!

# Processor time the program has used so far, in clock ticks (all its threads); nothing once it
# has ended.
cpu_ticks() { awk '$3 != "Z" { print $14 + $15 }' "/proc/$program/stat" 2>/dev/null; }

# Still: it has drawn, and then used no processor time for a whole second.
previous=-1 idle=0
for _ in $(seq 1200); do
  sleep 0.5
  ticks=$(cpu_ticks) || true
  [ -n "$ticks" ] || { echo "still_picture: $1 ended before its picture was taken" >&2; exit 1; }
  if [ "$ticks" -gt 0 ] && [ "$ticks" -eq "$previous" ]; then idle=$(( idle + 1 )); else idle=0; fi
  previous=$ticks
  [ $idle -ge 2 ] && break
done
[ $idle -ge 2 ] || { echo "still_picture: $1 was still drawing after 10 minutes" >&2; exit 1; }
# Without the time chunks, the same picture gives the same file.
import -window root -define png:exclude-chunk=date,time "$output"
