# shellcheck shell=bash
# Sourced by the scripts that keep helpers running while they work. `background CMD ...`
# starts CMD in the background; `stop_background` (for the script's EXIT trap) stops them,
# the newest first, since later helpers lean on earlier ones.
background_pids=()

background() {
  "$@" &
  background_pids+=($!)
}

stop_background() {
  local i
  for ((i = ${#background_pids[@]} - 1; i >= 0; i--)); do
    kill "${background_pids[i]}" 2>/dev/null || true
    wait "${background_pids[i]}" 2>/dev/null || true
  done
  background_pids=()
}

# wait_for_line FILE PATTERN PID WHAT: waits until FILE has a line matching PATTERN, which
# the helper PID writes once it is ready; fails with a clear line if the helper ends first.
wait_for_line() {
  local file=$1 pattern=$2 pid=$3 what=$4
  until grep -q -- "$pattern" "$file" 2>/dev/null; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$what did not start:" >&2
      cat "$file" >&2 2>/dev/null || true
      return 1
    fi
    sleep 0.1
  done
}

# Interrupted, the script still goes through its EXIT trap.
trap 'exit 130' INT
trap 'exit 143' TERM
