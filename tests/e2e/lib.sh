# Shared by the end-to-end scripts: a private X server and helpers to wait
# for windows. Usage: source "$(dirname "$0")/lib.sh" PROGRAM_DIR BUILD_DIR
set -euo pipefail
PROG="$(cd "$1" && pwd)"
BUILD="$(cd "$2" && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
E2E_OUT="$BUILD/e2e"
mkdir -p "$E2E_OUT"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

# Scripts delete their scratch folders only after e2e_cleanup: a program still
# running writes its widget map there, so the removal could fail, and a failing
# command in the exit trap would leave the X server and the programs running
# (holding the test runner's output open until its time-out).
cleanup_pids=()
e2e_cleanup() {
  local p
  for p in "${cleanup_pids[@]:-}"; do [[ -n "$p" ]] && kill "$p" 2> /dev/null || true; done
  for p in "${cleanup_pids[@]:-}"; do [[ -n "$p" ]] && wait "$p" 2> /dev/null || true; done
  stop_xvfb
}
trap e2e_cleanup EXIT

# wait_window NAME [SECONDS]: prints the id of the first visible window whose name matches.
wait_window() {
  local name="$1" limit="${2:-20}" id
  for _ in $(seq 1 $((limit * 5))); do
    id=$(xdotool search --onlyvisible --name "$name" 2> /dev/null | head -1 || true)
    if [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "no window named '$name' appeared" >&2
  return 1
}

shot() { "$BUILD/bin/pinz-shot" "$E2E_OUT/$1"; }

# The programs write the screen rectangles of their named controls here.
export PINZ_WIDGET_MAP="$E2E_OUT/widgets-$$.txt"
# When both programs run, PINZ_WIDGET_MAP holds "%a" (one map per program) and
# E2E_MAP names the map of the program being driven.
E2E_MAP=
# widget NAME: prints "x y w h" of a named control once the program shows it.
widget() {
  local line
  for _ in $(seq 1 100); do
    line=$(grep "^$1 " "${E2E_MAP:-$PINZ_WIDGET_MAP}" 2> /dev/null | head -1 || true)
    if [[ -n "$line" ]]; then
      echo "${line#* }"
      return 0
    fi
    sleep 0.1
  done
  echo "widget $1 not shown" >&2
  return 1
}
# click NAME [DX DY]: clicks a control's centre, or (DX, DY) inside it.
click() {
  local x y w h
  read -r x y w h < <(widget "$1")
  xdotool mousemove $((x + ${2:-$((w / 2))})) $((y + ${3:-$((h / 2))})) click 1
  sleep 0.4
}
# pixel X Y: the screen colour at a point, as rrggbb.
pixel() { "$BUILD/bin/pinz-shot" --pixel "$1" "$2"; }
# wait_gone NAME: waits until no visible window matches NAME.
wait_gone() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 || return 0
    sleep 0.2
  done
  echo "window '$1' did not close" >&2
  return 1
}
# wait_for SECONDS COMMAND...: runs COMMAND every 0.2 s until it succeeds.
wait_for() {
  local limit="$1"
  shift
  for _ in $(seq 1 $((limit * 5))); do
    "$@" && return 0
    sleep 0.2
  done
  echo "gave up waiting for: $*" >&2
  return 1
}
