#!/usr/bin/env bash
# Screenshots of both programs in one language, to look at the translated
# windows: scripts/lang-shots.sh BUILD_DIR LANG (e.g. de_DE.UTF-8).
# Writes BUILD_DIR/lang-shots/LANG/*.png: the main window, the tool chest, the
# colours window, the file menu, the open and save windows, the quit
# question and the three PinzFX pages.
set -euo pipefail
build="$(cd "${1:?usage: lang-shots.sh BUILD_DIR LANG}" && pwd)"
lang="${2:?usage: lang-shots.sh BUILD_DIR LANG}"
source "$(dirname "$0")/xvfb.sh"
out="$build/lang-shots/${lang%%.*}"
mkdir -p "$out"
work=$(mktemp -d)
pids=()
finish() {
  for p in "${pids[@]:-}"; do [[ -n "$p" ]] && kill "$p" 2> /dev/null; done
  stop_xvfb
  rm -rf "$work"
}
trap finish EXIT
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG="$lang" LC_ALL= LC_MESSAGES= LANGUAGE=
export PINZ_WIDGET_MAP="$work/map-%a.txt"
start_xvfb
openbox --sm-disable > /dev/null 2>&1 &
pids+=($!)
sleep 1
cp -r "$build/pinzola" "$work/pinzola"
rm -f "$work/pinzola/user/"*

shot() { sleep "${2:-0.8}"; "$build/bin/pinz-shot" "$out/$1.png"; }
at() {  # NAME [DX DY]: screen point in a control of pinz
  local line x y w h
  for _ in $(seq 1 50); do
    line=$(grep "^$1 " "$work/map-pinz.txt" 2> /dev/null | tail -1 || true)
    [[ -n "$line" ]] && break
    sleep 0.2
  done
  read -r x y w h <<< "${line#* }"
  echo "$((x + ${2:-$((w / 2))})) $((y + ${3:-$((h / 2))}))"
}
click() { xdotool mousemove $(at "$@") click 1; sleep 0.6; }
wait_name() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 && return 0
    sleep 0.2
  done
  echo "no window $1" >&2
  return 1
}

(cd / && exec "$work/pinzola/pinz") 2> "$work/pinz.err" &
pids+=($!)
wait_name "^PINZOLA$"
shot about
xdotool key Return
sleep 1
wait_name "^Pinzola -- "
shot main
click Image2
shot toolchest
xdotool key Escape
sleep 0.5
click Image1
shot colors
xdotool key Escape
sleep 0.5
click TabSet1 80 9
click Image3
shot filemenu 0.5
xdotool key Down Return
shot open
click openpic_Image3
click Image3
xdotool key Down Down Down Down Return
shot save
click saveuser_Image2
click Image7
shot quit
xdotool key Return
sleep 1

for page in A T W; do
  (cd / && exec "$work/pinzola/pinzfx" "$page") 2> "$work/pinzfx.err" &
  fx=$!
  pids+=($fx)
  wait_name "^PinzFX$"
  shot "fx-$page" 1.5
  kill "$fx" 2> /dev/null || true
  wait "$fx" 2> /dev/null || true
done
echo "screenshots in $out"
