#!/usr/bin/env python3
"""Installs a build into a fresh prefix and checks what lands there.

    install_check.py CMAKE SOURCE_DIR BUILD_DIR

Every program of the suite that the build made is installed in bin/ with
its manual page in share/man/man1/, nothing else is in bin/, the notation's
page is in share/man/man5/, and the example data files are in
share/scoretext/ exactly as in examples/ (the VSQX template only when the
tree has one).
"""
import filecmp
import os
import pathlib
import re
import subprocess
import sys
import tempfile


def main(cmake, source_dir, build_dir):
    source, build = pathlib.Path(source_dir), pathlib.Path(build_dir)
    rules = (source / "cmake" / "install.cmake").read_text()
    programs = re.search(r"set\(SCORETEXT_PROGRAMS\s+([^)]*)\)", rules).group(1).split()
    built = sorted(p for p in programs if (build / "bin" / p).exists())
    if not built:
        print("FAIL: no program of the suite in %s/bin" % build)
        return 1

    failures = []
    with tempfile.TemporaryDirectory() as prefix_dir:
        prefix = pathlib.Path(prefix_dir)
        run = subprocess.run([cmake, "--install", str(build), "--prefix", str(prefix)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print("FAIL: cmake --install:\n" + run.stdout + run.stderr)
            return 1
        bin_dir = prefix / "bin"
        installed = sorted(p.name for p in bin_dir.iterdir()) if bin_dir.is_dir() else []
        if installed != built:
            failures.append("bin/ holds %s, the build made %s" % (installed, built))
        for program in installed:
            if not os.access(bin_dir / program, os.X_OK):
                failures.append("bin/%s is not executable" % program)
        for program in built:
            page = prefix / "share" / "man" / "man1" / (program + ".1")
            if not page.is_file() or not filecmp.cmp(page, source / "docs" / page.name, False):
                failures.append("share/man/man1/%s.1 missing or not the page of docs/" % program)
        if not (prefix / "share" / "man" / "man5" / "scoretext.5").is_file():
            failures.append("share/man/man5/scoretext.5 missing")
        for data in ("drumdef.txt", "def.vsqx"):
            original = source / "examples" / data
            copy = prefix / "share" / "scoretext" / data
            if original.exists() != copy.exists():
                failures.append("share/scoretext/%s: installed %s, in examples/ %s" %
                                (data, copy.exists(), original.exists()))
            elif original.exists() and not filecmp.cmp(original, copy, False):
                failures.append("share/scoretext/%s differs from examples/" % data)

    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        return 1
    print("installed %d programs with their pages: %s" % (len(built), " ".join(built)))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
