#!/usr/bin/env python3
"""Runs the end-to-end cases of one case file against the built programs.

A case file holds one or more cases:

    # a comment (outside sections)
    prog: gessan                  default program for the cases below
    === name of the case
    prog: gessan                  program for this case (optional)
    args: in.txt out.txt          arguments, split as a shell would
    limit: fsize 100              no file may grow past 100 bytes (a write
                                  beyond fails; SIGXFSZ is left at its
                                  default, so a program that does not
                                  ignore it is killed)
    stdout-to: closed             standard output closed (or "full": the
                                  device /dev/full); nothing is captured
    --- file in.txt [opts]        an input file created before the run
    --- dir name                  a directory created before the run
    --- link name target          a symbolic link created before the run
    --- out out.txt [opts]        a file that must hold exactly these bytes
    --- absent out.txt            files that must not exist after the run
    --- only                      the names the folder holds after the run,
                                  one a line, a link as "name -> target";
                                  catches stray temporary files
    --- stdout [opts]             expected standard output (default: empty)
    --- stderr [opts]             expected standard error (default: empty)
    --- status 1                  expected exit status (default: 0)

Section contents are taken line by line; every line ends with LF.  Empty
lines at the end of a section are not part of it (write "\n" with esc, or use
gen, for a content that ends in empty lines).  In the contents "␣" stands for
a blank, so that trailing blanks stay visible.
Options of a section:
    noeol   the last line has no line end
    esc     backslash escapes are decoded (\\r \\t \\0 \\xHH \\\\)
    gen     the content is a Python expression giving str or bytes
    hex     the content is hexadecimal bytes (blanks and line ends ignored,
            "#" starts a comment that runs to the line end)
    raw     content kept as UTF-8 (for stdout and stderr, which are otherwise
            converted to CP932 like the programs' messages)
    mode=NNN  (file) the permission bits given to the file; (out) the
            permission bits the file must have after the run, in octal
Texts are written as UTF-8, except in stdout and stderr sections, which are
converted to CP932 unless raw is given.  File contents may use cp932 to be
written as CP932.
"""
import os
import resource
import shlex
import subprocess
import sys
import tempfile


class Section:
    def __init__(self, kind, arg, opts):
        self.kind, self.arg, self.opts, self.lines = kind, arg, opts, []


class Case:
    def __init__(self, name, prog):
        self.name, self.prog, self.args, self.sections = name, prog, [], []
        self.fsize_limit, self.stdout_to = None, None


def decode_escapes(text, encoding):
    """Decodes backslash escapes; the text between them is encoded."""
    out, i, piece = bytearray(), 0, ""
    simple = {"r": b"\r", "t": b"\t", "0": b"\0", "n": b"\n", "\\": b"\\"}
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            out += piece.encode(encoding)
            piece = ""
            n = text[i + 1]
            if n == "x":
                out.append(int(text[i + 2:i + 4], 16))
                i += 4
            else:
                out += simple[n]
                i += 2
            continue
        piece += c
        i += 1
    return bytes(out + piece.encode(encoding))


def section_bytes(sec):
    opts = sec.opts
    lines = list(sec.lines)
    while lines and lines[-1] == "":
        lines.pop()
    if "hex" in opts:
        return bytes.fromhex("".join("".join(line.split("#")[0] for line in lines).split()))
    if "gen" in opts:
        value = eval("\n".join(lines), {"__builtins__": __builtins__})
        return value if isinstance(value, bytes) else value.encode("utf-8")
    text = "".join(line + "\n" for line in lines)
    if "noeol" in opts and text.endswith("\n"):
        text = text[:-1]
    text = text.replace("␣", " ")
    encoding = "cp932" if "cp932" in opts else "utf-8"
    if sec.kind in ("stdout", "stderr") and "raw" not in opts:
        encoding = "cp932"
    if "esc" in opts:
        return decode_escapes(text, encoding)
    return text.encode(encoding)


def parse(path):
    cases, prog, case, sec = [], None, None, None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
        if lines and lines[-1] == "":
            lines.pop()
        for line in lines:
            if line.startswith("=== "):
                case = Case(line[4:].strip(), prog)
                cases.append(case)
                sec = None
            elif line.startswith("--- "):
                words = line[4:].split()
                kind = words[0]
                arg = words[1] if len(words) > 1 and kind not in ("stdout", "stderr") else None
                opts = set(words[2:] if arg else words[1:])
                sec = Section(kind, arg, opts)
                if kind == "link":
                    sec.target = words[2]
                case.sections.append(sec)
            elif sec is not None:
                sec.lines.append(line)
            elif line.startswith("prog:"):
                if case is None:
                    prog = line[5:].strip()
                else:
                    case.prog = line[5:].strip()
            elif line.startswith("args:") and case is not None:
                case.args = shlex.split(line[5:])
            elif line.startswith("limit:") and case is not None:
                what, size = line[6:].split()
                if what != "fsize":
                    raise SystemExit(f"{path}: unknown limit: {line!r}")
                case.fsize_limit = int(size)
            elif line.startswith("stdout-to:") and case is not None:
                case.stdout_to = line[10:].strip()
                if case.stdout_to not in ("closed", "full"):
                    raise SystemExit(f"{path}: unknown standard output: {line!r}")
            elif line.strip() == "" or line.startswith("#"):
                continue
            else:
                raise SystemExit(f"{path}: cannot read line: {line!r}")
    return cases


