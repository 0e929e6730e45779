#!/bin/sh
# Throughput of every text tool on a varied part of its own notation (notes,
# ties, rests, lengths alone, macros, patterns, settings, MIDI statements,
# comments), each against an awk line that only upper-cases the same file,
# and the time of one run on a one-line file against /bin/true, for these and
# for the other five programs (vastrel, sirenta, ostrin, ardic, belvar) on
# the smallest inputs that do some work.
#   bench/text_tools.sh [megabytes] [bin-folder]   (default 50, build/bin)
#   bench/text_tools.sh --quick [bin-folder]        (2 MB files)
# Times are CPU time (user + system), the best of five runs, so that other
# work on the machine weighs less.
set -eu
cd "$(dirname "$0")/.."
size=50
if [ "${1:-}" = "--quick" ]; then size=2; shift; elif [ -n "${1:-}" ]; then size=$1; shift; fi
bin=${1:-build/bin}
tools="gessan talven2 talven morrik quendro nolwen"
others="vastrel sirenta ostrin ardic belvar"
work=bench/work/text
mkdir -p "$work"
for tool in $tools $others; do
  [ -x "$bin/$tool" ] || { cmake -S . -B build >/dev/null && cmake --build build -j2 --target $tools $others >/dev/null; bin=build/bin; break; }
done
cp examples/drumdef.txt "$work/drumdef.txt"
cp examples/def.vsqx "$work/def.vsqx"
printf 'SB 4/4\nST 120\nBD 4 V100\n' >"$work/vastrel.line.txt"

python3 - "$work" "$size" <<'PY'
import random, re, sys
work, size = sys.argv[1], int(sys.argv[2]) << 20
rng = random.Random(7)
V = lambda: f"V{rng.randrange(128)}"
maybe_v = lambda p=0.3: f" {V()}" if rng.random() < p else ""

# One note group in each tool's notation.
tabs = [f"{s}{f}" for s in range(1, 7) for f in range(16)]
def tablature():
    return " ".join(rng.choice(tabs) + maybe_v() for _ in range(rng.randrange(1, 7)))

source = open("chord/chord_table.cpp", encoding="utf-8").read()
suffixes = ["" if s == "xxx" else s for s in re.findall(r'^\s*\{"([^"]+)", \{', source, re.M)]
assert len(suffixes) > 400, "suffix table not found"
roots = [l + a for l in "CDEFGAB" for a in ("", "b", "#")]
def chord():
    name = rng.choice(roots) + rng.choice(suffixes)
    r = rng.random()
    if r < 0.2:
        name += "on" + rng.choice(roots)
    elif r < 0.4:
        name += "/" + rng.choice(roots)
    return name + maybe_v(0.5)

older = ["", "m", "7", "m7", "M7", "6", "m6", "aug", "dim7", "sus4", "7sus4", "add9", "m7-5",
         "7+5", "7-5", "-5", "69", "7-9", "7+9", "9", "M9", "11", "13", "m9", "dim", "mM7"]
fractions = ["C/E", "Cm7/F", "Db/Ab", "D/F#", "Ebm/Gb", "F#m7/Cb", "G7/F", "Am7/D", "Bm/F#"]
def older_chord():
    if rng.random() < 0.1:
        name = rng.choice(fractions)
    else:
        name = rng.choice("ABCDEFG") + rng.choice(["", "", "#", "b"]) + rng.choice(older)
    return name + maybe_v(0.5)

pitches = [f"{l}{o}{a}" for l in "CDEFGAB" for o in range(2, 7) for a in ("", "", "#", "b")]
def melody():
    notes = " ".join(rng.choice(pitches) + maybe_v(0.2) for _ in range(rng.randrange(1, 5)))
    if rng.random() < 0.15:
        notes += f' "{rng.choice(["verse", "A section", "to the bridge", "Fine"])}"'
    return notes

drums = re.findall(r"^(?!//)\S+\s+(\S+)", open("examples/drumdef.txt").read(), re.M)
def drum():
    return " ".join(rng.choice(drums) + maybe_v(0.6) for _ in range(rng.randrange(1, 4)))

def sung():
    note = rng.choice(pitches) + maybe_v(0.2)
    return note + rng.choice(["", "", "", ' "la"', " DYN:0,64,127", " OPE:64"])

lengths = ["4", "8", "16", "4.", "2", "8 ]3", "16 S1", "4 &140", "2.", "1"]
settings = ["SV", "SN 3", "SK b3 0", "ST 120", "SB 4/4", "SB 3/4", "SC4"]
midi = ["!PB -100", "!PCH 12", "!NON C4 V64", "!HO1 on", "!RPN1 0 2", "!VO 100"]

plain_lengths = ["4", "8", "16", "4.", "2", "2.", "1", "4 &140", "8..", "32"]

