#!/usr/bin/env python3
"""Checks the Vim syntax files of editors/vim in Vim itself (vim -es): for
every file named in editors/tests/expect.txt, Vim loads it with the file
type of its language and writes the syntax item under every character
(synIDattr(synID(...), "name")); this script then checks

  - the examples ("sample"): no character is in scoretextError;
  - the fault lines ("faults"): a line ending in "// bad" holds an error
    item, one ending in "// ok" none;
  - the token checks ("check"), unless marked tm-only: every character of
    the token is in the item of its class (below), or in none for "plain";

and that file-type detection gives each extension its file type.

    vim_test.py PROJECT-ROOT
"""
import os
import re
import subprocess
import sys
import tempfile

GROUPS = {
    "comment": "scoretextComment", "separator": "scoretextSeparator", "setting": "scoretextSetting",
    "pattern": "scoretextPattern", "midi": "scoretextMidi", "number": "scoretextNumber",
    "timesig": "scoretextNumber", "length": "scoretextLength", "tie": "scoretextTie",
    "tuplet": "scoretextTuplet", "artic": "scoretextArtic", "note": "scoretextNote",
    "velocity": "scoretextVelocity", "rest": "scoretextRest", "chord": "scoretextChord",
    "macrodef": "scoretextMacroDef", "macroname": "scoretextMacroName", "macrouse": "scoretextMacroUse",
    "macroref": "scoretextMacroRef", "lyric": "scoretextLyric", "qcomment": "scoretextQuoted",
    "phonetic": "scoretextPhonetic", "attribute": "scoretextAttribute", "tab": "scoretextTab",
    "instrument": "scoretextInstrument", "syllable": "scoretextSyllable", "word": "scoretextWord",
    "longvowel": "scoretextLongVowel", "invalid": "scoretextError", "plain": "",
}
FILETYPES = {
    "scoretext": "scoretext", "scoretext-chords": "scoretext_chords",
    "scoretext-chords-old": "scoretext_chords_old", "scoretext-guitar": "scoretext_guitar",
    "scoretext-drums": "scoretext_drums", "scoretext-beat": "scoretext_beat",
    "scoretext-vocal": "scoretext_vocal", "scoretext-lyrics": "scoretext_lyrics",
    "scoretext-drumdef": "scoretext_drumdef",
}
DETECT = {"a.scoretext": "scoretext", "a.melody": "scoretext", "a.chords": "scoretext_chords",
          "a.chords_old": "scoretext_chords_old", "a.guitar": "scoretext_guitar",
          "a.drums": "scoretext_drums", "a.beat": "scoretext_beat", "a.vocal": "scoretext_vocal",
          "a.lyrics": "scoretext_lyrics", "drumdef.txt": "scoretext_drumdef", "notes.txt": "text"}

VIM = ["vim", "-es", "-N", "-u", "NONE", "-i", "NONE"]


def read_expectations(path):
    samples, faults, checks = [], [], []
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            fields = line.split()
            if fields[0] == "sample":
                samples.append((fields[1], fields[2]))
            elif fields[0] == "faults":
                faults.append((fields[1], fields[2]))
            elif fields[0] == "check":
                c = {"language": fields[1], "file": fields[2], "line": int(fields[3]), "cls": fields[4],
                     "token": fields[5].replace("\u2423", " "), "nth": 1, "only": None}
                for extra in fields[6:]:
                    if extra.isdigit():
                        c["nth"] = int(extra)
                    else:
                        c["only"] = extra
                if c["cls"] not in GROUPS:
                    sys.exit("expect.txt:%d: unknown class %s" % (n, c["cls"]))
                if c["only"] != "tm-only":
                    checks.append(c)
            else:
                sys.exit("expect.txt:%d: unknown record %s" % (n, fields[0]))
    return samples, faults, checks