def first_difference(a, b):
    n = min(len(a), len(b))
    for i in range(n):
        if a[i] != b[i]:
            return i
    return n


def show(label, want, got):
    i = first_difference(want, got)
    lo = max(0, i - 40)
    return (f"  {label} differs at byte {i} (want {len(want)} bytes, got {len(got)})\n"
            f"    want: {want[lo:i + 60]!r}\n    got:  {got[lo:i + 60]!r}\n")


def mode_option(sec):
    for opt in sec.opts:
        if opt.startswith("mode="):
            return int(opt[5:], 8)
    return None


def folder_names(work):
    names = []
    for name in sorted(os.listdir(work)):
        full = os.path.join(work, name)
        names.append(f"{name} -> {os.readlink(full)}" if os.path.islink(full) else name)
    return names


def start_program(bin_dir, case, work):
    """Runs the case's program; returns its status, standard output and error."""
    def in_child():
        if case.fsize_limit is not None:
            resource.setrlimit(resource.RLIMIT_FSIZE, (case.fsize_limit, case.fsize_limit))
        if case.stdout_to == "closed":
            os.close(1)
    stdout = subprocess.PIPE
    if case.stdout_to == "full":
        stdout = open("/dev/full", "wb")
    try:
        proc = subprocess.run([os.path.join(bin_dir, case.prog)] + case.args, cwd=work,
                              stdin=subprocess.DEVNULL, stdout=stdout, stderr=subprocess.PIPE,
                              preexec_fn=in_child, timeout=120)
    finally:
        if stdout is not subprocess.PIPE:
            stdout.close()
    return proc.returncode, proc.stdout or b"", proc.stderr


def run_case(bin_dir, case):
    problems = ""
    with tempfile.TemporaryDirectory() as work:
        for sec in case.sections:
            if sec.kind == "file":
                full = os.path.join(work, sec.arg)
                os.makedirs(os.path.dirname(full), exist_ok=True)
                with open(full, "wb") as f:
                    f.write(section_bytes(sec))
                if mode_option(sec) is not None:
                    os.chmod(full, mode_option(sec))
            elif sec.kind == "dir":
                os.makedirs(os.path.join(work, sec.arg), exist_ok=True)
            elif sec.kind == "link":
                os.symlink(sec.target, os.path.join(work, sec.arg))
        try:
            status, stdout, stderr = start_program(bin_dir, case, work)
        except subprocess.TimeoutExpired:
            return "  timed out\n"
        want_status, want_out, want_err = 0, b"", b""
        for sec in case.sections:
            if sec.kind == "status":
                want_status = int(sec.arg)
            elif sec.kind == "stdout":
                want_out = section_bytes(sec)
            elif sec.kind == "stderr":
                want_err = section_bytes(sec)
            elif sec.kind == "out":
                full = os.path.join(work, sec.arg)
                if not os.path.isfile(full):
                    problems += f"  {sec.arg} was not written\n"
                    continue
                with open(full, "rb") as f:
                    got = f.read()
                want = section_bytes(sec)
                if got != want:
                    problems += show(sec.arg, want, got)
                want_mode, got_mode = mode_option(sec), os.stat(full).st_mode & 0o7777
                if want_mode is not None and got_mode != want_mode:
                    problems += f"  {sec.arg} has mode {got_mode:o}, want {want_mode:o}\n"
            elif sec.kind == "only":
                want = [line for line in sec.lines if line.strip()]
                got = folder_names(work)
                if got != sorted(want):
                    problems += f"  the folder holds {got}, want {sorted(want)}\n"
            elif sec.kind == "absent":
                for name in ([sec.arg] if sec.arg else []) + " ".join(sec.lines).split():
                    if os.path.lexists(os.path.join(work, name)):
                        problems += f"  {name} exists but must not\n"
        if status != want_status:
            problems += f"  status {status}, want {want_status}\n"
        if stdout != want_out:
            problems += show("stdout", want_out, stdout)
        if stderr != want_err:
            problems += show("stderr", want_err, stderr)
    return problems


def main():
    bin_dir, path = os.path.abspath(sys.argv[1]), sys.argv[2]
    failed = 0
    cases = parse(path)
    if not cases:
        print(f"no cases in {os.path.basename(path)}")
        return 1
    for case in cases:
        if case.prog is None:
            raise SystemExit(f"{path}: case {case.name!r} names no program")
        problems = run_case(bin_dir, case)
        if problems:
            failed += 1
            sys.stdout.write(f"FAIL {case.name}\n{problems}")
    print(f"{len(cases) - failed} of {len(cases)} cases passed in {os.path.basename(path)}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
