# Shared by the script tests that run the program on a fixed clock. Source it; wait_still NAME
# then waits until process $pid has drawn its last fixed-clock frame (no processor time for 1 s),
# calling the script's fail with NAME if it ends early or is still drawing after 150 s.
wait_still() {
  local previous=-1 idle=0 ticks
  for _ in $(seq 300); do
    sleep 0.5
    ticks=$(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null) || fail "$1: ended early"
    if [ "$ticks" -eq "$previous" ]; then idle=$(( idle + 1 )); else idle=0; fi
    previous=$ticks
    [ $idle -ge 2 ] && return 0
  done
  fail "$1: still drawing after 150 s"
}
