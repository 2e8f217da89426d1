#!/usr/bin/env bash
# Fuzzes one target with libFuzzer (clang, address and undefined-behaviour sanitisers, any
# report fatal) on both cores, for a number of inputs or of seconds, starting from the target's
# corpus in the tree; then merges that corpus and what the run found down to the inputs that
# add coverage, back into the tree. Prints the inputs run, the time and the inputs per second.
#   tests/fuzz/fuzz.sh commandline|datafile|decoder --runs N|--seconds S
# A finding is left in build/fuzz/<target>/ as crash-*, leak-* or timeout-*; the exit is then 1.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
usage() { echo "usage: tests/fuzz/fuzz.sh commandline|datafile|decoder --runs N|--seconds S" >&2; exit 2; }
[ $# -eq 3 ] || usage
target=$1 unit=$2 amount=$3
[[ $target == commandline || $target == datafile || $target == decoder ]] || usage
[[ $amount =~ ^[1-9][0-9]*$ ]] || usage
jobs=${FUZZ_JOBS:-2}
case $unit in
  --runs) limit=-runs=$(( (amount + jobs - 1) / jobs )) ;;   # each job runs its share
  --seconds) limit=-max_total_time=$amount ;;
  *) usage ;;
esac
# Longer inputs only slow the run: the parse does on long lines what it does on short ones
# (256 bytes reach the coverage of 2048, several times faster), and a data file needs its key
# seed of 879 to 977 bytes and little else to hold every kind of record; a stream of a few
# kilobytes reaches every state of the decoder.
case $target in
  commandline) max_len=256 ;;
  datafile) max_len=4096 ;;
  decoder) max_len=8192 ;;
esac

build=${FUZZ_BUILD_DIR:-$root/build/fuzz}
[ -d /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}   # the data-file target's input file lives there
"$root/scripts/setup"
sanitize="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all" # the C decoder too
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DPICTORO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_C_FLAGS="$sanitize" >/dev/null
cmake --build "$build" -j2 --target "fuzz-$target" pictoro-dat pictoro_payload >/dev/null
fuzz=$build/tests/fuzz/fuzz-$target

corpus=$here/corpus-$target
work=$build/$target
rm -rf "$work"
mkdir -p "$corpus" "$work/found" "$work/merged"
case $target in
  commandline)
    printf '%s' 'Install_Pictoro.exe /autoupdate C:\Apps\Pictoro' >"$work/found/plain"
    printf '%s' '"C:\Setup Dir\Install_Pictoro.exe" /AUTOUPDATE "D:\My  Apps\"' >"$work/found/quoted" ;;
  datafile)
    "$build/tools/pictoro-dat/pictoro-dat" init --install-dir 'C:\Pictoro' --download-dir 'C:\Downloads' \
        --connection 5 "$work/found/fresh.dat"
    head -c 1500 "$work/found/fresh.dat" >"$work/found/start.dat" ;;
  decoder) # the start of the stand-in's code, stored as the build stores it, behind its size
    for n in 600 5000; do
      head -c $n "$build/payload/Pictoro.unpadded.exe" >"$work/program"
      "$build/host/payload-pack" "$work/program" "$work/program.filtered"
      printf "$(printf '\\x%02x\\x%02x' $(( (n - 1) % 256 )) $(( (n - 1) / 256 )))" >"$work/found/program-$n"
      xz --format=lzma --lzma1=preset=9e --stdout "$work/program.filtered" >>"$work/found/program-$n"
    done
    rm "$work/program" "$work/program.filtered" ;;
esac

cd "$work"
start=$(date +%s.%N)
status=0
"$fuzz" -jobs="$jobs" -workers="$jobs" "$limit" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/" found "$corpus" >/dev/null 2>&1 || status=$?
end=$(date +%s.%N)
sed -n 's/^stat::number_of_executed_units: *//p' fuzz-*.log | awk -v t="$target" -v s="$start" -v e="$end" -v j="$jobs" \
    '{ n += $1 } END { printf "fuzz.sh: %s: %d inputs in %.1f s, %.0f inputs/s, %d jobs\n", t, n, e - s, n / (e - s), j }'

findings=$(ls "$work" | grep -E '^(crash|leak|timeout|oom)-' || true)
if [ -n "$findings" ] || [ "$status" -ne 0 ]; then
  echo "fuzz.sh: $target: FINDING (exit $status) $findings; logs in $work/fuzz-*.log" >&2
  exit 1
fi
"$fuzz" -merge=1 -max_len="$max_len" merged "$corpus" found >/dev/null 2>&1
rm -rf "$corpus" && mv merged "$corpus"
echo "fuzz.sh: $target: corpus of $(ls "$corpus" | wc -l) inputs in ${corpus#"$root"/}"
