#!/usr/bin/env bash
# Times the whole `kestrelon clean` process on a generated mechanism:
# start-up, the run and exit, as a user at a shell sees it.
#
#   bench/time_process.sh [LINES] [RUNS]
#
# LINES is the size of the working table the mechanism fills (default
# 25999, the largest), RUNS the number of timed runs (default 21), after one
# untimed run that warms the page cache. Each run starts from the input
# alone (the files of the previous run are removed first). Prints the
# median and the least of the wall-clock time, the CPU time (user + system)
# and the minor page faults, and the largest peak resident memory.
#
# The binaries default to the bench preset's build; set KESTRELON and
# GENERATE to time others, and OPTIONS to add options to the command line
# (OPTIONS=--permissive past 25,999 lines). Needs python3 (for wait4's
# resource usage).
set -eu

lines=${1:-25999}
runs=${2:-21}
root=$(cd "$(dirname "$0")/.." && pwd)
kestrelon=${KESTRELON:-$root/build/bench/kestrelon}
generate=${GENERATE:-$root/build/bench/bench/kestrelon_generate}

for bin in "$kestrelon" "$generate"; do
  if [[ ! -x $bin ]]; then
    echo "missing $bin: cmake --preset bench && cmake --build --preset bench" >&2
    exit 1
  fi
done

qt=$(ldd "$kestrelon" | grep -ci 'qt' || true)
echo "binary: $kestrelon ($qt Qt libraries linked)"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" "$lines" "$work/mech.inp"
echo "input: $lines table lines, $(stat -c %s "$work/mech.inp") bytes"

python3 - "$kestrelon" "$work" "$runs" ${OPTIONS:-} <<'EOF'
import os, statistics, sys, time

binary, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
args = [binary, "clean", "mech.inp", "--quiet"] + sys.argv[4:]

def clean_outputs():
    for name in os.listdir(work):
        if name != "mech.inp":
            os.remove(os.path.join(work, name))

def one_run():
    clean_outputs()
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.chdir(work)
        os.execv(binary, args)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("kestrelon failed with status %d" % status)
    return (wall * 1e3, (usage.ru_utime + usage.ru_stime) * 1e3,
            usage.ru_maxrss / 1024.0, usage.ru_minflt)

one_run()
samples = [one_run() for _ in range(runs)]
walls, cpus, rss, faults = zip(*samples)
print("runs: %d" % runs)
print("wall ms:      median %6.1f   least %6.1f" %
      (statistics.median(walls), min(walls)))
print("cpu ms:       median %6.1f   least %6.1f   (user + system)" %
      (statistics.median(cpus), min(cpus)))
print("page faults:  median %6d   least %6d" %
      (statistics.median(faults), min(faults)))
print("peak memory:  %.1f MiB (largest of the runs)" % max(rss))
EOF
