#!/usr/bin/env bash
# The product built around a real program of an odd size (bench/real-application.sh: Wine's
# msxml3.dll, stripped, as PICTORO_APPLICATION). A fresh installation through the wizard
# writes it byte for byte; the upgrade through the wizard and /autoupdate replace an older
# Pictoro.Exe with it byte for byte. Then a copy with one byte of the compressed stream changed
# and both check values of the start (the stored bytes' CRC-32 and the whole file's) made to fit,
# so that only the decoded image's check can find the damage: the wizard's installation, /autoupdate and /silent refuse it (the box or the log, exit
# code 2) and write nothing.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/wizard.sh"

{ read -r program; read -r build; } < <(bash "$E2E_ROOT/bench/real-application.sh") ||
  e2e_fail "cannot build the installer around a real program"
E2E_EXE=$build/Install_Pictoro.exe
PAYLOAD_IMAGE=$program
PAYLOAD_STORED=$build/payload/Pictoro.Exe.lzma
size=$(stat -c %s "$program")
(( size % 1024 != 0 )) || e2e_fail "$program is a whole number of blocks"

# Every file of drive C: but Wine's own folder, with its size and time of change.
drive_c_files() { (cd "$E2E_C" && find . -path ./windows -prune -o -type f -printf '%p %s %T@\n' | sort); }

to_install_page() {  # SCREENSHOT_PREFIX
  e2e_start
  e2e_wait_window "$E2E_CAPTION" 90
  e2e_wait_page "Welcome"
  next_page $NEXT_X "Disclaimer" "$1-1-disclaimer"
  e2e_click_control "I have read the statement above and I fully agree with this statement."
  next_page $NEXT_X "Install or upgrade?" "$1-2-install"
}

expect_application() {  # HOST_FILE WHAT
  cmp -s "$PAYLOAD_IMAGE" "$1" || e2e_fail "$2: Pictoro.Exe is not the program ($(stat -c %s "$1") bytes)"
  [ ! -e "$1.new" ] || e2e_fail "$2: the temporary file was left behind"
  e2e_log "$2: Pictoro.Exe is the program, $size bytes"
}

e2e_begin application
INSTALLED="$(e2e_folder programfiles)"'\Pictoro\'
INSTALLED_HOST=$(e2e_host_path "$INSTALLED")

to_install_page application-install
next_page $NEXT_X "Choose installation directory" application-install-3-directory
next_page $NEXT_X "Choose download directory" application-install-4-download
next_page $NEXT_X "Select your internet-connection" application-install-5-connection
e2e_click_control "&Cable Modem"
next_page $NEXT_X "Ready to install" application-install-6-go
bar_click $WIDE_X
e2e_wait_page "Installation of Pictoro ready"
e2e_screenshot application-install-7-ready
[ -z "$(e2e_boxes)" ] || e2e_fail "a box showed during the installation: $(e2e_boxes)"
bar_click $EXIT_X
e2e_wait_exit 20
expect_application "$INSTALLED_HOST/Pictoro.Exe" "fresh installation"

printf 'an older executable' >"$INSTALLED_HOST/Pictoro.Exe"
to_install_page application-upgrade
e2e_click_control "&Upgrade an existing installation"
bar_click $NEXT_X
e2e_wait_page "Ready to upgrade"
bar_click $NEXT_X
e2e_wait_page "Upgrade of Pictoro ready"
e2e_screenshot application-upgrade-ready
bar_click $EXIT_X
e2e_wait_exit 20
expect_application "$INSTALLED_HOST/Pictoro.Exe" "upgrade"

printf 'an older executable' >"$INSTALLED_HOST/Pictoro.Exe"
e2e_start /autoupdate "$INSTALLED"
e2e_wait_exit 90   # a DLL does not start; the installer ends all the same
e2e_expect_eq "installer exit code" 0 "$E2E_EXIT_CODE"
expect_application "$INSTALLED_HOST/Pictoro.Exe" "/autoupdate"

# One byte of the stream changed, and the CRC-32s the start checks the stream and the file against
# with it.
python3 - "$E2E_C/e2e/Install_Pictoro.exe" "$PAYLOAD_STORED" <<'PY' || e2e_fail "cannot change the copy"
import struct, sys, zlib
exe_path, stored_path = sys.argv[1], sys.argv[2]
exe = bytearray(open(exe_path, "rb").read())
stored = open(stored_path, "rb").read()
at = exe.find(stored)
assert at >= 0 and exe.find(stored, at + 1) < 0, "the stream is not in the exe once"
values = struct.pack("<II", len(stored), zlib.crc32(stored))
check = exe.find(values, at + len(stored))
assert 0 < check - (at + len(stored)) < 8, "the stream's size and CRC-32 do not follow it"
exe[at + len(stored) // 2] ^= 0x10
exe[check + 4:check + 8] = struct.pack("<I", zlib.crc32(bytes(exe[at:at + len(stored)])))
open(exe_path, "wb").write(exe)
PY
"$build/host/installer-crc" "$E2E_C/e2e/Install_Pictoro.exe" || e2e_fail "cannot refit the whole file's check value"
damaged="This installer is damaged and has to be downloaded again."
printf 'an older executable' >"$INSTALLED_HOST/Pictoro.Exe"
before=$(drive_c_files)
e2e_start /autoupdate "$INSTALLED"
expect_refusal "$damaged" application-damaged-box
e2e_wait_exit 30
e2e_expect_eq "damaged installer exit code" 2 "$E2E_EXIT_CODE"
e2e_expect_eq "installed Pictoro.Exe" "an older executable" "$(cat "$INSTALLED_HOST/Pictoro.Exe")"
diff <(echo "$before") <(drive_c_files) >&2 || e2e_fail "files on drive C: were written or changed"

to_install_page application-damaged
next_page $NEXT_X "Choose installation directory" application-damaged-3-directory
type_directory 'C:\Fresh\'
next_page $NEXT_X "Choose download directory" application-damaged-4-download
next_page $NEXT_X "Select your internet-connection" application-damaged-5-connection
e2e_click_control "&Cable Modem"
next_page $NEXT_X "Ready to install" application-damaged-6-go
bar_click $WIDE_X
expect_refusal "$damaged" application-damaged-7-box
e2e_wait_exit 30
e2e_expect_eq "damaged installation exit code" 2 "$E2E_EXIT_CODE"
[ ! -e "$E2E_C/Fresh" ] || e2e_fail "the installation made its directory"
diff <(echo "$before") <(drive_c_files) >&2 || e2e_fail "the installation wrote or changed files on drive C:"

e2e_start /silent /agree '/dir=C:\Fresh\' '/log=C:\e2e\damaged.log'
e2e_wait_exit_unseen 60
e2e_expect_eq "silent exit code" 2 "$E2E_EXIT_CODE"
e2e_expect_eq "silent log" "Error: $damaged
Result: refused, nothing written, exit code 2" "$(tail -n 2 "$E2E_C/e2e/damaged.log" | tr -d '\r')"
rm "$E2E_C/e2e/damaged.log"
[ ! -e "$E2E_C/Fresh" ] || e2e_fail "the silent run made its directory"
diff <(echo "$before") <(drive_c_files) >&2 || e2e_fail "the silent run wrote or changed files on drive C:"
e2e_log "real program of $size bytes: installed, upgraded and updated byte for byte; a changed stream refused before writing"
