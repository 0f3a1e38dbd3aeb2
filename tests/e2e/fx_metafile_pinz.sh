#!/usr/bin/env bash
# The metafile round trip as a child makes it, under a bare X server (no
# window manager, no clipboard manager): in the real pinz "Import WMF Image..."
# from the surface menu starts pinzfx; there a WMF is opened through the file
# dialog, drawn at 125 %, a freehand loop cutting through the drawing copied,
# and "Return to Pinzola" pressed; back in pinz, Paste and a click drop it.
# The picture must show the drawing's pixels inside the loop and the sheet's
# white outside it, where the drawing had ink too.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
WORK=$(mktemp -d)
cleanup_round() { e2e_cleanup; rm -rf "$WORK" || true; }
trap cleanup_round EXIT
export PINZ_WIDGET_MAP="$WORK/%a.map"
SRC="$(cd "$(dirname "$0")/.." && pwd)/data/metafiles"
cp "$SRC/files/lo_14_grad_pato.wmf" "$WORK/PATO.WMF"

dark() { [[ "$(pixel "$1" "$2")" =~ ^[0-5][0-9a-f][0-5][0-9a-f][0-5][0-9a-f]$ ]]; }
white() { [[ "$(pixel "$1" "$2")" == ffffff ]]; }
window_shown() { xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; }
to_rgb() { ffmpeg -loglevel error -y -i "$E2E_OUT/$1" -f rawvideo -pix_fmt rgb24 "$WORK/$2"; }

cd /
E2E_MAP="$WORK/pinz.map"
x_start "$WORK/pinz.err" "$PROG/pinz"
wait_window "Pinzola -- \(untitled\)" 30 > /dev/null
wait_window "^PINZOLA$" > /dev/null
click BitBtn1
wait_gone "^PINZOLA$"

# The surface menu on the picture (the picture lies under the control strip).
xdotool mousemove 400 450 click 3
click "menu:Import_WMF_Image..."
wait_window "^PinzFX$" 30 > /dev/null

E2E_MAP="$WORK/pinzfx.map"
click wmfbrowseforfilebutton
wait_window "^Open$" > /dev/null
# Qt's own file dialog: the file name field has the focus.
xdotool type --delay 20 "$WORK/PATO.WMF"
xdotool key Return
wait_gone "^Open$"
read -r vx vy vw vh < <(widget wmfdisplay)
# 100 % draws the duck 201 x 201; 125 % reaches past 201 at the lower right.
wait_for 20 dark $((vx + 100)) $((vy + 100))
click wmfspinup
wait_for 20 dark $((vx + 230)) $((vy + 235))
shot fx_metafile_pinz_fx.png

click wmfirregselect
# A diamond whose corners cut off the dark head: the box around it holds ink
# outside the loop. Each side is walked in steps, and the corners are held a
# moment, so that a motion event merged away under load loses no corner.
corners=("100 60" "180 140" "100 220" "20 140" "100 60")
xdotool mousemove $((vx + 100)) $((vy + 60)) mousedown 1
for i in 0 1 2 3; do
  read -r x0 y0 <<< "${corners[i]}"
  read -r x1 y1 <<< "${corners[i + 1]}"
  for s in 1 2 3 4; do
    xdotool mousemove $((vx + x0 + (x1 - x0) * s / 4)) $((vy + y0 + (y1 - y0) * s / 4))
    sleep 0.05
  done
  sleep 0.2
done
xdotool mouseup 1
sleep 0.3
click wmfsaveclipbutton
click Button3
wait_gone "^PinzFX$"

# Back in Pinzola: Paste (offered once the clipboard holds the bitmap), then a
# click drops it centred on the pointer.
E2E_MAP="$WORK/pinz.map"
for try in 1 2 3 4 5 6; do
  xdotool mousemove 400 450 click 3
  if widget "menu:Paste" > /dev/null 2>&1; then break; fi
  xdotool key Escape
  [[ $try == 6 ]] && { echo "Paste was never offered" >&2; exit 1; }
