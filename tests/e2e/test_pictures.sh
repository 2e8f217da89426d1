#!/usr/bin/env bash
# Every page picture looks the same through Windows' JPEG decoder (the Win32 backend's, run
# here under Wine) as through libjpeg (the headless backend's, in the native build).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

native=$E2E_ROOT/build/native/tests/pictures/picture_pixels
windows=$E2E_BUILD/tests/pictures/picture_pixels.exe
[ -x "$native" ] || e2e_fail "$native not built"
[ -f "$windows" ] || e2e_fail "$windows not built"
pictures=$(cd "$E2E_ROOT/resources" && ls ./*.jpg | sed 's|^\./||')

e2e_begin pictures
mkdir -p "$E2E_C/e2e/pixels"
cp "$windows" "$E2E_C/e2e/picture_pixels.exe"
# shellcheck disable=SC2086  # the picture names have no blanks
root_timeout 120 root_wine "$WINEPREFIX" -b "$E2E_OUT" -C "$E2E_C/e2e" -- 'C:\e2e\picture_pixels.exe' write pixels $pictures ||
  e2e_fail "the Windows decoder did not decode every picture"
# shellcheck disable=SC2086
"$native" compare "$E2E_C/e2e/pixels" $pictures || e2e_fail "the two decoders see different pictures"
