#!/usr/bin/env bash
# Starts the real pinz from its program folder under Xvfb, from another
# working directory, and checks that its window appears with its caption.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
cd /
x_start "$(mktemp)" "$PROG/pinz"
wait_window "Pinzola -- \(untitled\)" > /dev/null
wait_window "^PINZOLA$" > /dev/null
sleep 1
shot smoke.png
[[ -s "$E2E_OUT/smoke.png" ]]
# Close the about window with its OK button; the main window stays.
about=$(wait_window "^PINZOLA$")
xdotool mousemove --window "$about" 324 188 click 1
for _ in $(seq 1 25); do
  xdotool search --onlyvisible --name "^PINZOLA$" > /dev/null 2>&1 || break
  sleep 0.2
done
! xdotool search --onlyvisible --name "^PINZOLA$" > /dev/null 2>&1
wait_window "Pinzola -- \(untitled\)" > /dev/null
echo "smoke: window up, screenshot in $E2E_OUT/smoke.png"
