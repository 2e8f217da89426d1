#!/usr/bin/env bash
# pictoro-dat end to end: init a data file, dump it, test its version, and refuse damaged ones.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0
failures=0

check() {   # check DESCRIPTION COMMAND...: counts a failure when the command fails
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passes=$((passes + 1))
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

expect_exit() {   # expect_exit CODE COMMAND...: the command's exit code, output to $work/out and $work/err
    local code=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    [ $? -eq "$code" ]
}

file=$work/Pictoro.Dat
check "init writes the file" expect_exit 0 "$tool" init --install-dir 'C:\Program Files\Pictoro' \
    --download-dir 'D:\My "Pictures"' --connection 3 "$file"
check "dump shows it" expect_exit 0 "$tool" dump "$file"
cp "$work/out" "$work/dump.json"
check "format version 0" grep -q '^  "formatVersion": 0,$' "$work/dump.json"
check "the cache directory ends the installation directory" \
    grep -qF '"cacheDir": "C:\\Program Files\\Pictoro\\Cache\\"' "$work/dump.json"
check "quotes in values are escaped" grep -qF '"downloadDir": "D:\\My \"Pictures\""' "$work/dump.json"
check "27 threads for connection 3" grep -q '"threads": 27' "$work/dump.json"
check "packed fields are shown unpacked" grep -qF '"remSetFile": "pictoro.rms"' "$work/dump.json"
check "679 named settings" [ "$(grep -c '^    {"name": ' "$work/dump.json")" -eq 679 ]
check "the last setting closes the list" grep -qF '{"name": "RMSDIR1313_Description2", "value": ""}' "$work/dump.json"

check "version accepts it" expect_exit 0 "$tool" version "$file"
check "version names the format" grep -q '^format version 0: accepted' "$work/out"

head -c 2000 "$file" >"$work/cut.dat"
check "a truncated file ends with exit 2" expect_exit 2 "$tool" dump "$work/cut.dat"
check "and one line naming the offset" \
    bash -c '[ "$(wc -l <"$1")" -eq 1 ] && grep -q "expected .* at byte offset 2000$" "$1"' _ "$work/err"

one_line_with() {   # one_line_with TEXT FILE: FILE is one line that holds TEXT
  [ "$(wc -l <"$2")" -eq 1 ] && grep -qF -- "$1" "$2"
}
odd=$work/$'cut\e[31m\n.dat'
cp "$work/cut.dat" "$odd"
check "a file name with control bytes ends with exit 2" expect_exit 2 "$tool" dump "$odd"
check "and is shown with them as hex, on one line" one_line_with 'cut\x1B[31m\x0A.dat: ' "$work/err"
check "command-line text is shown the same way" expect_exit 2 "$tool" init --install-dir 'C:\P' \
    --download-dir 'D:\' --connection $'1\r\e]0;x\a' "$file"
check "on one line before the usage" \
    bash -c 'head -1 "$1" | grep -qF "not \"1\\x0D\\x1B]0;x\\x07\"" && sed -n 2p "$1" | grep -q ^usage:' _ "$work/err"
check "init takes a directory with control bytes" expect_exit 0 "$tool" init --install-dir 'C:\P' \
    --download-dir $'D:\e\x7f' --connection 1 "$work/odd.dat"
check "dump shows them escaped" \
    bash -c '"$1" dump "$2" | grep -qF "\"downloadDir\": \"D:\\u001b\\u007f\""' _ "$tool" "$work/odd.dat"

printf 'GIF89a' >"$work/foreign.dat"
check "a foreign file ends with exit 2" expect_exit 2 "$tool" dump "$work/foreign.dat"
check "and says what was expected" grep -q 'expected format version 0, found version 71 at byte offset 0' "$work/err"
check "the upgrade search refuses it" expect_exit 1 "$tool" version "$work/foreign.dat"
check "a missing file cannot be read" expect_exit 2 "$tool" version "$work/missing.dat"

check "usage errors say how to call the tool" expect_exit 2 "$tool" init --connection x "$file"
check "with the usage lines" grep -q '^usage: pictoro-dat dump FILE' "$work/err"

printf '\x1A' >"$work/eof.dat"
check "a first byte 26 is a version, not an empty file" expect_exit 1 "$tool" version "$work/eof.dat"
check "and is named as one" grep -q '^format version 26: refused' "$work/out"
: >"$work/empty.dat"
check "an empty file has no version" expect_exit 1 "$tool" version "$work/empty.dat"
check "and is named as empty" grep -q '^no format version (the file is empty): refused' "$work/out"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
