#!/usr/bin/env bash
# The installed-copy search under Wine against a plain walk of the same bitness: both programs
# (bench_finder.exe, bench_walker.exe) walk a tree of about 20,000 files mapped as drive D: of
# a fresh prefix and time themselves, in alternating pairs after one warm-up each. Prints
# every pair, then "bench wine-search ratio VALUE vs walker (goal at most 1.20)", the median.
# Runs the win32 build under Wine 10 in the bench's Debian 13 root (made by scripts/setup).
#   bench/wine/search.sh
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
pairs=7
out=$source_dir/build/wine-bench
tree=$out/tree
work=$out/run
source "$source_dir/tests/e2e/root.sh"

leave() {
  in_wine "$PICTORO_WINESERVER" -k 2>/dev/null || true
  rm -rf "$work"
}

# COMMAND in the root, with the source tree (and so the bench's folders) bound.
in_wine() { root_run -b "$source_dir" -- "$@"; }

# 10 x 10 x 20 leaves under 111 inner folders, 10 files in each: 2,111 folders and 21,110
# files, and 5 data files of version 0. Reused when a previous run completed it.
make_tree() {
  [ -f "$tree/.complete" ] && return 0
  echo "generating $tree"
  rm -rf "$tree"
  local a b c dir
  for a in d{0..9}; do for b in d{0..9}; do for c in d{00..19}; do
    mkdir -p "$tree/$a/$b/$c"
  done; done; done
  find "$tree" -type d | while read -r dir; do
    touch "$dir"/photo{0..9}.jpg
  done
  for dir in d0/d3 d4 d9/d9/d19 d0/d0/d00 d5/d2/d07; do
    printf '\0' >"$tree/$dir/Pictoro.Dat"
  done
  touch "$tree/.complete"
}

run() {  # PROGRAM -> its output line
  (cd "$WINEPREFIX/drive_c/bench" && in_wine "$PICTORO_WINE" "C:\\bench\\$1" 'D:\' | tr -d '\r')
}

root_complete || { echo "bench: no Debian 13 root with Wine 10; run scripts/setup" >&2; exit 1; }
build=$source_dir/build/win32
(cd "$source_dir" && cmake --preset win32 >/dev/null && cmake --build --preset win32 -j2 --target bench_walker bench_finder)
make_tree
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
trap leave EXIT
echo "wine search: win32 build, $(in_wine "$PICTORO_WINE" --version)"
in_wine "$PICTORO_WINE" wineboot -i >/dev/null 2>&1 || { echo "bench: wineboot failed" >&2; exit 1; }
rm -f "$WINEPREFIX/dosdevices/z:"
ln -s "$tree" "$WINEPREFIX/dosdevices/d:"
mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$build"/bench/wine/bench_{walker,finder}.exe "$WINEPREFIX/drive_c/bench/"
in_wine "$PICTORO_WINESERVER" -w
in_wine "$PICTORO_WINESERVER" -p

walker=bench_walker.exe
finder=bench_finder.exe
read -r _ folders matches < <(run $walker)
read -r _ accepted < <(run $finder)
echo "wine search: the walker lists $folders folders and sees $matches data files, the search accepts $accepted"
[ "$matches" = 5 ] && [ "$accepted" = 5 ] || { echo "bench: the programs did not walk the whole tree" >&2; exit 1; }

ratios=()
for (( pair = 1; pair <= pairs; pair++ )); do
  if (( pair % 2 )); then
    read -r ours _ < <(run $finder); read -r theirs _ < <(run $walker)
  else
    read -r theirs _ < <(run $walker); read -r ours _ < <(run $finder)
  fi
  ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')
  ratios+=("$ratio")
  echo "wine-search run $pair: $ours s, walker $theirs s, ratio $ratio"
done
median=$(printf '%s\n' "${ratios[@]}" | sort -n | sed -n "$(( (pairs + 1) / 2 ))p")
echo "bench wine-search ratio $median vs walker (goal at most 1.20)"
