#!/usr/bin/env python3
"""The vocal chain end to end: nolwen puts a lyric file onto a melody, sirenta
turns the result into a VSQX file, and the notes read back with an XML parser
carry the syllables and phonetic texts of the lyric file.

    vocal_chain_check.py NOLWEN SIRENTA TEMPLATE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = "{http://www.yamaha.co.jp/vocaloid/schema/vsq3/}"

LYRICS = "さくら きゃ[k' a] la[l a] [s a] ー\n"

MELODY = """4 C4 "old"
8 X
4 D4 V100
2 ) E4; 2
4 F4 DYN:0,127
4 G4 LY"q"
4 A4
4 B4
4 C5
"""

# Per sung note: lyric, phonetic text, whether the phonetic text is locked,
# length in ticks.  The tie joins the continuation to E4; C5 is past the last
# entry and keeps sirenta's own "a".
EXPECTED = [
    ("さ", "a", False, 480),
    ("く", "a", False, 480),
    ("ら", "a", False, 1920),
    ("きゃ", "k' a", True, 480),
    ("la", "l a", True, 480),
    ("", "s a", True, 480),
    ("ー", "a", False, 480),
    ("a", "a", False, 480),
]


def run(args, cwd):
    done = subprocess.run(args, cwd=cwd, capture_output=True)
    if done.returncode != 0:
        sys.stdout.write(f"FAIL {os.path.basename(args[0])} ended with {done.returncode}: "
                         f"{done.stderr.decode('cp932', 'replace')}\n")
        return False
    return True


def main():
    nolwen, sirenta, template = sys.argv[1:4]
    passed = failed = 0
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(template, os.path.join(work, "def.vsqx"))
        for name, encoding in (("lyrics_sjis.txt", "cp932"), ("lyrics_utf8.txt", "utf-8")):
            with open(os.path.join(work, name), "wb") as f:
                f.write(LYRICS.encode(encoding))
        with open(os.path.join(work, "melody.txt"), "w") as f:
            f.write(MELODY)
        for lyrics in ("lyrics_sjis.txt", "lyrics_utf8.txt"):
            if not (run([nolwen, lyrics, "melody.txt", "vocal.txt"], work)
                    and run([sirenta, "vocal.txt", "song.vsqx"], work)):
                failed += 1
                continue
            notes = ET.parse(os.path.join(work, "song.vsqx")).getroot().iter(NS + "note")
            got = []
            for note in notes:
                phnms = note.find(NS + "phnms")
                got.append((note.findtext(NS + "lyric"), phnms.text or "",
                            phnms.get("lock") == "1", int(note.findtext(NS + "durTick"))))
            if got == EXPECTED:
                passed += 1
            else:
                failed += 1
                sys.stdout.write(f"FAIL notes read back from the lyrics in {lyrics}:\n"
                                 f"  want {EXPECTED}\n  got  {got}\n")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
