#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, one after the other and niced, from
# its committed seeds and regressions plus the inputs earlier runs found (kept in the build
# folder). Writes libFuzzer's final figures, one line per target, to BUILD/fuzz-summary.txt and
# the whole output to BUILD/fuzz-logs/. Exits 1 when a target crashed: the input is then in
# BUILD/fuzz-artifacts/TARGET/, to be fixed and added to fuzz/regressions/TARGET/.
#
#   fuzz/run-fuzzers.sh BUILD SECONDS [TARGET...]
set -uo pipefail
cd "$(dirname "$0")/.."

build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(plist document preset picture cli)

# The largest input each target is given: a little above its largest seed.
declare -A max_len=([plist]=65536 [document]=131072 [preset]=131072 [picture]=65536 [cli]=512)
declare -A dictionary=([plist]=fuzz/plist.dict [document]=fuzz/plist.dict
                       [preset]=fuzz/plist.dict)

summary=$build/fuzz-summary.txt
mkdir -p "$build/fuzz-logs"
# The targets' files go to a folder of this run, in memory where possible (syncs cost nothing
# there), emptied after each target: one that crashed leaves its files behind.
base=/tmp
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  base=/dev/shm
fi
TMPDIR=$(mktemp -d "$base/fotino-fuzz-run.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:handle_abort=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

printf '%-9s %8s %12s %10s %7s %8s %s\n' target seconds runs "execs/s" corpus "rss MB" result \
  > "$summary"
failed=0
for target in "${targets[@]}"; do
  program=$build/fuzz/fuzz_$target
  corpus=$build/fuzz-corpus/$target
  artifacts=$build/fuzz-artifacts/$target
  log=$build/fuzz-logs/$target.log
  mkdir -p "$corpus" "$artifacts" "fuzz/regressions/$target"
  options=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 -malloc_limit_mb=2048
           -max_len="${max_len[$target]}" -print_final_stats=1 -artifact_prefix="$artifacts/")
  if [ -n "${dictionary[$target]:-}" ]; then
    options+=(-dict="${dictionary[$target]}")
  fi
  echo "fuzzing $target for $seconds s"
  nice -n 19 "$program" "${options[@]}" "$corpus" "fuzz/corpus/$target" \
    "fuzz/regressions/$target" > "$log" 2>&1
  status=$?
  rm -rf "${TMPDIR:?}"/*
  stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
  result=ok
  if [ $status -ne 0 ]; then
    result="CRASH (exit $status, see $log)"
    failed=1
  fi
  printf '%-9s %8s %12s %10s %7s %8s %s\n' "$target" "$seconds" \
    "$(stat number_of_executed_units)" "$(stat average_exec_per_sec)" \
    "$(find "$corpus" -type f | wc -l)" "$(stat peak_rss_mb)" "$result" >> "$summary"
done
cat "$summary"
exit $failed
