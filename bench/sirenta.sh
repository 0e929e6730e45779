#!/bin/sh
# Speed of sirenta with the bundled template:
#   (a) a long part: 998,898 records, 399,200 of them notes with all eight
#       control curves of six values (19.2 million control events, eight on
#       every tick they use), the rest plain notes, rests, tempos and time
#       signatures;
#   (b) a typical song: 2,000 notes with control curves on every other one.
# Median wall and CPU time and the largest peak resident memory: (a) of three
# runs, (b) of twenty.  The VSQX of (a) is about 1.8 GB.
#   bench/sirenta.sh [build-dir]      (default build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
work=bench/work/sirenta
mkdir -p "$work"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target sirenta >/dev/null
cp examples/def.vsqx "$work/def.vsqx"

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
rng = random.Random(5)
kana = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
notes = [l + o + a for l in "CDEFGAB" for o in "345" for a in ("", "#", "B")]
lengths = ["4", "8", "8.", "16", "4 ]3", "2", "4 S", "8 DL", "4 &101"]
curves = [("DYN", 0, 127), ("BRE", 0, 127), ("BRI", 0, 127), ("CLE", 0, 127),
          ("GEN", 0, 127), ("POR", 0, 127), ("PIT", -8192, 8191), ("PBS", 0, 24)]

def curve(name, low, high, count):
    return name + ":" + ",".join(str(rng.randint(low, high)) for _ in range(count))

def note(all_curves, some_curves):
    length = rng.choice(lengths[:6])
    lyric = rng.choice(kana)
    text = f'{length} {rng.choice(notes)} "{lyric}"'
    if all_curves:
        text += " " + " ".join(curve(n, lo, hi, 6) for n, lo, hi in curves)
    elif some_curves:
        text += " " + " ".join(curve(n, lo, hi, rng.randint(1, 6))
                               for n, lo, hi in rng.sample(curves, rng.randint(1, 3)))
    return text + "\n"

# (a) 399,200 notes with 48 control events, 99,800 plain notes, 498,900
# rests and 998 settings: 998,898 records.
with open(f"{work}/long.count", "w") as f:
    f.write(str(399200 * 48))
with open(f"{work}/long.txt", "w") as f:
    f.write("SB 4/4\nST 120\n")
    for i in range(499000):
        if i % 5 == 4:
            f.write(note(False, False))
        else:
            f.write(note(True, False))
        if i % 5 < 4:
            f.write("16 X\n")
        if i % 2 == 0 and i % 5 == 4:
            f.write(rng.choice(["4 X", "8 X", "16 X"]) + "\n")
        if i % 500 == 499:
            f.write(rng.choice(["ST 90", "ST 132", "SB 3/4", "SB 4/4", "SB 6/8"]) + "\n")
# (b) A song of 2,000 notes, every other one with a few curves.
with open(f"{work}/song.txt", "w") as f:
    f.write("SB 4/4\nST 120\n")
    for i in range(2000):
        f.write(note(False, i % 2 == 0))
        if i % 16 == 15:
            f.write("4 X\n")
PY

python3 - "$build/bin/sirenta" "$work" <<'PY'
import os, statistics, sys, time
sirenta = os.path.abspath(sys.argv[1])
os.chdir(sys.argv[2])

def measure(part, runs):
    walls, cpus, peaks = [], [], []
    for _ in range(runs):
        start = time.perf_counter()
        # GNU time reports the peak memory of sirenta alone.
        pid = os.posix_spawn("/usr/bin/time", ["/usr/bin/time", "-f", "%M", "-o", "peak.txt",
                                               sirenta, part, "out.vsqx"], os.environ,
                             file_actions=[(os.POSIX_SPAWN_OPEN, 2, "error.txt",
                                            os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)])
        _, status, usage = os.wait4(pid, 0)
        walls.append(time.perf_counter() - start)
        cpus.append(usage.ru_utime + usage.ru_stime)
        with open("peak.txt") as f:
            peaks.append(int(f.read().split()[-1]) / 1024)
        if status != 0:
            with open("error.txt", "rb") as f:
                sys.exit(f"sirenta failed on {part}: {f.read().decode('cp932', 'replace')}")
    size = os.path.getsize("out.vsqx")
    return statistics.median(walls), statistics.median(cpus), max(peaks), size

with open("long.count") as f:
    controls = int(f.read())
wall, cpu, peak, size = measure("long.txt", 3)
print(f"(a) long part, {controls} control events: {wall:.2f} s wall, {cpu:.2f} s cpu, "
      f"{peak:.0f} MiB peak, {size / 2**20:.0f} MiB written   (goal: under 40 s and 2 GB)")
wall, cpu, peak, size = measure("song.txt", 20)
print(f"(b) song of 2,000 notes: {wall * 1000:.0f} ms wall, {cpu * 1000:.0f} ms cpu, "
      f"{peak:.1f} MiB peak, {size / 2**10:.0f} KiB written   (goal: under 20 ms)")
os.remove("out.vsqx")
PY
