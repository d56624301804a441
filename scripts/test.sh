#!/usr/bin/env bash
# Installs what is missing (with what the tests need), builds, and runs
# every test: once in a normal build (build/) and once under
# AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/).
#
# Quiet: the output of each step goes to build*/test-logs/ and is shown only
# when the step fails. The last line is the verdict, with both builds'
# counts; the exit status is 0 only when both passed.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test || exit 1

jobs=$(nproc)

# step LOG COMMAND...: runs the command into LOG; on failure shows the end
# of LOG and returns its status.
step() {
  local log=$1
  shift
  mkdir -p "$(dirname "$log")"
  "$@" >"$log" 2>&1
  local status=$?
  [ $status -eq 0 ] && return 0
  echo "--- failed: $* (the last lines of $log)"
  tail -n 80 "$log"
  return $status
}

# suite NAME DIR CMAKE-OPTIONS... : configures, builds and tests one build;
# sets the verdict part for it.
verdicts=()
failed=0
suite() {
  local name=$1 dir=$2
  shift 2
  local logs=$dir/test-logs
  echo "$name: building $dir/" >&2
  if ! step "$logs/configure.log" cmake -S . -B "$dir" -DTM_BUILD_TESTS=ON "$@" ||
     ! step "$logs/build.log" cmake --build "$dir" -j"$jobs"; then
    verdicts+=("$name did not build")
    failed=1
    return
  fi
  echo "$name: testing" >&2
  local ctest_args=(--output-on-failure -j"$jobs")
  [ "$name" = build-asan ] && ctest_args+=(-LE no-sanitize)
  (cd "$dir" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest "${ctest_args[@]}") >"$logs/ctest.log" 2>&1
  local status=$?
  local summary total failures skipped
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/ctest.log" | tail -n 1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  failures=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  skipped=$(grep -c '(Skipped)$' "$logs/ctest.log")
  if [ -z "$summary" ] || [ "$total" -eq 0 ]; then
    echo "--- $name: ctest ran no test (see $logs/ctest.log)"
    tail -n 40 "$logs/ctest.log"
    verdicts+=("$name ran no test")
    failed=1
    return
  fi
  if [ $status -ne 0 ] || [ "$failures" -ne 0 ]; then
    # What --output-on-failure printed, without the passing tests' lines.
    echo "--- $name: $failures of $total tests failed (all of it in $logs/ctest.log)"
    grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed ' "$logs/ctest.log" | tail -n 200
    failed=1
  fi
  local part="$name $((total - failures - skipped)) passed"
  [ "$failures" -ne 0 ] && part+=", $failures failed"
  [ "$skipped" -ne 0 ] && part+=", $skipped skipped"
  verdicts+=("$part")
}

suite build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
suite build-asan build-asan -DCMAKE_BUILD_TYPE=Debug -DTM_SANITIZE=ON

verdict=$(IFS=';'; echo "${verdicts[*]}" | sed 's/;/; /g')
if [ $failed -eq 0 ]; then
  echo "tests passed: $verdict"
else
  echo "tests FAILED: $verdict"
fi
exit $failed
