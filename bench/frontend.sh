#!/bin/sh
# Throughput of the notation front end, through gessan, against an awk line
# that only upper-cases the same file.  Also reports peak memory.
#   bench/frontend.sh [megabytes]      (default 50)
set -eu
cd "$(dirname "$0")/.."
size=${1:-50}
work=bench/work
mkdir -p "$work"
[ -x build/bin/gessan ] || { cmake -S . -B build >/dev/null && cmake --build build -j2 --target gessan >/dev/null; }

python3 - "$work" "$size" <<'PY'
import random, sys
work, size = sys.argv[1], int(sys.argv[2]) << 20
rng = random.Random(7)
tabs = [f"{s}{f}" for s in range(1, 7) for f in range(16)]
lengths = ["4", "8", "16", "4.", "2", "8 ]3", "16 S1", "4 &140"]
def notes(n, velocities=True):
    out = []
    for _ in range(n):
        out.append(rng.choice(tabs))
        if velocities and rng.random() < 0.3:
            out.append("V%d" % rng.randrange(128))
    return " ".join(out)

# Mixed statements: notes, ties, macros, patterns, settings, MIDI statements.
with open(f"{work}/mixed.txt", "w") as f:
    written, pattern, line = 0, 0, 0
    for i in range(60):
        f.write(f"=d:m{i}  {notes(3, False)}\n")
    while written < size:
        r = rng.random()
        if r < 0.55:
            s = f"{rng.choice(lengths)} {notes(rng.randrange(1, 9))}"
        elif r < 0.65:
            s = f"4 ) {notes(2)} ; 4"
        elif r < 0.75:
            s = f"8 =m:m{rng.randrange(60)} V{rng.randrange(128)}"
        elif r < 0.8:
            s = f"4 {notes(1)} ; 8"
        elif r < 0.85:
            s = rng.choice(["!PB -100", "!PCH 12", "!CC#7 100", "!NON C4 V64", "!HO1 on", "!RPN1 0 2"])
        elif r < 0.9:
            s = rng.choice(["SV", "SN 3", "SC4", "SK b3 0", "ST 120"]) + f" ; 4 {notes(2)}"
        elif r < 0.93 and pattern < 999:
            pattern += 1
            s = f"PS {pattern} ; 4 {notes(3)} ; PE ; PR {pattern}"
        else:
            s = f"2 X ; 4 {notes(4)} // a comment ; not a statement"
        f.write(s + "\n")
        written += len(s) + 1

# 100000 macro definitions and a million uses.
with open(f"{work}/macros.txt", "w") as f:
    for i in range(100000):
        f.write(f"=d:t{i}  {notes(2, False)}\n")
    for _ in range(1000000):
        f.write(f"4 =m:t{rng.randrange(100000)} V{rng.randrange(128)}\n")
PY

measure() {  # label, command...: best of three runs (CPU and wall time)
  label=$1; shift
  best=""
  for run in 1 2 3; do
    /usr/bin/time -f "%U %S %e %M" -o "$work/time" "$@" >/dev/null
    line=$(awk '{ printf "%.2f %.2f %d", $1 + $2, $3, $4 }' "$work/time")
    if [ -z "$best" ] || [ "$(echo "$line $best" | awk '{ print ($1 < $4) }')" = 1 ]; then best=$line; fi
  done
  set -- $best
  printf '%-34s %6.2f s CPU  %6.2f s wall  %7d KiB peak\n' "$label" "$1" "$2" "$3"
}

for input in mixed macros; do
  file=$work/$input.txt
  bytes=$(wc -c <"$file")
  echo "$input.txt: $bytes bytes"
  measure "  gessan" build/bin/gessan "$file" "$work/$input.out" || { echo "gessan failed on $file"; exit 1; }
  measure "  awk '{ print toupper(\$0) }'" sh -c "awk '{ print toupper(\$0) }' '$file' > '$work/$input.awk'"
done
