#!/usr/bin/env bash
# The installer's window appears, centred, with its caption and client size; a screenshot
# of it is saved. Started again with the loader's trace: the DLL it loads itself for the first
# picture is searched for in the system folder alone.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

e2e_begin smoke
e2e_start
e2e_wait_window "$E2E_CAPTION" 90
e2e_expect_eq "client size" "780x509" "${E2E_CLIENT_W}x${E2E_CLIENT_H}"

# Centred: the frame is as wide on both sides, and the caption bar lies above the client.
screen_w=$(timeout 5 xdotool getdisplaygeometry | cut -d' ' -f1)
screen_h=$(timeout 5 xdotool getdisplaygeometry | cut -d' ' -f2)
offset_x=$(( E2E_CLIENT_X + E2E_CLIENT_W / 2 - screen_w / 2 ))
offset_y=$(( E2E_CLIENT_Y + E2E_CLIENT_H / 2 - screen_h / 2 ))
[ "${offset_x#-}" -le 2 ] || e2e_fail "not centred across: client at x $E2E_CLIENT_X"
[ "$offset_y" -ge 0 ] && [ "$offset_y" -le 30 ] || e2e_fail "not centred down: client at y $E2E_CLIENT_Y"

sleep 1
e2e_screenshot smoke
[ "$(e2e_pixel "$E2E_SHOT" 390 254)" != "#000000" ] || e2e_fail "the client area is not painted"
e2e_log "window $E2E_HWND, client ${E2E_CLIENT_W}x${E2E_CLIENT_H} at $E2E_CLIENT_X,$E2E_CLIENT_Y"

e2e_stop_app
e2e_wait_gone "$E2E_CAPTION"
WINEDEBUG=+module e2e_start
e2e_wait_window "$E2E_CAPTION" 90
grep -qF 'looking for L"oleaut32.dll" in L"C:\\windows\\system32\\"' "$E2E_OUT/$E2E_TEST.log" ||
  e2e_fail "oleaut32 was not searched for in the system folder alone (trace in $E2E_OUT/$E2E_TEST.log)"
