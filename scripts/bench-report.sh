#!/usr/bin/env bash
# Runs every benchmark program on an optimised build and writes docs/performance.md: one table
# of the measured ratios next to their targets, with the machine load before and after.
#
#   scripts/bench-report.sh [BUILD_DIR]      (default: build-rel; configured and built here)
#
# Every figure is a ratio to a reference measured in the same run (or a time per call), so
# it holds on a loaded machine, and the median of three rounds of every program; when the load
# changes much during the run, run it again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-rel}"
jobs="${ARMAKON_JOBS:-2}"
out="$root/docs/performance.md"
benches=(bench_drinking_water_sizing bench_heating_sizing bench_vam_file bench_vdi_load bench_load_process
         bench_batch_check)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DARMAKON_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target "${benches[@]}" >/dev/null

mkdir -p "$(dirname "$out")"
results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
# A ratio of two benchmarks of one program is taken from the medians of five repetitions of
# each, run in random order: a phase in which the machine runs slower then falls on both
# sides of the ratio alike instead of on whichever benchmark ran during it.
repeated=(--benchmark_repetitions=5 --benchmark_enable_random_interleaving=true)
# Every program runs in three rounds, and each figure is the median of its three: a round
# that a phase of the machine moved does not decide the table alone.
rounds=3
for round in $(seq "$rounds"); do
  for bench in "${benches[@]}"; do
    echo "running $bench (round $round of $rounds)" >&2
    options=()
    case $bench in
      bench_drinking_water_sizing)
        options=(--benchmark_filter='ThermoDrossel|DrinkingWaterGlobalSearchMix|PlainCandidatePass' "${repeated[@]}") ;;
      bench_heating_sizing) options=(--benchmark_filter='HeatingGlobalSearchMix|PlainCandidatePass' "${repeated[@]}") ;;
      bench_vam_file) options=("${repeated[@]}") ;;
      # The memory figure of the document load is only clean when the catalog load runs alone.
      bench_vdi_load) options=(--benchmark_filter='CatalogMemory|DocumentLoad') ;;
    esac
    "$build/bench/$bench" "${options[@]}" --benchmark_out="$results/$bench.$round.json" --benchmark_out_format=json \
      >"$results/$bench.$round.txt"
  done
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$results" "$out" "$load_before" "$load_after" "$(nproc)" "$rounds" <<'PY'
import functools, json, sys, datetime, statistics
results, out, before, after, cores, rounds = sys.argv[1:7]

@functools.cache  # every figure looks up its benchmarks in the same few files
def runs(bench, rnd):
    # The median of the repetitions where a benchmark was repeated, else its one run.
    with open(f"{results}/{bench}.{rnd}.json") as f:
        found = json.load(f)["benchmarks"]
    single = {b["run_name"].split("/")[0]: b for b in found if b.get("run_type") == "iteration"}
    medians = {b["run_name"].split("/")[0]: b for b in found if b.get("aggregate_name") == "median"}
    return single | medians

def time_ns(bench, name, rnd, real=False):
    b = runs(bench, rnd)[name]
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
    return b["real_time" if real else "cpu_time"] * scale

def counter(bench, name, key, rnd):
    return runs(bench, rnd)[name][key]

dw, hz, vam = "bench_drinking_water_sizing", "bench_heating_sizing", "bench_vam_file"
vdi, lp, bc = "bench_vdi_load", "bench_load_process", "bench_batch_check"
# (what, unit, target, at most, the figure of one round)
figures = [
    ("circulation-valve search (`findThermoDrosselEx`), 100 entries, per call", " µs", 20, True,
     lambda r: time_ns(dw, "BM_ThermoDrossel", r) / 1e3),
    ("drinking-water search mix / plain candidate pass", "x", 25, True,
     lambda r: time_ns(dw, "BM_DrinkingWaterGlobalSearchMix", r) / time_ns(dw, "BM_PlainCandidatePass", r)),
    ("heating search mix / plain candidate pass", "x", 4, True,
     lambda r: time_ns(hz, "BM_HeatingGlobalSearchMix", r) / time_ns(hz, "BM_PlainCandidatePass", r)),
    ("`.vam` load / plain read of the same bytes", "x", 3, True,
     lambda r: time_ns(vam, "BM_LoadVam", r, True) / time_ns(vam, "BM_PlainRead", r, True)),
    ("`.vam` save / plain write of the same bytes", "x", 1.5, True,
     lambda r: time_ns(vam, "BM_SaveVam", r, True) / time_ns(vam, "BM_PlainWrite", r, True)),
    ("record trees / file bytes (200-file catalog)", "", 1.6, True,
     lambda r: counter(vdi, "CatalogMemory", "tree_per_file_byte", r)),
    ("VDI document load / read + line split (throughput, 20 MB)", "", 0.85, False,
     lambda r: counter(vdi, "DocumentLoad", "load_vs_plain", r)),
    ("`armakon load` of a 20 MB sheet-2 file / `wc -l`, whole processes", "x", 10, True,
     lambda r: counter(lp, "LoadProcess", "load_vs_wc", r)),
    ("`armakon load` of a 20 MB sheet-2 file: peak memory / file size", "x", 2, True,
     lambda r: counter(lp, "LoadProcess", "peak_per_file_byte", r)),
    ("batch check of 200 files: 2 workers against 1 (speed-up)", "x", 1.8, False,
     lambda r: counter(bc, "BatchCheck", "speedup", r)),
]

def median(of_round):
    return statistics.median(of_round(r) for r in range(1, int(rounds) + 1))

rows = []
for what, unit, target, at_most, of_round in figures:
    value = median(of_round)
    met = value <= target if at_most else value >= target
    sign = "<=" if at_most else ">="
    rows.append(f"| {what} | {value:.2f}{unit} | {sign} {target:g}{unit} | {'yes' if met else 'no'} |")
peak = median(lambda r: counter(bc, "BatchCheck", "peak_per_largest_file_byte", r))
tree = median(lambda r: counter(bc, "BatchCheck", "peak_per_tree_byte", r))

with open(out, "w") as f:
    f.write("# Performance\n\n")
    f.write("Generated by `scripts/bench-report.sh` from the benchmark programs under `bench/` "
            f"({datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC, {cores} processors, "
            f"load average {before} before and {after} after the run). Each figure is a ratio to a "
            "reference measured in the same run, or a time per call, and the median of "
            f"{rounds} rounds of every program; within a round the sizing searches and the "
            "valve-model files are the medians of five repetitions run in random order.\n\n")
    f.write("| What | Measured | Target | Met |\n|---|---|---|---|\n")
    f.write("\n".join(rows) + "\n\n")
    f.write(f"Batch check, peak resident memory of the whole batch (parent and workers): {peak:.1f} times "
            f"the largest file, {tree:.3f} times the whole tree: bounded by the files in flight.\n")
PY
echo "wrote $out" >&2
