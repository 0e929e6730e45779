#!/usr/bin/python3
"""Runs ardic, ostrin and belvar on SMF files written by an independent
writer and checks their results with an independent reader.

    check_real_files.py BIN_DIR TUNE_DIR

Every ABC tune in TUNE_DIR is turned into a format-1 file by abc2midi; mido
(Debian's python3-mido, which belongs to /usr/bin/python3) reads the inputs
and the results back.  mido also writes two files of its own: a format-0 file
for ostrin, and a file with running status, which ardic must refuse.
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from read_back_kit import check, mido, summary  # noqa: E402

NOTE_TYPES = ("note_on", "note_off", "polytouch")


def run(bin_dir, tool, *args):
    proc = subprocess.run([os.path.join(bin_dir, tool), *args], capture_output=True)
    return proc.returncode, proc.stdout.decode("cp932")


def message_key(msg):
    return (type(msg).__name__, sorted(vars(msg).items()))


def track_keys(track):
    return [message_key(m) for m in track]


def transposed(msg, n):
    if msg.type in NOTE_TYPES:
        return msg.copy(note=max(0, min(127, msg.note + n)))
    return msg


def track_list_text(midi_path, source):
    """The lines ardic and belvar print, with the track lengths taken from
    the chunk headers of the file."""
    data = open(midi_path, "rb").read()
    lines = [f"トラック数　{len(source.tracks)}"]
    at = 14
    for i in range(len(source.tracks)):
        length = int.from_bytes(data[at + 4:at + 8], "big")
        lines.append(f"track {i} : {length}")
        at += 8 + length
    return "\n".join(lines) + "\n"


def check_ardic(bin_dir, work, name, path, source):
    notes = [m.note for t in source.tracks for m in t if m.type in NOTE_TYPES]
    for n in (0, 5, -7, 24, -24, 300):
        out = os.path.join(work, f"{name}.ardic{n}.mid")
        status, text = run(bin_dir, "ardic", path, str(n), out)
        check(status == 0, f"ardic {name} {n}: status {status}")
        check(text == track_list_text(path, source), f"ardic {name} {n}: printed {text!r}")
        check(os.path.getsize(out) == os.path.getsize(path), f"ardic {name} {n}: size changed")
        result = mido.MidiFile(out)
        check((result.type, result.ticks_per_beat, len(result.tracks)) ==
              (source.type, source.ticks_per_beat, len(source.tracks)),
              f"ardic {name} {n}: header changed")
        for i, (before, after) in enumerate(zip(source.tracks, result.tracks)):
            check(track_keys([transposed(m, n) for m in before]) == track_keys(after),
                  f"ardic {name} {n}: track {i} is not the input with the keys moved")
        if n == 0:
            check(open(out, "rb").read() == open(path, "rb").read(), f"ardic {name} 0: not a copy")
    check(bool(notes), f"{name}: the tune has notes")
    return max(notes, default=0) + 24 > 127 or min(notes, default=127) - 24 < 0


def check_belvar(bin_dir, work, name, path, source):
    status, listed = run(bin_dir, "belvar", path)
    check(status == 0 and listed == track_list_text(path, source), f"belvar {name}: list {listed!r}")
    for i, track in enumerate(source.tracks):
        out = os.path.join(work, f"{name}.track{i}.mid")
        status, text = run(bin_dir, "belvar", path, str(i), out)
        check(status == 0 and text == listed, f"belvar {name} {i}: status {status}, {text!r}")
        result = mido.MidiFile(out)
        check((result.type, result.ticks_per_beat, len(result.tracks)) ==
              (0, source.ticks_per_beat, 1), f"belvar {name} {i}: not a one-track format-0 file")
        check(track_keys(result.tracks[0]) == track_keys(track),
              f"belvar {name} {i}: not the original track")
    out = os.path.join(work, f"{name}.beyond.mid")
    status, text = run(bin_dir, "belvar", path, str(len(source.tracks)), out)
    check(status == 1 and text == listed + "trk 指定エラー\n" and not os.path.exists(out),
          f"belvar {name}: track beyond the last was not refused")


def check_ostrin(bin_dir, work, first, second, label):
    out = os.path.join(work, f"{label}.joined.mid")
    status, text = run(bin_dir, "ostrin", first, second, out)
    check(status == 0 and text == "", f"ostrin {label}: status {status}, {text!r}")
    a, b, joined = mido.MidiFile(first), mido.MidiFile(second), mido.MidiFile(out)
    check((joined.type, joined.ticks_per_beat) == (1, a.ticks_per_beat), f"ostrin {label}: header")
    check([track_keys(t) for t in joined.tracks] ==
          [track_keys(t) for t in a.tracks] + [track_keys(t) for t in b.tracks],
          f"ostrin {label}: the tracks are not both files' tracks in order")


def mido_files(work, source):
    """A format-0 file and a file with running status, both written by mido."""
    single = mido.MidiFile(type=0, ticks_per_beat=source.ticks_per_beat)
    single.tracks.append(mido.merge_tracks(source.tracks))
    format0 = os.path.join(work, "mido-format0.mid")
    single.save(format0)
    running = mido.MidiFile(type=1, ticks_per_beat=source.ticks_per_beat)
    running.tracks.extend(source.tracks)
    running_path = os.path.join(work, "mido-running-status.mid")
    running.save(running_path)
    return format0, running_path


def main():
    bin_dir, tune_dir = sys.argv[1], sys.argv[2]
    if shutil.which("abc2midi") is None:
        sys.exit("abc2midi is missing: install abcmidi")
    tunes = sorted(glob.glob(os.path.join(tune_dir, "*.abc")))
    check(len(tunes) >= 3, "at least three tunes")
    with tempfile.TemporaryDirectory() as work:
        files, clamped = [], False
        for tune in tunes:
            name = os.path.splitext(os.path.basename(tune))[0]
            path = os.path.join(work, name + ".mid")
            subprocess.run(["abc2midi", tune, "-silent", "-o", path], check=True,
                           stdout=subprocess.DEVNULL)
            source = mido.MidiFile(path)
            check(source.type == 1 and len(source.tracks) >= 2, f"{name}: a format-1 file")
            clamped |= check_ardic(bin_dir, work, name, path, source)
            check_belvar(bin_dir, work, name, path, source)
            files.append((name, path, source))
        check(clamped, "some tune has notes that a shift of 24 clamps")

        for (name_a, a, _), (name_b, b, _) in zip(files, files[1:] + files[:1]):
            check_ostrin(bin_dir, work, a, b, f"{name_a}+{name_b}")
        check_ostrin(bin_dir, work, files[0][1], files[0][1], "self")

        format0, running = mido_files(work, files[0][2])
        check_ostrin(bin_dir, work, format0, files[1][1], "format0-first")
        status, text = run(bin_dir, "ardic", format0, "1", os.path.join(work, "f0.mid"))
        check(status == 1 and text == "フォーマット1ではありません\n", "ardic took a format-0 file")
        out = os.path.join(work, "running.mid")
        status, text = run(bin_dir, "ardic", running, "1", out)
        check(status == 1 and text.endswith("対応できないコードがありました\n") and
              not os.path.exists(out), f"ardic on running status: {status}, {text!r}")
        check_belvar(bin_dir, work, "mido-running-status", running, mido.MidiFile(running))

    return summary()


if __name__ == "__main__":
    sys.exit(main())
