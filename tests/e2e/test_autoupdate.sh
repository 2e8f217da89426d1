#!/usr/bin/env bash
# The unattended update as the installed application asks for it: Install_Pictoro.exe
# /autoupdate "C:\Some Dir\Pictoro" on a machine without that directory. The window shows,
# the directory is created, Pictoro.Exe written, the application started (its window
# appears, its path in quotes) and the installer ends with exit code 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"


# Waits for the started application's window. Whether it shows maximised is not checked
# here: Wine without a window manager shows this window at its normal size even when asked
# to maximise it (the show command is checked by the headless tests).
wait_application() {
  e2e_wait_window "Pictoro 1.7" 60
  e2e_log "the application's window shows, client width $E2E_CLIENT_W"
}

TARGET='C:\Some Dir\Pictoro'
TARGET_HOST="Some Dir/Pictoro"

e2e_begin autoupdate
[ ! -e "$E2E_C/Some Dir" ] || e2e_fail "the fresh drive C: has a folder Some Dir"
e2e_start /autoupdate "$TARGET"
e2e_wait_window "$E2E_CAPTION" 90
e2e_screenshot autoupdate-1-window
e2e_wait_exit 90
e2e_expect_eq "installer exit code" 0 "$E2E_EXIT_CODE"

cmp -s "$PAYLOAD_IMAGE" "$E2E_C/$TARGET_HOST/Pictoro.Exe" || e2e_fail "Pictoro.Exe is not the image"
e2e_expect_eq "files in the directory" "Pictoro.Exe" "$(ls "$E2E_C/$TARGET_HOST")"

wait_application
command_line=$(e2e_children | awk -F'\t' '$10 == "Command line:" { getline; print $10; exit }')
e2e_expect_eq "command line" "\"$TARGET\\Pictoro.Exe\"" "$command_line"
e2e_screenshot autoupdate-2-application
e2e_log "unattended update: directory created, Pictoro.Exe written and started, exit code 0"
