#!/usr/bin/env bash
# Starts Pinzola from the program folder. Without a display it runs under a
# private Xvfb, saves a screenshot into the build folder and says where.
set -euo pipefail
build="${1:-build}"
prog="$(cd "$build/pinzola" && pwd)"
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$prog/pinz"
fi
source "$(dirname "$0")/xvfb.sh"
start_xvfb
trap stop_xvfb EXIT
"$prog/pinz" &
pid=$!
for _ in $(seq 1 50); do
  xdotool search --name "Pinzola" > /dev/null 2>&1 && break
  sleep 0.2
done
sleep 2
shot="$(cd "$build" && pwd)/screenshot.png"
"$build/bin/pinz-shot" "$shot"
echo "No display: Pinzola ran under Xvfb; screenshot saved to $shot"
kill "$pid" 2> /dev/null || true
wait "$pid" 2> /dev/null || true
