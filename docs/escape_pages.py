#!/usr/bin/env python3
"""Makes the manual pages under docs/ from their sources under docs/src/.

The sources are roff in UTF-8, so that the Japanese messages read as they
are written.  groff reads its input as Latin-1 unless a preprocessor runs
first, so each page is written with every character outside ASCII as a
groff escape (\\[u6307] for 指); `man -l` and `groff -man` then render it
anywhere.  Edit the source and run this script; with --check it only says
which pages are out of date (status 1) and changes nothing.
"""
import pathlib
import sys

DOCS = pathlib.Path(__file__).resolve().parent
SOURCES = DOCS / "src"


def escaped(text):
    """The page text with every non-ASCII character as a groff escape."""
    return "".join(c if ord(c) < 0x80 else "\\[u%04X]" % ord(c) for c in text)


def page_text(source):
    header = ".\\\" Made from docs/src/%s by docs/escape_pages.py: edit that file.\n" % source.name
    return header + escaped(source.read_text(encoding="utf-8"))


def sources():
    return sorted(p for p in SOURCES.iterdir() if p.is_file() and p.suffix[1:].isdigit())


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print("usage: escape_pages.py [--check]", file=sys.stderr)
        return 2
    stale = []
    for source in sources():
        page = DOCS / source.name
        text = page_text(source)
        if page.exists() and page.read_text(encoding="ascii", errors="replace") == text:
            continue
        stale.append(page.name)
        if not check:
            page.write_text(text, encoding="ascii")
    if check and stale:
        print("out of date (run docs/escape_pages.py): " + " ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
