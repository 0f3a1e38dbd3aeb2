#!/usr/bin/env bash
# Nothing a child paints is lost, on the real pinz under Xvfb with openbox
# (real focus: the open window's list gets it when the window comes up):
# 1. a stroke, then "Open Pinzola Picture...", OK without clicking an entry:
#    the picture, its stroke and the caption stay; no question comes;
# 2. the open window again, Down picks the second entry, OK: the save
#    question comes first; No opens the drawing;
# 3. a stroke on it, quit: Yes to the quit question, then the save question;
#    Escape (Cancel) keeps pinz running; quit again, Yes, No: pinz ends.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"
start_wm
pinz_start "$WORK"
PID=${cleanup_pids[-1]}
QUESTION="^PINZOLA$"  # message boxes carry the program's title

fail() {
  echo "keep_picture: $*" >&2
  exit 1
}
caption() { xdotool getactivewindow getwindowname 2> /dev/null || true; }
# active NAME: waits until the focused window's name matches NAME.
active() {
  for _ in $(seq 1 100); do
    [[ "$(caption)" =~ $1 ]] && return 0
    sleep 0.1
  done
  fail "the focused window is '$(caption)', not '$1'"
}
# no_window NAME SECONDS: NAME must not appear within that time.
no_window() {
  for _ in $(seq 1 $(($2 * 5))); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 && fail "unexpected window '$1'"
    sleep 0.2
  done
  return 0
}
read -r SX SY SW SH < <(widget mapdisp)
stroke() {  # a black pencil line across the surface at height Y
  click TabSet1 25 9
  click Image2
  wait_window "^Pinzola's Tools$" > /dev/null
  click Image7 # the black pencil
  wait_gone "^Pinzola's Tools$"
  drag $((SX + 100)) $((SY + $1)) $((SX + 300)) $((SY + $1))
}

# 1. OK without choosing changes nothing.
stroke 200
[[ "$(pixel $((SX + 200)) $((SY + 200)))" == 000000 ]] || fail "the pencil line is not on the surface"
pinz_file_menu 1
wait_window "^Open a Picture$" > /dev/null
active "^Open a Picture$"
sleep 0.8  # the list has focus now and has made its first row current
shot keep_picture_open_focused.png
click openpic_Image2
wait_gone "^Open a Picture$"
no_window "$QUESTION" 1
[[ "$(caption)" == "Pinzola -- (untitled)" ]] || fail "caption became '$(caption)'"
[[ "$(pixel $((SX + 200)) $((SY + 200)))" == 000000 ]] || fail "the painting is gone"

# 2. Down, OK: the save question, No, the second drawing opens.
pinz_file_menu 1
wait_window "^Open a Picture$" > /dev/null
active "^Open a Picture$"
sleep 0.5
xdotool key Down
sleep 0.3
click openpic_Image2
wait_window "$QUESTION" > /dev/null
active "$QUESTION"
shot keep_picture_save_question.png
xdotool key n
wait_window "Pinzola -- using .*/bmps/" > /dev/null

# 3. Quit with a changed picture: Cancel stays, No ends.
stroke 300
click TabSet1 80 9
click Image7
active "$QUESTION"
xdotool key y # "Awwwww. Do you really have to leave now?"
sleep 0.5
active "$QUESTION"
xdotool key Escape # "Do you want to save your picture first?" Cancel
sleep 1
kill -0 "$PID" 2> /dev/null || fail "pinz ended on Cancel"
active "Pinzola -- using"
click Image7
active "$QUESTION"
xdotool key y
sleep 0.5
active "$QUESTION"
xdotool key n
wait_pid "$PID" 20 || fail "pinz did not end after No"
[[ -z "$(ls -A "$WORK/pinzola/user")" ]] || fail "something was saved: $(ls -A "$WORK/pinzola/user")"
echo "keep_picture: OK without a choice kept the painting; the save question came before an open and on quitting"
