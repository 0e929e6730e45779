#!/usr/bin/env python3
"""Reads sirenta's VSQX files back as XML, with tools that share no code with it.

    vsqx_check.py SIRENTA SOURCE_DIR

1. Every VSQX that an end-to-end case of tests/cases/sirenta writes from a
   well-formed template passes `xmllint --noout`.
2. Sung parts run against the bundled template examples/def.vsqx: the notes
   read back with xml.etree (position, length, note number, lyric, phonetic
   text) are the ones the notation asks for.
3. The example part examples/vocal.txt: the document's root and namespace,
   the order of the children that strict readers check, the notes, and the
   time-signature change at its bar.
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = "http://www.yamaha.co.jp/vocaloid/schema/vsq3/"


class Checks:
    def __init__(self):
        self.passed, self.failed = 0, 0

    def expect(self, ok, what, detail=""):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {what}" + (f"\n  {detail}" if detail else ""))


def well_formed(path):
    run = subprocess.run(["xmllint", "--noout", path], capture_output=True)
    return run.returncode == 0, run.stderr.decode("utf-8", "replace").strip()


def run_sirenta(sirenta, template, part):
    """The VSQX that sirenta writes for `part` (bytes) from `template`
    (bytes), or the error it reports."""
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "def.vsqx"), "wb") as f:
            f.write(template)
        with open(os.path.join(work, "in.txt"), "wb") as f:
            f.write(part)
        run = subprocess.run([sirenta, "in.txt", "out.vsqx"], cwd=work, capture_output=True)
        if run.returncode != 0:
            return None, run.stderr.decode("cp932", "replace")
        ok, why = well_formed(os.path.join(work, "out.vsqx"))
        if not ok:
            return None, "not well-formed: " + why
        with open(os.path.join(work, "out.vsqx"), "rb") as f:
            return f.read(), ""


def local(tag):
    return tag.split("}", 1)[1] if tag.startswith("{") else tag


def children(element):
    return [local(c.tag) for c in element]


def notes_of(document):
    """(posTick, durTick, noteNum, lyric, phonetic text, locked) of every note."""
    root = ET.fromstring(document)
    found = []
    for note in root.iter(f"{{{NS}}}note"):
        value = {local(c.tag): c for c in note}
        found.append((int(value["posTick"].text), int(value["durTick"].text),
                      int(value["noteNum"].text), value["lyric"].text or "",
                      value["phnms"].text or "", value["phnms"].get("lock") == "1"))
    return found


# 1. The end-to-end cases' outputs.

def check_case_outputs(checks, sirenta, source):
    sys.path.insert(0, os.path.join(source, "tests"))
    import run_cases
    folder = os.path.join(source, "tests", "cases", "sirenta")
    checked = 0
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".case"):
            continue
        for case in run_cases.parse(os.path.join(folder, name)):
            outs = [s for s in case.sections if s.kind == "out" and s.arg.endswith(".vsqx")]
            templates = [s for s in case.sections if s.kind == "file" and s.arg == "def.vsqx"]
            statuses = [s.arg for s in case.sections if s.kind == "status"]
            if not outs or not templates or statuses not in ([], ["0"]):
                continue
            with tempfile.TemporaryDirectory() as work:
                for sec in case.sections:
                    path = os.path.join(work, sec.arg or "")
                    if sec.kind in ("file", "dir", "link"):
                        os.makedirs(os.path.dirname(path), exist_ok=True)
                    if sec.kind == "file":
                        with open(path, "wb") as f:
                            f.write(run_cases.section_bytes(sec))
                    elif sec.kind == "dir":
                        os.makedirs(path, exist_ok=True)
                    elif sec.kind == "link":
                        os.symlink(sec.target, path)
                if not well_formed(os.path.join(work, "def.vsqx"))[0]:
                    continue  # a template that is no XML document gives none
                subprocess.run([sirenta] + case.args, cwd=work, capture_output=True)
                for sec in outs:
                    ok, why = well_formed(os.path.join(work, sec.arg))
                    checks.expect(ok, f"{name}: {case.name}: xmllint", why)
                    checked += 1
    checks.expect(checked >= 20, "the cases give VSQX files to check", f"only {checked}")


# 2. Sung parts read back.

A = ("a", "a", False)  # the lyric and phonetic text of a note without any


def notes(*entries, num=60):
    """(position, length) pairs as notes of pitch `num` without lyric."""
    return [(p, d, num) + A for p, d in entries]


def run_from(positions_and_lengths):
    out, at = [], 0
    for d in positions_and_lengths:
        out.append((at, d))
        at += d
    return out


PARTS = [
    # Articulation pieces at 480 ticks, and at 52 where the last piece takes
    # what the others leave.
    ("&101 .. &106 halve the note or take a fraction off its start",
     "4 &101 C3;4 &102 C3;4 &103 C3;4 &104 C3;4 &105 C3;4 &106 C3",
     notes(*run_from([240, 240, 160, 320, 120, 360, 60, 420, 30, 450, 15, 465]))),
    ("&107 .. &110 in sixteenths and thirty-seconds",
     "4 &107 C3;4 &108 C3;4 &109 C3;4 &110 C3",
     notes(*run_from([30, 30, 420, 30, 60, 390, 15, 15, 450, 15, 30, 435]))),
    ("&111 .. &116 repeat the note 3 to 8 times",
     "4 &111 C3;4 &112 C3;4 &113 C3;4 &114 C3;4 &115 C3;4 &116 C3",
     notes(*run_from([160] * 3 + [120] * 4 + [96] * 5 + [80] * 6 + [68] * 6 + [72] + [60] * 8))),
    ("&117 .. &120 in rising and falling steps",
     "4 &117 C3;4 &118 C3;4 &119 C3;4 &120 C3",
     notes(*run_from([60, 60, 120, 240, 240, 120, 60, 60, 30, 30, 60, 120, 240,
                      240, 120, 60, 30, 30]))),
    ("pieces of an uneven length keep every tick",
     "64.. &115 C3;64.. &117 C3;64.. &118 C3;64.. &119 C3;64.. &120 C3;64.. &111 C3;"
     "64.. &107 C3;64.. &108 C3;64.. &102 C3;4 &150 C3",
     notes(*run_from([7] * 6 + [10] + [6, 6, 12, 28] + [24, 12, 6, 10] + [2, 2, 4, 8, 36] +
                     [16, 8, 4, 2, 22] + [17, 17, 18] + [3, 3, 46] + [3, 6, 43] + [17, 35] +
                     [480]))),
    # Delay and staccato rows at 105 ticks: the rest goes before or after.
    ("delays shorten the note and rest before it",
     "32.. DL C3;32.. DL1 C3;32.. DL2 C3;32.. DL3 C3;32.. DL4 C3;4 C3",
     notes((26, 79), (131, 79), (223, 92), (321, 99), (423, 102), (525, 480))),
    ("staccatos shorten the note and rest after it",
     "32.. S C3;32.. S0 C3;32.. S1 C3;32.. S2 C3;32.. S3 C3;32.. S4 C3;32.. S5 C3;"
     "32.. S6 C3;32.. S7 C3;32.. S8 C3;4 C3",
     notes((0, 52), (105, 105), (210, 52), (315, 26), (420, 35), (525, 78), (630, 92),
           (735, 99), (840, 102), (945, 35), (1050, 480))),
    ("the staccato default stands for a missing staccato, S0 for none",
     "SS 3;32.. C3;32.. S0 C3;SS 0;32.. C3",
     notes((0, 35), (105, 105), (210, 105))),
    ("a delay joins a rest right before it",
     "4 X;4 DL C3;4 DL C3", notes((600, 360), (1080, 360))),
    ("a part that starts with a delay starts with a rest",
     "4 DL C3", notes((120, 360))),
    ("a delay does not join the rest before its pattern",
     "4 X\nPS 1\n4 DL C3\nPE\nPR 1\n4 D3",
     notes((600, 360), (1080, 360)) + notes((1440, 480), num=62)),
    ("a delay after a pattern does not join the pattern's rest",
     "PS 1\n4 X\nPE\n4 DL C3\nPR 1\n4 D3",
     notes((600, 360)) + notes((1440, 480), num=62)),
    ("brackets divide the length, ties add to it",
     "4 ]3 C3;4 ]3 C3;4 ]3 C3;4 ) C3;4;2 ) D3;8 );8;32 ]9 E3",
     notes((0, 160), (160, 160), (320, 160), (480, 960)) + notes((1440, 1440), num=62) +
     notes((2880, 6), num=64)),
    # Pitches.
    ("key, natural flags and accidentals",
     "SK #1 0;4 F3;4 F3N;4 F3#;SSN F;4 F3;SRN F;SK B2 1;4 E3;4 B3BB;4 A-1##",
     [(0, 480, 66) + A, (480, 480, 65) + A, (960, 480, 67) + A, (1440, 480, 65) + A,
      (1920, 480, 63) + A, (2400, 480, 68) + A, (2880, 480, 23) + A]),
    ("scale modes, transposition and the clamp at 0 and 127",
     "SN 1;4 E3;4 B3;SN 18;4 G3;SN 0;SC 30;4 B7;SC -30;4 C-1;SC +2;4 C3",
     [(0, 480, 63) + A, (480, 480, 70) + A, (960, 480, 68) + A, (1440, 480, 127) + A,
      (1920, 480, 0) + A, (2400, 480, 62) + A]),
    # Lyrics and phonetic texts come back as they were written.
    ("lyrics, phonetic texts and their lock",
     '4 C3 "さ[s a]";4 C3 "ら";4 C3 "x[]";4 C3 LY"]]>" PH"a]]>b";4 C3 "ー[]y]"',
     [(0, 480, 60, "さ", "s a", True), (480, 480, 60, "ら", "a", False),
      (960, 480, 60, "x", "", True), (1440, 480, 60, "]]>", "a]]>b", True),
      (1920, 480, 60, "ー", "", True)]),
]


def check_parts(checks, sirenta, template):
    for name, part, expected in PARTS:
        out, error = run_sirenta(sirenta, template, part.encode("utf-8"))
        if out is None:
            checks.expect(False, f"part: {name}", error)
            continue
        got = notes_of(out)
        checks.expect(got == expected, f"part: {name}", f"want {expected}\n  got  {got}")
    # The same part in Shift_JIS and in UTF-8.
    part = '4 C3 "かー[k a:]";4 D3 "ヴァ"'
    utf8, _ = run_sirenta(sirenta, template, part.encode("utf-8"))
    sjis, _ = run_sirenta(sirenta, template, part.encode("cp932"))
    checks.expect(utf8 is not None and utf8 == sjis, "part: Shift_JIS and UTF-8 give the same file")


# 3. The example part with the bundled template.

ROOT_ORDER = ["vender", "version", "vVoiceTable", "mixer", "masterTrack", "vsTrack",
              "seTrack", "karaokeTrack"]
ORDERS = {
    "vVoice": ["vBS", "vPC", "compID", "vVoiceName", "vVoiceParam"],
    "vVoiceParam": ["bre", "bri", "cle", "gen", "ope"],
    "mixer": ["masterUnit", "vsUnit", "seUnit", "karaokeUnit"],
    "masterUnit": ["outDev", "retLevel", "vol"],
    "vsUnit": ["vsTrackNo", "inGain", "sendLevel", "sendEnable", "mute", "solo", "pan", "vol"],
    "seUnit": ["inGain", "sendLevel", "sendEnable", "mute", "solo", "pan", "vol"],
    "karaokeUnit": ["inGain", "mute", "solo", "vol"],
    "vsTrack": ["vsTrackNo", "trackName", "comment", "musicalPart"],
    "stylePlugin": ["stylePluginID", "stylePluginName", "version"],
    "singer": ["posTick", "vBS", "vPC"],
    "timeSig": ["posMes", "nume", "denomi"],
    "tempo": ["posTick", "bpm"],
    "note": ["posTick", "durTick", "noteNum", "velocity", "lyric", "phnms", "noteStyle"],
}


def check_example(checks, sirenta, template, part):
    out, error = run_sirenta(sirenta, template, part)
    if out is None:
        checks.expect(False, "example", error)
        return
    root = ET.fromstring(out)
    checks.expect(root.tag == f"{{{NS}}}vsq3", "example: root vsq3 in its namespace", root.tag)
    checks.expect(children(root) == ROOT_ORDER, "example: the root's children in order",
                  str(children(root)))
    for element in root.iter():
        want = ORDERS.get(local(element.tag))
        if want is not None:
            checks.expect(children(element) == want, f"example: children of {local(element.tag)}",
                          str(children(element)))
    compid = root.find(f"{{{NS}}}vVoiceTable/{{{NS}}}vVoice/{{{NS}}}compID")
    checks.expect(compid is not None and len(compid.text) == 16, "example: compID of 16 characters")
    plugin = root.find(f".//{{{NS}}}stylePluginID")
    checks.expect(plugin is not None and len(plugin.text) == 36 and plugin.text.count("-") == 4,
                  "example: stylePluginID in GUID form")

    master = root.find(f"{{{NS}}}masterTrack")
    head = children(master)
    checks.expect(head[:4] == ["seqName", "comment", "resolution", "preMeasure"] and
                  set(head[4:]) == {"timeSig", "tempo"} and head.index("tempo") > head.index("timeSig"),
                  "example: master track in order", str(head))
    signatures = [(int(t.find(f"{{{NS}}}posMes").text), int(t.find(f"{{{NS}}}nume").text),
                   int(t.find(f"{{{NS}}}denomi").text)) for t in master.iter(f"{{{NS}}}timeSig")]
    checks.expect(signatures == [(0, 4, 4), (5, 3, 4)],
                  "example: 4/4 from the start, 3/4 at bar 5", str(signatures))
    tempos = [(int(t.find(f"{{{NS}}}posTick").text), int(t.find(f"{{{NS}}}bpm").text))
              for t in master.iter(f"{{{NS}}}tempo")]
    checks.expect(tempos == [(0, 9600)], "example: one tempo of 96", str(tempos))

    part_element = root.find(f"{{{NS}}}vsTrack/{{{NS}}}musicalPart")
    kids = children(part_element)
    fixed = ["posTick", "playTime", "partName", "comment", "stylePlugin", "partStyle", "singer"]
    tail = kids[len(fixed):]
    checks.expect(kids[:len(fixed)] == fixed and tail == sorted(tail, key=["mCtrl", "sCtrl", "note"].index),
                  "example: musical part in order, curves and notes after the singer", str(kids))
    checks.expect(part_element.find(f"{{{NS}}}posTick").text == "1920" and
                  part_element.find(f"{{{NS}}}playTime").text == "10560",
                  "example: the part after one 4/4 bar, 10560 ticks long")
    attrs = [a.get("id") for a in part_element.find(f"{{{NS}}}partStyle")]
    checks.expect(attrs == ["accent", "bendDep", "bendLen", "decay", "fallPort", "opening", "risePort"],
                  "example: the seven singing attributes", str(attrs))

    got = [(p, d, n, l) for p, d, n, l, _, _ in notes_of(out)]
    expected = [(0, 480, 72, "あ"), (480, 480, 74, "さ"), (960, 960, 76, "の"),
                (1920, 480, 79, "ひ"), (2400, 480, 76, "か"), (2880, 960, 74, "り"),
                (3840, 240, 72, "そ"), (4080, 240, 74, "ら"), (4320, 480, 76, "に"),
                (5760, 480, 79, "ひ"), (6240, 480, 81, "ろ"), (6720, 240, 79, "が"),
                (7320, 360, 76, "る"), (7680, 480, 79, "ひ"), (8160, 480, 81, "ろ"),
                (8640, 120, 84, "よ"), (8760, 360, 84, "よ"), (9120, 1440, 72, "う")]
    checks.expect(got == expected, "example: the notes", f"want {expected}\n  got  {got}")
    por = [(int(c.find(f"{{{NS}}}posTick").text), c.find(f"{{{NS}}}attr").get("id"))
           for c in part_element.iter(f"{{{NS}}}sCtrl")]
    checks.expect(por == [(8640, "POR")], "example: one portamento curve", str(por))


def main():
    sirenta, source = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    with open(os.path.join(source, "examples", "def.vsqx"), "rb") as f:
        template = f.read()
    with open(os.path.join(source, "examples", "vocal.txt"), "rb") as f:
        example = f.read()
    checks = Checks()
    ok, why = well_formed(os.path.join(source, "examples", "def.vsqx"))
    checks.expect(ok, "examples/def.vsqx is well-formed", why)
    check_case_outputs(checks, sirenta, source)
    check_parts(checks, sirenta, template)
    check_example(checks, sirenta, template, example)
    print(f"{checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
