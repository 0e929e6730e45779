#!/usr/bin/python3
"""Reads the files vastrel writes with an independent SMF reader and plays
one with a real player.

    check_with_mido.py BIN_DIR EXAMPLES_DIR

mido (Debian's python3-mido, which belongs to /usr/bin/python3) reads back
the example part and parts made up here at random; their notes and times
are compared with what the drum notation says, worked out here on its own
terms.  timidity renders the example to a WAV file.  Last, a drum map or an
in-file that cannot be read is reported as an open error, and a failed run
leaves nothing behind in the out-file's folder.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from read_back_kit import check, mido, summary  # noqa: E402


def vastrel(bin_dir, work, *args):
    proc = subprocess.run([os.path.join(bin_dir, "vastrel"), *args], cwd=work, capture_output=True)
    return proc.returncode, proc.stderr.decode("cp932")


def read_events(path):
    """(absolute time, kind, note, velocity) of the notes of a file, in file
    order, and the file's meta data."""
    midi = mido.MidiFile(path)
    now, notes, meta = 0, [], []
    for msg in midi.tracks[0]:
        now += msg.time
        if msg.type in ("note_on", "note_off"):
            check(msg.channel == 0, f"{path}: {msg} not on the first channel")
            notes.append((now, msg.type, msg.note, msg.velocity))
        else:
            meta.append((now, msg))
    return midi, notes, meta


def check_layout(path, tempo, numerator, denominator):
    midi, notes, meta = read_events(path)
    check((midi.type, midi.ticks_per_beat, len(midi.tracks)) == (0, 480, 1), f"{path}: layout")
    kinds = [(t, m.type) for t, m in meta]
    end = notes[-1][0] if notes else 0
    check(kinds == [(0, "set_tempo"), (0, "time_signature"), (end, "end_of_track")],
          f"{path}: meta events {kinds}")
    check(meta[0][1].tempo == tempo, f"{path}: tempo {meta[0][1].tempo}")
    sig = meta[1][1]
    check((sig.numerator, sig.denominator, sig.clocks_per_click, sig.notated_32nd_notes_per_beat) ==
          (numerator, denominator, 24, 8), f"{path}: time signature {sig}")
    return notes


# The example part, bar by bar (1920 ticks a bar): note, velocity and the
# position in the bar of every hit.
BD, SD, HHC, HHO, HT, LT, FT, CRASH = 36, 38, 42, 46, 50, 45, 43, 49
BEAT = [(BD, 110, 0), (BD, 110, 960), (BD, 90, 1200), (SD, 100, 480), (SD, 100, 1440),
        (HHC, 90, 0), (HHC, 60, 240), (HHC, 90, 480), (HHC, 60, 720), (HHC, 90, 960),
        (HHC, 60, 1200), (HHC, 90, 1440), (HHO, 80, 1680)]
EXAMPLE_BARS = [
    [(HHC, 80, 0), (HHC, 80, 480), (HHC, 80, 960), (HHC, 100, 1440)],
    BEAT, BEAT, BEAT,
    [(BD, 110, 0), (SD, 100, 480), (SD, 96, 960), (SD, 96, 1080), (HHC, 90, 0), (HHC, 60, 240),
     (HHC, 90, 480), (HHC, 60, 720), (HT, 90, 1200), (HT, 80, 1320), (LT, 100, 1440),
     (LT, 90, 1560), (FT, 110, 1680), (FT, 100, 1800)],
    [(BD, 120, 0), (CRASH, 120, 0)],
]


def check_example(bin_dir, examples, work):
    shutil.copy(os.path.join(examples, "drumdef.txt"), work)
    status, err = vastrel(bin_dir, work, os.path.join(examples, "vastrel.txt"), "example.mid")
    check(status == 0 and err == "", f"example: status {status} {err!r}")
    if status != 0:
        return None
    notes = check_layout(os.path.join(work, "example.mid"), 500000, 4, 4)
    want = []
    for bar, hits in enumerate(EXAMPLE_BARS):
        for note, velocity, at in hits:
            want.append((bar * 1920 + at, "note_on", note, velocity))
            want.append((bar * 1920 + at + 15, "note_off", note, 0))
    check(sorted(notes) == sorted(want), "example: the notes differ from the part")
    return os.path.join(work, "example.mid")


LENGTHS = {"1": 1920, "1.": 2880, "1..": 3360, "2": 960, "2.": 1440, "2..": 1680,
           "4": 480, "4.": 720, "4..": 840, "8": 240, "8.": 360, "8..": 420,
           "16": 120, "16.": 180, "16..": 210, "32": 60, "32.": 90, "32..": 105}
KIT = {"BD": 36, "SD": 38, "HH": 42, "TOM": 45, "RIDE": 51}


