#!/usr/bin/env bash
# The keys of the main window and the help button, on the real pinz under a
# window manager (real focus): Ctrl+Z takes back a stroke, Ctrl+V pastes the
# clipboard's picture, Ctrl+P reports the missing printer, Ctrl+O and Ctrl+S
# open their windows; and with a desktop whose opener finds nothing to open
# the guide with, the help button shows the guide in Pinzola's own window.
source "$(dirname "$0")/lib.sh" "$1" "$2"
PNG="python3 $(cd "$(dirname "$0")" && pwd)/pngtool.py"
start_xvfb
start_wm
work_dir
# The desktop's opener gives up as xdg-open does when nothing can open a page.
mkdir "$WORK/bin"
printf '#!/bin/sh\nexit 3\n' > "$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
# No print queue at all.
export CUPS_SERVER="$WORK/no-cups.sock"
pinz_start "$WORK"
main=$(wait_window "^Pinzola -- \(untitled\)$")
xdotool windowactivate --sync "$main" 2> /dev/null || true
sleep 0.3

read -r mx my mw mh < <(widget mapdisp)
sheet() { pixel $((mx + $1)) $((my + $2)); }
wait_sheet() {  # X Y COLOUR: waits until the sheet shows it there
  for _ in $(seq 1 75); do
    [[ "$(sheet "$1" "$2")" == "$3" ]] && return 0
    sleep 0.2
  done
  echo "the sheet shows $(sheet "$1" "$2") at ($1, $2), not $3" >&2
  return 1
}
away() { xdotool mousemove $((mx + mw - 40)) $((my + mh - 40)); sleep 0.3; }

# A stroke, then Ctrl+Z.
xdotool mousemove $((mx + 100)) $((my + 100)) mousedown 1
for i in $(seq 1 20); do xdotool mousemove $((mx + 100 + i * 10)) $((my + 100)); sleep 0.02; done
xdotool mouseup 1
away
[[ "$(sheet 200 100)" != ffffff ]] || { echo "the stroke did not paint" >&2; exit 1; }
xdotool key ctrl+z
wait_sheet 200 100 ffffff

# Ctrl+V: a red block on white (the white pastes see-through), dropped with a click.
$PNG make "$WORK/clip.png" 200 200 ffffff ff0000
xclip -selection clipboard -t image/png -i "$WORK/clip.png" &
cleanup_pids+=($!)
sleep 0.5
xdotool mousemove $((mx + 400)) $((my + 300))
sleep 0.2
xdotool key ctrl+v
sleep 0.5
xdotool mousemove $((mx + 402)) $((my + 302))
sleep 0.2
xdotool mousemove $((mx + 400)) $((my + 300)) click 1
away
wait_sheet 400 300 ff0000
wait_sheet 200 100 ffffff

# Ctrl+P with no printer: the printer's own error.
xdotool key ctrl+p
box=$(wait_window "^PINZOLA$")
shot keys_help_print.png
xdotool key Return
wait_gone "^PINZOLA$"

xdotool key ctrl+o
wait_window "^Open a Picture$" > /dev/null
xdotool key Escape
wait_gone "^Open a Picture$"
xdotool key ctrl+s
wait_window "^Enter the name you wish" > /dev/null
click saveuser_Image2  # Cancel: the name window keeps Escape from closing it
wait_gone "^Enter the name you wish"

# Help, where the opener finds nothing.
click TabSet1 80 9
click Image8
guide=$(wait_window "^Pinzola User Guide$")
sleep 1
shot keys_help_guide.png
echo "keys_help: the keys work and the guide shows in Pinzola's own window"