def part(name, notes, midi_statements, use_macros=True, lengths=lengths, tie="4 )",
         repeat="; 8 ; 16"):
    with open(f"{work}/{name}.txt", "w") as f:
        if use_macros:
            for i in range(60):
                f.write(f"=d:m{i}  {notes()}\n")
        written, pattern = 0, 0
        while written < size:
            r = rng.random()
            if r < 0.55:
                s = f"{rng.choice(lengths)} {notes()}"
            elif r < 0.63:
                s = f"{tie} {notes()} ; 4"                    # a tie, then a length alone
            elif r < 0.71 and use_macros:
                s = f"8 =m:m{rng.randrange(60)}"
            elif r < 0.76:
                s = f"4 {notes()} {repeat}"                  # lengths alone repeat the notes
            elif r < 0.81 and midi_statements:
                s = rng.choice(midi_statements)
            elif r < 0.87:
                s = f"{rng.choice(settings)} ; 4 {notes()}"
            elif r < 0.9 and pattern < 999:
                pattern += 1
                s = f"PS {pattern} ; 4 {notes()} ; PE ; PR {pattern}"
            elif r < 0.95:
                s = f"2 X ; 4 {notes()} // a comment ; not a statement"
            else:
                s = f"// {rng.choice(['verse', 'chorus', 'bridge'])} {rng.randrange(100)}"
            f.write(s + "\n")
            written += len(s) + 1
    with open(f"{work}/{name}.line.txt", "w") as f:
        f.write(f"4 {notes()}\n")

part("gessan", tablature, midi + ["!CC#7 100"])
part("talven2", chord, midi + ["!CC#7 100"])
part("talven", older_chord, midi)
part("morrik", melody, midi + ["!CC#7 100"])
part("quendro", drum, midi, lengths=plain_lengths, tie="2")   # no ties nor tuplets
part("nolwen", sung, [], repeat="; 8 X")     # a length alone is no note
# nolwen's lyric file: as many syllables as its table holds; the notes
# after the last one are written without a lyric.
with open(f"{work}/nolwen.lyrics.txt", "w") as f:
    for start in range(0, 990000, 50):
        f.write(" ".join("la" for _ in range(50)) + "\n")
with open(f"{work}/nolwen.lyrics.line.txt", "w") as f:
    f.write("la\n")
PY

# Best CPU time of five runs, in seconds.
cpu() {
  best=""
  for run in 1 2 3 4 5; do
    /usr/bin/time -f "%U %S" -o time.txt "$@" >/dev/null 2>stderr.txt || { echo "failed: $*" >&2; cat stderr.txt >&2; exit 1; }
    t=$(awk '{ printf "%.3f", $1 + $2 }' time.txt)
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$t; fi
  done
  echo "$best"
}

# CPU time of one run in milliseconds: perf's task clock, the mean of 200
# runs, where perf is installed; otherwise the wall time, mean of 50 runs,
# best of 5.
per_run() {
  if command -v perf >/dev/null 2>&1; then
    perf stat -r 200 -e task-clock -x, "$@" 2>&1 >/dev/null | awk -F, '$3 == "task-clock" { printf "%.2f", $1 }'
    return
  fi
  python3 - "$@" <<'PY'
import subprocess, sys, time
command = sys.argv[1:]
best = None
for _ in range(5):
    start = time.perf_counter()
    for _ in range(50):
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    took = (time.perf_counter() - start) * 20
    best = took if best is None else min(best, took)
print(f"{best:.2f}")
PY
}

args() {  # tool, input[, lyric file]: the tool's arguments, in the work folder
  if [ "$1" = nolwen ]; then echo "${3:-nolwen.lyrics.txt} $2 $1.out"; else echo "$2 $1.out"; fi
}

# quendro reads drumdef.txt from the folder it runs in.
bin=$(cd "$bin" && pwd)
cd "$work"
printf '%-8s %10s %9s %9s %9s %8s\n' tool bytes "cpu s" "MiB/s" "awk MiB/s" "x awk"
for tool in $tools; do
  bytes=$(wc -c <"$tool.txt")
  t=$(cpu "$bin/$tool" $(args "$tool" "$tool.txt"))
  a=$(cpu sh -c "awk '{ print toupper(\$0) }' '$tool.txt' >awk.out")
  awk -v n="$tool" -v b="$bytes" -v t="$t" -v a="$a" 'BEGIN {
    r = t > 0 ? b / t / 1048576 : 0; ar = a > 0 ? b / a / 1048576 : 0
    printf "%-8s %10d %9.2f %9.1f %9.1f %8.2f\n", n, b, t, r, ar, (t > 0 ? a / t : 0) }'
done

echo
echo "one run on a one-line file, milliseconds:"
printf '%-8s %8.2f\n' /bin/true "$(per_run /bin/true)"
for tool in $tools; do
  printf '%-8s %8.2f\n' "$tool" "$(per_run "$bin/$tool" $(args "$tool" "$tool.line.txt" nolwen.lyrics.line.txt))"
done
# The other programs' one-line inputs: a drum part, a sung line, and the
# SMF files made from them.
"$bin/vastrel" vastrel.line.txt line.mid
"$bin/nolwen" nolwen.lyrics.line.txt nolwen.line.txt sung.line.txt
"$bin/ostrin" line.mid line.mid joined.line.mid
printf '%-8s %8.2f\n' vastrel "$(per_run "$bin/vastrel" vastrel.line.txt line.mid)"
printf '%-8s %8.2f\n' sirenta "$(per_run "$bin/sirenta" sung.line.txt line.vsqx)"
printf '%-8s %8.2f\n' ostrin "$(per_run "$bin/ostrin" line.mid line.mid joined.line.mid)"
printf '%-8s %8.2f\n' ardic "$(per_run "$bin/ardic" joined.line.mid 2 transposed.line.mid)"
printf '%-8s %8.2f\n' belvar "$(per_run "$bin/belvar" joined.line.mid 1 track.line.mid)"
