#!/usr/bin/env bash
# Paste from another program and Cut/Paste within Pinzola, on the real pinz
# under Xvfb: a PNG put on the clipboard by xclip is pasted through the
# surface menu and dropped (its uniform blue background goes transparent);
# then the pasted block is selected with the area select, cut, and pasted
# back somewhere else. Pixels are checked on screenshots.
source "$(dirname "$0")/lib.sh" "$1" "$2"
PNG="python3 $(cd "$(dirname "$0")" && pwd)/pngtool.py"
start_xvfb
work_dir

cd /
x_start "$WORK/pinz.err" "$PROG/pinz"
about=$(wait_window "^PINZOLA$")
xdotool mousemove --window "$about" 324 188 click 1
main=$(wait_window "Pinzola -- \(untitled\)")
eval "$(xdotool getwindowgeometry --shell "$main")"
# The drawing surface starts below the 87-pixel control strip.
SX=$X
SY=$((Y + 87))
pixel() { $PNG pixel "$E2E_OUT/$1" $((SX + $2)) $((SY + $3)); }
expect() {  # expect SHOT X Y RRGGBB WHAT
  local got
  got=$(pixel "$1" "$2" "$3")
  if [[ "$got" != "$4" ]]; then
    echo "$5: surface ($2, $3) is $got, expected $4" >&2
    exit 1
  fi
}
# surfacemenu X Y ITEM: right press at a surface point and the ITEM-th entry.
surfacemenu() {
  xdotool mousemove $((SX + $1)) $((SY + $2)) click 3
  sleep 0.6
  for _ in $(seq 1 "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}
# drop X Y: move the placement there and click.
drop() {
  xdotool mousemove $((SX + $1 - 20)) $((SY + $2 - 10))
  sleep 0.2
  xdotool mousemove $((SX + $1)) $((SY + $2))
  sleep 0.2
  xdotool click 1
  sleep 0.4
  xdotool mousemove $((SX + 900)) $((Y + 40))  # onto the strip: the sprite goes
  sleep 0.5
}

# 1. Another program's PNG: 120 x 80, blue with a red middle half.
$PNG make "$WORK/clip.png" 120 80 0000ff ff0000
xclip -selection clipboard -t image/png -i "$WORK/clip.png" &
cleanup_pids+=($!)
sleep 0.5
surfacemenu 300 300 3  # Print Setup..., Print..., Paste
drop 400 300
shot paste_dropped.png
expect paste_dropped.png 400 300 ff0000 "middle of the paste"
expect paste_dropped.png 371 281 ff0000 "top-left of the red block"
expect paste_dropped.png 428 318 ff0000 "bottom-right of the red block"
expect paste_dropped.png 345 265 ffffff "blue background (transparent)"
expect paste_dropped.png 455 335 ffffff "blue background (transparent)"
expect paste_dropped.png 400 250 ffffff "above the paste"

# 2. Area select (tool chest, bottom image), Cut, Paste elsewhere.
xdotool mousemove $((X + 250)) $((Y + 30)) click 1
chest=$(wait_window "^Pinzola's Tools$")
eval "$(xdotool getwindowgeometry --shell "$chest")"
xdotool mousemove $((X + 109)) $((Y + 251)) click 1
sleep 0.6
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((SX + 360)) $((SY + 270)) mousedown 1
sleep 0.1
xdotool mousemove $((SX + 400)) $((SY + 300))
sleep 0.1
xdotool mousemove $((SX + 440)) $((SY + 330))
sleep 0.1
xdotool mouseup 1
sleep 0.6
xdotool key Down Down Return  # Delete, Cut
sleep 0.5
surfacemenu 200 500 3
drop 200 500
shot paste_cut_back.png
expect paste_cut_back.png 400 300 ffffff "the cut place"
expect paste_cut_back.png 200 500 ff0000 "middle of the pasted cut"
expect paste_cut_back.png 171 481 ff0000 "top-left of the pasted cut"
expect paste_cut_back.png 228 518 ff0000 "bottom-right of the pasted cut"
expect paste_cut_back.png 165 475 ffffff "white around the cut (transparent)"
echo "paste_clipboard: PNG from xclip pasted and dropped, cut and pasted back; shots in $E2E_OUT"
