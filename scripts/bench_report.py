#!/usr/bin/env python3
"""Turns the JSON output of the benchmark programs into one table against
bench/targets.txt:  bench_report.py TARGETS OUT.md RESULT.json..."""
import json
import re
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def read_targets(path):
    rules = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            pattern, metric, limit, what = line.split(None, 3)
            rules.append((re.compile(pattern + r"\Z"), metric, float(limit), what))
    return rules


def fmt(ms):
    if ms is None:
        return ""
    if ms < 0.1:
        return f"{ms * 1000:.1f} µs"
    if ms < 10:
        return f"{ms:.2f} ms"
    return f"{ms:.1f} ms"


def main():
    rules = read_targets(sys.argv[1])
    out_path = sys.argv[2]
    rows, others, load = [], [], []
    misses = 0
    for result in sys.argv[3:]:
        try:
            with open(result, encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, ValueError) as e:
            rows.append((result, "", "", "", "", "", f"no results ({e})"))
            misses += 1
            continue
        program = result.rsplit("/", 1)[-1].removesuffix(".json")
        load.append(data.get("context", {}).get("load_avg", []))
        for b in data.get("benchmarks", []):
            if b.get("run_type") == "aggregate":
                continue
            name = b["name"]
            if b.get("error_occurred"):
                rows.append((program, name, "", "", "", "", "error: " + b.get("error_message", "")))
                misses += 1
                continue
            scale = TO_MS.get(b.get("time_unit", "ns"), 1e-6)
            wall, cpu = b["real_time"] * scale, b["cpu_time"] * scale
            seen = set()
            for pattern, metric, limit, what in rules:
                if metric in seen or not pattern.match(name):
                    continue
                seen.add(metric)
                if metric == "time":
                    value, label = wall, "wall"
                    cpu_shown = fmt(cpu)
                else:
                    value, label = b.get(metric), metric
                    cpu_shown = ""
                    if value is None:
                        rows.append((program, name, what, label, "", fmt(limit), "counter missing"))
                        misses += 1
                        continue
                ok = value <= limit
                misses += 0 if ok else 1
                rows.append((program, name, what, label + " " + fmt(value), cpu_shown, fmt(limit),
                             "met" if ok else "**missed**"))
            if not seen:
                others.append((program, name, fmt(wall), fmt(cpu)))
    with open(out_path, "w", encoding="utf-8") as f:
        f.write("# Benchmarks against their targets\n\n")
        if load:
            f.write("Load average at the start of each program: "
                    + "; ".join(" ".join(f"{x:.1f}" for x in l) for l in load if l) + "\n\n")
        f.write(f"{sum(1 for r in rows if r[6] == 'met')} of {len(rows)} targets met.\n\n")
        f.write("| program | benchmark | what | measured | CPU | target | verdict |\n")
        f.write("|---|---|---|---:|---:|---:|---|\n")
        for r in rows:
            f.write("| " + " | ".join(r) + " |\n")
        if others:
            f.write("\nWithout a target (figures only):\n\n| program | benchmark | wall | CPU |\n|---|---|---:|---:|\n")
            for r in others:
                f.write("| " + " | ".join(r) + " |\n")
    with open(out_path, encoding="utf-8") as f:
        print(f.read())
    return 1 if misses else 0


if __name__ == "__main__":
    sys.exit(main())
