#!/usr/bin/env python3
"""Builds the Debian package of a build folder and checks it with dpkg-deb and
lintian.

    package_check.py CPACK SOURCE_DIR BUILD_DIR

cpack makes the package in a scratch folder.  Its file name is
scoretext_<Version>_<Architecture>.deb with the fields of its control file
and the machine's architecture; its Depends come from dpkg-shlibdeps (the C
library, not the C++ runtime, which is linked in).  It holds every program
the build made, owned by root and executable, each with its manual page
compressed, the notation's page, the example data files under
/usr/share/scoretext/, and the README, copyright notice and changelog under
/usr/share/doc/scoretext/, and nothing else.  The unpacked files are compared
with the sources and a program is run from the unpacked tree.  lintian's
findings are printed; an error among them fails the check.

Exit status 77 (skipped) on a machine without dpkg-deb.
"""
import gzip
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile


def control_fields(deb):
    text = subprocess.run(["dpkg-deb", "-f", str(deb)], capture_output=True, text=True,
                          check=True).stdout
    fields, last = {}, None
    for line in text.splitlines():
        if line.startswith(" ") and last:
            fields[last] += "\n" + line
        elif ":" in line:
            last, value = line.split(":", 1)
            fields[last] = value.strip()
    return fields


def listing(deb):
    """{path: (mode, owner)} of the package's files and links, from dpkg-deb -c."""
    text = subprocess.run(["dpkg-deb", "-c", str(deb)], capture_output=True, text=True,
                          check=True).stdout
    entries = {}
    for line in text.splitlines():
        parts = line.split(None, 5)
        mode, owner, path = parts[0], parts[1], parts[5].split(" -> ")[0]
        entries[path.lstrip(".")] = (mode, owner)
    return entries


def expected_files(source, build):
    """{package path: source file or None (checked apart)} that the package must hold."""
    rules = (source / "cmake" / "install.cmake").read_text()
    programs = re.search(r"set\(SCORETEXT_PROGRAMS\s+([^)]*)\)", rules).group(1).split()
    built = sorted(p for p in programs if (build / "bin" / p).exists())
    files = {}
    for program in built:
        files["/usr/bin/" + program] = None
        page = source / "docs" / (program + ".1")
        files["/usr/share/man/man1/%s.1.gz" % program] = page
    files["/usr/share/man/man5/scoretext.5.gz"] = source / "docs" / "scoretext.5"
    for data in ("drumdef.txt", "def.vsqx"):
        if (source / "examples" / data).exists():
            files["/usr/share/scoretext/" + data] = source / "examples" / data
    files["/usr/share/doc/scoretext/README.md"] = source / "README.md"
    files["/usr/share/doc/scoretext/copyright"] = source / "cmake" / "package" / "copyright"
    files["/usr/share/doc/scoretext/changelog.gz"] = None
    return built, files


