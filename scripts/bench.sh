#!/usr/bin/env bash
# Runs every benchmark program of the build, then prints one table of every
# benchmark against bench/targets.txt and keeps it as BUILD/bench-report.md.
# The exit status is non-zero when a program fails or a target is missed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
export QT_QPA_PLATFORM=offscreen
out="$build/bench-results"
rm -rf "$out"
mkdir -p "$out"
status=0
for b in "$build"/bench/*; do
  [[ -x "$b" && -f "$b" ]] || continue
  name="$(basename "$b")"
  echo "== $name"
  "$b" --benchmark_min_time=0.2 --benchmark_out="$out/$name.json" --benchmark_out_format=json || status=1
done
echo
python3 "$root/scripts/bench_report.py" "$root/bench/targets.txt" "$build/bench-report.md" "$out"/*.json || status=1
echo "The table is kept in $build/bench-report.md"
exit $status
