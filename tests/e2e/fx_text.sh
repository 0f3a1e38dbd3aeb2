#!/usr/bin/env bash
# Lettering from PinzFX's text page survives the end of PinzFX: under a bare
# X server (no window manager, no clipboard manager) the real `pinzfx T` is
# started from its program folder, a word is typed, drawn with the drop shadow
# and the whole canvas copied; "Return to Pinzola" ends the program and the
# clipboard must still hold the lettering in the foreground colour.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/map.txt"

fx_start T


click usertext
sleep 0.5
xdotool type --delay 60 "Hello"
sleep 0.3
# The strip holds six samples; the second is the drop shadow.
read -r ex ey ew eh < <(widget effectsimage)
click effectsimage $((ew * 3 / 12)) $((eh / 2))
read -r cx cy cw ch < <(widget textpanel)
xdotool mousemove $((cx + 40)) $((cy + 40)) mousedown 1
for i in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((cx + 40 + i * 40)) $((cy + 40 + i * 10))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.5
"$BUILD/bin/pinz-shot" "$E2E_OUT/fx_text_drawn.png"
click textallselect
click textsaveclip
click Button2

# pinzfx ends by itself after "Return to Pinzola".
wait_pid "$FX" 20
sleep 0.3

xclip -selection clipboard -t TARGETS -o > "$WORK/targets"
grep -qx "image/png" "$WORK/targets" || { echo "no image/png on the clipboard" >&2; cat "$WORK/targets" >&2; exit 1; }
xclip -selection clipboard -t image/png -o > "$E2E_OUT/fx_text_clip.png"
[[ "$(head -c 8 "$E2E_OUT/fx_text_clip.png" | od -An -tx1 | tr -d ' \n')" == "89504e470d0a1a0a" ]]
xclip -selection clipboard -t image/bmp -o > "$WORK/clip.bmp"

# The bitmap is the whole canvas, with the lettering's two colours in it.
python3 - "$WORK/clip.bmp" "$cw" "$ch" << 'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
off, = struct.unpack_from("<I", data, 10)
w, h, _, bpp = struct.unpack_from("<iiHH", data, 18)
want_w, want_h = int(sys.argv[2]), int(sys.argv[3])
assert (w, abs(h)) == (want_w, want_h), f"clipboard bitmap is {w}x{h}, canvas {want_w}x{want_h}"
step = bpp // 8
stride = (w * step + 3) & ~3
count = {}
for y in range(abs(h)):
    row = data[off + y * stride: off + y * stride + w * step]
    for x in range(0, w * step, step):
        bgr = row[x:x + 3]
        count[bgr] = count.get(bgr, 0) + 1
fore = count.get(bytes([97, 45, 128]), 0)    # red 128, green 45, blue 97
shadow = count.get(bytes([136, 200, 38]), 0)  # red 38, green 200, blue 136
print(f"clipboard {w}x{abs(h)}: {fore} foreground, {shadow} shadow pixels")
assert fore > 500, "no lettering in the foreground colour"
assert shadow > 50, "no drop shadow"
PY

# The bitmap is served by the keeper on this display; it ends as soon as another
# program takes the clipboard.
keepers() {
  local p
  for p in $(pgrep -x pinz-clipkeep || true); do
    tr '\0' '\n' < "/proc/$p/environ" 2> /dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$p"
  done
  return 0
}
[[ -n "$(keepers)" ]] || { echo "no clipboard keeper is serving the copy" >&2; exit 1; }
echo "taken" | xclip -selection clipboard -i > /dev/null 2>&1
for _ in $(seq 1 200); do
  [[ -z "$(keepers)" ]] && break
  sleep 0.1
done
[[ -z "$(keepers)" ]] || { echo "the clipboard keeper did not end when the clipboard was taken" >&2; exit 1; }
[[ "$(xclip -selection clipboard -o)" == "taken" ]]
echo "fx_text: lettering kept on the clipboard after pinzfx ended"
