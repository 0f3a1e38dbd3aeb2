#!/usr/bin/env bash
# A metafile turned into pixels: under a bare X server the real `pinzfx W` is
# started from its program folder, a WMF (upper-case name) is opened through
# the file dialog, drawn larger, a freehand area around part of it is copied
# and the program ended; the clipboard must hold exactly that area, white
# outside the outline.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/map.txt"
SRC="$(cd "$(dirname "$0")/.." && pwd)/data/metafiles"
cp "$SRC/files/lo_14_grad_pato.wmf" "$WORK/PATO.WMF"

fx_start W


click wmfbrowseforfilebutton
sleep 1
# Qt's own file dialog: the file name field has the focus.
xdotool type --delay 20 "$WORK/PATO.WMF"
xdotool key Return
widget GroupBox5 > /dev/null
sleep 0.5
click wmfspinup  # 125 %: 201 x 201 native becomes 251 x 251
sleep 0.3
"$BUILD/bin/pinz-shot" "$E2E_OUT/fx_metafile_loaded.png"

click wmfirregselect
read -r vx vy vw vh < <(widget wmfdisplay)
# A diamond around the duck's head, inside the picture.
xdotool mousemove $((vx + 100)) $((vy + 60)) mousedown 1
for p in "140 100" "180 140" "140 180" "100 140" "60 100" "60 80" "100 61"; do
  set -- $p
  xdotool mousemove $((vx + $1)) $((vy + $2))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3
click wmfsaveclipbutton
"$BUILD/bin/pinz-shot" "$E2E_OUT/fx_metafile_marked.png"
click Button3

wait_pid "$FX" 5
sleep 0.3

xclip -selection clipboard -t image/bmp -o > "$WORK/clip.bmp"
python3 - "$WORK/clip.bmp" << 'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
off, = struct.unpack_from("<I", data, 10)
w, h, _, bpp = struct.unpack_from("<iiHH", data, 18)
assert (w, abs(h)) == (120, 120), f"clipboard bitmap is {w}x{h}, the outline's box is 120x120"
step = bpp // 8
stride = (w * step + 3) & ~3
def px(x, y):
    row = (abs(h) - 1 - y) if h > 0 else y
    o = off + row * stride + x * step
    return tuple(data[o:o + 3])
white = (255, 255, 255)
for corner in [(0, 0), (w - 1, 0), (0, abs(h) - 1), (w - 1, abs(h) - 1)]:
    assert px(*corner) == white, f"corner {corner} is {px(*corner)}, not white"
dark = sum(1 for y in range(abs(h)) for x in range(w) if max(px(x, y)) < 100)
print(f"clipboard {w}x{abs(h)}: {dark} dark pixels of the drawing")
assert dark > 1000, "the drawing is not in the copied area"
PY
echo "fx_metafile: freehand area of the rendered metafile on the clipboard"