def check_package(deb, source, build, unpacked):
    failures = []
    fields = control_fields(deb)
    arch = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                          check=True).stdout.strip()
    if fields.get("Package") != "scoretext":
        failures.append("Package: %r" % fields.get("Package"))
    if fields.get("Architecture") != arch:
        failures.append("Architecture: %r, the machine's is %s" % (fields.get("Architecture"), arch))
    wanted_name = "scoretext_%s_%s.deb" % (fields.get("Version"), arch)
    if deb.name != wanted_name:
        failures.append("package file %s, expected %s" % (deb.name, wanted_name))
    depends = fields.get("Depends", "")
    if not re.search(r"(^|, )libc6 \(>= [0-9.]+\)", depends):
        failures.append("Depends %r does not name libc6 with its version" % depends)
    if "libstdc++" in depends or "libgcc" in depends:
        failures.append("Depends %r names the C++ runtime, which is linked in" % depends)
    for name in ("Maintainer", "Section", "Priority", "Description", "Installed-Size"):
        if not fields.get(name):
            failures.append("control field %s missing" % name)
    if "\n" not in fields.get("Description", ""):
        failures.append("Description has no long text")

    built, files = expected_files(source, build)
    entries = listing(deb)
    held = {path for path, (mode, _) in entries.items() if not mode.startswith("d")}
    for path in sorted(held - set(files)):
        failures.append("unexpected file in the package: " + path)
    for path in sorted(set(files) - held):
        failures.append("missing from the package: " + path)
    for path, (mode, owner) in sorted(entries.items()):
        if owner != "root/root":
            failures.append("%s owned by %s" % (path, owner))
        if mode.startswith("d"):
            if mode != "drwxr-xr-x":
                failures.append("%s has mode %s" % (path, mode))
        elif path.startswith("/usr/bin/") and mode != "-rwxr-xr-x":
            failures.append("%s has mode %s" % (path, mode))
        elif path in files and not path.startswith("/usr/bin/") and mode != "-rw-r--r--":
            failures.append("%s has mode %s" % (path, mode))

    subprocess.run(["dpkg-deb", "-x", str(deb), str(unpacked)], check=True)
    for path, original in sorted(files.items()):
        copy = unpacked / path.lstrip("/")
        if original is None or not copy.is_file():
            continue
        data = copy.read_bytes()
        if path.endswith(".gz"):
            # gzip -n: no file name, no time stamp
            if data[3] & 0x08 or data[4:8] != b"\0\0\0\0":
                failures.append("%s keeps a name or a time stamp" % path)
            data = gzip.decompress(data)
        if data != original.read_bytes():
            failures.append("%s differs from %s" % (path, original.relative_to(source)))
    changelog = unpacked / "usr/share/doc/scoretext/changelog.gz"
    if changelog.is_file():
        head = gzip.decompress(changelog.read_bytes()).decode().splitlines()[0]
        if not head.startswith("scoretext (%s) " % fields.get("Version")):
            failures.append("changelog starts %r" % head)
    for program in built:
        if (unpacked / "usr/bin" / program).read_bytes() == (build / "bin" / program).read_bytes():
            failures.append("usr/bin/%s is not stripped" % program)
    if "gessan" in built:
        run = subprocess.run([str(unpacked / "usr/bin/gessan")], capture_output=True)
        if run.returncode != 1 or run.stderr != b"gessan 0.20\ngessan in-file out-file\n":
            failures.append("the packaged gessan without arguments: status %d, %r" %
                            (run.returncode, run.stderr))
    return failures, built


def run_lintian(deb):
    """lintian's findings, printed; the error lines among them."""
    lintian = shutil.which("lintian")
    if not lintian:
        return ["lintian is not installed (tests/install_deps.sh installs it)"]
    run = subprocess.run([lintian, "--no-cfg", "--display-info", str(deb)], capture_output=True, text=True)
    findings = [line for line in run.stdout.splitlines() if line.strip()]
    print("lintian: %d findings" % len(findings))
    for line in findings:
        print("  " + line)
    errors = [line for line in findings if line.startswith("E:")]
    if run.returncode != 0 and not errors:
        errors.append("lintian failed (status %d): %s" % (run.returncode, run.stderr.strip()))
    return ["lintian: " + line for line in errors]


def main(cpack, source_dir, build_dir):
    if not shutil.which("dpkg-deb"):
        print("dpkg-deb not found: not a Debian machine, skipped")
        return 77
    source, build = pathlib.Path(source_dir).resolve(), pathlib.Path(build_dir).resolve()
    with tempfile.TemporaryDirectory() as scratch_dir:
        scratch = pathlib.Path(scratch_dir)
        run = subprocess.run([cpack, "--config", str(build / "CPackConfig.cmake"),
                              "-B", str(scratch / "out")], capture_output=True, text=True,
                             cwd=scratch)
        if run.returncode != 0:
            print("FAIL: cpack:\n" + run.stdout + run.stderr)
            return 1
        debs = sorted((scratch / "out").glob("*.deb"))
        if len(debs) != 1:
            print("FAIL: cpack made %s, expected one .deb" % [d.name for d in debs])
            return 1
        deb = debs[0]
        failures, built = check_package(deb, source, build, scratch / "unpacked")
        failures += run_lintian(deb)
    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        return 1
    print("%s: %d programs with their pages, the examples and the documentation"
          % (deb.name, len(built)))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
