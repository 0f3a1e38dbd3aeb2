#!/usr/bin/env bash
# A big picture from another program, on the real pinz under Xvfb: a valid
# 6000 x 6000 PNG offered by xclip (more than Qt's own limit for decoded
# images, well within Pinzola's 16000 a side) pastes and drops; a
# 16001 x 8 one is refused with a message.
source "$(dirname "$0")/lib.sh" "$1" "$2"
PNG="python3 $(cd "$(dirname "$0")" && pwd)/pngtool.py"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"
pinz_start "$WORK"
read -r SX SY SW SH < <(widget mapdisp)

fail() {
  echo "paste_large: $*" >&2
  exit 1
}
# offer FILE: puts a PNG on the clipboard (xclip serves it until replaced).
offer() {
  xclip -selection clipboard -t image/png -i "$1" &
  cleanup_pids+=($!)
  sleep 0.5
}

# 1. 6000 x 6000, blue with a red middle half: pastes, the red lands.
$PNG make "$WORK/big.png" 6000 6000 0000ff ff0000
offer "$WORK/big.png"
surface_menu Paste $((SX + 300)) $((SY + 300))
for _ in $(seq 1 15); do
  xdotool search --onlyvisible --name "^PINZOLA$" > /dev/null 2>&1 && fail "a message came instead of the paste"
  sleep 0.2
done
xdotool mousemove $((SX + 310)) $((SY + 300))
sleep 0.5
xdotool mousemove $((SX + 300)) $((SY + 300)) click 1
sleep 1
xdotool mousemove $((SX + SW + 5)) $((SY - 40))  # onto the strip: the sprite goes
sleep 0.5
shot paste_large_dropped.png
[[ "$(pixel $((SX + 300)) $((SY + 300)))" == ff0000 ]] || fail "no red where the big picture was dropped"
[[ "$(pixel $((SX + 20)) $((SY + 20)))" == ff0000 ]] || fail "the red middle half covers the whole view"

# 2. 16001 x 8: a message (its text is checked by the window tests), no paste.
$PNG make "$WORK/wide.png" 16001 8 0000ff ff0000
offer "$WORK/wide.png"
surface_menu Paste $((SX + 300)) $((SY + 300))
box=$(wait_window "^PINZOLA$" 10) || fail "no message for a picture too large"
shot paste_large_refused.png
xdotool windowfocus --sync "$box" 2> /dev/null || true
xdotool key Return
wait_gone "^PINZOLA$"
echo "paste_large: 6000 x 6000 pasted and dropped, 16001 x 8 refused as too large; shots in $E2E_OUT"
