#!/usr/bin/env python3
"""Runs every marked line of the grammar samples through the tool that reads
that notation, so that what the grammars mark invalid is checked against the
tools themselves and not against the grammars' own idea of the notation.

A sample line ending in "// ok" must be accepted (status 0) and one ending in
"// bad" refused (status 1 and an "ERROR" line), each run in a file of its
own after the sample's unmarked lines.

    tool_check.py BIN-DIR PROJECT-ROOT
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

MARK = re.compile(r"//\s*(ok|bad)\s*$")


def runs(sample):
    """(prelude, [(line number, line, verdict)]) of a sample file."""
    prelude, marked = [], []
    with open(sample, encoding="utf-8") as f:
        for n, line in enumerate(f.read().split("\n"), 1):
            m = MARK.search(line)
            if m:
                marked.append((n, line, m.group(1)))
            elif line.strip() and not line.lstrip().startswith("//"):
                prelude.append(line)
    return prelude, marked


def main():
    bin_dir, root = (os.path.abspath(a) for a in sys.argv[1:3])
    samples = os.path.join(root, "editors", "tests", "samples")
    examples = os.path.join(root, "examples")
    # sample -> (program, how its run is laid out)
    table = {
        "chords.txt": ("talven2", "score"),
        "chords_old.txt": ("talven", "score"),
        "melody.txt": ("morrik", "score"),
        "guitar.txt": ("gessan", "score"),
        "drums.txt": ("quendro", "drums"),
        "beat.txt": ("vastrel", "drums"),
        "vocal.txt": ("sirenta", "vocal"),
        "lyrics.txt": ("nolwen", "lyrics"),
        "drumdef.txt": ("quendro", "drumdef"),
    }
    failures, count = [], 0
    for name, (prog, layout) in sorted(table.items()):
        prelude, marked = runs(os.path.join(samples, name))
        if not marked:
            failures.append("%s: no marked lines" % name)
        for n, line, verdict in marked:
            work = tempfile.mkdtemp()
            try:
                text = "\n".join(prelude + [line]) + "\n"
                args = [os.path.join(bin_dir, prog)]
                if layout == "lyrics":
                    write(work, "lyric.txt", line + "\n")
                    write(work, "in.txt", "4 C4\n")
                    args += ["lyric.txt", "in.txt", "out.txt"]
                elif layout == "drumdef":
                    write(work, "drumdef.txt", line + "\n")
                    write(work, "in.txt", "SB 4/4\n")
                    args += ["in.txt", "out.txt"]
                else:
                    write(work, "in.txt", text)
                    args += ["in.txt", "out.txt"]
                if layout == "drums":
                    shutil.copy(os.path.join(examples, "drumdef.txt"), work)
                if layout == "vocal":
                    shutil.copy(os.path.join(examples, "def.vsqx"), work)
                r = subprocess.run(args, cwd=work, capture_output=True, timeout=60)
                got = "ok" if r.returncode == 0 else "bad"
                if r.returncode not in (0, 1) or (got == "bad" and not r.stderr.startswith(b"ERROR")):
                    got = "status %d, stderr %r" % (r.returncode, r.stderr[:80])
                count += 1
                if got != verdict:
                    failures.append("%s:%d: %s says %s, the sample says %s: %s"
                                    % (name, n, prog, got, verdict, line.strip()))
            finally:
                shutil.rmtree(work)
    for f in failures:
        print(f)
    if failures:
        print("FAILED: %d of %d lines" % (len(failures), count))
        return 1
    print("ok: %d sample lines judged by the tools as marked" % count)
    return 0


def write(folder, name, text):
    with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    sys.exit(main())
