#!/usr/bin/env bash
# Whole processes against their floors, as a user at a shell sees them:
# wall-clock medians of RUNS interleaved runs (each case and its floor take
# turns, so a busy neighbour slows both alike).
#
#   bench/floor_ratio.sh [RUNS]        (default 21; at least 15)
#
# Cases, each on generated mechanisms (kestrelon_generate):
#   clean 25999   `kestrelon clean` vs sh -c 'cat IN >f1; ...; cat IN >f4'
#   clean 13000   the same at half the size (the growth is the ratio)
#   clean 90      vs `kestrelon --version`
#   compare       `kestrelon compare` of the cal/mol files of a 25,999-line
#                 mechanism and of a copy with 1 % of its A factors changed,
#                 vs `diff` of the same pair
# and the peak resident memory of the 25,999-line run (/usr/bin/time %M).
# The binaries default to the bench preset's build; set KESTRELON and
# GENERATE to time others. Figures are read, never asserted.
set -eu

runs=${1:-21}
root=$(cd "$(dirname "$0")/.." && pwd)
kestrelon=${KESTRELON:-$root/build/bench/kestrelon}
generate=${GENERATE:-$root/build/bench/bench/kestrelon_generate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for n in 90 13000 25999; do
  mkdir -p "$work/$n"
  "$generate" "$n" "$work/$n/mech.inp"
done
# A copy with every hundredth A factor changed by 1 %.
mkdir -p "$work/cmp"
awk '/=/ && /[0-9][eE][+-]?[0-9]/ && ++k % 100 == 0 {
       for (i = NF; i > 0; i--) if ($i ~ /^[0-9.]+[eE][+-]?[0-9]+$/) { $i *= 1.01; break } } 1' \
  "$work/25999/mech.inp" >"$work/cmp/b.inp"
(cd "$work/25999" && "$kestrelon" clean mech.inp --name a --quiet && cp acal.rxn ../cmp/)
(cd "$work/cmp" && "$kestrelon" clean b.inp --name b --quiet)

echo "binary: $kestrelon"
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
/usr/bin/time -f "peak RSS, clean 25999: %M KiB" \
  "$kestrelon" clean "$work/25999/mech.inp" --quiet

python3 - "$kestrelon" "$work" "$runs" <<'EOF'
import os, statistics, subprocess, sys, time

kestrelon, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])

cpu = {}

def run(args, cwd):
    start = time.perf_counter()
    # compare and diff exit 1 when the files differ, as they do here.
    p = subprocess.Popen(args, cwd=cwd, stdout=subprocess.DEVNULL)
    _, _, usage = os.wait4(p.pid, 0)
    wall = time.perf_counter() - start
    cpu.setdefault(tuple(args) + (cwd,), []).append(
        usage.ru_utime + usage.ru_stime)
    return wall

def cat4():
    return ["sh", "-c", "cat mech.inp >f1; cat mech.inp >f2; "
            "cat mech.inp >f3; cat mech.inp >f4"]

cases = {
    "clean 25999": ([kestrelon, "clean", "mech.inp", "--quiet"],
                    cat4(), f"{work}/25999"),
    "clean 13000": ([kestrelon, "clean", "mech.inp", "--quiet"],
                    cat4(), f"{work}/13000"),
    "clean 90": ([kestrelon, "clean", "mech.inp", "--quiet"],
                 [kestrelon, "--version"], f"{work}/90"),
    "compare": ([kestrelon, "compare", "acal.rxn", "bcal.rxn"],
                ["diff", "acal.rxn", "bcal.rxn"], f"{work}/cmp"),
}
times = {name: ([], []) for name in cases}
for name, (args, floor, cwd) in cases.items():  # warm the page cache
    subprocess.run(args, cwd=cwd, stdout=subprocess.DEVNULL)
for _ in range(runs):
    for name, (args, floor, cwd) in cases.items():
        times[name][0].append(run(args, cwd))
        times[name][1].append(run(floor, cwd))

def median(xs):
    return statistics.median(xs) * 1000

print(f"medians of {runs} interleaved runs (ms), wall clock and CPU:")
for name, (t, f) in times.items():
    args, floor, cwd = cases[name]
    ct = median(cpu[tuple(args) + (cwd,)])
    cf = median(cpu[tuple(floor) + (cwd,)])
    print(f"  {name:12s} {median(t):7.1f}   floor {median(f):6.1f}   "
          f"ratio {median(t) / median(f):.2f}   CPU {ct:6.1f} / {cf:5.1f} "
          f"= {ct / cf:.2f}")
print(f"  growth 13000 -> 25999: "
      f"{median(times['clean 25999'][0]) / median(times['clean 13000'][0]):.2f}")
EOF
