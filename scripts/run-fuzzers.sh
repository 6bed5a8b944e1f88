#!/usr/bin/env bash
# Fuzzes every target of the fuzz preset in turn, each for SECONDS (default 60):
#   scripts/run-fuzzers.sh [SECONDS] [TARGET...]
# Run `cmake --workflow --preset fuzz` first. Each target keeps its growing
# corpus in build/fuzz/corpus/<target>/ (so that longer runs build on earlier
# ones) and starts from its seeds and the inputs of earlier findings. A finding
# is written to build/fuzz/findings/ and ends the script with status 1; copy it
# to tests/fuzz/regressions/<target>/ once it is mended.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(pair pane settings)

build=build/fuzz
mkdir -p "$build/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  inputs=("$corpus" "$build/tests/fuzz/seeds/$target")
  [ -d "tests/fuzz/regressions/$target" ] && inputs+=("tests/fuzz/regressions/$target")
  echo "== $target: $seconds s"
  # A single input that runs longer than 30 s is a hang, and a finding too.
  if ! "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=30 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "${inputs[@]}"; then
    echo "== $target: finding in $build/findings/" >&2
    status=1
  fi
done
exit $status
