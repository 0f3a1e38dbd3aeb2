# Sourced by scripts and end-to-end tests: start_xvfb starts a private X
# server on a display number the server picks itself (so parallel runs never
# collide) and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local fifo n
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SIZE:-1280x1024x24}" -nolisten tcp 3> "$fifo" > /dev/null 2>&1 &
  XVFB_PID=$!
  if ! read -r -t 20 n < "$fifo"; then
    rm -f "$fifo"
    kill "$XVFB_PID" 2> /dev/null
    echo "could not start Xvfb" >&2
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=":$n"
}
stop_xvfb() {
  if [[ -n "${XVFB_PID:-}" ]]; then
    kill "$XVFB_PID" 2> /dev/null && wait "$XVFB_PID" 2> /dev/null
  fi
  XVFB_PID=
  return 0
}
