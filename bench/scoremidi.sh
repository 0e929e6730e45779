#!/bin/sh
# Speed of scoremidi on chord parts as talven2 writes them (four notes a
# statement, each with its velocity, a length and now and then a tie, a
# staccato or a split):
#   (a) 1,000,000 notes: under 1 s and under 200 MB of memory;
#   (b) 4,000,000 notes: under 5 times the time of (a).
# Median of five runs, wall time and peak resident memory.
#   bench/scoremidi.sh [build-dir]      (default build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
work=bench/work/scoremidi
mkdir -p "$work"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target scoremidi >/dev/null

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
rng = random.Random(11)
chords = [["C2", "E2", "G2", "B2"], ["A2", "C3", "E3", "G3"], ["F2", "A2", "C3", "E3"],
          ["G2", "B2", "D3", "F3"], ["D2", "F2#", "A2", "C3"]]
lengths = ["4", "8", "8", "16", "4 S", "8 ]3", "2 &101", "4 DL"]
def part(path, notes):
    lines = ["SB 4/4", "ST 120", "SK 0 0"]
    made = 0
    while made < notes:
        chord = rng.choice(chords)
        v = rng.randint(40, 120)
        lines.append(rng.choice(lengths) + " " + " ".join(f"*{n} V{v}" for n in chord))
        made += len(chord)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")
part(f"{work}/million.txt", 1_000_000)
part(f"{work}/four-million.txt", 4_000_000)
PY

python3 - "$build/bin" "$work" <<'PY'
import os, statistics, subprocess, sys, time
bin_dir, work = os.path.abspath(sys.argv[1]), sys.argv[2]
def measure(part):
    times, cpu, peak = [], [], 0
    for _ in range(5):
        start = time.perf_counter()
        child = subprocess.Popen([os.path.join(bin_dir, "scoremidi"), part, "out.mid"], cwd=work)
        _, status, usage = os.wait4(child.pid, 0)
        times.append(time.perf_counter() - start)
        cpu.append(usage.ru_utime + usage.ru_stime)
        if status != 0:
            sys.exit(f"scoremidi {part}: status {status}")
        peak = max(peak, usage.ru_maxrss // 1024)
    return statistics.median(times), statistics.median(cpu), peak
# On a machine that other work keeps busy the wall time exceeds the time the
# program spends on the processor: both are shown, and the load.
print(f"load average {os.getloadavg()[0]:.1f} on {os.cpu_count()} processors")
one, one_cpu, one_mb = measure("million.txt")
four, four_cpu, four_mb = measure("four-million.txt")
print(f"1,000,000 notes: {one:.3f} s ({one_cpu:.3f} s on the processor), {one_mb} MB")
print(f"4,000,000 notes: {four:.3f} s ({four_cpu:.3f} s on the processor), {four_mb} MB "
      f"({four / one:.2f} times the time)")
ok = one < 1.0 and one_mb < 200 and four < 5 * one
print("goals met" if ok else "goals NOT met: under 1 s and 200 MB, 4 times the notes under 5 times the time")
sys.exit(0 if ok else 1)
PY
