#!/usr/bin/env bash
# The installer's start under Wine against a minimal Win32 program of the same compiler and
# bitness (bench/MinimalWindow.cpp): the time from starting the process until its window is
# visible, in alternating rounds; prints the median ratio of the rounds. A third program, the
# minimal one with the common controls loaded as the installer loads them, tells how much of
# the gap those alone take. Runs under Wine 10 in the bench's Debian 13 root (made by
# scripts/setup), with one wineserver for every start.
#   bench/start.sh [BUILD_DIR [ROUNDS]]   (BUILD_DIR holds the programs; default build/win32)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$source_dir/build/win32}" && pwd)
rounds=${2:-15}
out=$build/bench-start
source "$source_dir/tests/e2e/root.sh"
root_complete || { echo "bench: no Debian 13 root with Wine 10; run scripts/setup" >&2; exit 1; }
export WINEPREFIX=$out/prefix

display=150
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$(( display + 1 )); done
mkdir -p "$out"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$display"
cleanup() {
  root_timeout 30 root_wineserver "$WINEPREFIX" -k 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
server=
trap cleanup EXIT
for (( i = 0; i < 100; i++ )); do timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
root_timeout 240 root_wine "$WINEPREFIX" -- wineboot -i >"$out/wineboot.log" 2>&1
root_timeout 60 root_wineserver "$WINEPREFIX" -w
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp "$PICTORO_WINE_FONTS"/* "$WINEPREFIX/drive_c/windows/Fonts/"
cp "$build/Install_Pictoro.exe" "$build/minimal_window.exe" "$build/minimal_common_controls.exe" "$WINEPREFIX/drive_c/"
# One server for every run, as on a running system.
( root_wineserver "$WINEPREFIX" -f -p ) >/dev/null 2>&1 &
server=$!

# Milliseconds from the start of PROGRAM until a visible window has CAPTION.
start_ms() {  # PROGRAM CAPTION
  local begin end pid deadline=$(( SECONDS + 30 ))
  begin=$(date +%s%N)
  ( root_wine "$WINEPREFIX" -C "$WINEPREFIX/drive_c" -- "C:\\$1" ) >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended without a window" >&2; exit 1; }
    # Seen rarely: Wine's desktop comes up without a display, and no window ever shows.
    (( SECONDS < deadline )) || { echo "$1 showed no window within 30 s" >&2; kill "$pid" 2>/dev/null; exit 1; }
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # The program runs on in the server after its starter is gone; wait until its window is.
  while xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    xdotool search --onlyvisible --name "^$2\$" windowclose >/dev/null 2>&1 || true
    sleep 0.1
  done
  sleep 0.3
  echo $(( (end - begin) / 1000000 ))
}

start_ms minimal_window.exe "Minimal Window" >/dev/null   # the first start loads the DLLs from disk
start_ms minimal_common_controls.exe "Minimal Window" >/dev/null
start_ms Install_Pictoro.exe "Install Pictoro 1.7" >/dev/null
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
ratios=() controlsRatios=() beyondControls=() installer=() minimal=() controls=()
for (( i = 0; i < rounds; i++ )); do
  a=$(start_ms Install_Pictoro.exe "Install Pictoro 1.7")
  b=$(start_ms minimal_window.exe "Minimal Window")
  c=$(start_ms minimal_common_controls.exe "Minimal Window")
  installer+=("$a") minimal+=("$b") controls+=("$c")
  ratios+=("$(ratio "$a" "$b")") controlsRatios+=("$(ratio "$c" "$b")") beyondControls+=("$(ratio "$a" "$c")")
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "start: $(basename "$build") build, $(root_run -- "$PICTORO_WINE" --version)"
echo "installer ms:                ${installer[*]}"
echo "minimal ms:                  ${minimal[*]}"
echo "minimal, common controls ms: ${controls[*]}"
echo "start: the common controls alone $(median "${controlsRatios[@]}") vs minimal program;" \
  "installer $(median "${beyondControls[@]}") vs minimal program with the common controls"
echo "bench start ratio $(median "${ratios[@]}") vs minimal program (goal at most 1.2; median of $rounds rounds," \
  "installer $(median "${installer[@]}") ms, minimal $(median "${minimal[@]}") ms)"
