"""What the read-back checks share: mido, the independent SMF reader they
check the programs' files with, and a tally of checks that prints each
failure as it happens and the count at the end.

    from read_back_kit import mido, check, summary
    check(ok, "what was expected")
    sys.exit(summary())
"""
import sys

try:
    import mido  # noqa: F401 (given to the checks)
except ImportError:
    sys.exit("mido is missing: install python3-mido and run with /usr/bin/python3")

failures = []
passes = 0


def check(ok, what):
    global passes
    if ok:
        passes += 1
    else:
        failures.append(what)
        print("FAIL", what)


def summary():
    """Prints the tally; the exit status: 1 when a check failed."""
    print(f"{passes} checks passed, {len(failures)} failed")
    return 1 if failures else 0
