#!/usr/bin/env bash
# Runs the end-to-end tests under Wine 10 in the Debian 13 root (see lib.sh): every
# tests/e2e/test_*.sh (or the ones named) against the win32 build, the product (PE32), then
# the smoke test against the win64 build (PE32+), so that both are shown to start. One Xvfb
# display and one freshly booted base prefix for the run, a copy of it per test.
# Prints one PASS or FAIL line per test, naming the exes it ran, and ends with
# "N passed, N failed". E2E_SMOKE_X64=0 leaves out the win64 smoke test.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

mkdir -p "$E2E_OUT"
tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=("$here"/test_*.sh)
runs=()   # ARCH:TEST
for test in "${tests[@]}"; do runs+=("win32:$test"); done
if [ "${E2E_SMOKE_X64:-1}" != 0 ] && [ $# -eq 0 ]; then runs+=("win64:$here/test_smoke.sh"); fi

trap e2e_stop_display EXIT
e2e_start_display
( e2e_boot_base_prefix ) || { echo "0 passed, ${#runs[@]} failed"; exit 1; }
export E2E_BASE_PREFIX=$E2E_OUT/prefix-base

passed=0 failed=0
for run in "${runs[@]}"; do
  arch=${run%%:*} test=${run#*:}
  name=$(basename "$test" .sh)
  out=$E2E_OUT/$name.out
  [ "$arch" = win32 ] || { mkdir -p "$E2E_OUT/$arch"; out=$E2E_OUT/$arch/$name.out; }
  started=$SECONDS
  if E2E_ARCH=$arch E2E_OUT=$(dirname "$out") timeout --kill-after=10 900 bash "$test" >"$out" 2>&1; then
    passed=$(( passed + 1 )); verdict=PASS
  else
    failed=$(( failed + 1 )); verdict=FAIL
  fi
  # The exes the test ran, as e2e_fresh_prefix logged them ("e2e: exe: PE32 build/...").
  exes=$(sed -n 's/^e2e: exe: //p' "$out" | awk '!seen[$0]++' | paste -sd, - | sed 's/,/, /g')
  echo "$verdict $name [${exes:-no exe ran}] ($(( SECONDS - started )) s)"
  [ $verdict = PASS ] || sed 's/^/    /' "$out"
done
rm -rf "$E2E_BASE_PREFIX"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
