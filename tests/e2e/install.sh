#!/usr/bin/env bash
# Installs the built program into a scratch home the way `make install` does,
# checks the program folder, the icons and the desktop entry, starts Pinzola
# through its desktop entry from / under Xvfb, then uninstalls and checks that
# exactly the installed files went and the user's saved picture stayed.
source "$(dirname "$0")/lib.sh" "$1" "$2"
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
scratch="$(mktemp -d)"
trap 'e2e_cleanup; rm -rf "$scratch"; rm -f "$PROG/user/.e2e-install-probe.jpg"' EXIT
export HOME="$scratch/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
prefix="$HOME/.local/opt/pinzola"
fail() { echo "install: $*" >&2; exit 1; }

# A developer's picture in the build's user/ folder must not be shipped.
touch "$PROG/user/.e2e-install-probe.jpg"
bash "$scripts/install.sh" "$BUILD" "$prefix" > /dev/null
rm -f "$PROG/user/.e2e-install-probe.jpg"
[[ ! -e "$prefix/user/.e2e-install-probe.jpg" ]] || fail "the build's saved pictures were installed"

[[ -x "$prefix/pinz" ]] || fail "pinz not installed"
[[ -d "$prefix/user" ]] || fail "no user/ folder"
for f in "$PROG"/*.pzl; do cmp -s "$f" "$prefix/$(basename "$f")" || fail "$(basename "$f") differs"; done
for d in bmps textures palettes clipart docs; do
  [[ "$(ls "$PROG/$d" | wc -l)" == "$(ls "$prefix/$d" | wc -l)" ]] || fail "$d/ not copied completely"
done
[[ -z "$(find "$prefix" -name '*.stamp')" ]] || fail "build stamps were installed"

data="$HOME/.local/share"
entry="$data/applications/pinzola.desktop"
[[ -f "$entry" ]] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
for n in 16 22 24 32 48 64 128 256; do
  png="$data/icons/hicolor/${n}x${n}/apps/pinzola.png"
  [[ -f "$png" ]] || fail "no ${n}x${n} icon"
  # PNG signature, then the IHDR width and height as big-endian words.
  [[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] || fail "$png is not a PNG"
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }')
  [[ "$size" == "${n}x${n}" ]] || fail "$png is $size"
done
grep -qx 'Icon=pinzola' "$entry" || fail "entry names another icon"

# Start it the way a menu does: the Exec line (quotes removed), from /.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
program=$(eval "printf '%s' $exec_line")
[[ "$program" == "$prefix/pinz" ]] || fail "Exec runs '$program'"
start_xvfb
(cd / && exec "$program" 2> /dev/null) &
cleanup_pids+=($!)
wait_window "Pinzola -- \(untitled\)" > /dev/null || fail "installed pinz did not open its window"
wait_window "^PINZOLA$" > /dev/null || fail "installed pinz did not show its about window"
kill "${cleanup_pids[-1]}"
wait "${cleanup_pids[-1]}" 2> /dev/null || true

# The user's work: a saved picture and a changed shipped texture stay.
echo "a child's picture" > "$prefix/user/house.jpg"
first_texture=$(ls "$prefix/textures" | head -1)
if [[ -n "$first_texture" ]]; then
  echo changed >> "$prefix/textures/$first_texture"
fi
bash "$scripts/uninstall.sh" "$prefix" > /dev/null
[[ -f "$prefix/user/house.jpg" ]] || fail "uninstall removed a saved picture"
left=$(cd "$prefix" && find . -type f | sort)
expected="./user/house.jpg"
[[ -n "$first_texture" ]] && expected=$(printf '%s\n' "$expected" "./textures/$first_texture" | sort)
[[ "$left" == "$expected" ]] || fail "uninstall left or removed the wrong files: $left"
[[ ! -e "$entry" ]] || fail "desktop entry left behind"
[[ ! -e "$data/icons" ]] || fail "icon folders left behind"
[[ ! -e "$data/applications" ]] || fail "applications folder left behind"
echo "install: installed, started from the desktop entry and uninstalled; user files kept"
