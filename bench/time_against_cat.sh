#!/usr/bin/env bash
# Times the whole `kestrelon clean` process on a mechanism file against the
# floor of copying that file four times with cat (a run reads its input and
# writes about four files of its size):
#
#   bench/time_against_cat.sh FILE [RUNS] [OPTIONS...]
#
# e.g. bench/time_against_cat.sh creck.CKI 21 --permissive. Each run starts
# from a fresh directory holding only a copy of FILE; one untimed run of
# each warms the page cache, then the two take turns RUNS times. Prints the
# median and least wall and CPU time (user + system) of both and the ratio
# of the medians. KESTRELON names the binary (default: the bench preset's
# build). Needs python3.
set -eu

file=$(realpath "$1")
runs=${2:-21}
shift $(($# < 2 ? $# : 2))
root=$(cd "$(dirname "$0")/.." && pwd)
kestrelon=${KESTRELON:-$root/build/bench/kestrelon}
echo "binary: $kestrelon"
echo "input: $file, $(stat -c %s "$file") bytes, $(wc -l <"$file") lines"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$kestrelon" "$file" "$work" "$runs" "$@" <<'PY'
import os, shutil, statistics, sys, time

binary, source, work, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
options = sys.argv[5:]
name = os.path.basename(source)
cat = ["/bin/sh", "-c", "cat %s >f1; cat %s >f2; cat %s >f3; cat %s >f4" % ((name,) * 4)]
clean = [binary, "clean", name, "--quiet"] + options

def one_run(argv):
    shutil.rmtree(work)
    os.mkdir(work)
    shutil.copy(source, os.path.join(work, name))
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.chdir(work)
        os.execv(argv[0], argv)
    _, status, usage = os.wait4(pid, 0)
    wall = (time.perf_counter() - start) * 1e3
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("%s failed with status %d" % (argv[0], status))
    return wall, (usage.ru_utime + usage.ru_stime) * 1e3

cases = (("cat floor", cat), ("kestrelon", clean))
for _, argv in cases:
    one_run(argv)
# The two take turns, so that a busy neighbour slows both alike.
samples = {label: [] for label, _ in cases}
for _ in range(runs):
    for label, argv in cases:
        samples[label].append(one_run(argv))
results = {}
for label, _ in cases:
    walls, cpus = zip(*samples[label])
    results[label] = statistics.median(walls), statistics.median(cpus)
    print("%-10s wall ms median %7.1f least %7.1f | cpu ms median %7.1f least %7.1f"
          % (label, statistics.median(walls), min(walls),
             statistics.median(cpus), min(cpus)))
(fw, fc), (kw, kc) = results["cat floor"], results["kestrelon"]
print("ratio of the medians: wall %.2f, cpu %.2f" % (kw / fw, kc / max(fc, 1e-9)))
PY
