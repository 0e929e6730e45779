#!/bin/sh
# Throughput of talven2 on a million chord statements drawn from the whole
# suffix table, roots and basses, against gessan on a tablature part of the
# same size, compared per input byte.  Also reports peak memory.
#   bench/talven2.sh [statements]      (default 1000000)
set -eu
cd "$(dirname "$0")/.."
count=${1:-1000000}
work=bench/work
mkdir -p "$work"
[ -x build/bin/talven2 ] || { cmake -S . -B build >/dev/null && cmake --build build -j2 --target talven2 >/dev/null; }

python3 - "$work" "$count" <<'PY'
import random, re, sys
work, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(11)
# The suffixes as the table holds them.
source = open("chord/chord_table.cpp", encoding="utf-8").read()
suffixes = re.findall(r'^\s*\{"([^"]+)", \{', source, re.M)
assert len(suffixes) > 400, "suffix table not found"
suffixes = ["" if s == "xxx" else s for s in suffixes]
roots = [l + a for l in "CDEFGAB" for a in ("", "b", "#")]
lengths = ["4", "8", "2", "4.", "16", "8 ]3", "4 S1", "2 )"]
with open(f"{work}/chords.txt", "w") as f:
    tied = False
    for i in range(count):
        if tied:
            f.write("2\n")      # a tie continuation
            tied = False
            continue
        length = rng.choice(lengths)
        tied = length.endswith(")")
        name = rng.choice(roots) + rng.choice(suffixes)
        r = rng.random()
        if r < 0.25:
            name += "on" + rng.choice(roots)
        elif r < 0.5:
            name += "/" + rng.choice(roots)
        velocity = f" V{rng.randrange(128)}" if rng.random() < 0.4 else ""
        f.write(f"{length} {name}{velocity}\n")
# A tablature part of about the same number of bytes, for gessan.
target = len(open(f"{work}/chords.txt", "rb").read())
tabs = [f"{s}{f}" for s in range(1, 7) for f in range(16)]
with open(f"{work}/tablature.txt", "w") as f:
    written = 0
    while written < target:
        notes = []
        for _ in range(rng.randrange(1, 5)):
            notes.append(rng.choice(tabs))
            if rng.random() < 0.3:
                notes.append(f"V{rng.randrange(128)}")
        s = f"{rng.choice(lengths[:7])} {' '.join(notes)}"
        f.write(s + "\n")
        written += len(s) + 1
PY

# CPU time (user + system) is compared, the best of three runs, so that other
# work on the machine weighs less; the wall time is shown beside it.
measure() {  # label, input, command...
  label=$1; input=$2; shift 2
  bytes=$(wc -c <"$input")
  best=""
  for run in 1 2 3; do
    /usr/bin/time -f "%U %S %e %M" -o "$work/time" "$@" >/dev/null || { echo "$label failed on $input"; exit 1; }
    line=$(awk '{ printf "%.2f %.2f %d", $1 + $2, $3, $4 }' "$work/time")
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then best=$line; fi
  done
  set -- $best
  rate=$(awk -v b="$bytes" -v s="$1" 'BEGIN { printf "%.1f", (s > 0 ? b / s / 1048576 : 0) }')
  printf '%-8s %10d bytes  %5.2f s cpu  %5.2f s wall  %6s MiB/s  %6d KiB peak\n' "$label" "$bytes" "$1" "$2" "$rate" "$3"
  echo "$rate" >"$work/$label.rate"
}

measure talven2 "$work/chords.txt" build/bin/talven2 "$work/chords.txt" "$work/chords.out"
echo "talven2 wrote $(wc -c <"$work/chords.out") bytes"
if [ -x build/bin/gessan ]; then
  measure gessan "$work/tablature.txt" build/bin/gessan "$work/tablature.txt" "$work/tablature.out"
  echo "gessan wrote $(wc -c <"$work/tablature.out") bytes"
  awk -v t="$(cat "$work/talven2.rate")" -v g="$(cat "$work/gessan.rate")" \
    'BEGIN { if (t > 0) printf "talven2 time per input byte: %.2f x gessan\n", g / t }'
fi
