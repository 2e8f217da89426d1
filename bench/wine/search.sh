#!/usr/bin/env bash
# The installed-copy search under Wine against a plain walk of the same bitness: both programs
# (bench_finder.exe, bench_walker.exe) walk a tree of about 20,000 files mapped as drive D: of
# a fresh prefix and time themselves, in alternating pairs after one warm-up each. Prints
# every pair, then "bench wine-search ratio VALUE vs walker (goal at most 1.20)", the median.
# Runs the win32 build under Wine 10 in the bench's Debian 13 root once that is complete,
# else the win64 build under the host's Wine.
#   bench/wine/search.sh
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
wine_root=/var/lib/install-pictoro/debian13
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
pairs=7
out=$source_dir/build/wine-bench
tree=$out/tree
work=$out/run
mounted=()

# Binds /proc, /dev, /sys and the source tree into the root at their own paths.
enter_root() {
  local dir
  for dir in /proc /dev /sys "$source_dir"; do
    mkdir -p "$wine_root$dir"
    mountpoint -q "$wine_root$dir" && continue
    mount --bind "$dir" "$wine_root$dir"
    mounted+=("$wine_root$dir")
  done
}

leave() {
  in_wine "$wineserver" -k 2>/dev/null || true
  local dir
  for dir in "${mounted[@]}"; do umount "$dir" || true; done
  rm -rf "$work"
}

in_wine() {
  if [ "$preset" = win32 ]; then chroot "$wine_root" env -C "$PWD" "$@"; else "$@"; fi
}

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
  (cd "$WINEPREFIX/drive_c/bench" && in_wine "$wine" "C:\\bench\\$1" 'D:\' | tr -d '\r')
}

preset=win64
[ -f "$wine_root/.complete" ] && preset=win32
build=$source_dir/build/$preset
(cd "$source_dir" && cmake --preset $preset >/dev/null && cmake --build --preset $preset -j2 --target bench_walker bench_finder)
make_tree
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
trap leave EXIT
[ "$preset" = win32 ] && enter_root
echo "wine search: $preset build, $(in_wine "$wine" --version)"
in_wine "$wine" wineboot -i >/dev/null 2>&1 || { echo "bench: wineboot failed" >&2; exit 1; }
rm -f "$WINEPREFIX/dosdevices/z:"
ln -s "$tree" "$WINEPREFIX/dosdevices/d:"
mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$build"/bench/wine/bench_{walker,finder}.exe "$WINEPREFIX/drive_c/bench/"
in_wine "$wineserver" -w
in_wine "$wineserver" -p

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
