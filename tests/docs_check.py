#!/usr/bin/env python3
"""Checks the manual pages under docs/.

    docs_check.py SOURCE_DIR

- every page is up to date with its UTF-8 source under docs/src/ and holds
  only ASCII (so that groff reads it without a preprocessor);
- every program that is installed has its page;
- every message of the message table is documented on some page, so that a
  new message cannot be added without telling the user what it means;
- groff formats every page without a single warning.

Exits 77 (skipped) when groff is not installed.
"""
import pathlib
import re
import shutil
import subprocess
import sys


def message_texts(messages_h):
    """The texts of the message table, C escapes decoded."""
    texts = re.findall(r'^\s*X\(\w+, "((?:[^"\\]|\\.)*)"\)', messages_h, re.M)
    simple = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}
    return [re.sub(r"\\(.)", lambda m: simple.get(m.group(1), m.group(0)), t) for t in texts]


def literal_pieces(text):
    """What a page must show of a message: the text around each %s or %d."""
    return [p.strip(" \n") for p in re.split(r"%[sd]", text) if p.strip(" \n")]


def plain_text(roff):
    """The words of a roff source, with fonts and quoting removed."""
    lines = []
    for line in roff.splitlines():
        if line.startswith(".\\\""):
            continue
        if line.startswith("."):
            line = line.split(" ", 1)[1] if " " in line else ""
        line = re.sub(r"\\f[BIRP]", "", line)
        line = line.replace("\\-", "-").replace("\\&", "").replace("\\e", "\\")
        lines.append(line.replace('"', ""))
    return "\n".join(lines)


def main(source_dir):
    root = pathlib.Path(source_dir)
    docs = root / "docs"
    sys.path.insert(0, str(docs))
    import escape_pages

    failures = []
    sources = escape_pages.sources()
    pages = sorted(p for p in docs.iterdir() if p.is_file() and p.suffix[1:].isdigit())
    if [p.name for p in pages] != [s.name for s in sources]:
        failures.append("pages %s do not match sources %s" %
                        ([p.name for p in pages], [s.name for s in sources]))
    for source in sources:
        page = docs / source.name
        if page.exists() and page.read_bytes() != escape_pages.page_text(source).encode("ascii"):
            failures.append("%s is out of date: run docs/escape_pages.py" % page.name)
    for page in pages:
        if not page.read_bytes().isascii():
            failures.append("%s holds bytes outside ASCII" % page.name)

    install_rules = (root / "cmake" / "install.cmake").read_text()
    programs = re.search(r"set\(SCORETEXT_PROGRAMS\s+([^)]*)\)", install_rules).group(1).split()
    for program in programs:
        if not (docs / (program + ".1")).exists():
            failures.append("no manual page for " + program)

    documented = "\n".join(plain_text(s.read_text(encoding="utf-8")) for s in sources)
    table = (root / "frontend" / "messages.h").read_text(encoding="utf-8")
    for text in message_texts(table):
        missing = [p for p in literal_pieces(text) if p not in documented]
        if missing:
            failures.append("message not documented on any page: %r" % text)

    groff = shutil.which("groff")
    if groff:
        for page in pages:
            run = subprocess.run([groff, "-man", "-Tutf8", "-ww", "-z", str(page)],
                                 capture_output=True, text=True)
            if run.returncode != 0 or run.stderr:
                failures.append("groff on %s:\n%s" % (page.name, run.stderr.rstrip()))

    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        return 1
    if not groff:
        print("SKIP: groff is not installed (Debian package groff-base); "
              "the pages were checked against their sources and the messages only")
        return 77
    print("%d pages checked" % len(pages))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
