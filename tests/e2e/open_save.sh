#!/usr/bin/env bash
# A child's round trip with the real pinz under Xvfb: open the cat drawing
# through the file menu (SYSTEM page, open/save picture, menu item), fill its
# head with the bucket, save it under a name, reopen the saved picture and
# check on screen that the head kept its colour and the lines stayed black.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
work_dir
# A copy of the program folder, so the saved picture never lands in the build.
cp -r "$PROG" "$WORK/pinzola"
rm -f "$WORK/pinzola/user/"*
export PINZ_WIDGET_MAP="$WORK/map.txt"

cd /
x_start "$WORK/pinz.err" "$WORK/pinzola/pinz"
about=$(wait_window "^PINZOLA$")
sleep 0.5
xdotool mousemove --window "$about" 324 188 click 1
sleep 0.5

widget() {  # NAME: "x y w h" of a visible named control
  local line
  for _ in $(seq 1 50); do
    line=$(grep "^$1 " "$PINZ_WIDGET_MAP" 2> /dev/null | tail -1 || true)
    if [[ -n "$line" ]]; then
      echo "${line#* }"
      return 0
    fi
    sleep 0.1
  done
  echo "control $1 not shown" >&2
  return 1
}
click() {  # NAME [DX DY]
  local x y w h
  read -r x y w h < <(widget "$1")
  xdotool mousemove $((x + ${2:-$((w / 2))})) $((y + ${3:-$((h / 2))})) click 1
  sleep 0.4
}
gone() {  # NAME: waits until the control is no longer shown
  for _ in $(seq 1 50); do
    grep -q "^$1 " "$PINZ_WIDGET_MAP" 2> /dev/null || return 0
    sleep 0.1
  done
  echo "$1 still shown" >&2
  return 1
}
file_menu() {  # N: the N-th item of the file menu
  click Image3
  sleep 0.3
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}

# SYSTEM page, then "Open Pinzola Picture..." and the cat.
click TabSet1 80 9
file_menu 1
click openpic_bmpnames 40 8
xdotool type --delay 60 "cat"
sleep 0.3
click openpic_Image2
gone openpic_bmpnames
wait_window "Pinzola -- using .*/bmps/cat.bmp" > /dev/null

# The bucket from the tool chest, then a click inside the cat's head.
click TabSet1 25 9
click Image2
click Image8
sleep 0.5
read -r mx my mw mh < <(widget mapdisp)
xdotool mousemove $((mx + 400)) $((my + 190)) click 1
sleep 0.5
"$BUILD/bin/pinz-shot" "$E2E_OUT/open_save_filled.png"

# "Save Pinzola Picture As..." under a name with a blank in it.
click TabSet1 80 9
file_menu 4
click saveuser_Edit1
xdotool type --delay 40 "e2e cat"
click saveuser_Image1
wait_window "Pinzola -- e2e cat" > /dev/null
ls -A "$WORK/pinzola/user" > "$WORK/user.txt"
[[ "$(cat "$WORK/user.txt")" == "e2e cat.jpg" ]] || { echo "user/ holds: $(cat "$WORK/user.txt")" >&2; exit 1; }

# Open the cat drawing again so the screen changes, then reopen the save.
file_menu 1
click openpic_bmpnames 40 8
xdotool type --delay 60 "cat"
sleep 0.3
click openpic_Image2
wait_window "Pinzola -- using" > /dev/null
file_menu 2
click openpic_bmpnames 40 8
click openpic_Image2
wait_window "^Pinzola -- e2e cat$" > /dev/null
sleep 0.5
"$BUILD/bin/pinz-shot" "$E2E_OUT/open_save_reopened.png"

# The head is painted in the starting colour (255, 128, 87) within what JPEG
# keeps; the outline of the head stays exactly black after the clean-up.
python3 - "$E2E_OUT/open_save_reopened.png" "$mx" "$my" << 'PY'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n"
pos, idat, w = 8, b"", 0
while pos < len(data):
    n, kind = struct.unpack_from(">I4s", data, pos)
    body = data[pos + 8: pos + 8 + n]
    if kind == b"IHDR":
        w, h, depth, ctype = struct.unpack_from(">IIBB", body)
        assert depth == 8 and ctype in (2, 6), (depth, ctype)
        bpp = 3 if ctype == 2 else 4
    elif kind == b"IDAT":
        idat += body
    pos += 12 + n
raw = zlib.decompress(idat)
stride = w * bpp
rows, prev = [], bytearray(stride)
for y in range(h):
    f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - bpp] if i >= bpp else 0
        b, c = prev[i], (prev[i - bpp] if i >= bpp else 0)
        if f == 1: line[i] = (line[i] + a) & 255
        elif f == 2: line[i] = (line[i] + b) & 255
        elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
def px(x, y):
    return tuple(rows[y][x * bpp: x * bpp + 3])
mx, my = int(sys.argv[2]), int(sys.argv[3])
head = px(mx + 400, my + 190)
print("head", head, "outline", px(mx + 400, my + 141))
assert all(abs(a - b) <= 6 for a, b in zip(head, (255, 128, 87))), f"head is {head}"
# Somewhere on the top of the head's outline there is exact black.
assert any(px(mx + 400, my + y) == (0, 0, 0) for y in range(130, 150)), "no black outline"
assert px(mx + 400, my + 100) == (255, 255, 255), "paper stays white"
PY
echo "open_save: drawing opened, filled, saved as 'e2e cat.jpg' and reopened"
