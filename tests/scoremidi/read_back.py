#!/usr/bin/python3
"""Reads the files scoremidi writes with an independent SMF reader (mido)
and plays the example song with a real player (timidity).

    read_back.py BIN_DIR SOURCE_DIR

The parts are made by the suite's six text tools: the example song's, and
parts made up here at random for each of them.  What the file must hold is
worked out here from the score text on its own terms: every note at the
tick, length, pitch, velocity and channel the text gives it.  Chord names
(talven's output) are spelled by asking talven2 for the same chord.  The
example song is then rendered by timidity: the sound must not be silent and
must last as long as the song.
"""
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from read_back_kit import check, mido, summary  # noqa: E402


def run(bin_dir, work, prog, *args):
    proc = subprocess.run([os.path.join(bin_dir, prog), *args], cwd=work, capture_output=True)
    if proc.returncode != 0:
        raise RuntimeError(f"{prog} {' '.join(args)}: {proc.stderr.decode('cp932', 'replace')}")


# ---------------------------------------------------------------- the text

LENGTHS = {"14": 7680, "12": 3840, "1": 1920, "2": 960, "4": 480, "8": 240, "16": 120, "32": 60, "64": 30}
LETTERS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
SHIFTS = {"": 0, "#": 1, "##": 2, "B": -1, "BB": -2, "N": 0}


