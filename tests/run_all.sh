#!/bin/sh
# The test command: installs what the tests need where it is missing, then
# builds the suite three times, as released, with the address and undefined-
# behaviour sanitizers, and portable (no SSE2 or AVX2 code), and runs every
# unit test and end-to-end case in each; last, a few seconds of each fuzz
# target.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

tests/install_deps.sh

status=0
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSCORETEXT_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" || status=1

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSCORETEXT_SANITIZE=ON -DSCORETEXT_TESTS=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" || status=1

# The portable build: no SSE2 or AVX2 code, every byte scan and block walk
# done by its scalar twin.  Released without whole-program optimisation, so
# that it builds in a few minutes.
cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=Release -DSCORETEXT_PORTABLE=ON -DSCORETEXT_TESTS=ON >/dev/null
cmake --build build-portable -j"$jobs"
ctest --test-dir build-portable --output-on-failure -j"$jobs" || status=1

# Every fuzz target briefly from its seed corpus: one that no longer builds or
# fails at once is caught here (tests/fuzz/run.sh SECONDS for a real run).
tests/fuzz/run.sh 3 || status=1

if [ "$status" -ne 0 ]; then
  echo "some tests failed (see above)" >&2
fi
exit "$status"
