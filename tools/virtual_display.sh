# Shared by the scripts that run the program on a virtual X server of their own (./test, ./soak,
# ./benchmark, the window-system and install tests, the still pictures). Source it, then call
# start_virtual_display WIDTHxHEIGHT: it starts Xvfb, points DISPLAY at it and selects Mesa's
# software rasteriser, which gives the same pixels on every machine. stop_virtual_display ends
# the server; call it from the script's exit trap.
#
# Xvfb picks a free display itself and names it once it accepts connections, so scripts running
# side by side never share or take over one another's server. -noreset keeps the server as it is
# when its last client leaves: a program started during a reset would find no display.

virtual_display_pid=
virtual_display_file=

start_virtual_display() {
  stop_virtual_display
  virtual_display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$virtual_display_file" \
    >/dev/null 2>&1 &
  virtual_display_pid=$!
  for _ in $(seq 200); do [ -s "$virtual_display_file" ] && break; sleep 0.05; done
  if [ ! -s "$virtual_display_file" ]; then
    echo "$(basename "$0"): the virtual X server did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$virtual_display_file")" LIBGL_ALWAYS_SOFTWARE=1
}

stop_virtual_display() {
  if [ -n "$virtual_display_pid" ]; then
    kill "$virtual_display_pid" 2>/dev/null || true
    wait "$virtual_display_pid" 2>/dev/null || true
  fi
  [ -z "$virtual_display_file" ] || rm -f "$virtual_display_file"
  virtual_display_pid= virtual_display_file=
}
