#!/usr/bin/env bash
# The installed-copy search over disks that hold what a search must step past: a Pictoro.Dat
# that is a folder, one of 0 bytes, one of 4 GiB (sparse), a path longer than 260 characters,
# a folder named outside the ANSI code page, and a symbolic link back up (Wine shows a host
# link as a reparse point). The search ends, and the upgrade start page lists exactly the
# copies an ANSI program can reach, each once, in the order of their data files' paths.
# Unreadable files and folders are left to the headless tests' injected faults: Wine runs as
# root here, which reads whatever a mode says.
set -euo pipefail
here=$(dirname "$0")
source "$here/lib.sh"

BAR_Y=466
NEXT_X=703
EXIT_X=90

data_file() {  # HOST_DIR FIRST_BYTE_OCTAL
  mkdir -p "$1"
  printf "\\$2rest of a data file" >"$1/Pictoro.Dat"
}

e2e_begin hostile_disks
c=$E2E_C
data_file "$c/Good" 000
mkdir -p "$c/Folder/Pictoro.Dat"
mkdir -p "$c/Empty" && : >"$c/Empty/Pictoro.Dat"
data_file "$c/Huge" 001
truncate -s 4G "$c/Huge/Pictoro.Dat"
data_file "$c/Newer" 003
# The copy two levels down is reachable; the one below 260 characters is not.
long="$c/Long"
for level in $(seq 1 25); do long="$long/a-folder-$level"; done
data_file "$c/Long/a-folder-1/a-folder-2" 000
data_file "$long" 000
data_file "$c/Кириллица" 000
data_file "$c/Loop/Below" 000
data_file "$c/Loop" 002
ln -s .. "$c/Loop/Below/Up"
ln -s "$c/Loop" "$c/Loop/Below/Back"
drive_d=$E2E_OUT/hostile_disks-d
rm -rf "$drive_d"
data_file "$drive_d/Pictoro" 000
ln -s "$drive_d" "$WINEPREFIX/dosdevices/d:"

e2e_start
e2e_wait_window "$E2E_CAPTION" 90
e2e_wait_page "Welcome"
e2e_click $NEXT_X $BAR_Y
e2e_wait_page "Disclaimer"
e2e_click_control "I have read the statement above and I fully agree with this statement."
e2e_click $NEXT_X $BAR_Y
e2e_wait_page "Install or upgrade?"
e2e_click_control "&Upgrade an existing installation"
e2e_click $NEXT_X $BAR_Y
e2e_wait_page "Ready to upgrade"
e2e_screenshot hostile_disks-start
[ -z "$(e2e_boxes)" ] || e2e_fail "a box showed during the search: $(e2e_boxes)"

combo=$(e2e_children | awk -F'\t' 'tolower($3) == "combobox" && $5 == 1 { print $1; exit }')
[ -n "$combo" ] || e2e_fail "no drop-down list on the upgrade start page"
expected='C:\Good\
C:\Huge\
C:\Long\a-folder-1\a-folder-2\
C:\Loop\Below\
C:\Loop\
D:\Pictoro\'
e2e_expect_eq "listed directories" "$expected" "$(e2e_items "$combo")"

e2e_click $EXIT_X $BAR_Y
e2e_wait_exit 20
rm -rf "$drive_d"
e2e_log "hostile disks: the search ends and lists the reachable copies, each once"
