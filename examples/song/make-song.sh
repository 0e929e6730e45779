#!/bin/sh
# Runs the whole chain on "Harbour Lights": every part through its
# preprocessor, the drums into a MIDI file, the words and the vocal line
# into a VSQX file, then the MIDI utilities on the result; last, every part
# into one MIDI file of the whole song (and, with timidity, a WAV file).  The
# programs are taken from build/bin (the README's build command makes them).
#   examples/song/make-song.sh [bin-folder]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/bin}" && pwd)
cd "$here"   # the drum tools and sirenta read drumdef.txt and def.vsqx from here

step() {  # what, program, arguments...
  what=$1; shift
  if "$bin/$@"; then
    printf '  %-44s %s\n' "$*" "$what"
  else
    echo "make-song: '$*' failed" >&2
    exit 1
  fi
}

echo "Score text, each beside its part:"
step "chords into notes"              talven2 chords.txt chords.out.txt
step "chord names checked"            talven chords_old.txt chords_old.out.txt
step "the tune"                       morrik melody.txt melody.out.txt
step "guitar tablature into notes"    gessan guitar.txt guitar.out.txt
step "drum names into notes"          quendro drums.txt drums.out.txt
step "one syllable to each sung note" nolwen lyrics.txt vocal.txt vocal.out.txt

echo "Finished files:"
step "drums as a MIDI file"           vastrel beat.txt beat.mid
step "percussion as a MIDI file"      vastrel shaker.txt shaker.mid
step "the sung part for a synthesizer" sirenta vocal.out.txt song.vsqx

echo "MIDI utilities:"
step "drums and percussion joined"    ostrin beat.mid shaker.mid song.mid
echo "  belvar song.mid:"
"$bin/belvar" song.mid | iconv -f CP932 -t UTF-8 2>/dev/null | sed 's/^/    /' || "$bin/belvar" song.mid
step "the percussion track alone"     belvar song.mid 1 percussion.mid >/dev/null
step "every note an octave lower"     ardic song.mid -12 song-low.mid >/dev/null

echo "The whole song:"
step "every part in one MIDI file"    scoremidi chords.out.txt chords_old.out.txt melody.out.txt guitar.out.txt \
                                                -d drums.out.txt -v vocal.out.txt harbour-lights.mid
if command -v timidity >/dev/null 2>&1; then
  if timidity -Ow -o harbour-lights.wav harbour-lights.mid >/dev/null 2>&1; then
    printf '  %-44s %s\n' "timidity -Ow -o harbour-lights.wav ..." "the song as sound"
  else
    echo "make-song: timidity could not play harbour-lights.mid" >&2
    exit 1
  fi
fi

echo "Summary:"
for f in chords.out.txt chords_old.out.txt melody.out.txt guitar.out.txt drums.out.txt \
         vocal.out.txt beat.mid shaker.mid song.vsqx song.mid percussion.mid song-low.mid \
         harbour-lights.mid $(test -f harbour-lights.wav && echo harbour-lights.wav); do
  printf '  %-20s %8d bytes\n' "$f" "$(wc -c <"$f")"
done
echo "Written in $here"
