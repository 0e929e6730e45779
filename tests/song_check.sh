#!/bin/sh
# Runs the example song's chain on a copy of examples/song and checks what it
# made: every file written, the score texts as expected for a few lines, the
# MIDI files joined and split, the VSQX well-formed with one note per sung
# note of the vocal line.
#   tests/song_check.sh SOURCE-DIR BIN-DIR
set -eu
src=$1
bin=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -RL "$src/examples/song" "$work/song"
"$work/song/make-song.sh" "$bin" >"$work/log"

cd "$work/song"
fail() { echo "song check: $*" >&2; cat "$work/log" >&2; exit 1; }
for f in chords.out.txt chords_old.out.txt melody.out.txt guitar.out.txt drums.out.txt \
         vocal.out.txt beat.mid shaker.mid song.vsqx song.mid percussion.mid song-low.mid; do
  [ -s "$f" ] || fail "$f was not written"
done
grep -qx '1 \*C2 V80 \*E2 V80 \*G2 V80 ' chords.out.txt || fail "C chord not spelled out"
grep -qx '4  \*C3 \*E3 \*G3 \*C4 V80' guitar.out.txt || fail "guitar arpeggio wrong"
# The joined file has both tracks, and the extracted one is the second file's.
[ "$(head -c 12 song.mid | tail -c 4 | od -An -tx1 | tr -d ' \n')" = "00010002" ] || fail "song.mid is not format 1 with two tracks"
cmp -s shaker.mid percussion.mid || fail "the extracted track is not the percussion file again"
cmp -s song.mid song-low.mid && fail "ardic changed nothing"
# The whole song in one file: format 1, the conductor and six parts; with
# timidity, played into a WAV file.
[ -s harbour-lights.mid ] || fail "harbour-lights.mid was not written"
[ "$(head -c 12 harbour-lights.mid | tail -c 4 | od -An -tx1 | tr -d ' \n')" = "00010007" ] ||
  fail "harbour-lights.mid is not format 1 with seven tracks"
if command -v timidity >/dev/null 2>&1; then
  [ "$(head -c 4 harbour-lights.wav)" = "RIFF" ] || fail "harbour-lights.wav is not a WAV file"
fi
# One sung note for every note of the vocal line, each with a lyric.
notes=$(grep -c '<note>' song.vsqx)
sung=$(grep -c '^[0-9][0-9.]* *)\{0,1\}  [A-G]' vocal.out.txt)
[ "$notes" -eq "$sung" ] || fail "song.vsqx has $notes notes for $sung sung notes"
if command -v xmllint >/dev/null 2>&1; then
  xmllint --noout song.vsqx || fail "song.vsqx is not well-formed"
fi
echo "song check: $notes sung notes, every file written"
