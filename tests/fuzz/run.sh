#!/bin/sh
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for SECONDS seconds, starting from its seed
# corpus in tests/fuzz/corpus (copied: the repository's corpora stay as they
# are).  Prints the executions and the findings of every target; a finding
# is kept in BUILD/fuzz-findings/ and can be replayed with
#   BUILD/bin/fuzz_<target> BUILD/fuzz-findings/<target>-crash-...
# Exit status 1 when any target found anything.
#
#   tests/fuzz/run.sh SECONDS [TARGET...]
# The build folder is build-fuzz, or $SCORETEXT_FUZZ_BUILD.
set -eu
seconds=${1:?usage: tests/fuzz/run.sh SECONDS [TARGET...]}
shift
cd "$(dirname "$0")/../.."
root=$(pwd)
build=${SCORETEXT_FUZZ_BUILD:-build-fuzz}
jobs=$(nproc 2>/dev/null || echo 2)

for tool in clang++; do
  command -v "$tool" >/dev/null 2>&1 ||
    { echo "run.sh: $tool is missing (Debian: clang, libclang-rt-dev)" >&2; exit 2; }
done
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSCORETEXT_FUZZ=ON -DSCORETEXT_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target fuzz_targets >/dev/null

findings_dir="$root/$build/fuzz-findings"
mkdir -p "$findings_dir"
if [ $# -eq 0 ]; then
  set -- $(cd "$root/$build/bin" && ls fuzz_* | sed 's/^fuzz_//')
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
printf '%-12s %14s %10s  %s\n' target executions per-second findings
for target in "$@"; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  if [ -d "tests/fuzz/corpus/$target" ]; then
    cp "tests/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
  fi
  log="$work/$target.log"
  # Standard output and error of the programs go to /dev/null; the memory
  # limit stands well above any program's need for a fuzz-sized input.
  set +e
  "$root/$build/bin/fuzz_$target" "$corpus" -max_total_time="$seconds" \
    -close_fd_mask=3 -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings_dir/$target-" >"$log" 2>&1
  status=$?
  set -e
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  found=$(grep -E '^artifact_prefix=.*Test unit written to ' "$log" | sed 's/.*written to //' || true)
  if [ "$status" -ne 0 ] || [ -n "$found" ]; then
    failed=1
    printf '%-12s %14s %10s  %s\n' "$target" "${executions:-?}" "${speed:-?}" "${found:-status $status}"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz harness)' "$log" | head -5 | sed 's/^/    /'
  else
    printf '%-12s %14s %10s  none\n' "$target" "$executions" "$speed"
  fi
done
exit "$failed"
