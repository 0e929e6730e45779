#!/bin/sh
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for SECONDS seconds, one target after the other,
# starting from its seed corpus in tests/fuzz/corpus/<target> and with the
# dictionary of its notation (tests/fuzz/dictionaries).  Prints the
# executions and the findings of every target; a finding is kept in
# BUILD/fuzz-findings/ and can be replayed with
#   BUILD/bin/fuzz_<target> BUILD/fuzz-findings/<target>-crash-...
# Exit status 1 when any target found anything.
#
#   tests/fuzz/run.sh [--runs N] [--merge] [--log DIR] SECONDS [TARGET...]
#
#   --runs N   stop a target after N executions if SECONDS have not passed
#   --merge    add what the run found to tests/fuzz/corpus/<target>: the
#              seeds and the run's corpus are minimised together (libFuzzer's
#              -merge=1) and, while the result is above CORPUS_CAP_KB
#              (default 192) kilobytes, its largest inputs are dropped.
#              Without it the repository's corpora stay as they are.
#   --log DIR  keep each target's libFuzzer log as DIR/<target>.log
#
# The build folder is build-fuzz, or $SCORETEXT_FUZZ_BUILD.
set -eu
usage='usage: tests/fuzz/run.sh [--runs N] [--merge] [--log DIR] SECONDS [TARGET...]'
runs=-1
merge=no
logs=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=${2:?$usage}; shift 2 ;;
    --merge) merge=yes; shift ;;
    --log) logs=${2:?$usage}; shift 2 ;;
    --) shift; break ;;
    -*) echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
done
seconds=${1:?$usage}
shift
[ -n "$logs" ] && mkdir -p "$logs" && logs=$(cd "$logs" && pwd)
cd "$(dirname "$0")/../.."
root=$(pwd)
build=${SCORETEXT_FUZZ_BUILD:-build-fuzz}
cap_kb=${CORPUS_CAP_KB:-192}
jobs=$(nproc 2>/dev/null || echo 2)

for tool in clang++; do
  command -v "$tool" >/dev/null 2>&1 ||
    { echo "run.sh: $tool is missing (Debian: clang, libclang-rt-dev)" >&2; exit 2; }
done
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSCORETEXT_FUZZ=ON -DSCORETEXT_TESTS=OFF >/dev/null
# The targets named, or all of them.
if [ $# -eq 0 ]; then
  cmake --build "$build" -j"$jobs" --target fuzz_targets >/dev/null
  set -- $(cd "$root/$build/bin" && ls fuzz_* | sed 's/^fuzz_//')
else
  cmake --build "$build" -j"$jobs" $(printf -- '--target fuzz_%s ' "$@") >/dev/null
fi

findings_dir="$root/$build/fuzz-findings"
mkdir -p "$findings_dir"

# The notations each target's input is written in.
dictionaries() {
  case "$1" in
    talven2|talven) echo score chord ;;
    morrik) echo score melody ;;
    gessan) echo score tab ;;
    quendro|vastrel) echo score drum ;;
    nolwen) echo score vocal ;;
    sirenta|score_vocal) echo score vocal lyric ;;
    score_text) echo score chord melody tab drum ;;
    drumdef) echo drumdef drum ;;
    lyric_file) echo lyric ;;
    template) echo vsqx ;;
    ardic|belvar|ostrin) echo smf ;;
  esac
}

# The work files in memory where the system offers it: libFuzzer writes a
# file for every input that adds coverage.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  work=$(mktemp -d /dev/shm/scoretext-fuzz-run-XXXXXX)
else
  work=$(mktemp -d)
fi
trap 'rm -rf "$work"' EXIT

# The bytes of a corpus's inputs, in kilobytes rounded up.
corpus_kb() {
  echo $(( ($(cat "$1"/* 2>/dev/null | wc -c) + 1023) / 1024 ))
}

# Minimises the repository's corpus and the run's together into the
# repository's, within the cap.
merge_corpus() {
  target=$1 found=$2
  saved="tests/fuzz/corpus/$target"
  merged="$work/$target.merged"
  rm -rf "$merged"
  mkdir -p "$merged" "$saved"
  if ! "$root/$build/bin/fuzz_$target" -merge=1 -close_fd_mask=3 -timeout=10 \
      -rss_limit_mb=2048 "$merged" "$saved" "$found" >"$work/$target.merge.log" 2>&1; then
    echo "    merge failed: $work/$target.merge.log" >&2
    tail -5 "$work/$target.merge.log" | sed 's/^/    /' >&2
    return 1
  fi
  dropped=0
  while [ "$(corpus_kb "$merged")" -gt "$cap_kb" ]; do
    largest=$(ls -S "$merged" | head -1)
    rm -f "$merged/$largest"
    dropped=$((dropped + 1))
  done
  before=$(ls "$saved" | wc -l)
  rm -f "$saved"/*
  cp "$merged"/* "$saved"/ 2>/dev/null || true
  note=
  [ "$dropped" -gt 0 ] && note=", $dropped largest dropped for the cap"
  echo "    corpus $saved: $before -> $(ls "$saved" | wc -l) inputs," \
    "$(corpus_kb "$saved") KB$note"
}

failed=0
printf '%-12s %14s %10s  %s\n' target executions per-second findings
for target in "$@"; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  if [ -d "tests/fuzz/corpus/$target" ]; then
    cp "tests/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
  fi
  dict="$work/$target.dict"
  : >"$dict"
  for notation in $(dictionaries "$target"); do
    cat "tests/fuzz/dictionaries/$notation.dict" >>"$dict"
  done
  dict_option=
  [ -s "$dict" ] && dict_option="-dict=$dict"
  log="$work/$target.log"
  [ -n "$logs" ] && log="$logs/$target.log"
  # Standard output and error of the programs go to /dev/null; the memory
  # limit stands well above any program's need for a fuzz-sized input;
  # newly reached functions are not named (each would start the symbolizer).
  set +e
  "$root/$build/bin/fuzz_$target" "$corpus" $dict_option -max_total_time="$seconds" \
    -runs="$runs" -close_fd_mask=3 -print_final_stats=1 -print_funcs=0 -timeout=10 -rss_limit_mb=2048 \
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
  if [ "$merge" = yes ]; then
    merge_corpus "$target" "$corpus" || failed=1
  fi
  rm -rf "$corpus"
done
exit "$failed"
