#!/usr/bin/env bash
# A file that is no bitmap in textures/, on the real pinz under Xvfb with
# openbox (closing a message activates the tool chest again): the Texture
# Brush names it once; after OK the chest stays usable, no message comes
# back, and the chest's own OK closes it.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"
start_wm
pinz_start "$WORK"
echo "this is not a bitmap" > "$WORK/pinzola/textures/broken.bmp"
PID=${cleanup_pids[-1]}

fail() {
  echo "chest_broken_texture: $*" >&2
  exit 1
}
MESSAGE="^PINZOLA$"

click TabSet1 25 9
click Image2 # "Tool Chest"
chest=$(wait_window "^Pinzola's Tools$")
sleep 0.5
xdotool mousemove --window "$chest" 253 111 click 1 # the Texture Brush
box=$(wait_window "$MESSAGE" 10) || fail "the unreadable texture was not named"
shot chest_broken_texture_message.png
xdotool windowfocus --sync "$box" 2> /dev/null || true
xdotool key Return
wait_gone "$MESSAGE"
# The chest is active again: no message may follow, now or after the chest
# is left and entered again.
for _ in 1 2; do
  for _ in $(seq 1 15); do
    xdotool search --onlyvisible --name "$MESSAGE" > /dev/null 2>&1 && fail "the message came back"
    sleep 0.2
  done
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name "^Pinzola -- " | head -1)" 2> /dev/null || true
  xdotool windowactivate --sync "$chest" 2> /dev/null || true
done
shot chest_broken_texture_after.png
xdotool mousemove --window "$chest" 470 242 click 1 # OK
wait_gone "^Pinzola's Tools$" || fail "the chest did not close"
kill -0 "$PID" 2> /dev/null || fail "pinz ended"
echo "chest_broken_texture: named once, the chest stayed usable and closed with OK"
