#!/usr/bin/env bash
# The silent installation as a deployment script runs it: Install_Pictoro.exe /silent /agree
# with the defaults and with every option, each refusal, and a disk that fills up. Each run
# ends by itself with its exit code and shows no window; the files, the links and the data
# file (decoded with pictoro-dat) are those of the choices given, and a refused or failed run
# leaves nothing behind. The logs are kept in build/e2e/silent-*.log.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/shelllink.sh"


# Runs the installer silently with ARGS and checks that it ends with EXIT_CODE, unseen.
silent_run() {  # EXIT_CODE ARGS...
  local expected=$1
  shift
  e2e_start "$@"
  e2e_wait_exit_unseen 120
  e2e_expect_eq "exit code of $*" "$expected" "$E2E_EXIT_CODE"
  [ -z "$(e2e_boxes)" ] || e2e_fail "a box is open after $*: $(e2e_boxes)"
}

# Keeps the log HOST_FILE as build/e2e/silent-NAME.log and checks that it has the line LINE.
keep_log() {  # HOST_FILE NAME LINE
  [ -f "$1" ] || e2e_fail "no log $1"
  tr -d '\r' <"$1" >"$E2E_OUT/silent-$2.log"
  grep -qxF -- "$3" "$E2E_OUT/silent-$2.log" || { cat "$E2E_OUT/silent-$2.log" >&2; e2e_fail "log $2 lacks: $3"; }
}

# Pictoro.Exe, Pictoro.Dat and the start-menu links of an installation in DIR (Windows path
# with backslash) with DOWNLOAD_DIR and CONNECTION.
expect_installed() {  # DIR DOWNLOAD_DIR CONNECTION
  local host_dir programs
  host_dir=$(e2e_host_path "$1")
  cmp -s "$PAYLOAD_IMAGE" "$host_dir/Pictoro.Exe" || e2e_fail "Pictoro.Exe in $1 is not the image"
  e2e_expect_data_file "$host_dir/Pictoro.Dat" "$1" "$2" "$3"
  programs=$(e2e_host_path "$(e2e_folder programs)")/Pictoro
  e2e_expect_eq "start-menu link target" "$1Pictoro.Exe" "$(lnk_fields "$programs/Pictoro.Lnk" | cut -d'|' -f1)"
  e2e_expect_eq "uninstall link arguments" "/Uninstall" "$(lnk_fields "$programs/Uninstal.Lnk" | cut -d'|' -f2)"
  [ -f "$programs/website.Lnk" ] || e2e_fail "no link for the web page"
}

e2e_begin silent
desktop_link=$(e2e_host_path "$(e2e_folder desktopdirectory)")/Pictoro.Lnk

# The check for windows sees the wizard's window when it shows.
e2e_start
for (( i = 0; i < 600; i++ )); do [ -n "$(e2e_visible_windows)" ] && break; sleep 0.1; done
[ -n "$(e2e_visible_windows)" ] || e2e_fail "the wizard's window was not seen on the display"
e2e_stop_app
e2e_wineserver_kill

