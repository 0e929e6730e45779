#!/bin/sh
# Speed of vastrel and of the exchange-sort order it writes its events in:
#   (a) the largest part that still fits the 1 MiB file: about 260,000 hits
#       of 100 instruments, many at equal times;
#   (b) 1,999,999 events, which the size of the file refuses;
#   (c) the order alone on 20 million events with frequent ties, and the
#       literal exchange-sort loop on 50,000 events for comparison.
# (a) and (b): median of five runs, wall time and peak resident memory.
#   bench/vastrel.sh [build-dir]      (default build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
work=bench/work/vastrel
mkdir -p "$work"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target vastrel exchange_order_bench >/dev/null

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
rng = random.Random(7)
names = [f"I{i}" for i in range(100)]
with open(f"{work}/drumdef.txt", "w") as f:
    notes = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    f.write("".join(f"{notes[i % 12]}{i // 12 - 2} {name}\n" for i, name in enumerate(names)))
# (a) Every instrument plays sixteenths, eighths and eighth triplets, now
# and then a rest or a hit with a velocity (and its note-off).
steps = ["16", "16", "8", "8 ]3", "16 X", "16 V100"]
events = {"16": 1, "8": 1, "8 ]3": 1, "16 X": 0, "16 V100": 2}
count = 0
with open(f"{work}/fits.txt", "w") as f:
    f.write("ST 120\nSB 4/4\n")
    for name in names:
        line = [rng.choice(steps) for _ in range(2595)]
        count += sum(events[s] for s in line)
        f.write(name + " " + " ".join(line) + "\n")
with open(f"{work}/fits.count", "w") as f:
    f.write(str(count))
# (b) 1,999,999 events: one-tick hits with a velocity, 3,332 to a statement.
with open(f"{work}/refused.txt", "w") as f:
    f.write("ST 120\nSB 4/4\n")
    f.write(("BD" + " 32 ]32 V1" * 3332 + "; BD" + " 32 ]32 V1" * 3332 + "\n") * 150)
    f.write("BD" + " 32 ]32 V1" * 399 + " 32 ]32\n")
with open(f"{work}/drumdef_bd.txt", "w") as f:
    f.write("C1 BD\n")
PY

python3 - "$build/bin" "$work" <<'PY'
import os, shutil, statistics, subprocess, sys, time
bin_dir, work = os.path.abspath(sys.argv[1]), sys.argv[2]
def measure(drumdef, part, want_status):
    shutil.copy(os.path.join(work, drumdef), os.path.join(work, "drumdef.txt"))
    times, peak = [], 0
    for _ in range(5):
        out = os.path.join(work, "out.mid")
        if os.path.exists(out):
            os.remove(out)
        start = time.perf_counter()
        child = subprocess.Popen([os.path.join(bin_dir, "vastrel"), part, "out.mid"], cwd=work,
                                 stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        times.append(time.perf_counter() - start)
        if os.waitstatus_to_exitcode(status) != want_status:
            sys.exit(f"vastrel {part}: status {status}, want {want_status}")
        peak = max(peak, usage.ru_maxrss)
    size = os.path.getsize(os.path.join(work, "out.mid")) if want_status == 0 else 0
    return statistics.median(times), peak, size
shutil.copy(os.path.join(work, "drumdef.txt"), os.path.join(work, "drumdef_kit.txt"))
seconds, peak, size = measure("drumdef_kit.txt", "fits.txt", 0)
events = int(open(os.path.join(work, "fits.count")).read())
print(f"(a) {events} events, file {size} bytes: "
      f"{seconds * 1000:.0f} ms, peak {peak / 1024:.0f} MiB")
seconds, peak, _ = measure("drumdef_bd.txt", "refused.txt", 1)
print(f"(b) 1,999,999 events, refused by the file size: {seconds * 1000:.0f} ms, peak {peak / 1024:.0f} MiB")
PY

echo "(c) the order alone:"
/usr/bin/time -f "    cpu %U s user + %S s system, wall %e s, peak %M KB" \
  "$build/bin/exchange_order_bench" 20000000 1000 50000
