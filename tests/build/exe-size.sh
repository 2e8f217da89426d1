#!/usr/bin/env bash
# Prints the bytes of EXE beyond the application image it carries (the payload size that
# engine/PB_Pictoro.h declares).
#   tests/build/exe-size.sh EXE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
payload=$(sed -n 's/.*PayloadSize = \([0-9]*\).*/\1/p' "$root/engine/PB_Pictoro.h")
[ -n "$payload" ] || { echo "no PayloadSize in engine/PB_Pictoro.h" >&2; exit 1; }
echo $(( $(stat -c %s "$1") - payload ))
