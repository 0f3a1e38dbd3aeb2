#!/usr/bin/env bash
# Runs every benchmark program of the build.
set -euo pipefail
build="${1:-build}"
export QT_QPA_PLATFORM=offscreen
status=0
for b in "$build"/bench/*; do
  [[ -x "$b" && -f "$b" ]] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2 || status=1
done
exit $status
