#!/usr/bin/env bash
# A frame of a phone video brought into a picture, as a parent does it, under a
# bare X server: in the real pinz "Get AVI Movie Frame..." from the surface
# menu starts pinzfx; there an MP4 recorded sideways (a portrait video with a
# quarter turn in its metadata) is opened through the file dialog, stepped to
# frame 21 with the arrow keys, copied whole, and "Return to Pinzola" pressed;
# back in pinz, Paste and a click drop it. The picture must hold exactly the
# frame pinzfx showed: upright, 240 x 320, pixel for pixel, carrying number 21.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"

VIDEO=$("$BUILD/bin/pinz-video" make-stream mp4 h264b 240 320 40 90)
cp "$VIDEO" "$WORK/IMG_0042.MP4"

to_rgb() { ffmpeg -loglevel error -y -i "$E2E_OUT/$1" -f rawvideo -pix_fmt rgb24 "$WORK/$2"; }
frame_of() {  # PNG X Y W H: the frame number shown in that part of a screenshot
  ffmpeg -loglevel error -y -i "$E2E_OUT/$1" -vf "crop=$4:$5:$2:$3" "$WORK/part.png"
  "$BUILD/bin/pinz-video" read "$WORK/part.png"
}

pinz_start "$WORK"
surface_menu Get_AVI_Movie_Frame... 400 450
wait_window "^PinzFX$" 30 > /dev/null

click_in pinzfx getavibutton
wait_window "Get AVI File" > /dev/null
sleep 0.5
xdotool type --delay 20 "$WORK/IMG_0042.MP4"
xdotool key Return
wait_gone "Get AVI File"
upright() {
  local x y w h
  read -r x y w h < <(widget_in pinzfx avidisplay) || return 1
  [[ "$w" == 240 && "$h" == 320 ]]
}
wait_for 20 upright

for _ in $(seq 1 20); do xdotool key Right; done
read -r vx vy vw vh < <(widget_in pinzfx avidisplay)
shown21() { shot fx_video_pinz_fx.png && [[ "$(frame_of fx_video_pinz_fx.png "$vx" "$vy" 240 320)" == 21 ]]; }
wait_for 20 shown21

click_in pinzfx aviwholeselect
click_in pinzfx avisaveclipbutton
click_in pinzfx Button1
wait_gone "^PinzFX$"

# Back in Pinzola: Paste (offered once the clipboard holds the bitmap), then a
# click drops it centred on the pointer.
for try in 1 2 3 4 5 6; do
  xdotool mousemove 400 450 click 3
  if widget "menu:Paste" > /dev/null 2>&1; then break; fi
  xdotool key Escape
  [[ $try == 6 ]] && { echo "Paste was never offered" >&2; exit 1; }
done
click "menu:Paste"
DROPX=500
DROPY=420
xdotool mousemove $((DROPX - 20)) $((DROPY - 10))
sleep 0.3
xdotool mousemove $DROPX $DROPY
sleep 0.3
xdotool click 1
# Off the picture, so that the pointer's sprite covers nothing of the paste.
read -r mx my mw mh < <(widget mapdisp)
xdotool mousemove $((mx + mw - 5)) $((my - 40))
sleep 0.5
shot fx_video_pinz.png
for _ in $(seq 1 50); do
  cp "$E2E_OUT/fx_video_pinz.png" "$WORK/before.png"
  sleep 0.2
  shot fx_video_pinz.png
  cmp -s "$E2E_OUT/fx_video_pinz.png" "$WORK/before.png" && break
done

to_rgb fx_video_pinz_fx.png fx.rgb
to_rgb fx_video_pinz.png pinz.rgb
read -r ox oy < <(python3 - "$WORK/fx.rgb" "$WORK/pinz.rgb" "$vx" "$vy" "$DROPX" "$DROPY" << 'PY'
import sys
fx, pinz = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
vx, vy, dropx, dropy = map(int, sys.argv[3:7])
W = 1280  # the private X screen's width
def row(img, x, y, n):
    o = (y * W + x) * 3
    return img[o:o + 3 * n]
# The frame's middle goes to the pointer, give or take the rounding of halves.
for oy in range(dropy - 160 - 3, dropy - 160 + 4):
    for ox in range(dropx - 120 - 3, dropx - 120 + 4):
        if all(row(fx, vx, vy + y, 240) == row(pinz, ox, oy + y, 240) for y in range(320)):
            print(ox, oy)
            sys.exit(0)
best = max(((sum(a == b for a, b in zip(row(fx, vx, vy + y, 240), row(pinz, ox, oy + y, 240)))
             for y in range(320)), ox, oy)
           for oy in range(dropy - 163, dropy - 156) for ox in range(dropx - 123, dropx - 116))
sys.exit(f"the picture does not hold the frame exactly (best place {best[1]}, {best[2]}: "
         f"{sum(best[0])} of {240 * 320 * 3} bytes equal)")
PY
)
frame=$(frame_of fx_video_pinz.png "$ox" "$oy" 240 320)
[[ "$frame" == 21 ]] || { echo "the pasted picture shows frame $frame, not 21" >&2; exit 1; }
echo "fx_video_pinz: frame 21 of a sideways phone video pasted upright and exact at ($ox, $oy)"
