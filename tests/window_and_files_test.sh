#!/usr/bin/env bash
# The built program under a virtual X server of its own, as the window system and the files
# beside it treat it:
# - its class is Gyrotrak and the right button opens the pop-up menu;
# - with no display it says what to set in one line, status 1;
# - closing its window (asking it to close as a close button does, destroying it, drawing or
#   once its fixed clock has ended, or killing its connection), or Esc twice once its fixed clock
#   has ended, ends it with status 0 and nothing on the console;
# - unmapped, as minimising does, it uses no processor time until it is mapped again;
# - either image missing, empty, truncated, a directory, unreadable, random bytes, a PNG or the
#   other image (another size) under the BMP's name in the working directory, which is read
#   before any other folder: it still starts and ends silently, and draws the very picture it
#   draws with good images, the bad one counting as missing and the source tree's copy used;
# - --settings: keys change three settings, Esc saves them beside the file's other lines, a start
#   with the file draws what the same options draw (an option winning, the reset keeping both);
#   a save into a folder it may not write says so and leaves the old file whole.
#
#   tests/window_and_files_test.sh PROGRAM SOURCE_DIR WINDOW_CLOSE_REQUEST
set -euo pipefail
program=$(realpath "$1")
source=$2
close_request=$(realpath "$3")
work=$(mktemp -d /tmp/gyrotrak-files-XXXXXX)
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../tools/virtual_display.sh"
pid=
export XDG_CONFIG_HOME=$work/empty
# Each step may find its process gone already; none may stop the rest of the clean-up.
trap 'kill $pid 2>/dev/null || true; stop_virtual_display; wait 2>/dev/null || true; rm -rf "$work"' EXIT
status=0
said=$(env -u DISPLAY "$program" 2>&1) || status=$?
[ "$status" -eq 1 ] && [ "$said" = "gyrotrak: no X display to draw on; set DISPLAY, or give -display NAME" ] ||
  fail "with no display: status $status, printed: $said"
start_virtual_display 1024x768
export GYROTRAK_SEED=1

# Root without the capabilities that let it read any file meets a file of mode 000 as anyone
# would, and still reaches all it owns (a clone under a private folder included).
limited=()
[ "$(id -u)" -eq 0 ] && limited=(setpriv --bounding-set=-dac_override,-dac_read_search)

# Starts the program in folder $1 (limited as above when $2 is set) with options $3..., and waits
# for its window; $pid, $window.
start() {
  local as=()
  [ -n "${2:-}" ] && as=("${limited[@]}")
  (cd "$1" && exec "${as[@]}" "$program" "${@:3}" >"$work/console" 2>&1) &
  pid=$!
  window=
  for _ in $(seq 200); do
    window=$(xdotool search --name '^Gyrotrak$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.05
  done
  [ -n "$window" ] || fail "no window in $1: $(head -c 400 "$work/console")"
}

# Closes the window with xdotool command $1 (or the close button's request, or Esc twice) and
# checks the program's end: status 0, silent.
close_with() {
  case $1 in
    request) "$close_request" "$window" ;;
    # Through the keyboard (XTEST), not events sent to the window, which is gone as soon as
    # the second press ends the program: a send for that key's release would fail.
    escape) xdotool key Escape Escape ;;
    *) xdotool "$1" "$window" ;;
  esac || fail "$2: no window to close; the program $(kill -0 "$pid" 2>/dev/null &&
    echo runs || echo ended), having printed: $(head -c 400 "$work/console")"
  local status=0
  for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$pid" 2>/dev/null && fail "$2: still running 10 s after the close"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "$2: status $status after the close"
  [ ! -s "$work/console" ] || fail "$2: printed: $(head -c 400 "$work/console")"
}

. "$(dirname "$0")/wait_still.sh"

# Statistics (0 to 1) of a region WIDTHxHEIGHT+X+Y of the screen. The textured globe's red
# varies where the untextured one is flat; untextured text is solid blocks, much brighter on
# average than glyph strokes.
measure() { convert "$work/shot.png" -crop "$1" +repage -format "$2" info:; }
globe() { measure 16x30+488+370 '%[fx:standard_deviation.r]'; }
message() { measure 250x22+8+4 '%[fx:mean.r]'; }

# A picture at the fixed clock's end in folder $1, then the window closed ($closing, else
# killed); $2 names the case.
picture() {
  GYROTRAK_CLOCK=50,2500 start "$1" "${3:-}"
  wait_still "$2"
  import -window root "$work/shot.png"
  close_with "${closing:-windowkill}" "$2"
}

# The window system takes the window away while the program draws.
mkdir "$work/good"
cp "$source/data/font.bmp" "$source/data/earthCloudsBW_256.bmp" "$work/good/"
start "$work/good"
sleep 2
# The pop-up menu, made after the first picture, opens on the right button.
xdotool mousemove --window "$window" 300 200 click 3 && sleep 0.5
xdotool search --onlyvisible --name '^freeglut menu$' >/dev/null || fail "no menu on the right button"
# Its class, which docks match with the menu entry's StartupWMClass.
xdotool search --class '^Gyrotrak$' | grep -qx "$window" || fail "the window's class is not Gyrotrak"
close_with request "close button"
start "$work/good"
sleep 2
close_with windowclose "destroyed window"
start "$work/good"
sleep 2
close_with windowkill "killed connection"
# Destroyed once its fixed clock has ended, while no frame draws: the window's event ends it.
GYROTRAK_CLOCK=50,500 start "$work/good" && wait_still "clock ended"
close_with windowclose "destroyed at rest"

