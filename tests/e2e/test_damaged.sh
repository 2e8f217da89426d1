#!/usr/bin/env bash
# A damaged download: a copy of the installer with one byte of the application it carries (as
# stored, compressed) changed, started by an installed application with /autoupdate. It shows one error box and
# no wizard window, ends with exit code 2 once the box is closed, and has written nothing: the
# installed Pictoro.Exe is the one it was, and drive C: holds no new or changed file. Started
# with /silent, it shows nothing, logs the same message and ends with 2, having installed
# nothing. The whole file is checked, not only the application: a copy with one byte changed
# in the site directory that goes into Pictoro.Dat, or in a text of a page, is refused alike at
# start, in the wizard and silently.
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

# Changes one byte of the copy EXE at OFFSET.
flip_byte() {  # EXE OFFSET
  local byte
  byte=$(od -An -tu1 -j "$2" -N 1 "$1" | tr -d ' ')
  printf "\\$(printf '%03o' $(( byte ^ 0x10 )))" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
  e2e_log "changed the byte at $2 of the copy ($byte to $(( byte ^ 0x10 )))"
}

# The byte offset of the text TEXT in EXE, found once.
text_offset() {  # EXE TEXT
  local at
  at=$(grep -abo -F -- "$2" "$1" | cut -d: -f1) || e2e_fail "no \"$2\" in $1"
  [ "$(wc -l <<<"$at")" = 1 ] || e2e_fail "\"$2\" is more than once in $1"
  echo "$at"
}

# Every file of drive C: but Wine's own folder and the damaged copy, with its size and time of change.
drive_c_files() {
  (cd "$E2E_C" && find . -path ./windows -prune -o -path ./e2e/Install_Pictoro.exe -prune -o -type f -printf '%p %s %T@\n' | sort)
}

e2e_begin damaged
exe=$E2E_C/e2e/Install_Pictoro.exe
flip_byte "$exe" $(( $(image_offset "$exe" "$PAYLOAD_STORED") + $(stat -c %s "$PAYLOAD_STORED") / 2 ))   # inside the stored application
cmp -s "$exe" "$E2E_EXE" && e2e_fail "the copy was not changed"

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

# One byte of a table of the data file, then one of a page's text: the wizard's start shows the
# same box and no window.
for changed in "www.mangaposter.example" "Thank you for installing Pictoro"; do
  cp "$E2E_EXE" "$exe"
  flip_byte "$exe" $(( $(text_offset "$exe" "$changed") + 4 ))
  e2e_start
  IFS=$'\t' read -r caption text <<<"$(e2e_wait_box)"
  e2e_expect_eq "box text" "This installer is damaged and has to be downloaded again." "$text"
  if e2e_probe find "$E2E_CAPTION" 500 >/dev/null; then e2e_fail "the wizard's window shows"; fi
  e2e_close_box "of the damaged installer"
  e2e_wait_exit 30
  e2e_expect_eq "installer exit code" 2 "$E2E_EXIT_CODE"
done
e2e_start /silent /agree '/log=C:\e2e\damaged.log'
e2e_wait_exit_unseen 60
e2e_expect_eq "silent exit code, a page's text damaged" 2 "$E2E_EXIT_CODE"
grep -qx "Error: This installer is damaged and has to be downloaded again." <(tr -d '\r' <"$E2E_C/e2e/damaged.log") ||
  e2e_fail "the silent log does not tell the damage"
rm "$E2E_C/e2e/damaged.log"
diff <(echo "$before") <(drive_c_files) >&2 || e2e_fail "the damaged starts wrote or changed files on drive C:"
e2e_log "damaged installer: one box, no window, exit code 2, nothing written; silent: no window, logged, 2"
e2e_log "a damaged table of the data file or text of a page: refused alike"
