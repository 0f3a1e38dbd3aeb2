#!/usr/bin/env bash
# SVG drawings into Pinzola, as a child (or a parent) brings them, under a
# bare X server: in the real pinz "Import WMF Image..." starts pinzfx; there
# an SVG file (upper-case name) is opened through the file dialog, copied
# whole, "Return to Pinzola" pressed, and Paste and a click drop it into the
# picture. Then another program offers an SVG drawing on the clipboard as
# image/svg+xml (xclip); pinzfx started again retrieves it, and it is copied
# and pasted the same way. Each drawing must show its colours, in place.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
export PINZ_WIDGET_MAP="$WORK/%a.map"
DATA="$(cd "$(dirname "$0")/.." && pwd)/data/svg"
cp "$DATA/house.svg" "$WORK/HOUSE.SVG"
# Three stripes, sized by its viewBox alone: blue, white, red.
cat > "$WORK/flag.svg" << 'SVG'
<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 150 90">
  <rect width="50" height="90" fill="#0055a4"/><rect x="100" width="50" height="90" fill="#ef4135"/>
</svg>
SVG

# near X Y RRGGBB: the screen pixel at (X, Y) is within 24 of the colour in
# every channel.
near() {
  local got want=$3
  got=$(pixel "$1" "$2")
  python3 -c "import sys; a, b = bytes.fromhex(sys.argv[1]), bytes.fromhex(sys.argv[2]); sys.exit(max(abs(x - y) for x, y in zip(a, b)) > 24)" "$got" "$want"
}
# expect X Y RRGGBB WHAT: waits for the colour, then fails naming WHAT.
expect() {
  wait_for 10 near "$1" "$2" "$3" || { echo "$4 at ($1, $2) is $(pixel "$1" "$2"), not $3" >&2; exit 1; }
}

# fx_page: "Import WMF Image..." from pinz's surface menu; waits for pinzfx.
fx_page() {
  surface_menu Import_WMF_Image... 400 450
  wait_window "^PinzFX$" 30 > /dev/null
  for _ in $(seq 1 50); do [[ -s "$(map_of pinzfx)" ]] && break; sleep 0.2; done
}
# copy_whole_and_return: the whole drawing copied, back to Pinzola.
copy_whole_and_return() {
  click_in pinzfx wmfallselect
  click_in pinzfx wmfsaveclipbutton
  click_in pinzfx Button3
  wait_gone "^PinzFX$"
  rm -f "$(map_of pinzfx)"
}
# paste_at X Y: Paste from the surface menu (once the clipboard holds the
# bitmap it is offered) and a click at (X, Y) drops it centred there.
paste_at() {
  local try
  for try in 1 2 3 4 5 6; do
    xdotool mousemove 400 450 click 3
    if widget "menu:Paste" > /dev/null 2>&1; then break; fi
    xdotool key Escape
    [[ $try == 6 ]] && { echo "Paste was never offered" >&2; exit 1; }
  done
  click "menu:Paste"
  xdotool mousemove $(($1 - 20)) $(($2 - 10))
  sleep 0.3
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool click 1
  # Off the picture, so that the pointer's sprite covers nothing of the paste.
  read -r mx my mw mh < <(widget mapdisp)
  xdotool mousemove $((mx + mw - 5)) $((my - 40))
  sleep 0.5
}

pinz_start "$WORK"

# 1. From a file.
fx_page
click_in pinzfx wmfbrowseforfilebutton
wait_window "^Open$" > /dev/null
# Qt's own file dialog: the file name field has the focus.
xdotool type --delay 20 "$WORK/HOUSE.SVG"
xdotool key Return
wait_gone "^Open$"
read -r vx vy vw vh < <(widget_in pinzfx wmfdisplay)
# The drawing at its own size, 240 x 160: sky, wall, door, ground, sun; white
# beyond it.
expect $((vx + 20)) $((vy + 20)) 87ceeb "the sky in pinzfx"
expect $((vx + 80)) $((vy + 90)) ff0000 "the wall in pinzfx"
expect $((vx + 20)) $((vy + 150)) 228b22 "the ground in pinzfx"
expect $((vx + 250)) $((vy + 100)) ffffff "the view beyond the drawing"
shot fx_svg_pinz_fx.png
copy_whole_and_return

DX=500 DY=480
paste_at $DX $DY
# The drawing's middle (120, 80) lies at the drop point.
expect $((DX - 100)) $((DY - 60)) 87ceeb "the pasted sky"
expect $((DX - 40)) $((DY + 10)) ff0000 "the pasted wall"
expect $((DX)) $((DY + 40)) ffff00 "the pasted door"
expect $((DX - 100)) $((DY + 70)) 228b22 "the pasted ground"
expect $((DX + 85)) $((DY - 50)) ffd700 "the pasted sun"
shot fx_svg_pinz_file.png

# 2. From the clipboard, offered by another program.
xclip -selection clipboard -t image/svg+xml -i "$WORK/flag.svg" &
cleanup_pids+=($!)
sleep 0.5
fx_page
click_in pinzfx wmffromclipboardbutt
read -r vx vy vw vh < <(widget_in pinzfx wmfdisplay)
expect $((vx + 25)) $((vy + 45)) 0055a4 "the blue stripe in pinzfx"
expect $((vx + 75)) $((vy + 45)) ffffff "the white stripe in pinzfx"
expect $((vx + 125)) $((vy + 45)) ef4135 "the red stripe in pinzfx"
shot fx_svg_pinz_clip_fx.png
copy_whole_and_return

DX=620 DY=250
paste_at $DX $DY
expect $((DX - 50)) $((DY)) 0055a4 "the pasted blue stripe"
expect $((DX + 50)) $((DY)) ef4135 "the pasted red stripe"
expect $((DX - 50)) $((DY + 40)) 0055a4 "the pasted blue stripe's foot"
shot fx_svg_pinz.png
echo "fx_svg_pinz: an SVG file and an SVG from the clipboard pasted into the picture"
