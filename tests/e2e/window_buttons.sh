#!/usr/bin/env bash
# The border buttons the windows ask the window manager for (the Motif hints
# every X window manager reads), under openbox: the about window asks for
# none at all, the tool chest for the window menu and its close only (no
# minimise, no maximise). Some window managers draw their own buttons
# whatever a window asks, so the hints are checked, not the frame.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
start_wm
work_dir

# hints ID: prints "FLAGS FUNCTIONS DECORATIONS" of a window's _MOTIF_WM_HINTS.
hints() {
  local line
  line=$(xprop -id "$1" _MOTIF_WM_HINTS 2> /dev/null || true)
  [[ "$line" == *"="* ]] || { echo "window $1 sets no Motif hints: $line" >&2; return 1; }
  line=${line#*= }
  echo "$line" | tr -d ',' | awk '{ printf "%d %d %d\n", $1, $2, $3 }'
}
# allowed FLAGS FUNCTIONS DECORATIONS: prints what the window manager may
# offer, as words, by the Motif rules (a missing part allows everything; the
# "all" bit turns the list into what is taken away).
allowed() {
  python3 - "$@" << 'PY'
import sys
flags, funcs, decor = (int(a) for a in sys.argv[1:4])
def effective(present, value, names):
    if not present: return set(names.values())
    bits = {n for b, n in names.items() if value & b}
    return set(names.values()) - bits if value & 1 else bits
f = effective(flags & 1, funcs, {2: "resize", 4: "move", 8: "minimize", 16: "maximize", 32: "close"})
d = effective(flags & 2, decor, {2: "border", 4: "resizeh", 8: "title", 16: "menu", 32: "minbutton", 64: "maxbutton"})
# A button shows only when both its decoration and its function are allowed.
words = []
if "menu" in d: words.append("menu")
if "close" in f: words.append("close")
if "minbutton" in d and "minimize" in f: words.append("minimize")
if "maxbutton" in d and "maximize" in f: words.append("maximize")
print(" ".join(words) or "none")
PY
}

pinz_dir="$WORK"
cp -r "$PROG" "$pinz_dir/pinzola"
(cd / && exec "$pinz_dir/pinzola/pinz") 2> "$WORK/pinz.err" &
cleanup_pids+=($!)
about=$(wait_window "^PINZOLA$" 30)
sleep 0.5
read -r f fn d < <(hints "$about")
got=$(allowed "$f" "$fn" "$d")
echo "about window: hints $f $fn $d -> $got"
[[ "$got" == "none" ]] || { echo "the about window asks for border buttons: $got" >&2; exit 1; }
shot window_buttons_about.png
click BitBtn1
wait_gone "^PINZOLA$"
wait_window "^Pinzola -- \(untitled\)$" > /dev/null

click Image2
chest=$(wait_window "^Pinzola's Tools$")
sleep 0.5
read -r f fn d < <(hints "$chest")
got=$(allowed "$f" "$fn" "$d")
echo "tool chest: hints $f $fn $d -> $got"
[[ "$got" == "menu close" ]] || { echo "the tool chest asks for '$got', not the window menu only" >&2; exit 1; }
shot window_buttons_chest.png
xdotool key Escape
echo "window_buttons: the about window asks for no buttons, the tool chest for its menu only"
