#!/bin/sh
# Speed and peak memory of ardic, ostrin and belvar on a 100 MB format-1
# file, against cp of the same bytes.  ostrin joins two 50 MB files, since
# the file with itself would pass the size limit.  Best of three runs each.
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

# best "seconds peak-kilobytes" of three runs of the command
measure() {
  best=""
  for _ in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" >/dev/null || {
      echo "failed: $*" >&2; exit 1; }
    line=$(tail -n 1 "$work/time.txt")
    if [ -z "$best" ] || [ "$(echo "$line $best" | awk '{print ($1 < $3)}')" = 1 ]; then best=$line; fi
  done
  echo "$best"
}

cp_line=$(measure cp "$work/song.mid" "$work/copy.mid")
report() {
  echo "$1 $2 $cp_line" | awk -v size="$size" '{
    printf "%-7s %6.2f s  %5.2f x cp  peak %4d MB  (%.2f x the %d MB file)\n",
           $1, $2, ($4 > 0 ? $2 / $4 : 0), $3 / 1024, $3 * 1024 / size, size / 1048576 }'
}
echo "file: $size bytes, 2 tracks"
report cp "$cp_line"
report ardic "$(measure "$bin/ardic" "$work/song.mid" 5 "$work/ardic.mid")"
report ostrin "$(measure "$bin/ostrin" "$work/half_a.mid" "$work/half_b.mid" "$work/ostrin.mid")"
report belvar "$(measure "$bin/belvar" "$work/song.mid" 1 "$work/belvar.mid")"
echo "ostrin wrote $(wc -c <"$work/ostrin.mid") bytes, belvar $(wc -c <"$work/belvar.mid")"
rm -f "$work"/copy.mid "$work"/ardic.mid "$work"/ostrin.mid "$work"/belvar.mid "$work"/time.txt
