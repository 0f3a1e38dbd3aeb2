#!/usr/bin/env bash
# A child's first minutes, driven through the real pinz with the mouse: choose
# the pastel in the tool chest and draw a stroke, choose the bucket and fill
# the sheet, check the colours on the screen, then UNDO back to the moment the
# bucket was chosen.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
cd /
x_start "$E2E_OUT/paint.err" "$PROG/pinz"
wait_window "Pinzola -- \(untitled\)" > /dev/null
click BitBtn1  # the about window's OK
wait_gone "^PINZOLA$"

read -r mx my mw mh < <(widget mapdisp)
sheet() { pixel $((mx + $1)) $((my + $2)); }
# wait_sheet X Y COLOUR: waits (up to 15 s on a busy machine) until the sheet shows it.
wait_sheet() {
  for _ in $(seq 1 75); do
    [[ "$(sheet "$1" "$2")" == "$3" ]] && return 0
    sleep 0.2
  done
  return 1
}
[[ "$(sheet 600 600)" == ffffff ]] || { echo "the sheet is not white" >&2; exit 1; }

click Image2  # Tool Chest
wait_window "Pinzola's Tools" > /dev/null
click Image4  # Pastel (the main window's own Image4 is hidden on this page)
wait_gone "Pinzola's Tools"
xdotool mousemove $((mx + 100)) $((my + 100)) mousedown 1
for i in $(seq 1 20); do
  xdotool mousemove $((mx + 100 + i * 10)) $((my + 100))
  sleep 0.02
done
xdotool mouseup 1
sleep 0.3
xdotool mousemove $((mx + 900)) $((my + 600))  # the sprite away from the stroke
sleep 0.3
shot paint_stroke.png
# The pastel is speckled: find a coloured pixel along the stroke.
spot=""
for _ in $(seq 1 30); do
for x in $(seq 150 2 250); do
  for y in 96 98 100 102 104; do
    if [[ "$(sheet "$x" "$y")" != ffffff ]]; then spot="$x $y"; break 3; fi
  done
done
sleep 0.5
done
[[ -n "$spot" ]] || { echo "the pastel stroke left no colour" >&2; exit 1; }
stroke=$(sheet $spot)

click Image2
wait_window "Pinzola's Tools" > /dev/null
click Image8  # Bucket
wait_gone "Pinzola's Tools"
xdotool mousemove $((mx + 600)) $((my + 600)) click 1
sleep 0.5
xdotool mousemove $((mx + 900)) $((my + 600))
sleep 0.3
shot paint_filled.png
# The start colour: red 255, green 128, blue 87.
wait_sheet 600 600 ff8057 || { echo "bucket fill shows $(sheet 600 600)" >&2; exit 1; }

click Label2  # UNDO
sleep 0.3
shot paint_undone.png
wait_sheet 600 600 ffffff || { echo "UNDO left $(sheet 600 600)" >&2; exit 1; }
[[ "$(sheet $spot)" == "$stroke" ]] || { echo "UNDO also removed the stroke made before the checkpoint" >&2; exit 1; }
echo "paint: stroke, fill and UNDO seen on the screen"
