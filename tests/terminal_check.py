#!/usr/bin/env python3
"""Messages on a terminal: UTF-8 when the locale's character set is UTF-8,
CP932 otherwise, and CP932 on a pipe whatever the locale.

    terminal_check.py BIN_DIR

gessan (a text tool, messages on standard error), ardic (an SMF utility,
messages on standard output) and belvar's track listing run with that stream
on a pseudo-terminal, under a UTF-8 locale (named by LC_ALL, or by LANG
alone) and under the C and POSIX locales, and on a pipe under a UTF-8
locale.  The expected bytes are made here from the Japanese texts with
Python's own codecs.  The statement shown after the line number is the
user's text and must come back exactly as it was written, whether that was
UTF-8 or CP932.
"""
import os
import select
import subprocess
import sys
import tempfile
import termios

# (how the stream is connected, environment beside PATH, character set expected)
SETTINGS = [
    ("terminal", {"LC_ALL": "C.UTF-8"}, "utf-8"),
    ("terminal", {"LANG": "C.UTF-8"}, "utf-8"),
    ("terminal", {"LC_ALL": "C"}, "cp932"),
    ("terminal", {"LC_ALL": "POSIX"}, "cp932"),
    ("pipe", {"LC_ALL": "C.UTF-8"}, "cp932"),
]

DO_UTF8 = "ド".encode("utf-8")
DO_CP932 = "ド".encode("cp932")  # 83 68: its second byte is a lower-case 'h'


def smf(tracks):
    """A format-1 file with the given track bodies, division 480."""
    image = b"MThd" + (6).to_bytes(4, "big") + (1).to_bytes(2, "big")
    image += len(tracks).to_bytes(2, "big") + (480).to_bytes(2, "big")
    for body in tracks:
        image += b"MTrk" + len(body).to_bytes(4, "big") + body
    return image


TEMPO_TRACK = bytes.fromhex("00FF510307A120 00FF2F00".replace(" ", ""))
NOTE_TRACK = bytes.fromhex("00903C64 60803C00 00FF2F00".replace(" ", ""))


def cases():
    """(name, program, arguments, files, stream, status, expected(charset) -> bytes)"""
    return [
        ("gessan, a statement written in UTF-8", "gessan", ["in.txt", "out.txt"],
         {"in.txt": b"4 10\n4 10 " + DO_UTF8 + b"\n"}, "stderr", 1,
         lambda cs: b"ERROR:" + "余分な指定".encode(cs) + b":2 4 10 " + DO_UTF8 + b"\n"),
        ("gessan, a statement written in CP932", "gessan", ["in.txt", "out.txt"],
         {"in.txt": b"4 20 ; 4 10 " + DO_CP932 + b"\n"}, "stderr", 1,
         lambda cs: b"ERROR:" + "余分な指定".encode(cs) + b":1 4 10 " + DO_CP932 + b"\n"),
        ("ardic, a file that is not a MIDI file", "ardic", ["in.mid", "2", "out.mid"],
         {"in.mid": b"RIFF and other things, long enough for a header\n"}, "stdout", 1,
         lambda cs: "ヘッダ　エラー\n".encode(cs)),
        ("belvar, the track listing", "belvar", ["in.mid"],
         {"in.mid": smf([TEMPO_TRACK, NOTE_TRACK])}, "stdout", 0,
         lambda cs: "トラック数　2\n".encode(cs) + b"track 0 : 11\ntrack 1 : 12\n"),
        ("belvar, the listing and a track the file does not have", "belvar",
         ["in.mid", "5", "out.mid"], {"in.mid": smf([TEMPO_TRACK, NOTE_TRACK])}, "stdout", 1,
         lambda cs: "トラック数　2\n".encode(cs) + b"track 0 : 11\ntrack 1 : 12\n" +
         "trk 指定エラー\n".encode(cs)),
    ]


def read_terminal(master, proc):
    """Everything the program writes on the terminal, up to its exit."""
    chunks = []
    while True:
        ready, _, _ = select.select([master], [], [], 30)
        if not ready:
            proc.kill()
            raise RuntimeError("no end of output within 30 s")
        try:
            data = os.read(master, 4096)
        except OSError:  # EIO: every holder of the terminal's other side has closed it
            break
        if not data:
            break
        chunks.append(data)
    return b"".join(chunks)


def run(program, args, folder, stream, connection, locale_env):
    """Returns (status, bytes on `stream`, bytes on the other stream)."""
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin")}
    env.update(locale_env)
    streams = {"stdout": subprocess.PIPE, "stderr": subprocess.PIPE}
    master = None
    if connection == "terminal":
        master, slave = os.openpty()
        attrs = termios.tcgetattr(slave)
        attrs[1] &= ~termios.OPOST  # the bytes as written: no CR put before LF
        termios.tcsetattr(slave, termios.TCSANOW, attrs)
        streams[stream] = slave
    proc = subprocess.Popen([program] + args, cwd=folder, env=env,
                            stdin=subprocess.DEVNULL, **streams)
    if master is not None:
        os.close(slave)
        seen = read_terminal(master, proc)
        os.close(master)
    out, err = proc.communicate(timeout=30)
    if master is None:
        seen = out if stream == "stdout" else err
    other = err if stream == "stdout" else out
    return proc.returncode, seen, other or b""


def main(bin_dir):
    failures = []
    count = 0
    for name, program, args, files, stream, want_status, expected in cases():
        for connection, locale_env, charset in SETTINGS:
            with tempfile.TemporaryDirectory() as folder:
                for file_name, content in files.items():
                    with open(os.path.join(folder, file_name), "wb") as f:
                        f.write(content)
                status, seen, other = run(os.path.join(bin_dir, program), args, folder,
                                          stream, connection, locale_env)
            count += 1
            where = "%s, %s on a %s, %s" % (name, stream, connection, locale_env)
            want = expected(charset)
            if seen != want:
                failures.append("%s:\n    expected %r\n    got      %r" % (where, want, seen))
            if other:
                failures.append("%s: unexpected bytes on the other stream: %r" % (where, other))
            if status != want_status:
                failures.append("%s: status %d, expected %d" % (where, status, want_status))
    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        return 1
    print("%d runs: UTF-8 messages on a UTF-8 terminal, CP932 elsewhere" % count)
    return 0


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1])))