def random_part(rng):
    """A drum part, and the events it adds in the order it adds them."""
    lines, events = ["ST 96", "SB 3/4"], []
    running = dict.fromkeys(KIT, 0)
    for _ in range(rng.randint(5, 40)):
        name = rng.choice(list(KIT))
        words = [name.lower() if rng.random() < 0.2 else name]
        for _ in range(rng.randint(0, 12)):
            length = rng.choice(list(LENGTHS))
            ticks = LENGTHS[length]
            words.append(length)
            if rng.random() < 0.3:
                n = rng.randint(2, 32)
                words.append(f"]{n}")
                ticks //= n
            what = rng.random()
            if what < 0.25:
                words.append("X")
            elif what < 0.6:
                velocity = rng.randint(0, 127)
                words.append(f"V{velocity}")
                events.append((running[name], "note_on", KIT[name], velocity))
                events.append((running[name] + 15, "note_off", KIT[name], 0))
            else:
                events.append((running[name], "note_on", KIT[name], 64))
            running[name] += ticks
        lines.append(" ".join(words))
    return "\n".join(lines) + "\n", events


def exchange_sorted(events):
    """The exchange sort as the file is meant to hold its events."""
    e = list(events)
    for i in range(len(e) - 1):
        for j in range(i, len(e)):
            if e[i][0] > e[j][0]:
                e[i], e[j] = e[j], e[i]
    return e


def check_random_parts(bin_dir, work):
    with open(os.path.join(work, "drumdef.txt"), "w") as f:
        f.write("".join(f"{name_note(n)} {name}\n" for name, n in KIT.items()))
    rng = random.Random(1996)
    for round in range(60):
        text, events = random_part(rng)
        with open(os.path.join(work, "part.txt"), "w") as f:
            f.write(text)
        status, err = vastrel(bin_dir, work, "part.txt", "part.mid")
        check(status == 0 and err == "", f"random part {round}: status {status} {err!r}")
        if status != 0:
            continue
        notes = check_layout(os.path.join(work, "part.mid"), 625000, 3, 4)
        check(notes == exchange_sorted(events), f"random part {round}: notes or their order differ")


def name_note(note):
    names = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    return names[note % 12] + str(note // 12 - 2)


def check_player(example, work):
    wav = os.path.join(work, "example.wav")
    proc = subprocess.run(["timidity", "-Ow", "-o", wav, example], capture_output=True)
    check(proc.returncode == 0, f"timidity: status {proc.returncode} {proc.stderr[-300:]!r}")
    data = open(wav, "rb").read() if os.path.exists(wav) else b""
    check(data[:4] == b"RIFF" and data[8:12] == b"WAVE", "timidity: no WAV file")
    # Six bars at 120 to the quarter: the last hit sounds ten seconds in.
    byte_rate = int.from_bytes(data[28:32], "little") if len(data) >= 32 else 0
    check(byte_rate > 0 and len(data) > 10 * byte_rate, f"timidity: {len(data)} bytes is too short")


def check_unreadable_and_leftovers(bin_dir, work):
    folder = os.path.join(work, "unreadable")
    os.mkdir(folder)
    with open(os.path.join(folder, "in.txt"), "w") as f:
        f.write("ST 120\nSB 4/4\n")
    os.symlink("/proc/self/mem", os.path.join(folder, "drumdef.txt"))
    status, err = vastrel(bin_dir, folder, "in.txt", "out.mid")
    check((status, err) == (1, "drumdef.txt open error\n"), f"unreadable drum map: {status} {err!r}")
    os.unlink(os.path.join(folder, "drumdef.txt"))
    with open(os.path.join(folder, "drumdef.txt"), "w") as f:
        f.write("C1 BD\n")
    os.symlink("/proc/self/mem", os.path.join(folder, "link.txt"))
    status, err = vastrel(bin_dir, folder, "link.txt", "out.mid")
    check((status, err) == (1, "link.txt open error\n"), f"unreadable in-file: {status} {err!r}")
    # Failures after the input leave the folder as it was.
    with open(os.path.join(folder, "big.txt"), "w") as f:
        f.write("ST 120; SB 4/4\n" + ("BD" + " 32 ]32" * 4000 + "\n") * 70)
    before = sorted(os.listdir(folder))
    status, _ = vastrel(bin_dir, folder, "big.txt", "out.mid")
    check(status == 1 and sorted(os.listdir(folder)) == before, "a refused image left files behind")
    status, _ = vastrel(bin_dir, folder, "in.txt", "out.mid")
    check(status == 0 and sorted(os.listdir(folder)) == sorted(before + ["out.mid"]),
          "a written file left files behind")


def main():
    bin_dir, examples = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    with tempfile.TemporaryDirectory() as work:
        example = check_example(bin_dir, examples, work)
        if example:
            check_player(example, work)
        check_random_parts(bin_dir, work)
        check_unreadable_and_leftovers(bin_dir, work)
    return summary()


if __name__ == "__main__":
    sys.exit(main())