done
click "menu:Paste"
DROPX=500
DROPY=500
xdotool mousemove $((DROPX - 20)) $((DROPY - 10))
sleep 0.3
xdotool mousemove $DROPX $DROPY
sleep 0.3
xdotool click 1
# Off the picture, so that the pointer's sprite covers nothing of the paste.
read -r mx my mw mh < <(widget mapdisp)
xdotool mousemove $((mx + mw - 5)) $((my - 40))
# The head below the left eye (view point (60, 160)) lies 40 left of and 20
# below the box's middle.
wait_for 20 dark $((DROPX - 40)) $((DROPY + 20))
# Until the sprite has left and the screen is still.
shot fx_metafile_pinz.png
for _ in $(seq 1 50); do
  cp "$E2E_OUT/fx_metafile_pinz.png" "$WORK/before.png"
  sleep 0.2
  shot fx_metafile_pinz.png
  cmp -s "$E2E_OUT/fx_metafile_pinz.png" "$WORK/before.png" && break
done

to_rgb fx_metafile_pinz_fx.png fx.rgb
to_rgb fx_metafile_pinz.png pinz.rgb
python3 - "$WORK/fx.rgb" "$WORK/pinz.rgb" "$vx" "$vy" "$DROPX" "$DROPY" << 'PY'
import sys
fx, pinz = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
vx, vy, dropx, dropy = map(int, sys.argv[3:7])
W = 1280  # the private X screen's width
def px(img, x, y):
    o = (y * W + x) * 3
    return img[o:o + 3]
loop = [(100, 60), (180, 140), (100, 220), (20, 140)]
def inside(x, y):
    c = False
    for (x0, y0), (x1, y1) in zip(loop, loop[1:] + loop[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (x1 - x0) * (y - y0) / (y1 - y0):
            c = not c
    return c
def edge_distance(x, y):
    best = 1e9
    for (x0, y0), (x1, y1) in zip(loop, loop[1:] + loop[:1]):
        dx, dy = x1 - x0, y1 - y0
        t = max(0, min(1, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        best = min(best, ((x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2) ** 0.5)
    return best
# Points of the loop's box, at least 4 pixels from the outline (its pixels
# may go either way), in view coordinates.
ins, outs = [], []
for y in range(60, 221):
    for x in range(20, 181):
        if edge_distance(x + 0.5, y + 0.5) < 4:
            continue
        (ins if inside(x + 0.5, y + 0.5) else outs).append((x, y))
def close(a, b):
    return max(abs(a[i] - b[i]) for i in range(3)) <= 40
# Where the paste landed: the box's middle goes to the pointer, give or take
# the rounding of half sizes.
best = None
for oy in range(dropy - 80 - 4, dropy - 80 + 5):
    for ox in range(dropx - 80 - 4, dropx - 80 + 5):
        same = sum(1 for x, y in ins[::7] if close(px(fx, vx + x, vy + y), px(pinz, ox + x - 20, oy + y - 60)))
        if best is None or same > best[0]:
            best = (same, ox, oy)
_, ox, oy = best
inside_same = sum(1 for x, y in ins if close(px(fx, vx + x, vy + y), px(pinz, ox + x - 20, oy + y - 60)))
inside_ink = sum(1 for x, y in ins if max(px(fx, vx + x, vy + y)) < 100)
outside_ink = [(x, y) for x, y in outs if max(px(fx, vx + x, vy + y)) < 100]
outside_white = sum(1 for x, y in outs if px(pinz, ox + x - 20, oy + y - 60) == b"\xff\xff\xff")
print(f"paste at ({ox}, {oy}): {inside_same}/{len(ins)} pixels inside the loop as drawn "
      f"({inside_ink} of them ink); {outside_white}/{len(outs)} outside white, "
      f"{len(outside_ink)} of which were ink in pinzfx")
assert inside_ink > 2000, "the loop holds too little of the drawing to tell anything"
assert len(outside_ink) > 500, "the box outside the loop holds too little ink to tell anything"
assert inside_same >= 0.98 * len(ins), "the picture does not show the drawing inside the loop"
assert outside_white == len(outs), "outside the loop the picture is not the sheet's white"
# Around the box the sheet is untouched.
for x, y in [(ox - 30, oy + 80), (ox + 200, oy + 80), (ox + 80, oy - 30), (ox + 80, oy + 190)]:
    assert px(pinz, x, y) == b"\xff\xff\xff", f"({x}, {y}) beside the paste is not white"
PY
echo "fx_metafile_pinz: freehand area of a metafile pasted into the picture"
