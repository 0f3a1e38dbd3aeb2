#!/usr/bin/env bash
# The video track bar in the real `pinzfx A`: while a numbered test video
# plays (at the slowest speed), one click on the track bar's groove, right of
# the handle, stops playback and moves one page (ten frames) towards the
# click; the frame shown then stays put instead of running on to the end.
source "$(dirname "$0")/lib.sh" "$1" "$2"
CHECK="python3 $(cd "$(dirname "$0")" && pwd)/pixelcheck.py"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/map.txt"

VIDEO=$("$BUILD/bin/pinz-video" make mpeg4_gop50 320 240 100)
cp "$VIDEO" "$WORK/clip.avi"

fx_start A
click getavibutton
DIALOG=$(wait_window "Get AVI File")
xdotool windowfocus --sync "$DIALOG" 2> /dev/null || true
sleep 0.5
xdotool type --delay 20 "$WORK/clip.avi"
xdotool key Return
for _ in $(seq 1 50); do
  read -r dx dy dw dh < <(widget avidisplay) || true
  [[ "${dw:-} ${dh:-}" == "320 240" ]] && break
  sleep 0.1
done
[[ "${dw:-} ${dh:-}" == "320 240" ]] || { echo "the video display is ${dw:-?} x ${dh:-?}" >&2; exit 1; }

# shown_frame NAME: the number of the frame on the display now.
shown_frame() {
  "$BUILD/bin/pinz-shot" "$WORK/$1.ppm" "$E2E_OUT/fx_trackbar_$1.png"
  $CHECK crop "$WORK/$1.ppm" "$dx" "$dy" "$dw" "$dh" "$WORK/$1_frame.ppm"
  "$BUILD/bin/pinz-video" read "$WORK/$1_frame.ppm"
}

# The slowest speed: the speed bar's handle dragged from its right end to the left.
read -r sx sy sw sh < <(widget avispeedchange)
xdotool mousemove $((sx + sw - sh - 3)) $((sy + sh / 2)) mousedown 1
for i in 1 2 3 4 5 6; do
  xdotool mousemove $((sx + sw - sh - 3 - i * sw / 5)) $((sy + sh / 2))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3

click aviplaybutton
sleep 0.8
playing=$(shown_frame playing)
echo "playing: frame $playing"
(( playing >= 2 && playing <= 12 )) || { echo "playback shows frame $playing" >&2; exit 1; }

# One click on the groove at three quarters of the bar (the groove runs along
# the bar's upper part; the ticks are below it).
read -r tx ty tw th < <(widget vidtrack)
xdotool mousemove $((tx + tw * 3 / 4)) $((ty + 10)) click 1
sleep 1.6
first=$(shown_frame after_click)
sleep 1.0
second=$(shown_frame later)
echo "after the click: frame $first, a second later: frame $second"
[[ "$first" == "$second" ]] || { echo "the video moved on from frame $first to $second by itself" >&2; exit 1; }
# One page on from wherever playback had got to when the click came (taking
# the screenshot above lets a few frames pass), and nowhere near the end.
(( first >= playing + 10 && first <= 40 )) || {
  echo "frame $first is not one page on from the playing frame (at least $playing)" >&2
  exit 1
}
click Button1
wait_pid "$FX" 5
echo "fx_trackbar: one click on the groove moved one page and stopped"
