#!/bin/sh
# Measures what the document and the start-up cost against doing nothing more:
# MarkupToRtf and a full 50-exercise export against writing the same bytes (host, with
# Google Benchmark), and Zorvi.exe's start-up, as released (stripped, as scripts/release.sh
# makes it), against a one-window program stripped the same way (Wine).
# Usage: scripts/bench.sh        (about a minute)
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/env.sh
need_build_packages
need_packages libbenchmark-dev

echo "== document benchmarks (host, Release)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$ZORVI_JOBS" >/dev/null
json=build/bench/document.json
build/bench/benchmarks/zorvi_bench --benchmark_min_time=0.5 --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true --benchmark_out="$json" --benchmark_out_format=json >/dev/null
python3 - "$json" <<'PY'
import json, sys
rows = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
def show(name, what):
    work, base = rows["BM_" + name]["cpu_time"], rows["BM_" + name + "Baseline"]["cpu_time"]
    unit = rows["BM_" + name]["time_unit"]
    print(f"  {what:42} {work:10.1f} {unit}  vs {base:8.1f} {unit}  ratio {work / base:6.1f}")
show("MarkupToRtf", "MarkupToRtf of five exercise texts")
show("ExportFullBatch", "export of 50 exercises (whole document)")
PY

echo "== start-up under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Zorvi minimal_window startup_bench -j "$ZORVI_JOBS" >/dev/null
folder=build/bench/startup
rm -rf "$folder"
mkdir -p "$folder"
cp build/win64/elements.dat "$folder/"
# The teacher's program carries no symbols nor debugging information: a tenth of the test
# build's size, and so less for Wine to map and read at each start.
for program in Zorvi.exe benchmarks/minimal_window.exe; do
    x86_64-w64-mingw32-strip --strip-all -o "$folder/$(basename "$program")" "build/win64/$program"
done
use_wine_prefix tests
export ZORVI_WINE_DESKTOP=1
windows() { echo "Z:$(pwd)/$1" | tr / '\\'; }
scripts/wine.sh build/win64/benchmarks/startup_bench.exe "$(windows "$folder/Zorvi.exe")" \
    "$(windows "$folder/minimal_window.exe")" "$(windows "$folder")" 10
