#!/usr/bin/env bash
# Builds the product around a real program the project did not write: Wine's msxml3.dll from
# the Debian 13 root (i386, stripped: 2,232,334 bytes with Wine 10.0, not a whole number of
# kilobytes), as PICTORO_APPLICATION of a win32 build of its own. Prints the program's path,
# then the build folder (its Install_Pictoro.exe). Used by scripts/bench and the end-to-end
# test of a real application.
#   bench/real-application.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
wine_root=${PICTORO_ROOT:-/var/lib/install-pictoro/debian13}
dll=$wine_root/usr/lib/x86_64-linux-gnu/wine/i386-windows/msxml3.dll
[ -f "$dll" ] || { echo "real-application: no $dll (scripts/setup makes the root)" >&2; exit 1; }
program=$root/build/real-application/msxml3.dll
build=$root/build/win32-real
mkdir -p "$(dirname "$program")"
if [ ! -f "$program" ] || [ "$dll" -nt "$program" ]; then
  i686-w64-mingw32-strip -o "$program.part" "$dll"
  mv "$program.part" "$program"
fi
cmake --preset win32 -B "$build" -DPICTORO_APPLICATION="$program" >"$build.configure.log" 2>&1 ||
  { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" -j2 --target Install_Pictoro >"$build.build.log" 2>&1 || { tail -30 "$build.build.log" >&2; exit 1; }
echo "$program"
echo "$build"