# Unmapped, as minimising does, it rests; mapped again, it draws on.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
start "$work/good"
sleep 2
xdotool windowunmap --sync "$window"
sleep 0.5
before=$(ticks) && sleep 1 && resting=$(( $(ticks) - before ))
[ "$resting" -le 2 ] || fail "$resting ticks a second while unmapped"
xdotool windowmap --sync "$window"
sleep 0.5
before=$(ticks) && sleep 1 && drawing=$(( $(ticks) - before ))
[ "$drawing" -gt 2 ] || fail "only $drawing ticks a second once mapped again"
close_with windowclose "after resting"

closing=escape picture "$work/good" "both images fine"
good_globe=$(globe)
good_message=$(message)

# Makes bad file $2 of kind $1 in the current folder.
make_bad() {
  case $1 in
    missing) rm -f "$2" ;;
    empty) : >"$2" ;;
    truncated) head -c 1000 "$source/data/$2" >"$2.cut" && mv "$2.cut" "$2" ;;
    directory) rm -f "$2" && mkdir "$2" ;;
    unreadable) chmod 000 "$2" && ! "${limited[@]}" head -c 1 "$2" >/dev/null 2>&1 ;;
    random) head -c 70000 /dev/urandom >"$2" ;;
    png) rm -f "$2" && convert -size 256x256 xc:gray "png:$2" ;;
    other) cp "$source/data/$other" "$2" ;;
  esac
}

for image in font.bmp earthCloudsBW_256.bmp; do
  what=globe good=$good_globe other=font.bmp
  [ $image = font.bmp ] && what=message good=$good_message other=earthCloudsBW_256.bmp
  for kind in missing empty truncated directory unreadable random png other; do
    folder=$work/$image-$kind
    mkdir "$folder"
    cp "$source/data/font.bmp" "$source/data/earthCloudsBW_256.bmp" "$folder/"
    (cd "$folder" && make_bad $kind $image) || fail "$image $kind: could not make the bad file"
    picture "$folder" "$image $kind" $([ $kind = unreadable ] && echo without-override)
    seen=$($what)
    [ "$seen" = "$good" ] || fail "$image $kind: $what $seen, not $good as with good images"
  done
done

# Starts --settings with options $2... and the settings file of folder $1, presses keys $keys,
# and checks its end: status 0, printing $said.
settings() {
  XDG_CONFIG_HOME=$1 start "$work/good" "${limit:-}" --settings "${@:2}"
  sleep 2 && xdotool key --window "$window" ${keys:-} Escape 2>/dev/null
  wait "$pid" || fail "--settings ${*:2}: status $?"
  [ "$(cat "$work/console")" = "$said" ] || fail "--settings ${*:2}: printed $(cat "$work/console")"
}
mkdir -p "$work/config/gyrotrak" && file=$work/config/gyrotrak/settings
printf '# mine\nbogus 1\n-speed 2\n' >"$file"
said="gyrotrak: $file:2: unknown setting \"bogus\"; gyrotrak --help lists the settings; the line is \
skipped"$'\n'"gyrotrak: settings saved in $file"
keys="w u l" settings "$work/config"
saved() { printf '# mine\nbogus 1\n-speed 2\n'; printf '%s\n' -size\ 1 -camera-distance\ 0.1 \
  -fov\ 100 -fog-distance\ 2 -blanking\ 50 -tesselation\ 10 "-letterbox $1" \
  -polygon-mode\ lines -textures -no-light -fog -no-stars -no-fps; }
[ "$(cat "$file")" = "$(saved 1)" ] || fail "saved: $(cat "$file")"
for from in file options; do
  given=(-speed 2 -polygon-mode lines -no-stars) config=$work/empty
  [ $from = file ] && given=() config=$work/config
  XDG_CONFIG_HOME=$config GYROTRAK_CLOCK=50,2500 start "$work/good" "" "${given[@]}" -letterbox 2
  wait_still "settings from the $from" && import -window root "$work/$from.png"
  kill "$pid" && wait "$pid" && pid=
done
[ "$(compare -metric AE "$work/file.png" "$work/options.png" null: 2>&1)" = 0 ] ||
  fail "the file's settings draw another picture than the same options"
keys="l r" settings "$work/config" -letterbox 2
[ "$(cat "$file")" = "$(saved 2)" ] || fail "saved after the reset: $(cat "$file")"
if [ ${#limited[@]} -gt 0 ]; then
  mkdir -p "$work/locked/gyrotrak" && file=$work/locked/gyrotrak/settings && echo -speed 2 >"$file"
  chmod 555 "$work/locked/gyrotrak" && said="gyrotrak: settings not saved in $file: Permission denied"
  limit=1 settings "$work/locked"
  [ "$(cat "$file")" = "-speed 2" ] || fail "the old file is now: $(cat "$file")"
fi
echo "window closes, bad image files and the settings file: fine"