# The defaults: the directory pages' proposals, I don't know, the desktop link.
default_dir="$(e2e_folder programfiles)\\Pictoro\\"
silent_run 0 /silent /agree
expect_installed "$default_dir" 'C:\Images\' 5
e2e_expect_eq "desktop link target" "${default_dir}Pictoro.Exe" "$(lnk_fields "$desktop_link" | cut -d'|' -f1)"
temp_log=$(ls "$E2E_C"/users/*/AppData/Local/Temp/Install_Pictoro-*.log)
keep_log "$temp_log" defaults "Result: installed, exit code 0"
# Its name, which nobody can foresee, is told on standard error.
grep -qP "^Result: installed, exit code 0; log: C:\\\\users\\\\.*\\\\Install_Pictoro-[0-9A-F]{16}\\.log\r$" "$E2E_OUT/silent.log" ||
  { cat "$E2E_OUT/silent.log" >&2; e2e_fail "standard error does not name the default log"; }
rm "$desktop_link"

# Every option, names in mixed case, values with blanks in quotes.
options_dir='C:\Apps\My Pictoro\'
silent_run 0 /SILENT /Agree '/Dir=C:\Apps\My Pictoro' '/downloaddir=C:\My Pictures' /connection=3 \
  /NoDesktopShortcut '/log=C:\e2e\silent options.log'
expect_installed "$options_dir" 'C:\My Pictures' 3
[ ! -e "$desktop_link" ] || e2e_fail "a desktop link was made with /nodesktopshortcut"
[ ! -e "$(e2e_host_path 'C:\My Pictures')" ] || e2e_fail "the download directory was made"
keep_log "$E2E_C/e2e/silent options.log" options "Create shortcut on desktop = No"

# Refusals: nothing written, whatever the reason.
snapshot() { find "$E2E_C" -path "$E2E_C/e2e" -prune -o -path "$E2E_C/windows" -prune -o -newer "$E2E_OUT/silent-mark" -print; }
refused() {  # EXIT_CODE NAME LINE ARGS...
  local code=$1 name=$2 line=$3
  shift 3
  touch "$E2E_OUT/silent-mark"
  sleep 1
  silent_run "$code" "$@" '/log=C:\e2e\refused.log'
  keep_log "$E2E_C/e2e/refused.log" "$name" "$line"
  local changed
  changed=$(snapshot | grep -v '/e2e/refused.log$' | grep -v '/AppData/' || true)
  [ -z "$changed" ] || e2e_fail "the refused run ($name) changed: $changed"
}
refused 2 existing "Error: Cannot install Pictoro in $options_dir" /silent /agree '/dir=C:\Apps\My Pictoro'
refused 2 invalid "Error: Invalid directory." /silent /agree '/dir=C:\Fresh' '/downloaddir= D:'
refused 2 relative "Error: Invalid directory." /silent /agree '/dir=Pictoro'
refused 2 drive-relative "Error: Invalid directory." /silent /agree '/dir=C:\Fresh' '/downloaddir=C:Images'
# A line not understood opens no log: the file it names keeps what it held, and standard error
# tells why.
not_understood() {  # LINE ARGS...
  local line=$1
  shift
  printf 'kept\r\n' >"$E2E_C/e2e/kept.log"
  silent_run 1 "$@" '/log=C:\e2e\kept.log'
  e2e_expect_eq "the log named by $*" "kept" "$(tr -d '\r' <"$E2E_C/e2e/kept.log")"
  grep -qxF -- "$line" <(tr -d '\r' <"$E2E_OUT/silent.log") || { cat "$E2E_OUT/silent.log" >&2; e2e_fail "standard error lacks: $line"; }
}
not_understood "Result: command line not understood, nothing installed, exit code 1" /silent '/dir=C:\Fresh'
not_understood "Error: The connection must be a number from 0 to 5: /connection=6." /silent /agree /connection=6
[ ! -e "$E2E_C/Fresh" ] || e2e_fail "a refused run made C:\\Fresh"

# A disk that fills up while Pictoro.Exe is written: the earlier Pictoro.Exe stays as it was,
# no other file is left, and no link changes.
seed=$E2E_OUT/silent-seed
rm -rf "$seed" && mkdir -p "$seed/Pictoro"
printf 'the earlier application' >"$seed/Pictoro/Pictoro.Exe"
head -c 2000000 /dev/zero >"$seed/filler"
small=$E2E_OUT/silent-small
ln -s "$small" "$WINEPREFIX/dosdevices/d:"
programs=$(e2e_host_path "$(e2e_folder programs)")/Pictoro
links_before=$(md5sum "$programs"/*.Lnk)
e2e_run_on_small_disk 3m "$small" "$seed" 120 /silent /agree '/dir=D:\Pictoro' '/log=C:\e2e\full.log'
e2e_expect_eq "exit code on a full disk" 3 "$E2E_EXIT_CODE"
keep_log "$E2E_C/e2e/full.log" full-disk "Result: installation failed, exit code 3"
grep -qx "Error: Disk full\." "$E2E_OUT/silent-full-disk.log" || e2e_fail "the log does not say the disk is full"
e2e_expect_eq "the earlier Pictoro.Exe" "the earlier application" "$(cat "$small.after/Pictoro/Pictoro.Exe")"
e2e_expect_eq "files left on the full disk" "Pictoro.Exe" "$(ls -A "$small.after/Pictoro")"
e2e_expect_eq "start-menu links" "$links_before" "$(md5sum "$programs"/*.Lnk)"
# Into a new directory: the levels it made go again.
e2e_run_on_small_disk 3m "$small" "$seed" 120 /silent /agree '/dir=D:\New\Pictoro' '/log=C:\e2e\full-new.log'
e2e_expect_eq "exit code on a full disk, new directory" 3 "$E2E_EXIT_CODE"
keep_log "$E2E_C/e2e/full-new.log" full-disk-new 'Directory removed: D:\New'
e2e_expect_eq "what the full disk holds" "$(ls -A "$seed")" "$(ls -A "$small.after")"
rm -rf "$seed" "$small" "$small.after"
e2e_log "silent installation: defaults, every option, refusals 1 and 2, full disk 3; no window showed"
