#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan+UBSan) in BUILD_DIR and runs
# each for FUZZ_SECONDS (default 60), one after the other:
#   fuzz.sh BUILD_DIR [TARGET...]
# Each target starts from its kept inputs (tests/data/fuzz/NAME), its seed
# folders (tests/fuzz/NAME.seeds) and the corpus earlier runs grew in
# BUILD_DIR/corpus/NAME. A failing input lands in BUILD_DIR/crashes/NAME/;
# the run then fails. The summary table goes to BUILD_DIR/fuzz-report.md.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build-fuzz}"
shift || true
seconds="${FUZZ_SECONDS:-60}"
jobs="${JOBS:-$(nproc)}"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINZ_FUZZ=ON > /dev/null
cmake --build "$build" -j "$jobs" --target pinz_fuzzers
build="$(cd "$build" && pwd)"

targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for f in "$build"/fuzz/fuzz_*; do [[ -x "$f" ]] && targets+=("$(basename "$f" | sed 's/^fuzz_//')"); done
fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
report="$build/fuzz-report.md"
{
  echo "| target | seconds | executions | exec/s | corpus | crashes |"
  echo "|---|---:|---:|---:|---:|---:|"
} > "$report"
status=0
for t in "${targets[@]}"; do
  exe="$build/fuzz/fuzz_$t"
  [[ -x "$exe" ]] || { echo "fuzz: no target $t" >&2; status=1; continue; }
  corpus="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  dirs=("$corpus")
  [[ -d "$root/tests/data/fuzz/$t" ]] && dirs+=("$root/tests/data/fuzz/$t")
  if [[ -f "$root/tests/fuzz/$t.seeds" ]]; then
    while read -r s; do [[ -n "$s" && -d "$root/$s" ]] && dirs+=("$root/$s"); done < "$root/tests/fuzz/$t.seeds"
  fi
  dict=()
  [[ -f "$root/tests/fuzz/$t.dict" ]] && dict=(-dict="$root/tests/fuzz/$t.dict")
  log="$build/fuzz-$t.log"
  echo "== fuzz_$t for ${seconds}s"
  set +e
  "$exe" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "${dict[@]}" "${dirs[@]}" > "$log" 2>&1
  rc=$?
  set -e
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  found=$(find "$crashes" -type f | wc -l)
  units=$(find "$corpus" -type f | wc -l)
  echo "| $t | $seconds | ${execs:-?} | ${rate:-?} | $units | $found |" >> "$report"
  if [[ $rc -ne 0 || $found -ne 0 ]]; then
    status=1
    echo "fuzz_$t failed (exit $rc); inputs in $crashes, log in $log" >&2
    grep -m3 -E "ERROR|runtime error|SUMMARY" "$log" >&2 || true
  fi
done
echo
cat "$report"
exit $status
