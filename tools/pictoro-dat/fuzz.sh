#!/usr/bin/env bash
# Fuzzes the data-file reader with libFuzzer for the given number of seconds (default 60):
# builds with clang and sanitisers, seeds with a fresh data file and a truncated one, and
# merges what the run found down to the inputs that add coverage, in build/fuzz/corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-$root/build/fuzz}
"$root/scripts/setup"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DPICTORO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link" >/dev/null
cmake --build "$build" -j2 --target fuzz-dump pictoro-dat >/dev/null

corpus=$build/corpus
found=$build/found
rm -rf "$found"
mkdir -p "$corpus" "$found"
"$build/tools/pictoro-dat/pictoro-dat" init --install-dir 'C:\Pictoro' --download-dir 'C:\Downloads' \
    --connection 5 "$found/fresh.dat"
head -c 1500 "$found/fresh.dat" >"$found/start.dat"
fuzz="$build/tools/pictoro-dat/fuzz-dump"
"$fuzz" -max_total_time="$seconds" -max_len=40000 -timeout=10 "$found" "$corpus"
"$fuzz" -merge=1 -max_len=40000 "$corpus" "$found" 2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files' || true
rm -rf "$found"
echo "fuzz.sh: corpus of $(ls "$corpus" | wc -l) inputs in $corpus"
