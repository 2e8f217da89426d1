# The PASS and FAIL lines of the shell checks and their closing "N passed, N failed"; sourced
# by tests/build/*.sh and tests/release/*.sh.
passed=0 failed=0

pass() { passed=$(( passed + 1 )); echo "PASS $1"; }

# fail NAME [WHY]: the last lines of WHY go below the verdict, indented.
fail() {
  failed=$(( failed + 1 )); echo "FAIL $1"
  [ -z "${2:-}" ] || echo "$2" | tail -n 20 | sed 's/^/    /'
}

# check NAME COMMAND...: PASS if COMMAND succeeds, else FAIL with what it printed.
check() {
  local name=$1 why
  shift
  if why=$("$@" 2>&1); then pass "$name"; else fail "$name" "$why"; fi
}

# The closing line; fails if any check did.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
