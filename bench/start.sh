#!/usr/bin/env bash
# The installer's start under Wine against a minimal Win32 program of the same compiler and
# bitness (bench/MinimalWindow.cpp): the time from starting the process until its window is
# visible, in alternating pairs; prints the median ratio of the pairs.
#   bench/start.sh BUILD_DIR [PAIRS]     (BUILD_DIR holds both programs, e.g. build/win64)
set -euo pipefail
build=$(cd "$1" && pwd)
pairs=${2:-7}
out=$build/bench-start
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEPREFIX=$out/prefix

display=150
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$(( display + 1 )); done
mkdir -p "$out"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$display"
cleanup() {
  timeout 30 "$wineserver" -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for (( i = 0; i < 100; i++ )); do timeout 2 xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

rm -rf "$WINEPREFIX"
timeout 240 "$wine" wineboot -i >"$out/wineboot.log" 2>&1
timeout 60 "$wineserver" -w
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
cp "$build/Install_Pictoro.exe" "$build/minimal_window.exe" "$WINEPREFIX/drive_c/"
"$wineserver" -p   # one server for every run, as on a running system

# Milliseconds from the start of PROGRAM until a visible window has CAPTION.
start_ms() {  # PROGRAM CAPTION
  local begin end pid
  begin=$(date +%s%N)
  ( cd "$WINEPREFIX/drive_c" && exec "$wine" "C:\\$1" ) >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended without a window" >&2; exit 1; }
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  sleep 0.5
  echo $(( (end - begin) / 1000000 ))
}

start_ms minimal_window.exe "Minimal Window" >/dev/null   # the first start loads the DLLs from disk
ratios=() installer=() minimal=()
for (( i = 0; i < pairs; i++ )); do
  a=$(start_ms Install_Pictoro.exe "Install Pictoro 1.7")
  b=$(start_ms minimal_window.exe "Minimal Window")
  installer+=("$a") minimal+=("$b")
  ratios+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", a / b }')")
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "installer ms: ${installer[*]}"
echo "minimal ms:   ${minimal[*]}"
echo "bench start ratio $(median "${ratios[@]}") vs minimal program (goal at most 1.2; median of $pairs pairs," \
  "installer $(median "${installer[@]}") ms, minimal $(median "${minimal[@]}") ms)"
