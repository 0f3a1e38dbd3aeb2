#!/usr/bin/env bash
# The lettering round trip as a child makes it, under a bare X server (no
# window manager, no clipboard manager): in the real pinz "Insert Text..." from
# the surface menu starts pinzfx; there a word is typed, drawn with the drop
# shadow, a rectangle around it copied, and "Return to Pinzola" pressed; back
# in pinz, Paste and a click drop it, and the picture shows the lettering's
# foreground colour.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"

cd /
x_start "$WORK/pinz.err" "$PROG/pinz"
wait_window "Pinzola -- \(untitled\)" > /dev/null
# The about window of the first paint: its OK button.
wait_window "^PINZOLA$" > /dev/null
click BitBtn1
wait_gone "^PINZOLA$"

# The surface menu on the picture (the picture lies under the control strip).
xdotool mousemove 400 450 click 3
click "menu:Insert_Text..."
wait_window "^PinzFX$" 30 > /dev/null

click_in pinzfx usertext
sleep 0.5
xdotool type --delay 60 "Hello"
sleep 0.3
read -r ex ey ew eh < <(widget_in pinzfx effectsimage)
click_in pinzfx effectsimage $((ew * 3 / 12)) $((eh / 2))
read -r cx cy cw ch < <(widget_in pinzfx textpanel)
drag $((cx + 40)) $((cy + 40)) $((cx + 340)) $((cy + 120))
click_in pinzfx textrectselect
drag $((cx + 20)) $((cy + 20)) $((cx + 380)) $((cy + 260))
click_in pinzfx textsaveclip
click_in pinzfx Button2
for _ in $(seq 1 200); do
  [[ -z "$(xdotool search --onlyvisible --name "^PinzFX$" 2> /dev/null || true)" ]] && break
  sleep 0.1
done
sleep 0.5

# Back in Pinzola: Paste, then a click places it on the picture.
xdotool mousemove 400 450 click 3
click "menu:Paste"
sleep 0.5
xdotool mousemove 380 460
sleep 0.3
xdotool mousemove 400 480
sleep 0.3
xdotool click 1
sleep 0.8
shot fx_text_pinz.png
ffmpeg -loglevel error -y -i "$E2E_OUT/fx_text_pinz.png" -f rawvideo -pix_fmt rgb24 "$WORK/shot.rgb"
python3 - "$WORK/shot.rgb" << 'PY'
import sys
data = open(sys.argv[1], "rb").read()
pix = [data[i:i + 3] for i in range(0, len(data), 3)]
fore = sum(1 for p in pix if p == bytes([128, 45, 97]))
shadow = sum(1 for p in pix if p == bytes([38, 200, 136]))
print(f"picture after the paste: {fore} foreground, {shadow} shadow pixels")
assert fore > 500, "the lettering did not arrive in the picture"
assert shadow > 50, "the drop shadow did not arrive in the picture"
PY
echo "fx_text_pinz: lettering made in pinzfx pasted into the picture"
