# Shared by the end-to-end scripts: a private X server and helpers to wait
# for windows. Usage: source "$(dirname "$0")/lib.sh" PROGRAM_DIR BUILD_DIR
set -euo pipefail
PROG="$(cd "$1" && pwd)"
BUILD="$(cd "$2" && pwd)"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"
E2E_OUT="$BUILD/e2e"
mkdir -p "$E2E_OUT"
# The scripts find windows and menu items by their English captions, so the
# programs run in English whatever language the desktop running the tests has.
export LC_ALL=C.UTF-8 LANGUAGE=
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

cleanup_pids=()
E2E_WORK=
# At exit: the programs first, then the X server (whatever else the
# programs started ends with it), then the scratch folder. Nothing here may
# stop the rest: a server left behind keeps CTest waiting on its output.
e2e_cleanup() {
  local rc=$? p
  set +e
  # A failed run shows what the programs said before their folder goes.
  if [[ $rc -ne 0 && -n "$E2E_WORK" ]]; then
    for p in "$E2E_WORK"/*.err; do [[ -s "$p" ]] && { echo "== $p" >&2; cat "$p" >&2; }; done
  fi
  for p in "${cleanup_pids[@]:-}"; do [[ -n "$p" ]] && kill "$p" 2> /dev/null; done
  for p in "${cleanup_pids[@]:-}"; do [[ -n "$p" ]] && wait "$p" 2> /dev/null; done
  stop_xvfb
  [[ -n "$E2E_WORK" ]] && rm -rf "$E2E_WORK"
  return 0
}
trap e2e_cleanup EXIT
# work_dir: $WORK, a scratch folder removed at exit once nothing writes into it.
work_dir() {
  WORK=$(mktemp -d)
  E2E_WORK=$WORK
}

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

# The programs write the screen rectangles of their named controls here. A
# "%a" in the name stands for the program, so pinz and the pinzfx it starts
# keep one map each.
export PINZ_WIDGET_MAP="$E2E_OUT/widgets-$$.txt"
# E2E_MAP, when set, names the one map every lookup reads.
E2E_MAP=
map_of() {
  if [[ -n "$E2E_MAP" ]]; then echo "$E2E_MAP"; else echo "${PINZ_WIDGET_MAP//%a/${1:-pinz}}"; fi
}
# widget_in PROG NAME: prints "x y w h" of a named control (or "menu:Item_caption"
# of an open menu) of PROG once it shows it and stays put: a window manager
# moves a new window after it is first shown (the map follows every 200 ms).
# widget NAME: the same for pinz.
widget_in() {
  local line last= map
  map=$(map_of "$1")
  for _ in $(seq 1 100); do
    line=$(grep -F -- "$2 " "$map" 2> /dev/null | grep -- "^$2 " | head -1 || true)
    if [[ -n "$line" && "$line" == "$last" ]]; then
      echo "${line#* }"
      return 0
    fi
    last=$line
    sleep 0.25
  done
  echo "widget $2 not shown by $1" >&2
  return 1
}
widget() { widget_in pinz "$1"; }
# click_in PROG NAME [DX DY]: clicks a control's centre, or (DX, DY) inside it.
click_in() {
  local x y w h
  read -r x y w h < <(widget_in "$1" "$2")
  xdotool mousemove $((x + ${3:-$((w / 2))})) $((y + ${4:-$((h / 2))})) click 1
  sleep 0.4
}
click() { click_in pinz "$@"; }
# drag X1 Y1 X2 Y2: a left-button drag between two screen points.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.4
}
# trace X Y "DX DY"...: presses at screen (X, Y) and drags through the points
# given relative to it, then releases (a freehand outline).
trace() {
  local x0=$1 y0=$2 p
  shift 2
  xdotool mousemove "$x0" "$y0" mousedown 1
  for p in "$@"; do
    set -- $p
    xdotool mousemove $((x0 + $1)) $((y0 + $2))
    sleep 0.05
  done
  xdotool mouseup 1
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
# x_start ERRFILE COMMAND...: starts a program from / in the background, its
# pid in X_PID, its errors in ERRFILE. On a loaded machine the X server now
# and then refuses a connection; a program that ended for that reason alone
# is started again, any other end is left for the caller to see.
x_start() {
  local err=$1 attempt
  shift
  for attempt in 1 2 3; do
    (cd / && exec "$@") 2> "$err" &
    X_PID=$!
    cleanup_pids+=($X_PID)
    for _ in $(seq 1 150); do
      xdotool search --pid "$X_PID" > /dev/null 2>&1 && return 0
      kill -0 "$X_PID" 2> /dev/null || break
      sleep 0.2
    done
    kill -0 "$X_PID" 2> /dev/null && return 0
    grep -q "could not connect to display" "$err" 2> /dev/null || return 0
    echo "x_start: the X server refused $1 (try $attempt), starting it again" >&2
  done
}
# fx_start LETTER: starts pinzfx on its page from / (as pinz starts it), its
# pid in FX, and waits for its window.
fx_start() {
  cd /
  x_start "$WORK/pinzfx.err" "$PROG/pinzfx" "$1"
  FX=$X_PID
  wait_window "^PinzFX$" > /dev/null
}
# wait_pid PID [SECONDS]: waits for a process to end.
wait_pid() {
  for _ in $(seq 1 $((${2:-20} * 10))); do
    kill -0 "$1" 2> /dev/null || return 0
    sleep 0.1
  done
  echo "process $1 did not end" >&2
  return 1
}

# start_wm: a small window manager (openbox) on the private server, so the
# programs meet decorations, reparenting and focus handling as on a desktop.
start_wm() {
  local attempt pid
  # A start whose X connection was refused ends at once: start it again. A
  # loaded machine may take a while before openbox announces itself.
  for attempt in 1 2 3; do
    openbox --sm-disable > /dev/null 2>&1 &
    pid=$!
    cleanup_pids+=($pid)
    for _ in $(seq 1 300); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id" && return 0
      kill -0 "$pid" 2> /dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2> /dev/null && break
  done
  echo "the window manager did not start" >&2
  return 1
}

# pinz_start DIR: copies the program folder into DIR (so saved pictures never
# land in the build), starts that pinz and closes the about window.
pinz_start() {
  cp -r "$PROG" "$1/pinzola"
  rm -f "$1/pinzola/user/"*
  x_start "$1/pinz.err" "$1/pinzola/pinz"
  wait_window "^PINZOLA$" 30 > /dev/null
  click BitBtn1
  wait_gone "^PINZOLA$"
  wait_window "^Pinzola -- \(untitled\)$" > /dev/null
}
# surface_menu ITEM X Y: the surface menu opened with the right button at
# screen (X, Y), and its item ITEM (caption with "_" for blanks) chosen.
surface_menu() {
  for _ in $(seq 1 30); do  # the map of an earlier menu must be gone
    grep -q "^menu:" "$(map_of pinz)" 2> /dev/null || break
    sleep 0.1
  done
  xdotool mousemove "$2" "$3" click 3
  click "menu:$1"
}
# pinz_file_menu N: the N-th item of the file menu on the SYSTEM page.
pinz_file_menu() {
  click TabSet1 80 9
  click Image3
  sleep 0.3
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}
# pinz_save_as NAME: "Save Pinzola Picture As..." under NAME.
pinz_save_as() {
  pinz_file_menu 4
  click saveuser_Edit1
  xdotool type --delay 40 "$1"
  click saveuser_Image1
  wait_window "^Pinzola -- $1$" > /dev/null
}
# pinz_open_drawing NAME: "Open Pinzola Picture..." and the drawing NAME.
pinz_open_drawing() {
  pinz_file_menu 1
  click openpic_bmpnames 40 8
  xdotool type --delay 60 "$1"
  sleep 0.3
  click openpic_Image2
  wait_window "Pinzola -- using .*/bmps/$1.bmp" > /dev/null
}
# pinz_open_saved NAME: "Open Saved Pinzola Picture..." and its first entry,
# which must be NAME; waits until the colours are adjusted.
pinz_open_saved() {
  pinz_file_menu 2
  click openpic_bmpnames 40 8
  click openpic_Image2
  wait_window "^Pinzola -- $1$" 60 > /dev/null
}
