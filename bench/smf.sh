#!/bin/sh
# Speed and peak memory of ardic, ostrin and belvar on a 100 MB format-1
# file, against cp of the same bytes.  ostrin joins two 50 MB files, since
# the file with itself would pass the size limit.  Median of five runs
# each, of the wall time and of the processor time (user and system, which
# the machine's other work disturbs less); the ratios are those of the
# processor time.  Peak memory is the run's largest resident size (for cp,
# that of the benchmark's own Python before it started cp).
#   bench/smf.sh [bin-dir]      (default build/bin, built when missing)
set -eu
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
work=bench/work
mkdir -p "$work"
if [ ! -x "$bin/ardic" ] || [ ! -x "$bin/ostrin" ] || [ ! -x "$bin/belvar" ]; then
  cmake -S . -B build >/dev/null && cmake --build build -j2 --target ardic ostrin belvar >/dev/null
fi

python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
header = lambda tracks: b"MThd\0\0\0\6\0\1" + tracks.to_bytes(2, "big") + b"\1\xe0"
chunk = lambda data: b"MTrk" + len(data).to_bytes(4, "big") + data
conductor = chunk(bytes.fromhex("00FF510307A120 00FF580404021808 00FF2F00"))
# A bar of notes with controllers, bends, pressure, programs and text.
bar = b"".join(bytes([0x00, 0x90 | c, 40 + k, 100, 0x60, 0x80 | c, 40 + k, 0,
                      0x00, 0xB0 | c, 7, 100, 0x00, 0xE0 | c, 0, 64, 0x00, 0xA0 | c, 40 + k, 30,
                      0x00, 0xC0 | c, k, 0x00, 0xD0 | c, 50])
               for c in range(16) for k in range(0, 48, 6)) + bytes.fromhex("00FF0104") + b"bar."
def song(size):
    body = size - 14 - len(conductor) - 8 - 4
    data = bar * (body // len(bar))
    text = body - len(data) - 5          # a text event fills the rest exactly
    data += b"\0\xff\1" + bytes([0x80 | (text >> 7), text & 0x7F]) + b"t" * text
    return header(2) + conductor + chunk(data + bytes.fromhex("00FF2F00"))
limit = 104_857_600
open(f"{work}/song.mid", "wb").write(song(limit))
open(f"{work}/half_a.mid", "wb").write(song(limit // 2))
open(f"{work}/half_b.mid", "wb").write(song(limit // 2 + 14))
PY
size=$(wc -c <"$work/song.mid")

# Five runs of each command, each writing a new output file; the median
# wall and processor times, the latter's ratio to cp's, and the peak
# resident memory of the runs.
python3 - "$bin" "$work" "$size" <<'PY'
import os, statistics, subprocess, sys, time
bin_dir, work, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
def measure(*command):
    times, cpu, peak = [], [], 0
    for _ in range(5):
        out = command[-1]
        if os.path.exists(out):
            os.remove(out)
        start = time.perf_counter()
        child = subprocess.Popen(command, stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        times.append(time.perf_counter() - start)
        if status != 0:
            sys.exit(f"failed: {' '.join(command)}")
        cpu.append(usage.ru_utime + usage.ru_stime)
        peak = max(peak, usage.ru_maxrss)
    return statistics.median(times), statistics.median(cpu), peak
song, a, b = (os.path.join(work, n) for n in ("song.mid", "half_a.mid", "half_b.mid"))
tool = lambda name: os.path.join(bin_dir, name)
runs = [("cp", measure("cp", song, os.path.join(work, "copy.mid"))),
        ("ardic", measure(tool("ardic"), song, "5", os.path.join(work, "ardic.mid"))),
        ("ostrin", measure(tool("ostrin"), a, b, os.path.join(work, "ostrin.mid"))),
        ("belvar", measure(tool("belvar"), song, "1", os.path.join(work, "belvar.mid")))]
print(f"file: {size} bytes ({size / 1048576:.0f} MiB), 2 tracks; median of 5 runs")
cp_cpu = runs[0][1][1]
for name, (seconds, cpu, peak_kb) in runs:
    print(f"{name:7s} wall {seconds * 1000:5.0f} ms  cpu {cpu * 1000:5.0f} ms  {cpu / cp_cpu:5.2f} x cp  "
          f"peak {peak_kb / 1024:4.0f} MiB ({peak_kb * 1024 / size:.2f} x the file)")
for name in ("copy", "ardic", "ostrin", "belvar"):
    os.remove(os.path.join(work, name + ".mid"))
PY
