#!/usr/bin/env bash
# Prints the bytes of EXE beyond the application it carries as stored (payload/Pictoro.Exe.lzma
# of the build beside EXE).
#   tests/build/exe-size.sh EXE
set -euo pipefail
stored=$(dirname "$1")/payload/Pictoro.Exe.lzma
[ -f "$stored" ] || { echo "no $stored beside $1" >&2; exit 1; }
echo $(( $(stat -c %s "$1") - $(stat -c %s "$stored") ))