def syntax_names(root, filetype, path, work):
    """The syntax item of every character of path, line by line."""
    out = os.path.join(work, "names.txt")
    script = os.path.join(work, "dump.vim")
    with open(script, "w") as f:
        f.write("set encoding=utf-8\n"
                "set rtp^=%s\n" % os.path.join(root, "editors", "vim").replace(" ", "\\ ")
                + "syntax on\n"
                "set filetype=%s\n" % filetype
                + "let out = []\n"
                "for l in range(1, line('$'))\n"
                "  let names = []\n"
                "  let text = getline(l)\n"
                "  let c = 0\n"
                "  for ch in split(text, '\\zs')\n"
                "    call add(names, synIDattr(synID(l, c + 1, 1), 'name'))\n"
                "    let c += len(ch)\n"
                "  endfor\n"
                "  call add(out, join(names, ' '))\n"
                "endfor\n"
                "call writefile(out, '%s')\n" % out
                + "call writefile(split(execute('messages'), '\\n'), '%s')\n" % (out + ".msg")
                + "qa!\n")
    r = subprocess.run(VIM + ["-S", script, path], capture_output=True, timeout=120)
    if not os.path.exists(out):
        sys.exit("vim wrote nothing for %s (status %d): %s" % (path, r.returncode, r.stdout + r.stderr))
    with open(out, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split(" ") if line.strip() else [] for line in f]
    os.remove(out)
    with open(out + ".msg", encoding="utf-8") as f:
        errors = re.findall(r"E[0-9]+:.*", f.read())
    os.remove(out + ".msg")
    if errors:
        sys.exit("vim reported errors loading %s: %s" % (filetype, "; ".join(errors)))
    return rows


def detection(root, work):
    failures = []
    script = os.path.join(work, "detect.vim")
    out = os.path.join(work, "ft.txt")
    with open(script, "w") as f:
        f.write("set rtp^=%s\nfiletype on\nlet out = []\n" % os.path.join(root, "editors", "vim"))
        for name in DETECT:
            f.write("execute 'edit %s'\ncall add(out, '%s ' . &filetype)\n"
                    % (os.path.join(work, name), name))
        f.write("call writefile(out, '%s')\nqa!\n" % out)
    subprocess.run(VIM + ["-S", script], capture_output=True, timeout=120)
    got = {}
    if os.path.exists(out):
        with open(out) as f:
            for line in f:
                name, _, ft = line.strip().partition(" ")
                got[name] = ft
    for name, ft in DETECT.items():
        if got.get(name) != ft:
            failures.append("file type of %s is %r, expected %s" % (name, got.get(name), ft))
    return failures


def main():
    root = os.path.abspath(sys.argv[1])
    samples, faults, checks = read_expectations(os.path.join(root, "editors", "tests", "expect.txt"))
    failures = []
    cache = {}
    work = tempfile.mkdtemp()

    def names(language, path):
        key = (language, path)
        if key not in cache:
            full = os.path.join(root, path)
            with open(full, encoding="utf-8") as f:
                text = f.read().split("\n")
            cache[key] = (text, syntax_names(root, FILETYPES[language], full, work))
        return cache[key]

    for language, path in samples:
        text, rows = names(language, path)
        for n, row in enumerate(rows, 1):
            if "scoretextError" in row:
                i = row.index("scoretextError")
                failures.append("%s:%d: %r marked in a sample the tool accepts: %s"
                                % (path, n, text[n - 1][i:i + 8], text[n - 1]))
    fault_lines = 0
    for language, path in faults:
        text, rows = names(language, path)
        for n, row in enumerate(rows, 1):
            m = re.search(r"//\s*(ok|bad)\s*$", text[n - 1])
            if not m:
                continue
            fault_lines += 1
            marked = "scoretextError" in row
            if m.group(1) == "bad" and not marked:
                failures.append("%s:%d: nothing marked on a line the tool refuses: %s" % (path, n, text[n - 1]))
            if m.group(1) == "ok" and marked:
                i = row.index("scoretextError")
                failures.append("%s:%d: %r marked on a line the tool accepts: %s"
                                % (path, n, text[n - 1][i:i + 8], text[n - 1]))
    for c in checks:
        text, rows = names(c["language"], c["file"])
        where = '%s:%d "%s"' % (c["file"], c["line"], c["token"])
        line = text[c["line"] - 1]
        at = -1
        for _ in range(c["nth"]):
            at = line.find(c["token"], at + 1)
            if at < 0:
                break
        if at < 0:
            failures.append(where + ": token not found")
            continue
        want = GROUPS[c["cls"]]
        row = rows[c["line"] - 1]
        for i in range(at, at + len(c["token"])):
            got = row[i] if i < len(row) else ""
            if got != want:
                failures.append("%s: character %d is in %r, expected %r" % (where, i + 1, got, want))
                break
    failures += detection(root, work)
    for f in failures:
        print(f)
    if failures:
        print("FAILED: %d failures" % len(failures))
        return 1
    if fault_lines == 0 or not checks:
        print("FAILED: nothing checked")
        return 1
    print("ok: %d sample files, %d fault lines, %d token checks, %d file names"
          % (len(samples), fault_lines, len(checks), len(DETECT)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
