#!/usr/bin/env python3
"""Makes the seed corpora of the fuzz targets from the examples and the
end-to-end cases, minimised by the targets themselves.

    tests/fuzz/make_seeds.py BUILD_DIR [TARGET...]

For each target, every file of its program's cases that stands where the
fuzz input goes (in.txt, drumdef.txt, in.mid, ...) and the matching example
files are collected, and libFuzzer keeps only those that add coverage, in
tests/fuzz/corpus/<target>/.  Run it again when the programs or their cases
change much; the corpora are small enough to keep in the repository.
"""
import glob
import hashlib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.dirname(HERE))
import run_cases  # noqa: E402

# target: (case folder, name of the input in the cases, example files)
TARGETS = {
    "talven2": ("talven2", "in.txt", ["chords.txt", "song/chords.txt"]),
    "talven": ("talven", "in.txt", ["song/chords_old.txt"]),
    "morrik": ("morrik", "in.txt", ["melody.txt", "song/melody.txt"]),
    "gessan": ("gessan", "in.txt", ["tab.txt", "song/guitar.txt"]),
    "quendro": ("quendro", "in.txt", ["drums.txt", "song/drums.txt"]),
    "vastrel": ("vastrel", "in.txt", ["vastrel.txt", "song/beat.txt", "song/shaker.txt"]),
    "nolwen": ("nolwen", "in.txt", ["vocal_melody.txt"]),
    "sirenta": ("sirenta", "in.txt", ["vocal.txt", "song/vocal.txt"]),
    "drumdef": ("quendro", "drumdef.txt", ["drumdef.txt"]),
    "lyric_file": ("nolwen", "lyrics.txt", ["lyrics.txt", "song/lyrics.txt"]),
    "template": ("sirenta", "def.vsqx", ["def.vsqx"]),
    "ardic": ("ardic", "in.mid", []),
    "belvar": ("belvar", "in.mid", []),
    "ostrin": ("ostrin", "a.mid", []),
    "score_text": ("scoremidi", "in.txt", ["chords.txt", "melody.txt", "song/melody.txt"]),
    "score_vocal": ("scoremidi", "in.txt", ["vocal.txt", "song/vocal.txt"]),
}
LARGEST_SEED = 8 * 1024


def case_inputs(folder, name):
    for path in sorted(glob.glob(os.path.join(ROOT, "tests", "cases", folder, "*.case"))):
        for case in run_cases.parse(path):
            for sec in case.sections:
                if sec.kind == "file" and sec.arg == name:
                    try:
                        yield run_cases.section_bytes(sec)
                    except Exception:  # a gen section that reads the examples itself
                        continue


def example_inputs(names):
    for name in names:
        path = os.path.join(ROOT, "examples", name)
        if os.path.isfile(path):
            with open(path, "rb") as f:
                yield f.read()


def main():
    build = os.path.abspath(sys.argv[1])
    chosen = sys.argv[2:] or list(TARGETS)
    for target in chosen:
        folder, name, examples = TARGETS[target]
        fuzzer = os.path.join(build, "bin", f"fuzz_{target}")
        if not os.path.exists(fuzzer):
            print(f"{target}: not built, skipped")
            continue
        corpus = os.path.join(HERE, "corpus", target)
        os.makedirs(corpus, exist_ok=True)
        with tempfile.TemporaryDirectory() as raw:
            count = 0
            for data in list(case_inputs(folder, name)) + list(example_inputs(examples)):
                if len(data) <= LARGEST_SEED:
                    with open(os.path.join(raw, hashlib.sha1(data).hexdigest()), "wb") as f:
                        f.write(data)
                    count += 1
            subprocess.run([fuzzer, "-merge=1", "-close_fd_mask=3", corpus, raw],
                           check=True, stderr=subprocess.DEVNULL)
        print(f"{target}: {count} inputs, {len(os.listdir(corpus))} kept")


if __name__ == "__main__":
    main()
