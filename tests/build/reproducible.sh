#!/usr/bin/env bash
# Builds the product (win32) a second time, from a copy of the working tree in another folder
# whose path has blanks, in a fresh build folder, later and in another time zone, and checks
# that its exe is byte for byte the one in the first build folder. The copy is no git checkout:
# without SOURCE_DATE_EPOCH its build must stop with a message, with it the build must match.
# Prints PASS or FAIL per check and "N passed, N failed".
#   tests/build/reproducible.sh [WIN32_BUILD_DIR]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
first=$(realpath "${1:-$root/build/win32}")
source "$root/tests/build/verdicts.sh"

[ -f "$first/Install_Pictoro.exe" ] || { fail "reproducible build: $first/Install_Pictoro.exe not built"; finish; exit; }
work=$(mktemp -d "${TMPDIR:-/tmp}/pictoro second build.XXXXXX")
trap 'rm -rf "$work"' EXIT
src="$work/other sources/Install Pictoro" build="$work/other build"
mkdir -p "$src"
# The tracked and the new files as they are now (a file deleted but not yet staged is left out).
git -C "$root" ls-files -z --cached --others --exclude-standard |
  (cd "$root" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$src"
[ -f "$src/CMakeLists.txt" ] || { fail "reproducible build: copying the sources failed"; finish; exit; }
epoch=$(cat "$first/source-date-epoch") || { fail "reproducible build: $first has no source-date-epoch"; finish; exit; }

log=$work/build.log
configure() { cmake -S "$src" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" \
                -DCMAKE_BUILD_TYPE=Release -DPICTORO_WERROR=ON >"$log" 2>&1; }
if ! configure; then
  fail "reproducible build: configuring the second build failed" "$(tail -n 20 "$log")"
  finish; exit
fi

if (unset SOURCE_DATE_EPOCH; cmake --build "$build" --target pictoro_source_date_epoch >"$log" 2>&1); then
  fail "a build outside git without SOURCE_DATE_EPOCH stops"
elif tr -s ' \n' '  ' <"$log" | grep -q 'is not a git checkout.*SOURCE_DATE_EPOCH is not set'; then
  pass "a build outside git without SOURCE_DATE_EPOCH stops with a message"
else
  fail "a build outside git without SOURCE_DATE_EPOCH stops with a message" "$(tail -n 5 "$log")"
fi

started=$SECONDS
if ! SOURCE_DATE_EPOCH=$epoch TZ=Pacific/Kiritimati cmake --build "$build" -j2 --target Install_Pictoro >"$log" 2>&1; then
  fail "reproducible build: the second build failed" "$(tail -n 20 "$log")"
elif cmp -s "$first/Install_Pictoro.exe" "$build/Install_Pictoro.exe"; then
  pass "win32 exe byte for byte the same from a second folder ($(( SECONDS - started )) s): $(sha256sum <"$build/Install_Pictoro.exe" | cut -c1-64)"
else
  fail "win32 exe byte for byte the same from a second folder" \
    "$(cmp -l "$first/Install_Pictoro.exe" "$build/Install_Pictoro.exe" | wc -l) bytes differ, the first:
$(cmp -l "$first/Install_Pictoro.exe" "$build/Install_Pictoro.exe" | head -n 8)"
fi
finish
