#!/usr/bin/env bash
# A frame grabbed in the real `pinzfx A`: a numbered test video is opened
# through the real file dialog (its path typed in), stepped to frame 28 with
# the arrow keys, shown at 50 %, 300 % and back at its natural size, and a
# rectangle of the frame copied. After "Return to Pinzola" the clipboard must
# hold that frame: its number is read back from the picture.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/map.txt"

VIDEO=$("$BUILD/bin/pinz-video" make mpeg4_gop50 320 240 100)
cp "$VIDEO" "$WORK/Holiday Clip.AVI"  # a space in the name, the extension in capitals

fx_start A

# display_size W H: waits until the video display has that size.
display_size() {
  local x y w h
  for _ in $(seq 1 50); do
    read -r x y w h < <(widget avidisplay) || true
    [[ "${w:-}" == "$1" && "${h:-}" == "$2" ]] && return 0
    sleep 0.1
  done
  echo "the display is ${w:-?} x ${h:-?}, not $1 x $2" >&2
  return 1
}

click getavibutton
DIALOG=$(wait_window "Get AVI File")
xdotool windowfocus --sync "$DIALOG" 2> /dev/null || true
sleep 0.5
xdotool type --delay 20 "$WORK/Holiday Clip.AVI"
xdotool key Return
display_size 320 240

for _ in $(seq 1 30); do xdotool key Right; done
for _ in 1 2 3; do xdotool key Left; done
sleep 0.5

click avispindown
click avispindown
display_size 160 120
shot fx_video_50.png
click avidefaultsizebutton
display_size 320 240
shot fx_video_100.png
for _ in $(seq 1 8); do click avispinup; done
display_size 960 720
shot fx_video_300.png
click avidefaultsizebutton
display_size 320 240

# A rectangle nearly the whole frame, dragged from bottom right to top left.
read -r dx dy dw dh < <(widget avidisplay)
xdotool mousemove $((dx + dw - 3)) $((dy + dh - 3)) mousedown 1
for i in 1 2 3 4 5 6; do
  xdotool mousemove $((dx + dw - 3 - i * (dw - 6) / 6)) $((dy + dh - 3 - i * (dh - 6) / 6))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3
click avisaveclipbutton
click Button1

wait_pid "$FX" 5
sleep 0.3

xclip -selection clipboard -t image/png -o > "$E2E_OUT/fx_video_clip.png"
read -r cw ch < <(python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(); print(*struct.unpack('>II', d[16:24]))" "$E2E_OUT/fx_video_clip.png")
[[ "$cw" == 314 && "$ch" == 234 ]] || { echo "the clipboard holds $cw x $ch, not 314 x 234" >&2; exit 1; }
frame=$("$BUILD/bin/pinz-video" read "$E2E_OUT/fx_video_clip.png")
[[ "$frame" == 28 ]] || { echo "the clipboard shows frame $frame, not 28" >&2; exit 1; }
echo "fx_video: frame 28 copied and kept on the clipboard"