def ticks_of(token):
    base = token.rstrip(".")
    dots = len(token) - len(base)
    t = LENGTHS[base]
    return t + (t // 2 if dots >= 1 else 0) + (t // 4 if dots == 2 else 0)


def pitch_of(name):
    """C3 is 60; octaves -2 to 7; the accidental after the octave."""
    m = re.fullmatch(r"([A-G])(-2|-1|[0-7])(#|##|B|BB|N)?", name.upper())
    return (int(m.group(2)) + 2) * 12 + LETTERS[m.group(1)] + SHIFTS[m.group(3) or ""]


def staccato(n, f):
    return {0: f, 1: f // 2, 2: f // 4, 3: f // 3, 4: f // 2 + f // 4, 5: f - f // 8,
            6: f - f // 16, 7: f - f // 32, 8: f - (2 * f) // 3}[n]


def split(code, l):
    """The repeated notes of &101..&120 (pieces adding up to l)."""
    if 101 <= code <= 106:
        d = [2, 3, 4, 8, 16, 32][code - 101]
        return [l // d, l - l // d]
    if 107 <= code <= 110:
        q = l // (16 if code <= 108 else 32)
        return [q, q, l - 2 * q] if code % 2 == 1 else [q, 2 * q, l - 3 * q]
    if 111 <= code <= 116:
        m = code - 108
        return [l // m] * (m - 1) + [l - (m - 1) * (l // m)]
    q16, q32 = l // 16, l // 32
    return {117: [2 * q16, 2 * q16, 4 * q16, l - 8 * q16], 118: [8 * q16, 4 * q16, 2 * q16, l - 14 * q16],
            119: [2 * q32, 2 * q32, 4 * q32, 8 * q32, l - 16 * q32],
            120: [16 * q32, 8 * q32, 4 * q32, 2 * q32, l - 30 * q32]}.get(code, [l])


def pieces(f, art, ss, tied):
    """(start, length) of each sounding of a statement of f ticks."""
    if art.startswith("DL"):
        d = f // {"DL": 4, "DL1": 4, "DL2": 8, "DL3": 16, "DL4": 32}[art]
        return [(d, f - d)]
    if art.startswith("S"):
        return [(0, staccato(1 if art == "S" else int(art[1]), f))]
    if art.startswith("&") and int(art[1:]) > 100:
        out, at = [], 0
        for p in split(int(art[1:]), f):
            out.append((at, p))
            at += p
        return out
    if ss and not tied:
        return [(0, staccato(ss, f))]
    return [(0, f)]


class ScoreText:
    """Score text as the text tools write it, carried out note by note."""

    def __init__(self, channel, chord_notes):
        self.channel, self.chord_notes = channel, chord_notes
        self.tick, self.sc, self.ss = 0, 0, 0
        self.notes, self.tempos, self.texts = [], [], []
        self.tied = None  # (notes as (start, key, velocity), pending)
        self.patterns, self.recording = {}, None

    def add(self, start, end, key, velocity):
        if velocity > 0 and end > start:
            self.notes.append((self.channel, start, end, key, velocity))

    def statement(self, words):
        head = words[0]
        if head == "ST":
            self.tempos.append((self.tick, 60000000 // int(words[1])))
        elif head == "SC":
            self.sc = int(words[1])
        elif head == "SS":
            self.ss = int(words[1])
        elif head == "PS":
            self.recording = (int(words[1]), self.tick, len(self.notes), len(self.texts))
        elif head == "PE":
            n, start, first_note, first_text = self.recording
            self.patterns[n] = (start, self.tick, self.notes[first_note:], self.texts[first_text:])
        elif head == "PR":
            start, end, notes, texts = self.patterns[int(words[1])]
            shift = self.tick - start
            self.notes += [(c, s + shift, e + shift, k, v) for c, s, e, k, v in notes]
            self.texts += [(t + shift, x) for t, x in texts]
            self.tick += end - start
        elif head[0].isdigit():
            self.note_statement(words)

    def note_statement(self, words):
        i, f, tie, art = 1, ticks_of(words[0]), False, ""
        if i < len(words) and words[i] == ")":
            tie, i = True, i + 1
        if i < len(words) and words[i].startswith("]"):
            f, i = f // int(words[i][1]), i + 1
        if i < len(words) and re.fullmatch(r"DL[1-4]?|S[0-8]?|&\d+", words[i]):
            art, i = words[i], i + 1
        if self.tied is not None:  # a continuation
            sounding, _ = self.tied
            end = self.tick + (pieces(f, art, 0, False)[0][1] if art.startswith("S") else f)
            if tie:
                self.tied = (sounding, True)
            else:
                for start, key, velocity in sounding:
                    self.add(start, end, key, velocity)
                self.tied = None
            self.tick += f
            return
        group = []
        while i < len(words):
            w = words[i]
            if w == "X":
                group = None
                i += 1
                continue
            if w.startswith('"'):
                self.texts.append((self.tick, w.strip('"')))
                i += 1
                continue
            keys = [pitch_of(w[1:])] if w.startswith("*") else self.chord_notes(w)
            velocity = 64
            if i + 1 < len(words) and words[i + 1].startswith("V"):
                velocity, i = int(words[i + 1][1:]), i + 1
            group += [(k, velocity) for k in keys]
            i += 1
        if group is None:
            self.tied = ([], True) if tie else None
        else:
            clamp = lambda k: min(127, max(0, k + self.sc))
            if tie:
                self.tied = ([(self.tick, clamp(k), v) for k, v in group], True)
            for start, length in ([] if tie else pieces(f, art, self.ss, tie)):
                for k, v in group:
                    self.add(self.tick + start, self.tick + start + length, clamp(k), v)
        self.tick += f


# Words read in upper case; a chord name keeps its case.
KEYWORD_LIKE = r"[vV]\d+|[xX]|[sS][0-8]?|[dD][lL][1-4]?|&\d+|\)|\][2-9]|ON|on|OFF|off"


def read_score_text(path, channel, chord_notes):
    part = ScoreText(channel, chord_notes)
    with open(path, encoding="cp932") as f:
        for line in f:
            for statement in line.rstrip("\n").split(";"):
                words = re.findall(r'"[^"]*"|[^ ]+', statement)
                if words:
                    part.statement([w.upper() if i == 0 or w[0] in "*!" or re.fullmatch(KEYWORD_LIKE, w) else w
                                    for i, w in enumerate(words)])
    return part


def sung_part(path, channel):
    """nolwen's output: one sung note a statement, C3 60, key 0; the lyric
    and the length; a rest."""
    notes, lyrics, tick, tied = [], [], 0, None
    with open(path, "rb") as f:
        for raw in f.read().split(b"\n"):
            for statement in raw.split(b";"):
                words = re.findall(rb'"[^"]*"|[^ ]+', statement)
                if not words or not words[0][:1].isdigit():
                    continue
                f_ticks, i = ticks_of(words[0].decode()), 1
                tie = i < len(words) and words[i] == b")"
                i += tie
                if tied is not None:
                    tied[2] += f_ticks
                    if not tie:
                        notes.append(tuple(tied))
                        tied = None
                    tick += f_ticks
                    continue
                if words[i] != b"X":
                    velocity = 64
                    if i + 1 < len(words) and re.fullmatch(rb"V\d+", words[i + 1]):
                        velocity = int(words[i + 1][1:])
                    for w in words[i + 1:]:
                        if w.startswith(b'"'):
                            lyrics.append((tick, w.strip(b'"').split(b"[")[0]))
                        if w.upper().startswith(b"VEL:"):
                            velocity = int(w[4:])
                    note = [channel, tick, f_ticks, pitch_of(words[i].decode()), velocity]
                    if tie:
                        tied = note
                    else:
                        notes.append(tuple(note))
                tick += f_ticks
    return [(c, s, s + l, k, v) for c, s, l, k, v in notes], lyrics


# ---------------------------------------------------------------- the file

def read_file(path):
    midi = mido.MidiFile(path)
    notes, tempos, texts, lyrics, names = [], [], [], [], []
    for track in midi.tracks:
        now, open_notes = 0, {}
        for msg in track:
            now += msg.time
            if msg.type == "note_on" and msg.velocity > 0:
                open_notes.setdefault((msg.channel, msg.note), []).append((now, msg.velocity))
            elif msg.type in ("note_off", "note_on"):
                start, velocity = open_notes[(msg.channel, msg.note)].pop(0)
                notes.append((msg.channel, start, now, msg.note, velocity))
            elif msg.type == "set_tempo":
                tempos.append((now, msg.tempo))
            elif msg.type == "text":
                texts.append((now, msg.text))
            elif msg.type == "lyrics":
                # The lyric's bytes as written (mido reads meta texts as Latin-1).
                lyrics.append((now, msg.text.encode("latin-1")))
            elif msg.type == "track_name":
                names.append(msg.name)
    return midi, sorted(notes), tempos, texts, lyrics, names


def talven2_spelling(bin_dir, work):
    cache = {}

    def spell(name):
        plain = name[1:] if name[0] in "123" else name
        plain = {"A#bm/F": "A#m/F", "A#bm7/Ab": "A#m7/Ab"}.get(plain, plain)
        if plain not in cache:
            with open(os.path.join(work, "spell.txt"), "w") as f:
                f.write(f"4 {plain}\n")
            run(bin_dir, work, "talven2", "spell.txt", "spell.out.txt")
            words = open(os.path.join(work, "spell.out.txt")).read().split()
            cache[plain] = [pitch_of(w[1:]) for w in words if w.startswith("*")]
        return cache[plain]
    return spell


def compare(label, parts_expected, path, names=None):
    midi, notes, tempos, texts, lyrics, track_names = read_file(path)
    check(midi.type == 1 and midi.ticks_per_beat == 480, f"{label}: format {midi.type}, division {midi.ticks_per_beat}")
    expected = sorted(n for part in parts_expected for n in part.notes)
    check(notes == expected, f"{label}: {len(notes)} notes read, {len(expected)} expected; first difference "
          f"{next(((a, b) for a, b in zip(notes, expected) if a != b), None)}")
    want_texts = sorted(t for part in parts_expected for t in part.texts)
    check(sorted(texts) == want_texts, f"{label}: texts {texts[:3]} for {want_texts[:3]}")
    if names is not None:
        check(track_names == names, f"{label}: track names {track_names}")
    return tempos, lyrics


# ---------------------------------------------------------------- random parts

CHORDS = ["C", "Am7", "FM7", "G7", "Dm7", "E7", "Bb", "F#m7-5", "Cdim7", "Gsus4", "Aaug", "C/E", "G7/F",
          "Dm7/G", "Ebm", "C#7", "Bbm7/Ab", "A#bm/F"]
TALVEN2 = ["C", "Am7", "FM7", "G7(9,13)", "C69onE", "Dm7-5", "E7(b9)", "Bbadd9", "F#m", "Cm7/Bb"]
LEN_TOKENS = ["1", "2", "2.", "4", "4.", "8", "8.", "16", "4..", "32"]
ARTICULATIONS = ["", "", "", "S", "S2", "S5", "S8", "DL", "DL3", "&101", "&104", "&108", "&112", "&115",
                 "&117", "&120", "&150", "&50"]


def length_group(rng, tie_ok=True):
    words = [rng.choice(LEN_TOKENS)]
    if rng.random() < 0.15:
        words.append("]" + str(rng.randint(2, 9)))
    art = rng.choice(ARTICULATIONS)
    if art:
        words.append(art)
    elif tie_ok and rng.random() < 0.1:
        words.insert(1, ")")
    return words


def random_statements(rng, body, settings=True):
    """Note statements of the tool's notation; quendro has no ties, brackets
    or articulations but &01..&200 (settings False)."""
    lines = []
    if not settings:
        tie_free = lambda r: [r.choice(LEN_TOKENS)] + ([r.choice(["&101", "&150", "&112"])] if r.random() < 0.2 else [])
        return ["PS 3"] + [" ".join(tie_free(rng) + body(rng)) for _ in range(4)] + ["PE", "PR 3"] + \
               [" ".join(tie_free(rng) + body(rng)) for _ in range(rng.randint(10, 30))]
    if settings:
        lines += [f"SS {rng.randint(0, 8)}", f"SC {rng.randint(-5, 5)}"]
    pattern = False
    for i in range(rng.randint(20, 40)):
        group = length_group(rng)
        if ")" in group:
            lines.append(" ".join(group + body(rng)))
            cont = [rng.choice(LEN_TOKENS)] + ([rng.choice(["S", "S3", "DL"])] if rng.random() < 0.3 else [])
            lines.append(" ".join(cont))
            continue
        lines.append(" ".join(group + (["X"] if rng.random() < 0.1 and not group[-1][0] in "S&D" else body(rng))))
        if not pattern and i == 5:
            lines.append("PS 7")
            pattern = True
        elif pattern is True and i == 9:
            lines += ["PE", "PR 7"]
            pattern = None
    if pattern is True:
        lines.append("PE")
    return lines


def velocity(rng):
    return [f"V{rng.randint(0, 127)}"] if rng.random() < 0.6 else []


def random_inputs(rng):
    notes = lambda rng: [w for _ in range(rng.randint(1, 6))
                         for w in [rng.choice("CDEFGAB") + str(rng.randint(1, 6)) + rng.choice(["", "#", "b", "n"])] + velocity(rng)]
    yield "talven2", random_statements(rng, lambda r: [r.choice(TALVEN2)] + velocity(r))
    yield "talven", random_statements(rng, lambda r: [r.choice(["", "1", "2"]) + r.choice(CHORDS) if True else ""] + velocity(r))
    yield "morrik", random_statements(rng, lambda r: notes(r) + (['"a comment"'] if r.random() < 0.2 else []))
    yield "gessan", random_statements(rng, lambda r: [f"{s}{r.randint(0, 9)}" for s in r.sample(range(1, 7), r.randint(1, 4))] + velocity(r))
    yield "quendro", random_statements(rng, lambda r: [w for d in r.sample(["BD", "SD", "HHC", "HHO", "CRASH", "HT", "LT"], r.randint(1, 3)) for w in [d] + velocity(r)], settings=False)


def check_random_parts(bin_dir, work, rng, rounds):
    spell = talven2_spelling(bin_dir, work)
    for r in range(rounds):
        parts, args = [], []
        for channel, (tool, lines) in enumerate(random_inputs(rng)):
            src = os.path.join(work, f"{tool}{r}.txt")
            with open(src, "w") as f:
                f.write("\n".join(lines) + "\n")
            try:
                run(bin_dir, work, tool, src, src + ".out")
            except RuntimeError as e:
                # The made-up statements keep within what every tool takes; a
                # refusal here is a fault of this generator or of the tool.
                check(False, f"random {tool} part refused: {e}")
                continue
            ch = 9 if tool == "quendro" else len([a for a in args if not a.startswith("-")]) - args.count("-d")
            if tool == "quendro":
                args += ["-d", src + ".out"]
            else:
                args.append(src + ".out")
            parts.append((tool, src + ".out"))
        out = os.path.join(work, f"random{r}.mid")
        run(bin_dir, work, "scoremidi", *args, out)
        expected, free = [], [c for c in range(16) if c != 9]
        for tool, path in parts:
            channel = 9 if tool == "quendro" else free.pop(0)
            expected.append(read_score_text(path, channel, spell))
        compare(f"random parts {r}", expected, out)


def check_random_sung(bin_dir, work, rng, rounds):
    for r in range(rounds):
        melody = [f"SC {rng.randint(-3, 3)}"] if False else []
        for _ in range(rng.randint(10, 30)):
            group = [rng.choice(LEN_TOKENS)]
            if rng.random() < 0.1:
                melody.append(" ".join(group + ["X"]))
                continue
            tie = rng.random() < 0.1
            note = rng.choice("CDEFGAB") + str(rng.randint(2, 5)) + rng.choice(["", "#", "B"])
            melody.append(" ".join(group + ([")"] if tie else []) + [note] + velocity(rng)))
            if tie:
                melody.append(rng.choice(LEN_TOKENS))
        src = os.path.join(work, f"sung{r}.txt")
        with open(src, "w") as f:
            f.write("\n".join(melody) + "\n")
        with open(os.path.join(work, f"words{r}.txt"), "w", encoding="cp932") as f:
            f.write(" ".join(rng.choice(["さ", "く", "ら", "ゆ", "め", "la"]) for _ in range(40)) + "\n")
        run(bin_dir, work, "nolwen", f"words{r}.txt", src, src + ".out")
        out = os.path.join(work, f"sung{r}.mid")
        run(bin_dir, work, "scoremidi", "-v", src + ".out", out)
        notes, lyrics = sung_part(src + ".out", 0)
        _, got_notes, _, _, got_lyrics, _ = read_file(out)
        check(got_notes == sorted(notes), f"sung part {r}: {len(got_notes)} notes for {len(notes)}; "
              f"{next(((a, b) for a, b in zip(got_notes, sorted(notes)) if a != b), None)}")
        check(got_lyrics == lyrics, f"sung part {r}: lyrics {got_lyrics[:3]} for {lyrics[:3]}")


# ---------------------------------------------------------------- the song

def check_song(bin_dir, source_dir, work):
    song = os.path.join(work, "song")
    shutil.copytree(os.path.join(source_dir, "examples", "song"), song, symlinks=False)
    for tool, src in [("talven2", "chords"), ("talven", "chords_old"), ("morrik", "melody"),
                      ("gessan", "guitar"), ("quendro", "drums")]:
        run(bin_dir, song, tool, f"{src}.txt", f"{src}.out.txt")
    run(bin_dir, song, "nolwen", "lyrics.txt", "vocal.txt", "vocal.out.txt")
    args = ["chords.out.txt", "chords_old.out.txt", "melody.out.txt", "guitar.out.txt", "-d", "drums.out.txt",
            "-v", "vocal.out.txt", "song.mid"]
    run(bin_dir, song, "scoremidi", *args)
    spell = talven2_spelling(bin_dir, work)
    parts = [read_score_text(os.path.join(song, p), c, spell) for p, c in
             [("chords.out.txt", 0), ("chords_old.out.txt", 1), ("melody.out.txt", 2), ("guitar.out.txt", 3),
              ("drums.out.txt", 9)]]
    sung_notes, sung_lyrics = sung_part(os.path.join(song, "vocal.out.txt"), 4)

    class Sung:
        notes, texts = sung_notes, []
    tempos, lyrics = compare("example song", parts + [Sung], os.path.join(song, "song.mid"),
                             ["chords.out.txt", "chords_old.out.txt", "melody.out.txt", "guitar.out.txt",
                              "drums.out.txt", "vocal.out.txt"])
    check(tempos == [(0, 600000)], f"example song: tempos {tempos}")
    check(lyrics == sung_lyrics and len(lyrics) > 20, f"example song: {len(lyrics)} lyrics for {len(sung_lyrics)}")
    return os.path.join(song, "song.mid"), max(n[2] for p in parts + [Sung] for n in p.notes)


def check_sound(midi_path, last_tick):
    if shutil.which("timidity") is None:
        print("timidity is not installed: the song is not played")
        return
    wav = midi_path + ".wav"
    proc = subprocess.run(["timidity", "-Ow", "-o", wav, midi_path], capture_output=True)
    check(proc.returncode == 0, f"timidity: status {proc.returncode} {proc.stderr[-300:]!r}")
    data = open(wav, "rb").read() if os.path.exists(wav) else b""
    check(data[:4] == b"RIFF" and data[8:12] == b"WAVE", "timidity: no WAV file")
    if len(data) < 44:
        return
    byte_rate = int.from_bytes(data[28:32], "little")
    seconds = (len(data) - 44) / byte_rate
    song_seconds = last_tick / 480 * 0.6  # ST 100
    check(song_seconds <= seconds <= song_seconds + 5, f"timidity: {seconds:.1f} s for a song of {song_seconds:.1f} s")
    samples = memoryview(data[44:]).cast("h")
    loud = max(abs(min(samples)), max(samples))
    check(loud > 1000, f"timidity: the song is silent (peak {loud})")


def main(bin_dir, source_dir):
    work = tempfile.mkdtemp()
    try:
        for f in ("drumdef.txt",):
            shutil.copy(os.path.join(source_dir, "examples", "song", f), work)
        midi_path, last_tick = check_song(bin_dir, source_dir, work)
        check_sound(midi_path, last_tick)
        rng = random.Random(2207)
        check_random_parts(bin_dir, work, rng, 8)
        check_random_sung(bin_dir, work, rng, 6)
    finally:
        shutil.rmtree(work)
    return summary()


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])))
