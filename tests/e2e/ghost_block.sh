#!/usr/bin/env bash
# The pointer sprite leaves no block behind: with the sprite over a fresh
# stroke, the pointer goes straight onto the UNDO label (or a zoom image), the
# click there undoes the stroke or zooms, and when the pointer comes back to
# the picture elsewhere, the place where the sprite was shows the picture as
# it now is, never the old block. Under a window manager, as on a desktop.
source "$(dirname "$0")/lib.sh" "$1" "$2"
work_dir
start_xvfb
start_wm
pinz_start "$WORK"

read -r mx my mw mh < <(widget mapdisp)
sheet() { pixel $((mx + $1)) $((my + $2)); }
# old_block_white: every tenth pixel of the block the sprite covered is white.
old_block_white() {
  local x y c
  for y in $(seq 0 8 48); do
    for x in $(seq 0 8 48); do
      c=$(sheet $((bx + x)) $((by + y)))
      [[ "$c" == ffffff ]] || { echo "($((bx + x)), $((by + y))) shows $c" >&2; return 1; }
    done
  done
}

# check TARGET: paint, rest the sprite over the paint, leave onto TARGET and
# click it, come back elsewhere.
check() {
  local target=$1
  drag $((mx + 100)) $((my + 200)) $((mx + 300)) $((my + 200))
  # The water pen's sprite sits 5 left and 43 up from the pointer.
  xdotool mousemove $((mx + 200)) $((my + 230))
  sleep 0.2
  xdotool mousemove $((mx + 201)) $((my + 231))
  sleep 0.5
  bx=196
  by=188
  [[ "$(sheet 250 200)" != ffffff ]] || { echo "no stroke to undo" >&2; return 1; }
  click "$target"
  [[ "$target" == Label2 ]] || click nozoomimage  # back to 1:1 after a zoom
  click Label2  # the picture is white again in every case
  xdotool mousemove $((mx + 500)) $((my + 450))
  sleep 0.3
  xdotool mousemove $((mx + 502)) $((my + 452))
  sleep 0.8
  old_block_white || { shot "ghost_block-$target.png"; echo "$target: a stale block came back (screenshot in $E2E_OUT)" >&2; return 1; }
}
check Label2
check zoomin
check zoomout
echo "ghost_block: no stale sprite block after leaving onto the UNDO label or a zoom image"
