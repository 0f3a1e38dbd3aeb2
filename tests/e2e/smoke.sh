#!/usr/bin/env bash
# Starts the real pinz from its program folder under Xvfb, from another
# working directory, and checks that its window appears with its caption.
source "$(dirname "$0")/lib.sh" "$1" "$2"
start_xvfb
cd /
"$PROG/pinz" 2> /dev/null &
cleanup_pids+=($!)
wait_window "Pinzola -- \(untitled\)" > /dev/null
about=$(wait_window "^PINZOLA$")
shot smoke.png
[[ -s "$E2E_OUT/smoke.png" ]]
# Close the about window; the main window stays.
xdotool key --window "$about" Return
sleep 0.5
wait_window "Pinzola -- \(untitled\)" > /dev/null
echo "smoke: window up, screenshot in $E2E_OUT/smoke.png"
