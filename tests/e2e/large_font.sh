#!/usr/bin/env bash
# A display whose font setting is 120 dpi gets the large-font message once,
# before the about window opens (never both at once), whether Qt scales the
# windows for it or not; a 96-dpi display that Qt is told to scale gets none.
source "$(dirname "$0")/lib.sh" "$1" "$2"
work_dir

# visible_pinzola: how many windows captioned PINZOLA show (the message box
# and the about window both carry the program's name).
visible_pinzola() { xdotool search --onlyvisible --name "^PINZOLA$" 2> /dev/null | wc -l; }
about_shown() { grep -q "^BitBtn1 " "$(map_of pinz)" 2> /dev/null; }
main_shown() { xdotool search --onlyvisible --name "^Pinzola -- " > /dev/null 2>&1; }
# answer WINDOW: presses Return in a window (OK is its default button).
answer() {
  xdotool windowactivate --sync "$1" > /dev/null 2>&1 || true
  sleep 0.3
  xdotool key Return
}

# run_case NAME DPI MESSAGES [VAR=VALUE...]: starts pinz on a fresh display
# whose font setting is DPI, with the environment given, and checks that
# MESSAGES (0 or 1) large-font messages come, each before the about window.
run_case() {
  local name=$1 dpi=$2 messages=$3 id pid
  shift 3
  echo "== $name"
  start_xvfb
  # The window manager first: the server forgets root properties whenever
  # its last client goes.
  start_wm
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"$'\n'
  rm -f "$(map_of pinz)"
  (cd / && exec env "$@" "$PROG/pinz") 2> "$WORK/pinz-$name.err" &
  pid=$!
  cleanup_pids+=($pid)
  id=$(wait_window "^PINZOLA$" 30)
  sleep 1.5
  [[ $(visible_pinzola) -eq 1 ]] || { echo "$name: two PINZOLA windows at once" >&2; return 1; }
  if [[ $messages -eq 1 ]]; then
    # The first is the message: no about window, no main window yet.
    ! about_shown || { echo "$name: the about window came before the message" >&2; return 1; }
    ! main_shown || { echo "$name: the main window showed before the message was answered" >&2; return 1; }
    answer "$id"
    wait_gone_id "$id"
    id=$(wait_window "^PINZOLA$" 30)
    sleep 1
    [[ $(visible_pinzola) -eq 1 ]] || { echo "$name: two PINZOLA windows at once" >&2; return 1; }
  fi
  wait_for 10 about_shown || { echo "$name: no about window" >&2; return 1; }
  answer "$(wait_window "^PINZOLA$")"
  wait_gone "^PINZOLA$"
  wait_window "^Pinzola -- \(untitled\)$" > /dev/null
  sleep 1.5
  [[ $(visible_pinzola) -eq 0 ]] || { echo "$name: a message came again" >&2; return 1; }
  kill "$pid"
  wait "$pid" 2> /dev/null || true
  stop_xvfb
}
wait_gone_id() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^PINZOLA$" 2> /dev/null | grep -qx "$1" || return 0
    sleep 0.2
  done
  echo "window $1 did not close" >&2
  return 1
}

run_case scaled120 120 1
run_case unscaled120 120 1 QT_ENABLE_HIGHDPI_SCALING=0
run_case forced200 96 0 QT_SCALE_FACTOR=2
run_case screens150 96 0 QT_SCREEN_SCALE_FACTORS=1.5
run_case plain96 96 0
echo "large_font: one message before the about window at 120 dpi, none at 96"
