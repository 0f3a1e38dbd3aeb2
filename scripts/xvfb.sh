# Sourced by scripts and end-to-end tests: start_xvfb starts a private X
# server on a free display number and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
      Xvfb ":$n" -screen 0 "${XVFB_SIZE:-1280x1024x24}" -nolisten tcp > /dev/null 2>&1 &
      XVFB_PID=$!
      export DISPLAY=":$n"
      for _ in $(seq 1 50); do
        [[ -e /tmp/.X11-unix/X$n ]] && return 0
        sleep 0.1
      done
      kill "$XVFB_PID" 2> /dev/null
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
stop_xvfb() {
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2> /dev/null && wait "$XVFB_PID" 2> /dev/null
  XVFB_PID=
}
