#!/usr/bin/env bash
# Runs every tests/e2e/test_*.sh (or the ones named) against the win64 build under Wine:
# one Xvfb display and one freshly booted base prefix for the run, a copy of it per test.
# Prints one PASS or FAIL line per test and ends with "N passed, N failed".
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

mkdir -p "$E2E_OUT"
tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=("$here"/test_*.sh)

trap e2e_stop_display EXIT
e2e_start_display
( e2e_boot_base_prefix ) || { echo "0 passed, ${#tests[@]} failed"; exit 1; }
export E2E_BASE_PREFIX=$E2E_OUT/prefix-base

passed=0 failed=0
for test in "${tests[@]}"; do
  name=$(basename "$test" .sh)
  started=$SECONDS
  if timeout --kill-after=10 600 bash "$test" >"$E2E_OUT/$name.out" 2>&1; then
    passed=$(( passed + 1 )); verdict=PASS
  else
    failed=$(( failed + 1 )); verdict=FAIL
  fi
  echo "$verdict $name ($(( SECONDS - started )) s)"
  [ $verdict = PASS ] || sed 's/^/    /' "$E2E_OUT/$name.out"
done
rm -rf "$E2E_BASE_PREFIX"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
