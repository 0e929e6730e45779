#!/bin/sh
# nolwen on a lyric file of 1,000,000 entries and a melody of as many sung
# notes (with rests, ties, attributes and the notes' own lyrics between
# them).  Reports CPU and wall time and peak memory, best of three runs; the
# target is under 3 s and under 300 MB.
#   bench/nolwen.sh [bin-folder]      (default build/bin)
set -eu
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
work=bench/work
mkdir -p "$work"
[ -x "$bin/nolwen" ] || { cmake -S . -B build >/dev/null && cmake --build build -j2 --target nolwen >/dev/null; bin=build/bin; }

python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
rng = random.Random(11)
kana = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
two = ["きゃ", "しゅ", "ちょ", "ふぁ", "ジュ", "ディ", "ウィ"]
entries = 0
with open(f"{work}/lyrics.txt", "w", encoding="cp932") as f:
    while entries < 1000000:
        words = []
        for _ in range(min(40, 1000000 - entries)):
            r = rng.random()
            if r < 0.8:
                words.append(rng.choice(kana))
            elif r < 0.9:
                words.append(rng.choice(two))
            elif r < 0.95:
                words.append(rng.choice(kana) + "[s a]")
            else:
                words.append("la")
            entries += 1
        f.write(" ".join(words) + " // a comment\n")
with open(f"{work}/lyrics_utf8.txt", "w", encoding="utf-8") as f:
    f.write(open(f"{work}/lyrics.txt", encoding="cp932").read())
notes = ["C4", "D4 V100", "E4 \"old\"", "F4 DYN:0,64,127", "G4 V90 OPE:64",
         "A4 LY\"x\" PF:1", "B4 PIT:-100,0,100 PBS:2"]
sung = 0
with open(f"{work}/melody.txt", "w") as f:
    f.write("SB 4/4; ST 120; =d:v  V64\n")
    while sung < 1000000:
        r = rng.random()
        if r < 0.05:
            f.write("4 X; 8 ]3 X\n")
        elif r < 0.1:
            f.write("4 ) C4 =m:v; 4\n")
            sung += 1
        else:
            f.write(f"{rng.choice(['4', '8', '16.', '4 S1', '8 DL2', '2 &140'])} {rng.choice(notes)}\n")
            sung += 1
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

echo "lyrics.txt: $(wc -c <"$work/lyrics.txt") bytes; melody.txt: $(wc -c <"$work/melody.txt") bytes"
measure "  nolwen, lyrics in Shift_JIS" "$bin/nolwen" "$work/lyrics.txt" "$work/melody.txt" "$work/vocal.out"
measure "  nolwen, lyrics in UTF-8" "$bin/nolwen" "$work/lyrics_utf8.txt" "$work/melody.txt" "$work/vocal_utf8.out"
cmp -s "$work/vocal.out" "$work/vocal_utf8.out" || { echo "the two encodings gave different outputs"; exit 1; }
measure "  cat of both inputs" sh -c "cat '$work/lyrics.txt' '$work/melody.txt' > '$work/cat.out'"
