#!/usr/bin/env bash
# A rectangle copied in the real pinzfx over a dark metafile and over
# lettering: after the copy the view shows, pixel for pixel, what it showed
# before the rectangle was marked, and the clipboard holds exactly that area
# of it (no white frame on the view, no white top row or left column).
source "$(dirname "$0")/lib.sh" "$1" "$2"
CHECK="python3 $(cd "$(dirname "$0")" && pwd)/pixelcheck.py"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/map.txt"

# A dark placeable metafile, 400 x 300 at 96 dpi (shown 200 x 150): a navy
# ground, a brown band and black stripes running under the marked outline.
python3 - "$WORK/NIGHT.WMF" << 'PY'
import struct, sys
recs = []
def rec(fn, *words):
    recs.append(struct.pack("<IH", 3 + len(words), fn) + struct.pack("<%dH" % len(words), *[w & 0xFFFF for w in words]))
def brush(color):
    rec(0x02FC, 0, color & 0xFFFF, color >> 16, 0)
rec(0x020B, 0, 0)                      # window origin
rec(0x020C, 300, 400)                  # window extent
brush(0x402010); rec(0x012D, 0)        # navy (0x00BBGGRR)
rec(0x02FA, 5, 0, 0, 0, 0); rec(0x012D, 1)  # null pen
rec(0x041B, 300, 400, 0, 0)
brush(0x103060); rec(0x012D, 2)        # brown band
rec(0x041B, 200, 400, 100, 0)
brush(0x000000); rec(0x012D, 3)        # black stripes
for x in range(0, 400, 24):
    rec(0x041B, 300, x + 8, 0, x)
rec(0x0000)
body = b"".join(recs)
words = (18 + len(body)) // 2
meta = struct.pack("<HHHIHIH", 1, 9, 0x300, words, 4, max(len(r) // 2 for r in recs), 0)
head = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, 400, 300, 96, 0)
check = 0
for (w,) in struct.iter_unpack("<H", head):
    check ^= w
open(sys.argv[1], "wb").write(head + struct.pack("<H", check) + meta + body)
PY

# copy_rect VIEW RECTBUTTON COPYBUTTON TAG X1 Y1 X2 Y2: marks the rectangle
# (view pixels, dragged from the second corner to the first), copies it and
# checks the view and the clipboard against the view before the marking.
copy_rect() {
  local view=$1 rectb=$2 copyb=$3 tag=$4 x1=$5 y1=$6 x2=$7 y2=$8 vx vy vw vh w h
  click "$rectb"
  read -r vx vy vw vh < <(widget "$view")
  xdotool mousemove 5 5
  sleep 0.5
  "$BUILD/bin/pinz-shot" "$WORK/before.ppm" "$E2E_OUT/fx_rect_copy_${tag}_before.png"
  drag $((vx + x2)) $((vy + y2)) $((vx + x1)) $((vy + y1))
  "$BUILD/bin/pinz-shot" "$WORK/marked.ppm" "$E2E_OUT/fx_rect_copy_${tag}_marked.png"
  # The outline is on the view now.
  if $CHECK same "$WORK/before.ppm" "$WORK/marked.ppm" "$vx" "$vy" "$vw" "$vh" > /dev/null 2>&1; then
    echo "$tag: no outline was drawn" >&2
    return 1
  fi
  click "$copyb"
  xdotool mousemove 5 5
  sleep 0.5
  "$BUILD/bin/pinz-shot" "$WORK/after.ppm" "$E2E_OUT/fx_rect_copy_${tag}_after.png"
  $CHECK same "$WORK/before.ppm" "$WORK/after.ppm" "$vx" "$vy" "$vw" "$vh"
  for _ in $(seq 1 30); do
    xclip -selection clipboard -t image/ppm -o > "$WORK/clip.ppm" 2> /dev/null && [[ -s "$WORK/clip.ppm" ]] && break
    sleep 0.2
  done
  read -r w h < <(head -c 40 "$WORK/clip.ppm" | sed -n 2p)
  [[ "$w $h" == "$((x2 - x1)) $((y2 - y1))" ]] || {
    echo "$tag: the clipboard holds ${w:-nothing} x ${h:-}, not $((x2 - x1)) x $((y2 - y1))" >&2
    return 1
  }
  $CHECK copied "$WORK/before.ppm" "$WORK/clip.ppm" $((vx + x1)) $((vy + y1)) rect
}

# --- the metafile page
fx_start W
click wmfbrowseforfilebutton
d=$(wait_window "^Open$")
xdotool windowfocus --sync "$d" 2> /dev/null || true
sleep 0.5
xdotool type --delay 20 "$WORK/NIGHT.WMF"
xdotool key Return
widget GroupBox5 > /dev/null
sleep 0.5
copy_rect wmfdisplay wmfrectselect wmfsaveclipbutton metafile 20 15 170 130
click Button3
wait_pid "$FX" 5

# --- the text page: large plain lettering, the rectangle's edges cut through it
rm -f "$PINZ_WIDGET_MAP"
fx_start T
click usertext
sleep 0.3
xdotool type --delay 40 "Wombat"
read -r ex ey ew eh < <(widget effectsimage)
click effectsimage $((ew / 12)) $((eh / 2))  # plain lettering
read -r cx cy cw ch < <(widget textpanel)
drag $((cx + 20)) $((cy + 20)) $((cx + 620)) $((cy + 200))
sleep 0.3
copy_rect textpanel textrectselect textsaveclip text 60 50 400 140
click Button2
wait_pid "$FX" 5
echo "fx_rect_copy: the view and the clipboard show the picture without a frame"
