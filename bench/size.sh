#!/usr/bin/env bash
# The installer around a real program (bench/real-application.sh) against an NSIS installer of
# the same file, built here with Debian's makensis (SetCompressor /SOLID lzma; welcome,
# directory, files and finish pages). Prints both sizes and "bench size ratio VALUE vs NSIS
# (goal at most 1.50)". Then, under Wine, the first need of the image (decoding and checking
# it) beside its write, in several runs: "bench decode ratio VALUE (decode + write) vs write
# (goal at most 1.50)", the median.
#   bench/size.sh
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tests/e2e/root.sh"
runs=7
{ read -r program; read -r build; } < <(bash "$source_dir/bench/real-application.sh")
cmake --build "$build" -j2 --target bench_payload >/dev/null
out=$source_dir/build/size-bench
rm -rf "$out"
mkdir -p "$out"

cat >"$out/Pictoro.nsi" <<NSI
Unicode true
Name "Pictoro 1.7"
OutFile "$out/Install_Pictoro_nsis.exe"
SetCompressor /SOLID lzma
InstallDir "\$PROGRAMFILES\\Pictoro"
RequestExecutionLevel admin
!include "MUI2.nsh"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"
Section
  SetOutPath "\$INSTDIR"
  File "/oname=Pictoro.Exe" "$program"
SectionEnd
NSI
makensis -V1 "$out/Pictoro.nsi" >"$out/makensis.log" 2>&1 || { cat "$out/makensis.log" >&2; exit 1; }

ours=$(stat -c %s "$build/Install_Pictoro.exe")
nsis=$(stat -c %s "$out/Install_Pictoro_nsis.exe")
program_size=$(stat -c %s "$program")
stored=$(stat -c %s "$build/payload/Pictoro.Exe.lzma")
echo "size: program ${program#"$source_dir"/}: $program_size bytes, stored in $stored ($(( stored * 1000 / program_size / 10 )).$(( stored * 1000 / program_size % 10 )) %)"
echo "size: Install_Pictoro.exe $ours bytes ($(( ours - stored )) beyond the stored program), NSIS $nsis bytes"
echo "bench size ratio $(awk -v a="$ours" -v b="$nsis" 'BEGIN { printf "%.2f", a / b }') vs NSIS (goal at most 1.50)"

root_complete || { echo "bench: no Debian 13 root with Wine 10; run scripts/setup" >&2; exit 1; }
export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
in_wine() { root_run -b "$source_dir" -- "$@"; }
trap 'in_wine "$PICTORO_WINESERVER" -k 2>/dev/null || true' EXIT
in_wine "$PICTORO_WINE" wineboot -i >/dev/null 2>&1 || { echo "bench: wineboot failed" >&2; exit 1; }
mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$build/bench/wine/bench_payload.exe" "$WINEPREFIX/drive_c/bench/"
in_wine "$PICTORO_WINESERVER" -w
in_wine "$PICTORO_WINESERVER" -p
run() { (cd "$WINEPREFIX/drive_c/bench" && in_wine "$PICTORO_WINE" 'C:\bench\bench_payload.exe' 'C:\bench\out\' | tr -d '\r'); }
run >/dev/null   # warm-up
cmp -s "$program" "$WINEPREFIX/drive_c/bench/out/Pictoro.Exe" || { echo "bench: the written file is not the program" >&2; exit 1; }
ratios=()
for (( i = 1; i <= runs; i++ )); do
  read -r decode write bytes < <(run)
  ratio=$(awk -v d="$decode" -v w="$write" 'BEGIN { printf "%.2f", (d + w) / w }')
  ratios+=("$ratio")
  echo "decode run $i: decode $decode s, write $write s of $bytes bytes, ratio $ratio"
done
median=$(printf '%s\n' "${ratios[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "bench decode ratio $median (decode + write) vs write (goal at most 1.50)"
