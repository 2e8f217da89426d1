#!/usr/bin/env bash
# A damaged download: a copy of the installer with one byte of the application it carries (as
# stored, compressed) changed, started by an installed application with /autoupdate. It shows one error box and
# no wizard window, ends with exit code 2 once the box is closed, and has written nothing: the
# installed Pictoro.Exe is the one it was, and drive C: holds no new or changed file. Started
# with /silent, it shows nothing, logs the same message and ends with 2, having installed
# nothing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"


# The byte offset of IMAGE inside EXE.
image_offset() {  # EXE IMAGE
  local at
  at=$(perl -e 'local $/; open my $e, "<:raw", $ARGV[0] or die; open my $i, "<:raw", $ARGV[1] or die;
                print index(<$e>, <$i>)' "$1" "$2") || e2e_fail "cannot read $1 or $2"
  [ "$at" -ge 0 ] || e2e_fail "the image is not in $1"
  echo "$at"
}

# Every file of drive C: but Wine's own folder, with its size and time of change.
drive_c_files() { (cd "$E2E_C" && find . -path ./windows -prune -o -type f -printf '%p %s %T@\n' | sort); }

e2e_begin damaged
exe=$E2E_C/e2e/Install_Pictoro.exe
at=$(( $(image_offset "$exe" "$PAYLOAD_STORED") + $(stat -c %s "$PAYLOAD_STORED") / 2 ))
byte=$(od -An -tu1 -j "$at" -N 1 "$exe" | tr -d ' ')
printf "\\$(printf '%03o' $(( byte ^ 0x10 )))" | dd of="$exe" bs=1 seek="$at" conv=notrunc status=none
cmp -s "$exe" "$E2E_EXE" && e2e_fail "the copy was not changed"
e2e_log "changed the byte at $at of the copy ($byte to $(( byte ^ 0x10 )))"

mkdir -p "$E2E_C/Pictoro"
printf 'the installed application\r\n' >"$E2E_C/Pictoro/Pictoro.Exe"
before=$(drive_c_files)

e2e_start /autoupdate 'C:\Pictoro'
IFS=$'\t' read -r caption text <<<"$(e2e_wait_box)"
e2e_expect_eq "box caption" "Install_Pictoro" "$caption"
e2e_expect_eq "box text" "This installer is damaged and has to be downloaded again." "$text"
e2e_expect_eq "boxes shown" 1 "$(e2e_boxes | wc -l)"
if e2e_probe find "$E2E_CAPTION" 500 >/dev/null; then e2e_fail "the wizard's window shows"; fi
e2e_screenshot damaged-box
e2e_close_box "of the damaged installer"
e2e_wait_exit 30
e2e_expect_eq "installer exit code" 2 "$E2E_EXIT_CODE"

e2e_expect_eq "installed Pictoro.Exe" "the installed application" "$(tr -d '\r' <"$E2E_C/Pictoro/Pictoro.Exe")"
diff <(echo "$before") <(drive_c_files) >&2 || e2e_fail "files on drive C: were written or changed"

e2e_start /silent /agree '/log=C:\e2e\damaged.log'
e2e_wait_exit_unseen 60
e2e_expect_eq "silent installer exit code" 2 "$E2E_EXIT_CODE"
e2e_expect_eq "silent log" "Error: This installer is damaged and has to be downloaded again.
Result: refused, nothing written, exit code 2" "$(tail -n 2 "$E2E_C/e2e/damaged.log" | tr -d '\r')"
rm "$E2E_C/e2e/damaged.log"
diff <(echo "$before") <(drive_c_files) >&2 || e2e_fail "the silent run wrote or changed files on drive C:"
e2e_log "damaged installer: one box, no window, exit code 2, nothing written; silent: no window, logged, 2"
