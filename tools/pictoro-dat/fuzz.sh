#!/usr/bin/env bash
# Fuzzes the data-file reader with libFuzzer: builds with clang, seeds the corpus with a
# fresh data file and runs for the given number of seconds (default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-$root/build/fuzz}
command -v clang++ >/dev/null || { echo "fuzz.sh needs clang (Debian package clang)" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DPICTORO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link" >/dev/null
cmake --build "$build" -j2 --target fuzz-dump pictoro-dat >/dev/null

corpus=$build/fuzz-corpus
mkdir -p "$corpus"
"$build/tools/pictoro-dat/pictoro-dat" init --install-dir 'C:\Pictoro' --download-dir 'C:\Downloads' \
    --connection 5 "$corpus/fresh.dat"
head -c 1500 "$corpus/fresh.dat" >"$corpus/start.dat"
"$build/tools/pictoro-dat/fuzz-dump" -max_total_time="$seconds" -max_len=40000 -timeout=10 "$corpus"
