#!/usr/bin/env bash
# The lettering round trip as a child makes it, under a bare X server (no
# window manager, no clipboard manager): in the real pinz "Insert Text..." from
# the surface menu starts pinzfx; there a word is typed, drawn with the drop
# shadow, a rectangle around it copied, and "Return to Pinzola" pressed; back
# in pinz, Paste and a click drop it, and the picture shows the lettering's
# foreground colour.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
WORK=$(mktemp -d)
cleanup_round() { e2e_cleanup; rm -rf "$WORK" || true; }
trap cleanup_round EXIT
export PINZ_WIDGET_MAP="$WORK/%a.map"

# widget MAP NAME: prints "x y w h" of a named widget (or menu:Item) once shown.
widget() {
  local line
  for _ in $(seq 1 100); do
    line=$(grep -F -- "$2 " "$WORK/$1.map" 2> /dev/null | grep "^$2 " | head -1 || true)
    if [[ -n "$line" ]]; then
      echo "${line#* }"
      return 0
    fi
    sleep 0.1
  done
  echo "$2 not shown by $1" >&2
  return 1
}
# click MAP NAME [DX DY]
click() {
  local x y w h
  read -r x y w h < <(widget "$1" "$2")
  xdotool mousemove $((x + ${3:-$((w / 2))})) $((y + ${4:-$((h / 2))})) click 1
  sleep 0.3
}
drag() {  # drag X1 Y1 X2 Y2 (screen)
  xdotool mousemove "$1" "$2" mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.4
}

cd /
"$PROG/pinz" 2> "$WORK/pinz.err" &
cleanup_pids+=($!)
wait_window "Pinzola -- \(untitled\)" > /dev/null
# The about window of the first paint: its OK button.
wait_window "^PINZOLA$" > /dev/null
click pinz BitBtn1
wait_gone "^PINZOLA$"

# The surface menu on the picture (the picture lies under the control strip).
xdotool mousemove 400 450 click 3
click pinz "menu:Insert_Text..."
wait_window "^PinzFX$" 30 > /dev/null

click pinzfx usertext
sleep 0.5
xdotool type --delay 60 "Hello"
sleep 0.3
read -r ex ey ew eh < <(widget pinzfx effectsimage)
click pinzfx effectsimage $((ew * 3 / 12)) $((eh / 2))
read -r cx cy cw ch < <(widget pinzfx textpanel)
drag $((cx + 40)) $((cy + 40)) $((cx + 340)) $((cy + 120))
click pinzfx textrectselect
drag $((cx + 20)) $((cy + 20)) $((cx + 380)) $((cy + 260))
click pinzfx textsaveclip
click pinzfx Button2
for _ in $(seq 1 200); do
  [[ -z "$(xdotool search --onlyvisible --name "^PinzFX$" 2> /dev/null || true)" ]] && break
  sleep 0.1
done
sleep 0.5

# Back in Pinzola: Paste, then a click places it on the picture.
xdotool mousemove 400 450 click 3
click pinz "menu:Paste"
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
